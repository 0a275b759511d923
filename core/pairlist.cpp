#include "core/pairlist.h"

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

Pair* PairList::at(int index, Which which)
{
    if (which == Pairs)
        return &m_pairs[static_cast<size_t>(index)];
    if (which == WrongAnswers)
        return &m_wrongAnswers[static_cast<size_t>(index)];
    return nullptr;
}

const Pair* PairList::at(int index, Which which) const
{
    return const_cast<PairList*>(this)->at(index, which);
}

void PairList::toggleReverse()
{
    m_reversed = !m_reversed;
    for (Pair& pair : m_pairs)
        pair.setReversed(!pair.isReversed());
}

bool PairList::unreverse()
{
    if (m_pairs.empty() || !m_pairs.front().isReversed())
        return false;
    toggleReverse();
    return true;
}

const std::vector<int32_t>& PairList::sortByRating(int n)
{
    // Keeps the n best candidates in a small sorted buffer while walking the pairs once: O(N·n) with n = 5,
    // no allocation proportional to the list.
    n = std::clamp(n, 0, count());
    m_smartOrder.clear();
    m_smartOrder.reserve(static_cast<size_t>(n));
    std::vector<float> ratings;
    ratings.reserve(static_cast<size_t>(n));
    if (n == 0)
        return m_smartOrder;
    for (int32_t i = 0; i < count(); ++i) {
        const float rating = m_pairs[static_cast<size_t>(i)].rating();
        if (static_cast<int>(ratings.size()) == n && !(rating < ratings.back()))
            continue;
        size_t pos = ratings.size();
        while (pos > 0 && rating < ratings[pos - 1])
            --pos;
        if (static_cast<int>(ratings.size()) == n) {
            ratings.pop_back();
            m_smartOrder.pop_back();
        }
        ratings.insert(ratings.begin() + static_cast<std::ptrdiff_t>(pos), rating);
        m_smartOrder.insert(m_smartOrder.begin() + static_cast<std::ptrdiff_t>(pos), i);
    }
    return m_smartOrder;
}

int32_t PairList::answerSupply(bool force)
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

int PairList::collectWrongAnswers(std::string_view question, std::vector<Pair*>& out)
{
    int count = 0;
    for (Pair& w : m_wrongAnswers) {
        if (w.kind() == Pair::WrongAnswer && w.question() == question) {
            out.push_back(&w);
            ++count;
        }
    }
    return count;
}

int PairList::collectWrongAnswers(std::string_view question, std::vector<const Pair*>& out) const
{
    int count = 0;
    for (const Pair& w : m_wrongAnswers) {
        if (w.kind() == Pair::WrongAnswer && w.question() == question) {
            out.push_back(&w);
            ++count;
        }
    }
    return count;
}

int PairList::collectWrongAnswersFor(const Pair& pair, std::vector<const Pair*>& out) const
{
    return collectWrongAnswers(pair.question(), out);
}

std::string PairList::joinWrongAnswers(const Pair& pair, const std::string& separator) const
{
    std::string joined;
    for (const Pair& w : m_wrongAnswers) {
        if (w.kind() == Pair::WrongAnswer && w.question() == pair.question()) {
            joined += separator;
            joined += w.answer();
        }
    }
    return joined;
}

int PairList::removeWrongAnswersOfKind(int32_t kind)
{
    const auto before = m_wrongAnswers.size();
    m_wrongAnswers.erase(std::remove_if(m_wrongAnswers.begin(), m_wrongAnswers.end(),
                                        [kind](const Pair& w) { return w.kind() == kind; }),
                         m_wrongAnswers.end());
    return static_cast<int>(before - m_wrongAnswers.size());
}

int PairList::removeWrongAnswersOf(std::string_view text)
{
    // The text may view a pair that is about to go.
    const std::string question(text);
    const auto before = m_wrongAnswers.size();
    m_wrongAnswers.erase(std::remove_if(m_wrongAnswers.begin(), m_wrongAnswers.end(),
                                        [&](const Pair& w) {
                                            return w.kind() == Pair::WrongAnswer && w.question() == question;
                                        }),
                         m_wrongAnswers.end());
    return static_cast<int>(before - m_wrongAnswers.size());
}

void PairList::renameWrongAnswers(std::string_view oldQuestion, std::string_view newText)
{
    // The new text may view a pair whose texts change here.
    const std::string newQuestion(newText);
    std::vector<Pair*> found;
    collectWrongAnswers(oldQuestion, found);
    for (Pair* w : found)
        w->setQuestion(newQuestion);
}

const Pair* PairList::findOtherWithQuestion(std::string_view question, const Pair* skip) const
{
    for (const Pair& pair : m_pairs) {
        if (&pair != skip && pair.question() == question)
            return &pair;
    }
    return nullptr;
}

