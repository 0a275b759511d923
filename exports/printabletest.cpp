#include "exports/printabletest.h"

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/pairlist.h"
#include "core/randomsource.h"
#include "exports/templatetext.h"
#include "quiz/engine/randomindexset.h"

namespace brainlark
{

PrintableTest::PrintableTest(const Clock& clock, RandomSource& random, Pause pause)
    : m_clock(clock), m_random(random), m_pause(std::move(pause))
{
}

std::string PrintableTest::fileNameFor(const std::string& title, const Clock& clock)
{
    return title + clock.formatLocal("_%Y_%b%d_%H%M%S") + ".rtf";
}

namespace
{

// A character beyond Windows-1252 as RTF's \uN (N a signed 16-bit unit, two of them for a character beyond
// the first plane) with '?' for readers that do not know it.
void appendRtfUnicode(std::string& out, char32_t codePoint)
{
    auto unit = [&out](uint32_t value) {
        out += "\\u" + std::to_string(static_cast<int16_t>(static_cast<uint16_t>(value))) + "?";
    };
    if (codePoint < 0x10000) {
        unit(codePoint);
        return;
    }
    codePoint -= 0x10000;
    unit(0xD800 + (codePoint >> 10));
    unit(0xDC00 + (codePoint & 0x3FF));
}

} // namespace

std::string PrintableTest::escapeRtf(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const char c = text.front();
        auto byte = static_cast<unsigned char>(c);
        if (byte > 0x7F) {
            char32_t codePoint = 0;
            bool ok = false;
            text.remove_prefix(Cp1252::decodeUtf8(text, codePoint, ok));
            if (!ok)
                codePoint = 0xFFFD;
            if (!Cp1252::canEncode(codePoint)) {
                appendRtfUnicode(out, codePoint);
                continue;
            }
            byte = static_cast<unsigned char>(Cp1252::fromUnicode(codePoint));
            out += "\\'";
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 0x0F]);
            continue;
        }
        text.remove_prefix(1);
        if (c == '\\' || c == '{' || c == '}') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '[') {
            out += "\\'";
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 0x0F]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

PrintableTestResult PrintableTest::generate(const PairList& list, const std::string& title,
                                            const std::string& templateText)
{
    PrintableTestResult result;
    result.fileName = fileNameFor(title, m_clock);
    const std::string dateText = m_clock.formatLocal("%B %d, %Y at %I:%M:%S %p");
    std::string document = TemplateText::normaliseLines(templateText);
    if (document.size() <= MinimumTemplateSize) {
        result.status = PrintableTestResult::Status::TemplateTooShort;
        return result;
    }
    // Every question without predefined wrong answers draws four distinct pairs.
    if (list.count() < AnswerCount) {
        result.status = PrintableTestResult::Status::TooFewPairs;
        result.message = {TooFewPairsMessage, true};
        return result;
    }
    std::string quiz;
    std::string key;
    for (int i = 0; i < list.count(); ++i) {
        if (i > 0 && i % QuestionsPerPage == 0)
            quiz += PageBreak;
        appendQuestion(list, i, quiz, key);
    }
    quiz += PageBreak;

    TemplateText::replaceAll(document, "[test title]", escapeRtf(title));
    TemplateText::replaceAll(document, "[date]", dateText);
    TemplateText::replaceAll(document, "[quiz]", quiz);
    TemplateText::replaceAll(document, "[answers]", key);
    result.status = PrintableTestResult::Status::Generated;
    result.text = std::move(document);
    return result;
}

void PrintableTest::appendQuestion(const PairList& list, int index, std::string& quiz, std::string& key)
{
    const Pair& pair = list.pairs()[static_cast<size_t>(index)];
    const std::vector<const Pair*> choices = chooseAnswers(list, index);
    const std::vector<int> order = answerOrder(pair, index);
    std::string block = QuestionBlock;
    const std::string number = std::to_string(index + 1);
    TemplateText::replaceAll(block, "[N]", number);
    TemplateText::replaceAll(block, "[Q]", escapeRtf(pair.shownQuestion()));
    char letter = 0;
    for (int k = 0; k < AnswerCount; ++k) {
        const std::string_view answer =
            choices[static_cast<size_t>(order[static_cast<size_t>(k)])]->shownAnswer();
        TemplateText::replaceAll(block, "[A" + std::to_string(k + 1) + "]", escapeRtf(answer));
        if (letter == 0 && answer == pair.shownAnswer())
            letter = static_cast<char>('A' + k);
    }
    if (index % 2 == 0)
        key += Paragraph;
    key += number + ". " + letter + KeySeparator;
    quiz += block;
}

std::vector<const Pair*> PrintableTest::chooseAnswers(const PairList& list, int index)
{
    const std::vector<Pair>& pairs = list.pairs();
    const Pair& pair = pairs[static_cast<size_t>(index)];
    std::vector<const Pair*> candidates{&pair};
    list.collectWrongAnswers(pair.shownQuestion(), candidates);
    const int m = static_cast<int>(candidates.size());
    std::vector<const Pair*> choices;
    if (m >= AnswerCount) {
        const RandomIndexSet drawn(m_random, AnswerCount, m, 0);
        for (const int slot : drawn.indices())
            choices.push_back(candidates[static_cast<size_t>(slot)]);
        return choices;
    }
    // Too few predefined wrong answers: other pairs make up the difference.
    const RandomIndexSet drawn(m_random, AnswerCount - m + 1, list.count(), index);
    for (const int pairIndex : drawn.indices())
        choices.push_back(&pairs[static_cast<size_t>(pairIndex)]);
    if (m == 1)
        return choices;
    choices.insert(choices.end(), candidates.begin() + 1, candidates.end());
    std::vector<const Pair*> shuffled;
    const RandomIndexSet permutation(m_random, AnswerCount, AnswerCount);
    for (const int slot : permutation.indices())
        shuffled.push_back(choices[static_cast<size_t>(slot)]);
    return shuffled;
}

std::vector<int> PrintableTest::answerOrder(const Pair& pair, int index)
{
    m_pause(static_cast<int>(m_random.below(30)));
    const uint32_t sum = static_cast<uint32_t>(pair.shownQuestion().size()) + static_cast<uint32_t>(index) +
                         m_random.next() + static_cast<uint32_t>(m_clock.ticksMs());
    SeededRandom seeded(sum % 100);
    return RandomIndexSet(seeded, AnswerCount, AnswerCount).indices();
}

} // namespace brainlark
