#include "exports/printabletest.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

#include "core/clock.h"
#include "core/randomsource.h"
#include "core/pairlist.h"
#include "quiz/engine/randomindexset.h"
#include "rtfquiz.h"
#include "utctimezone.h"

using namespace brainlark;
using test::readRtfKey;
using test::readRtfQuestions;
using test::RtfQuestion;
using ::testing::Contains;
using ::testing::UnorderedElementsAre;

namespace
{

// Fixed markers around each placeholder so the tests can cut the filled document apart.
const std::string Template =
    "{\\rtf1\\ansi\\ansicpg1252\r\n<title>[test title]</title><date>[date]</date>\r\n"
    "<quiz>[quiz]</quiz>\r\n<key>[answers]</key>}";

std::string between(const std::string& text, const std::string& open, const std::string& close)
{
    const size_t begin = text.find(open);
    const size_t end = text.find(close, begin);
    if (begin == std::string::npos || end == std::string::npos)
        return "<missing>";
    return text.substr(begin + open.size(), end - begin - open.size());
}

size_t countOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

PairList makeList(int pairs)
{
    PairList list;
    for (int i = 0; i < pairs; ++i)
        list.pairs().emplace_back("question " + std::to_string(i + 1), "answer " + std::to_string(i + 1));
    return list;
}

void addWrongAnswers(PairList& list, const std::string& question, int count)
{
    for (int k = 0; k < count; ++k) {
        Pair wrong(question, "wrong " + std::to_string(k + 1));
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(wrong);
    }
}

/// Always the same number: makes every draw predictable from the public RandomIndexSet.
class ConstantRandom : public RandomSource
{
public:
    explicit ConstantRandom(uint32_t value) : m_value(value) {}
    uint32_t next() override { return m_value; }

private:
    uint32_t m_value;
};

class PrintableTestTest : public ::testing::Test
{
protected:
    PrintableTestResult generate(const PairList& list, uint32_t seed = 7, const std::string& title = "Test")
    {
        SeededRandom random(seed);
        PrintableTest test(clock, random, [this](int ms) { pauses.push_back(ms); });
        return test.generate(list, title, Template);
    }

    /// The right letter of each question, recomputed from the document: the first answer equal to the
    /// pair's answer.
    static std::vector<char> rightLetters(const std::vector<RtfQuestion>& questions, const PairList& list)
    {
        std::vector<char> letters;
        for (const RtfQuestion& q : questions) {
            const std::string_view right = list.pairs()[static_cast<size_t>(q.number - 1)].shownAnswer();
            const auto it = std::find(q.answers.begin(), q.answers.end(), right);
            letters.push_back(it == q.answers.end() ? '?'
                                                    : static_cast<char>('A' + (it - q.answers.begin())));
        }
        return letters;
    }

    test::UtcTimeZone utc;
    ManualClock clock{1700000000}; // 2023-11-14 22:13:20 UTC
    std::vector<int> pauses;
};

} // namespace

TEST_F(PrintableTestTest, FillsEveryPlaceholderOfTheTemplate)
{
    const PrintableTestResult result = generate(makeList(4), 7, "Capitals");
    ASSERT_EQ(result.status, PrintableTestResult::Status::Generated);
    EXPECT_EQ(result.fileName, "Capitals_2023_Nov14_221320.rtf");
    EXPECT_EQ(between(result.text, "<title>", "</title>"), "Capitals");
    EXPECT_EQ(between(result.text, "<date>", "</date>"), "November 14, 2023 at 10:13:20 PM");
    for (const char* placeholder : {"[test title]", "[date]", "[quiz]", "[answers]", "[N]", "[Q]", "[A"})
        EXPECT_EQ(result.text.find(placeholder), std::string::npos) << placeholder;
    // Read line by line: every line ends in a bare line feed, the last one included.
    EXPECT_EQ(result.text.find('\r'), std::string::npos);
    EXPECT_EQ(result.text.back(), '\n');
    EXPECT_EQ(result.text.rfind("<key>", 0), std::string::npos);
    EXPECT_EQ(result.text.substr(0, 24), "{\\rtf1\\ansi\\ansicpg1252\n");
}