const Pair* PairList::findFirstDuplicate() const
{
    // The first pair in array order that has a twin anywhere: count every question first (hash set), then
    // walk in order, so large lists are checked in linear time.
    std::unordered_multiset<std::string_view> questions;
    questions.reserve(m_pairs.size());
    for (const Pair& pair : m_pairs)
        questions.insert(pair.question());
    for (const Pair& pair : m_pairs) {
        if (questions.count(pair.question()) > 1)
            return &pair;
    }
    return nullptr;
}

void PairList::resetStatistics()
{
    for (Pair& pair : m_pairs) {
        pair.setRating(0.0f);
        pair.setRight(0);
        pair.setWrong(0);
        pair.recalculateTotal();
    }
}

int32_t PairList::sumTotals()
{
    int32_t sum = 0;
    for (Pair& pair : m_pairs) {
        pair.recalculateTotal();
        sum = wrappingAdd(sum, pair.total());
    }
    return sum;
}

double PairList::accuracy() const
{
    // Summed in 64 bits: hostile files may carry counters near the 32-bit limit.
    int64_t right = 0;
    int64_t wrong = 0;
    for (const Pair& pair : m_pairs) {
        right += pair.right();
        wrong += pair.wrong();
    }
    if (right + wrong <= 0)
        return -1.0;
    return static_cast<double>(right * 100 / (right + wrong));
}

std::string PairList::formatAccuracy() const
{
    const double percent = accuracy();
    if (percent <= 0.0)
        return "n/a";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f %%", percent);
    return buffer;
}

void PairList::updateLengthRatio()
{
    size_t longestQuestion = 0;
    size_t longestAnswer = 0;
    for (const Pair& pair : m_pairs) {
        longestQuestion = std::max(longestQuestion, pair.question().size());
        longestAnswer = std::max(longestAnswer, pair.answer().size());
    }
    m_lengthRatio =
        longestAnswer == 0
            ? 0.0f
            : static_cast<float>(static_cast<double>(longestQuestion) / static_cast<double>(longestAnswer));
}

int PairList::rebuildFromRows(const RowSource& grid, const PairList& source)
{
    // The questions and answers of all rows go into one store, as a loaded list keeps them, instead of one
    // allocation per pair; the cells are read into buffers that are reused from row to row.
    struct RowValues {
        TextSpan question;
        TextSpan answer;
        float rating;
        int32_t right;
        int32_t wrong;
        std::string soundOne, soundTwo, hint, picture;
    };
    const int rows = grid.rowCount();
    std::vector<RowValues> values;
    values.reserve(static_cast<size_t>(std::max(rows - 1, 0)));
    TextStore store;
    std::string question, answer, number;
    for (int row = 1; row < rows; ++row) {
        grid.readCell(row, 0, question);
        grid.readCell(row, 1, answer);
        if (question.empty() && answer.empty())
            continue;
        if (answer.empty())
            answer = "answer needed here";
        if (question.empty())
            question = "question needed here";
        RowValues v;
        v.question = store.append(question);
        v.answer = store.append(answer);
        grid.readCell(row, 2, number);
        v.rating = static_cast<float>(leadingDouble(number));
        grid.readCell(row, 3, number);
        v.right = leadingInt(number);
        grid.readCell(row, 4, number);
        v.wrong = leadingInt(number);
        grid.readCell(row, 7, v.soundOne);
        grid.readCell(row, 8, v.soundTwo);
        grid.readCell(row, 9, v.hint);
        grid.readCell(row, 10, v.picture);
        values.push_back(std::move(v));
    }
    m_pairs.reserve(m_pairs.size() + values.size());
    for (RowValues& v : values) {
        Pair pair(store, v.question, v.answer);
        pair.setRating(v.rating);
        pair.setRight(v.right);
        pair.setWrong(v.wrong);
        pair.setSoundPath(std::move(v.soundOne), 1);
        pair.setSoundPath(std::move(v.soundTwo), 2);
        pair.setHint(std::move(v.hint));
        pair.setPicturePath(std::move(v.picture));
        pair.recalculateTotal();
        m_pairs.push_back(std::move(pair));
    }
    m_wrongAnswers.reserve(m_wrongAnswers.size() + source.m_wrongAnswers.size());
    for (const Pair& wrong : source.m_wrongAnswers) {
        m_wrongAnswers.push_back(wrong);
        m_wrongAnswers.back().setKind(Pair::WrongAnswer);
    }
    return count();
}

int PairList::importText(const std::string& fileName)
{
    return TextImport::importFile(*this, fileName);
}

std::string PairList::dumpDebug() const
{
    std::string dump;
    for (const Pair& pair : m_pairs)
        dump += pair.formatDebugLine();
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
