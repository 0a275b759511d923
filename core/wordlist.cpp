#include "core/wordlist.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <unordered_set>

#include "core/rowsource.h"
#include "core/textimport.h"

namespace brainlark
{

Word* WordList::GetAt(int index, int which)
{
    if (which == Pairs)
        return &m_pairs[static_cast<size_t>(index)];
    if (which == WrongAnswers)
        return &m_wrongAnswers[static_cast<size_t>(index)];
    return nullptr;
}

const Word* WordList::GetAt(int index, int which) const
{
    return const_cast<WordList*>(this)->GetAt(index, which);
}

void WordList::ToggleReverse()
{
    m_reversed = !m_reversed;
    for (Word& pair : m_pairs)
        pair.setReversed(!pair.isReversed());
}

bool WordList::Unreverse()
{
    if (m_pairs.empty() || !m_pairs.front().isReversed())
        return false;
    ToggleReverse();
    return true;
}

const std::vector<int32_t>& WordList::SortByRating(int n)
{
    // Keeps the n best candidates in a small sorted buffer while walking the pairs once: O(N·n) with n = 5,
    // no allocation proportional to the list.
    n = std::clamp(n, 0, GetCount());
    m_smartOrder.clear();
    m_smartOrder.reserve(static_cast<size_t>(n));
    std::vector<float> ratings;
    ratings.reserve(static_cast<size_t>(n));
    if (n == 0)
        return m_smartOrder;
    for (int32_t i = 0; i < GetCount(); ++i) {
        const float r = m_pairs[static_cast<size_t>(i)].GetRating();
        if (static_cast<int>(ratings.size()) == n && !(r < ratings.back()))
            continue;
        size_t pos = ratings.size();
        while (pos > 0 && r < ratings[pos - 1])
            --pos;
        if (static_cast<int>(ratings.size()) == n) {
            ratings.pop_back();
            m_smartOrder.pop_back();
        }
        ratings.insert(ratings.begin() + static_cast<std::ptrdiff_t>(pos), r);
        m_smartOrder.insert(m_smartOrder.begin() + static_cast<std::ptrdiff_t>(pos), i);
    }
    return m_smartOrder;
}

int32_t WordList::GetAnswerSupply(bool force)
{
    if (m_answerSupply == SupplyUnknown)
        force = true;
    if (!force)
        return m_answerSupply;
    const int64_t have = static_cast<int64_t>(m_wrongAnswers.size());
    const int64_t need = static_cast<int64_t>(m_pairs.size()) * (ChoiceCount - 1);
    if (have == 0)
        m_answerSupply = SupplyNone;
    if (need <= have)
        m_answerSupply = SupplyEnough;
    else if (have > 0)
        m_answerSupply = SupplySome;
    return m_answerSupply;
}

int WordList::CollectWrongAnswers(std::string_view question, std::vector<Word*>& out)
{
    int count = 0;
    for (Word& w : m_wrongAnswers) {
        if (w.kind() == Word::WrongAnswer && w.question() == question) {
            out.push_back(&w);
            ++count;
        }
    }
    return count;
}

int WordList::CollectWrongAnswers(std::string_view question, std::vector<const Word*>& out) const
{
    int count = 0;
    for (const Word& w : m_wrongAnswers) {
        if (w.kind() == Word::WrongAnswer && w.question() == question) {
            out.push_back(&w);
            ++count;
        }
    }
    return count;
}

int WordList::CollectWrongAnswersFor(const Word& pair, std::vector<const Word*>& out) const
{
    return CollectWrongAnswers(pair.question(), out);
}

std::string WordList::JoinWrongAnswers(const Word& pair, const std::string& separator) const
{
    std::string joined;
    for (const Word& w : m_wrongAnswers) {
        if (w.kind() == Word::WrongAnswer && w.question() == pair.question()) {
            joined += separator;
            joined += w.answer();
        }
    }
    return joined;
}

int WordList::RemoveWrongAnswersOfKind(int32_t kind)
{
    const auto before = m_wrongAnswers.size();
    m_wrongAnswers.erase(std::remove_if(m_wrongAnswers.begin(), m_wrongAnswers.end(),
                                        [kind](const Word& w) { return w.kind() == kind; }),
                         m_wrongAnswers.end());
    return static_cast<int>(before - m_wrongAnswers.size());
}

int WordList::RemoveWrongAnswersOf(std::string_view text)
{
    // The text may view a pair that is about to go.
    const std::string question(text);
    const auto before = m_wrongAnswers.size();
    m_wrongAnswers.erase(std::remove_if(m_wrongAnswers.begin(), m_wrongAnswers.end(),
                                        [&](const Word& w) {
                                            return w.kind() == Word::WrongAnswer && w.question() == question;
                                        }),
                         m_wrongAnswers.end());
    return static_cast<int>(before - m_wrongAnswers.size());
}

void WordList::RenameWrongAnswers(std::string_view oldQuestion, std::string_view newText)
{
    // The new text may view a pair whose texts change here.
    const std::string newQuestion(newText);
    std::vector<Word*> found;
    CollectWrongAnswers(oldQuestion, found);
    for (Word* w : found)
        w->setQuestion(newQuestion);
}

const Word* WordList::FindOtherWithQuestion(std::string_view question, const Word* skip) const
{
    for (const Word& pair : m_pairs) {
        if (&pair != skip && pair.question() == question)
            return &pair;
    }
    return nullptr;
}

const Word* WordList::FindFirstDuplicate() const
{
    // The first pair in array order that has a twin anywhere: count every question first (hash set), then
    // walk in order, so large lists are checked in linear time.
    std::unordered_multiset<std::string_view> questions;
    questions.reserve(m_pairs.size());
    for (const Word& pair : m_pairs)
        questions.insert(pair.question());
    for (const Word& pair : m_pairs) {
        if (questions.count(pair.question()) > 1)
            return &pair;
    }
    return nullptr;
}

void WordList::ResetStatistics()
{
    for (Word& pair : m_pairs) {
        pair.SetRating(0.0f);
        pair.SetRight(0);
        pair.SetWrong(0);
        pair.RecalcTotal();
    }
}

int32_t WordList::SumTotals()
{
    int32_t sum = 0;
    for (Word& pair : m_pairs) {
        pair.RecalcTotal();
        sum = wrappingAdd(sum, pair.total());
    }
    return sum;
}

double WordList::GetAccuracy() const
{
    // Summed in 64 bits: hostile files may carry counters near the 32-bit limit.
    int64_t right = 0;
    int64_t wrong = 0;
    for (const Word& pair : m_pairs) {
        right += pair.right();
        wrong += pair.wrong();
    }
    if (right + wrong <= 0)
        return -1.0;
    return static_cast<double>(right * 100 / (right + wrong));
}

std::string WordList::FormatAccuracy() const
{
    const double accuracy = GetAccuracy();
    if (accuracy <= 0.0)
        return "n/a";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f %%", accuracy);
    return buffer;
}

void WordList::UpdateLengthRatio()
{
    size_t longestQuestion = 0;
    size_t longestAnswer = 0;
    for (const Word& pair : m_pairs) {
        longestQuestion = std::max(longestQuestion, pair.question().size());
        longestAnswer = std::max(longestAnswer, pair.answer().size());
    }
    m_lengthRatio =
        longestAnswer == 0
            ? 0.0f
            : static_cast<float>(static_cast<double>(longestQuestion) / static_cast<double>(longestAnswer));
}

int WordList::RebuildFromRows(const RowSource& grid, const WordList& source)
{
    for (int row = 1; row < grid.rowCount(); ++row) {
        std::string question = grid.cellText(row, 0);
        std::string answer = grid.cellText(row, 1);
        if (question.empty() && answer.empty())
            continue;
        if (answer.empty())
            answer = "answer needed here";
        if (question.empty())
            question = "question needed here";
        Word pair(std::move(question), std::move(answer));
        pair.SetRating(static_cast<float>(leadingDouble(grid.cellText(row, 2))));
        pair.SetRight(leadingInt(grid.cellText(row, 3)));
        pair.SetWrong(leadingInt(grid.cellText(row, 4)));
        pair.SetSoundPath(grid.cellText(row, 7), 1);
        pair.SetSoundPath(grid.cellText(row, 8), 2);
        pair.setHint(grid.cellText(row, 9));
        pair.SetPicturePath(grid.cellText(row, 10));
        pair.RecalcTotal();
        m_pairs.push_back(std::move(pair));
    }
    for (const Word& wrong : source.m_wrongAnswers) {
        m_wrongAnswers.push_back(wrong);
        m_wrongAnswers.back().setKind(Word::WrongAnswer);
    }
    return GetCount();
}

int WordList::ImportText(const std::string& fileName)
{
    return TextImport::importFile(*this, fileName);
}

std::string WordList::DumpDebug() const
{
    std::string dump;
    for (const Word& pair : m_pairs)
        dump += pair.FormatDebugLine();
    return dump;
}

static const char* skipBlanks(const std::string& text)
{
    const char* p = text.c_str();
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (*p == '+' && (std::isdigit(static_cast<unsigned char>(p[1])) || p[1] == '.'))
        ++p;
    return p;
}

double leadingDouble(const std::string& text)
{
    const char* begin = skipBlanks(text);
    const char* end = text.c_str() + text.size();
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec != std::errc() || std::isnan(value))
        return 0.0;
    return value;
}

int32_t leadingInt(const std::string& text)
{
    const char* begin = skipBlanks(text);
    const char* end = text.c_str() + text.size();
    int64_t value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range)
        return *begin == '-' ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
    if (result.ec != std::errc())
        return 0;
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace brainlark