TEST_F(PrintableTestTest, QuestionBlockIsTheFixedRtfFragment)
{
    PairList list = makeList(4);
    const PrintableTestResult result = generate(list);
    const std::string quiz = between(result.text, "<quiz>", "</quiz>");
    const std::vector<RtfQuestion> questions = readRtfQuestions(quiz);
    ASSERT_EQ(questions.size(), 1u * 4);
    const RtfQuestion& q = questions[0];
    const std::string expected =
        R"({\insrsid3686583 {\fs28\insrsid8154827\charrsid2969843 ___  1. question 1\par }{\insrsid8154827 \par })"
        R"(\pard \ql\li720\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin720\itap0\pararsid8154827 )"
        R"({\insrsid8154827 A. )" +
        q.answers[0] + R"(\par B. )" + q.answers[1] + R"(\par C. )" + q.answers[2] + R"(\par D. )" +
        q.answers[3] + R"(\par\par\par }})";
    EXPECT_EQ(quiz.substr(0, expected.size()), expected);
}

TEST_F(PrintableTestTest, TwelvePairsGiveThreePagesAndSixKeyLines)
{
    const PairList list = makeList(12);
    const PrintableTestResult result = generate(list);
    const std::string quiz = between(result.text, "<quiz>", "</quiz>");
    const std::string pageBreak = PrintableTest::PageBreak;
    EXPECT_EQ(countOf(quiz, pageBreak), 3u);
    // A page break sits right before questions 6 and 11 and at the very end.
    EXPECT_EQ(quiz.size() - quiz.rfind(pageBreak), pageBreak.size());
    for (const int number : {6, 11}) {
        const std::string block = "{\\insrsid3686583 {\\fs28\\insrsid8154827\\charrsid2969843 ___  " +
                                  std::to_string(number) + ". ";
        const size_t at = quiz.find(block);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(quiz.substr(at - pageBreak.size(), pageBreak.size()), pageBreak);
    }

    int lines = 0;
    const auto key = readRtfKey(between(result.text, "<key>", "</key>"), &lines);
    EXPECT_EQ(lines, 6);
    ASSERT_EQ(key.size(), 12u);
    const std::string keyText = between(result.text, "<key>", "</key>");
    EXPECT_EQ(keyText.substr(0, 12), "{\\par }1. " + std::string(1, key[0].letter) + "{");
}

TEST_F(PrintableTestTest, AnswerKeyMatchesTheDocumentForManySeeds)
{
    PairList list = makeList(11);
    addWrongAnswers(list, "question 2", 1);
    addWrongAnswers(list, "question 3", 2);
    addWrongAnswers(list, "question 4", 3);
    addWrongAnswers(list, "question 5", 6);
    list.pairs()[7].setAnswer("answer 1"); // same answer as pair 1: the first equal answer is the key
    std::set<char> lettersSeen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const PrintableTestResult result = generate(list, seed);
        const auto questions = readRtfQuestions(between(result.text, "<quiz>", "</quiz>"));
        ASSERT_EQ(questions.size(), 11u);
        const auto key = readRtfKey(between(result.text, "<key>", "</key>"));
        ASSERT_EQ(key.size(), 11u);
        const std::vector<char> letters = rightLetters(questions, list);
        for (size_t i = 0; i < key.size(); ++i) {
            EXPECT_EQ(questions[i].number, static_cast<int>(i + 1));
            EXPECT_EQ(questions[i].question, list.pairs()[i].shownQuestion());
            EXPECT_EQ(key[i].number, static_cast<int>(i + 1));
            EXPECT_EQ(key[i].letter, letters[i]) << "seed " << seed << " question " << i + 1;
            lettersSeen.insert(key[i].letter);
        }
    }
    EXPECT_THAT(lettersSeen, UnorderedElementsAre('A', 'B', 'C', 'D'));
}

TEST_F(PrintableTestTest, NoWrongAnswersMeansFourDistinctPairAnswers)
{
    const PairList list = makeList(9);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        for (const RtfQuestion& q : readRtfQuestions(generate(list, seed).text)) {
            EXPECT_THAT(q.answers, Contains("answer " + std::to_string(q.number)));
            EXPECT_EQ(std::set<std::string>(q.answers.begin(), q.answers.end()).size(), 4u);
            for (const std::string& a : q.answers)
                EXPECT_EQ(a.rfind("answer ", 0), 0u) << a;
        }
    }
}

TEST_F(PrintableTestTest, FivePredefinedWrongAnswersShowThreeOfThem)
{
    PairList list = makeList(6);
    addWrongAnswers(list, "question 1", 5);
    std::set<std::string> wrongSeen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const RtfQuestion q = readRtfQuestions(generate(list, seed).text).at(0);
        EXPECT_THAT(q.answers, Contains("answer 1"));
        int wrongCount = 0;
        for (const std::string& a : q.answers) {
            if (a.rfind("wrong ", 0) == 0) {
                ++wrongCount;
                wrongSeen.insert(a);
            }
        }
        EXPECT_EQ(wrongCount, 3);
        EXPECT_EQ(std::set<std::string>(q.answers.begin(), q.answers.end()).size(), 4u);
    }
    EXPECT_EQ(wrongSeen.size(), 5u);
}

TEST_F(PrintableTestTest, FewWrongAnswersAreCompletedWithOtherPairs)
{
    PairList list = makeList(8);
    addWrongAnswers(list, "question 3", 1);
    Pair other("question 4", "w4");
    other.setKind(Pair::WrongAnswer);
    list.wrongAnswers().push_back(other);
    addWrongAnswers(list, "question 4", 1);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const auto questions = readRtfQuestions(generate(list, seed).text);
        ASSERT_EQ(questions.size(), 8u);
        const RtfQuestion& one = questions[2]; // one predefined wrong answer: it plus two other pairs
        EXPECT_THAT(one.answers, Contains("answer 3"));
        EXPECT_THAT(one.answers, Contains("wrong 1"));
        EXPECT_EQ(std::count_if(one.answers.begin(), one.answers.end(),
                                [](const std::string& a) { return a.rfind("answer ", 0) == 0; }),
                  3);
        const RtfQuestion& two = questions[3]; // two wrong answers: both plus one other pair
        EXPECT_THAT(two.answers, Contains("answer 4"));
        EXPECT_THAT(two.answers, Contains("w4"));
        EXPECT_THAT(two.answers, Contains("wrong 1"));
        EXPECT_EQ(std::set<std::string>(two.answers.begin(), two.answers.end()).size(), 4u);
    }
}

TEST_F(PrintableTestTest, ThreeWrongAnswersAreShownAllTogetherWithTheRightOne)
{
    PairList list = makeList(4);
    addWrongAnswers(list, "question 2", 3);
    const RtfQuestion q = readRtfQuestions(generate(list).text).at(1);
    EXPECT_THAT(q.answers, UnorderedElementsAre("answer 2", "wrong 1", "wrong 2", "wrong 3"));
}

TEST_F(PrintableTestTest, AnswerOrderIsSeededFromLengthIndexRandomNumberAndTicks)
{
    const PairList list = makeList(5);
    for (const uint32_t value : {0u, 3u, 41u, 977u}) {
        for (const int64_t startTicks : {0, 12, 99}) {
            ManualClock local(1700000000);
            local.advanceMs(startTicks);
            ConstantRandom random(value);
            std::vector<int> waits;
            PrintableTest test(local, random, [&](int ms) {
                waits.push_back(ms);
                local.advanceMs(ms); // the ticks are read after the wait
            });
            const auto questions = readRtfQuestions(test.generate(list, "T", Template).text);
            ASSERT_EQ(questions.size(), 5u);
            int64_t ticks = startTicks;
            for (int i = 0; i < 5; ++i) {
                ConstantRandom same(value);
                const RandomIndexSet choices(same, 4, 5, i);
                ticks += value % 30;
                const uint32_t seed =
                    static_cast<uint32_t>(list.pairs()[i].shownQuestion().size() + i + value + ticks) % 100;
                SeededRandom seeded(seed);
                const RandomIndexSet order(seeded, 4, 4);
                for (int k = 0; k < 4; ++k)
                    EXPECT_EQ(questions[i].answers[k], list.pairs()[choices[order[k]]].shownAnswer())
                        << "value " << value << " ticks " << startTicks << " question " << i;
            }
            EXPECT_EQ(waits, std::vector<int>(5, static_cast<int>(value % 30)));
        }
    }
}

TEST_F(PrintableTestTest, WaitsBetweenZeroAndTwentyNineMillisecondsPerQuestion)
{
    generate(makeList(30), 99);
    ASSERT_EQ(pauses.size(), 30u);
    for (const int ms : pauses) {
        EXPECT_GE(ms, 0);
        EXPECT_LE(ms, 29);
    }
    EXPECT_GT(std::set<int>(pauses.begin(), pauses.end()).size(), 1u);
}

TEST_F(PrintableTestTest, ListTextsAreEscapedForRtf)
{
    PairList list = makeList(4);
    list.pairs()[0].setQuestion("C:\\{temp}\\[A1] caf\xC3\xA9 [answers]");
    list.pairs()[1].setAnswer("na\xC3\xAFve } {\\b bold}");
    const PrintableTestResult result = generate(list, 3, "Cr\xC3\xA8me {brulee}");
    EXPECT_EQ(between(result.text, "<title>", "</title>"), "Cr\\'e8me \\{brulee\\}");
    const auto questions = readRtfQuestions(result.text);
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_EQ(questions[0].question, "C:\\{temp}\\[A1] caf\xE9 [answers]"); // the RTF's own bytes
    EXPECT_THAT(questions[1].answers, Contains("na\xEFve } {\\b bold}"));
    EXPECT_NE(result.text.find("caf\\'e9"), std::string::npos);
    // Nothing above 0x7F is left raw, and no list text became a placeholder.
    EXPECT_TRUE(std::none_of(result.text.begin(), result.text.end(),
                             [](char c) { return static_cast<unsigned char>(c) > 0x7F; }));
    EXPECT_EQ(readRtfKey(between(result.text, "<key>", "</key>")).size(), 4u);
    EXPECT_EQ(PrintableTest::escapeRtf("a\\b{c}[d]\xE2\x82\xAC"), "a\\\\b\\{c\\}\\'5bd]\\'80");
    // Beyond the code page: \uN with a '?' for older readers, two units beyond the first plane.
    EXPECT_EQ(PrintableTest::escapeRtf("\xD0\x96 \xF0\x9F\x98\x80"), "\\u1046? \\u-10179?\\u-8704?");
}

TEST_F(PrintableTestTest, ReversedListAsksTheStoredAnswers)
{
    PairList list = makeList(4);
    list.toggleReverse();
    const auto questions = readRtfQuestions(generate(list).text);
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_EQ(questions[2].question, "answer 3");
    EXPECT_THAT(questions[2].answers, Contains("question 3"));
}

TEST_F(PrintableTestTest, FewerThanFourPairsIsAClearError)
{
    for (const int count : {0, 1, 3}) {
        const PrintableTestResult result = generate(makeList(count));
        EXPECT_EQ(result.status, PrintableTestResult::Status::TooFewPairs);
        EXPECT_EQ(result.message, (ExportMessage{"A printable test needs at least 4 Q&A pairs.", true}));
        EXPECT_TRUE(result.text.empty());
    }
    EXPECT_EQ(generate(makeList(4)).status, PrintableTestResult::Status::Generated);
}

TEST_F(PrintableTestTest, TemplateOfTenBytesOrLessIsNotUsed)
{
    SeededRandom random(1);
    PrintableTest test(clock, random, [](int) {});
    // Nine characters plus the line feed the reader adds: ten bytes, not enough.
    const PrintableTestResult tooShort = test.generate(makeList(4), "T", "[quiz]abc");
    EXPECT_EQ(tooShort.status, PrintableTestResult::Status::TemplateTooShort);
    EXPECT_TRUE(tooShort.text.empty());
    EXPECT_EQ(test.generate(makeList(4), "T", "").status, PrintableTestResult::Status::TemplateTooShort);
    const PrintableTestResult enough = test.generate(makeList(4), "T", "[quiz]abcd");
    EXPECT_EQ(enough.status, PrintableTestResult::Status::Generated);
    EXPECT_EQ(readRtfQuestions(enough.text).size(), 4u);
}

TEST_F(PrintableTestTest, SameSecondGivesTheSameFileName)
{
    const std::string first = generate(makeList(4)).fileName;
    clock.advanceMs(999);
    EXPECT_EQ(generate(makeList(4)).fileName, first);
    clock.advanceMs(1);
    EXPECT_EQ(generate(makeList(4)).fileName, "Test_2023_Nov14_221321.rtf");
}
