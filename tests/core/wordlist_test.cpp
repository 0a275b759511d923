#include "core/wordlist.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

#include "core/rowsource.h"

namespace brainlark
{
namespace
{

WordList withRatings(std::initializer_list<float> ratings)
{
    WordList list;
    for (float r : ratings) {
        list.pairs().emplace_back("q" + std::to_string(list.GetCount()), "a");
        list.pairs().back().SetRating(r);
    }
    return list;
}

WordList withPairs(int count)
{
    WordList list;
    for (int i = 0; i < count; ++i)
        list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    return list;
}

Word wrongAnswer(const std::string& question, const std::string& answer, int32_t kind = Word::WrongAnswer)
{
    Word w(question, answer);
    w.setKind(kind);
    return w;
}

std::vector<std::string> answersOf(const std::vector<Word>& words)
{
    std::vector<std::string> answers;
    for (const Word& w : words)
        answers.emplace_back(w.answer());
    return answers;
}

TEST(WordListBasics, NewListDefaults)
{
    WordList list;
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.lastIndex(), -1);
    EXPECT_FALSE(list.isReversed());
    EXPECT_FALSE(list.hasPassword());
    EXPECT_EQ(list.GetAt(0, 2), nullptr);
}

TEST(WordListBasics, PasswordNaMeansNone)
{
    WordList list;
    list.setPassword("n/a");
    EXPECT_FALSE(list.hasPassword());
    list.setPassword("N/A");
    EXPECT_TRUE(list.hasPassword());
}

TEST(WordListSmartOrder, LowestRatedFirst)
{
    WordList list = withRatings({3.0f, 0.5f, 2.0f, 0.5f, 1.0f, 4.0f});
    const std::vector<int32_t> order = list.SortByRating(5);
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(std::min(order[0], order[1]), 1);
    EXPECT_EQ(std::max(order[0], order[1]), 3);
    EXPECT_EQ(order[2], 4);
    EXPECT_EQ(order[3], 2);
    EXPECT_EQ(order[4], 0);
    EXPECT_EQ(list.smartOrder(), order);
}

TEST(WordListSmartOrder, ResizesToNAndCoversEveryPair)
{
    WordList list = withRatings({9.0f, 8.0f, 7.0f, 6.0f, 5.0f, 4.0f, 3.0f});
    EXPECT_EQ(list.SortByRating(7), (std::vector<int32_t>{6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(list.SortByRating(2), (std::vector<int32_t>{6, 5}));
    EXPECT_TRUE(list.SortByRating(0).empty());
}

TEST(WordListAnswerSupply, DependsOnWrongAnswersPerPair)
{
    for (const auto& [wrongCount, supply] : {std::pair{0, 0}, std::pair{29, 1}, std::pair{30, 2}, {31, 2}}) {
        WordList list = withPairs(10);
        for (int i = 0; i < wrongCount; ++i)
            list.wrongAnswers().push_back(wrongAnswer("q0", "w" + std::to_string(i)));
        EXPECT_EQ(list.GetAnswerSupply(false), supply) << wrongCount;
    }
}

TEST(WordListAnswerSupply, IsCachedUntilForced)
{
    WordList list = withPairs(1);
    EXPECT_EQ(list.GetAnswerSupply(false), WordList::SupplyNone);
    for (int i = 0; i < 3; ++i)
        list.wrongAnswers().push_back(wrongAnswer("q0", "w"));
    EXPECT_EQ(list.GetAnswerSupply(false), WordList::SupplyNone);
    EXPECT_EQ(list.GetAnswerSupply(true), WordList::SupplyEnough);
    WordList empty;
    EXPECT_EQ(empty.GetAnswerSupply(false), WordList::SupplyEnough);
}

TEST(WordListAccuracy, TruncatedPercentOrNa)
{
    WordList unused = withPairs(3);
    EXPECT_EQ(unused.GetAccuracy(), -1.0);
    EXPECT_EQ(unused.FormatAccuracy(), "n/a");

    WordList some = withPairs(2);
    some.pairs()[0].AddRight(3);
    some.pairs()[1].AddWrong(1);
    EXPECT_EQ(some.FormatAccuracy(), "75 %");

    WordList twoOfThree = withPairs(1);
    twoOfThree.pairs()[0].AddRight(2);
    twoOfThree.pairs()[0].AddWrong(1);
    EXPECT_EQ(twoOfThree.GetAccuracy(), 66.0);

    WordList allWrong = withPairs(1);
    allWrong.pairs()[0].AddWrong(4);
    EXPECT_EQ(allWrong.GetAccuracy(), 0.0);
    EXPECT_EQ(allWrong.FormatAccuracy(), "n/a");
}

TEST(WordListAccuracy, HugeCountersDoNotOverflow)
{
    WordList list = withPairs(2);
    list.pairs()[0].AddRight(std::numeric_limits<int32_t>::max());
    list.pairs()[1].AddRight(std::numeric_limits<int32_t>::max());
    list.pairs()[1].AddWrong(0);
    EXPECT_EQ(list.GetAccuracy(), 100.0);
}

TEST(WordListStatistics, ResetKeepsTimesInQuestionAndSumTotalsRecomputes)
{
    WordList list = withPairs(2);
    list.pairs()[0].AddRight(3);
    list.pairs()[0].setTimesInQuestion(5);
    list.pairs()[0].SetRating(2.0f);
    list.pairs()[1].SetWrong(4); // total not yet recomputed
    EXPECT_EQ(list.SumTotals(), 7);
    list.ResetStatistics();
    EXPECT_EQ(list.pairs()[0].right(), 0);
    EXPECT_EQ(list.pairs()[0].GetRating(), 0.0f);
    EXPECT_EQ(list.pairs()[0].timesInQuestion(), 5);
    EXPECT_EQ(list.SumTotals(), 0);
}

TEST(WordListWrongAnswers, CollectMatchesExactQuestionAndKindOne)
{
    WordList list = withPairs(1);
    list.wrongAnswers() = {wrongAnswer("q0", "w1"), wrongAnswer("Q0", "w2"), wrongAnswer("q0", "w3", -1),
                           wrongAnswer("q0 ", "w4"), wrongAnswer("q0", "w5")};
    std::vector<const Word*> found;
    EXPECT_EQ(std::as_const(list).CollectWrongAnswers("q0", found), 2);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1]->answer(), "w5");
    EXPECT_EQ(list.JoinWrongAnswers(list.pairs()[0], ", "), ", w1, w5");
    EXPECT_EQ(list.JoinWrongAnswers(Word("none", "x"), ", "), "");
}

TEST(WordListWrongAnswers, CollectForUsesTheStoredQuestionOfAReversedPair)
{
    WordList list = withPairs(1);
    list.wrongAnswers().push_back(wrongAnswer("q0", "w"));
    list.ToggleReverse();
    std::vector<const Word*> found;
    EXPECT_EQ(list.CollectWrongAnswersFor(list.pairs()[0], found), 1);
}

TEST(WordListWrongAnswers, RemoveAndRenameTouchOnlyKindOne)
{
    WordList list;
    list.wrongAnswers() = {wrongAnswer("q", "a1"), wrongAnswer("q", "a2", -1), wrongAnswer("q", "a3", 0),
                           wrongAnswer("other", "a4"), wrongAnswer("q", "a5")};
    list.RenameWrongAnswers("q", "renamed");
    EXPECT_EQ(list.wrongAnswers()[0].question(), "renamed");
    EXPECT_EQ(list.wrongAnswers()[1].question(), "q");
    EXPECT_EQ(list.wrongAnswers()[2].question(), "q");
    EXPECT_EQ(list.wrongAnswers()[4].question(), "renamed");

    EXPECT_EQ(list.RemoveWrongAnswersOf("q"), 0);
    EXPECT_EQ(list.RemoveWrongAnswersOf("renamed"), 2);
    EXPECT_EQ(answersOf(list.wrongAnswers()), (std::vector<std::string>{"a2", "a3", "a4"}));
}

TEST(WordListWrongAnswers, RemoveOfKindMinusOneRemovesExactlyTheMarkedOnes)
{
    WordList list;
    list.wrongAnswers() = {wrongAnswer("q", "a1", -1), wrongAnswer("q", "a2"), wrongAnswer("p", "a3", -1),
                           wrongAnswer("p", "a4"), wrongAnswer("q", "a5", -1)};
    EXPECT_EQ(list.RemoveWrongAnswersOfKind(-1), 3);
    EXPECT_EQ(answersOf(list.wrongAnswers()), (std::vector<std::string>{"a2", "a4"}));
    EXPECT_EQ(list.RemoveWrongAnswersOfKind(-1), 0);
}

TEST(WordListReverse, ToggleFlipsAllAndUnreverseLooksAtTheFirstPair)
{
    WordList list = withPairs(3);
    EXPECT_FALSE(list.Unreverse());
    list.ToggleReverse();
    EXPECT_TRUE(list.isReversed());
    EXPECT_EQ(list.pairs()[2].GetQuestion(), "a2");
    EXPECT_TRUE(list.Unreverse());
    EXPECT_FALSE(list.isReversed());
    EXPECT_EQ(list.pairs()[2].GetQuestion(), "q2");
    EXPECT_FALSE(list.pairs()[1].isReversed());

    WordList empty;
    EXPECT_FALSE(empty.Unreverse());
}

TEST(WordListDuplicates, FirstPairWithATwinInArrayOrder)
{
    WordList list;
    for (const char* q : {"x", "b", "c", "b", "x"})
        list.pairs().emplace_back(q, "a");
    EXPECT_EQ(list.FindFirstDuplicate(), &list.pairs()[0]);
    EXPECT_EQ(list.FindOtherWithQuestion("b", &list.pairs()[1]), &list.pairs()[3]);
    EXPECT_EQ(list.FindOtherWithQuestion("c", &list.pairs()[2]), nullptr);
    EXPECT_EQ(list.FindOtherWithQuestion("c", nullptr), &list.pairs()[2]);

    WordList later;
    for (const char* q : {"x", "b", "c", "b"})
        later.pairs().emplace_back(q, "a");
    EXPECT_EQ(later.FindFirstDuplicate(), &later.pairs()[1]);
    EXPECT_EQ(withPairs(4).FindFirstDuplicate(), nullptr);
}

TEST(WordListLengthRatio, LongestQuestionOverLongestAnswer)
{
    WordList list;
    list.pairs().emplace_back("abcdef", "ab");
    list.pairs().emplace_back("x", "abc");
    list.UpdateLengthRatio();
    EXPECT_FLOAT_EQ(list.lengthRatio(), 2.0f);
    WordList noAnswers;
    noAnswers.pairs().emplace_back("abc", "");
    noAnswers.UpdateLengthRatio();
    EXPECT_TRUE(std::isfinite(noAnswers.lengthRatio()));
}

TEST(WordListDump, JoinsDebugLines)
{
    WordList list = withPairs(2);
    EXPECT_EQ(list.DumpDebug(), list.pairs()[0].FormatDebugLine() + list.pairs()[1].FormatDebugLine());
}

// The editor grid as the rebuild sees it: row 0 is the header.
class FakeRows : public RowSource
{
public:
    explicit FakeRows(std::vector<std::vector<std::string>> rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    std::string cellText(int row, int column) const override
    {
        const auto& cells = m_rows[static_cast<size_t>(row)];
        return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                          : std::string();
    }

private:
    std::vector<std::vector<std::string>> m_rows;
};

TEST(WordListRebuild, ReadsTheColumnsAndFillsMissingSides)
{
    FakeRows grid({{"Question", "Answer", "Rating", "Right", "Wrong"},
                   {"house", "Haus", " 3.5abc", " 7x", "-2", "99", "1", "h.wav", "H.wav", "note", "h.jpg"},
                   {"only question", "", "abc", "", "2"},
                   {"", ""},
                   {"", "only answer", "+1.25", "+3"}});
    WordList rebuilt;
    EXPECT_EQ(rebuilt.RebuildFromRows(grid, WordList()), 3);
    const Word& house = rebuilt.pairs()[0];
    EXPECT_FLOAT_EQ(house.GetRating(), 3.5f);
    EXPECT_EQ(house.right(), 7);
    EXPECT_EQ(house.wrong(), -2);
    EXPECT_EQ(house.total(), 5);
    EXPECT_EQ(house.timesInQuestion(), 0);
    EXPECT_EQ(house.soundPathOne(), "h.wav");
    EXPECT_EQ(house.soundPathTwo(), "H.wav");
    EXPECT_EQ(house.hint(), "note");
    EXPECT_EQ(house.GetPicturePath(), "h.jpg");
    EXPECT_EQ(rebuilt.pairs()[1].answer(), "answer needed here");
    EXPECT_EQ(rebuilt.pairs()[1].GetRating(), 0.0f);
    EXPECT_EQ(rebuilt.pairs()[1].total(), 2);
    EXPECT_EQ(rebuilt.pairs()[2].question(), "question needed here");
    EXPECT_FLOAT_EQ(rebuilt.pairs()[2].GetRating(), 1.25f);
    EXPECT_EQ(rebuilt.pairs()[2].right(), 3);
}

TEST(WordListRebuild, TextsAreTakenAsTheyAre)
{
    FakeRows grid({{"header"}, {" spaced ", "\tanswer "}});
    WordList rebuilt;
    rebuilt.RebuildFromRows(grid, WordList());
    EXPECT_EQ(rebuilt.pairs()[0].question(), " spaced ");
    EXPECT_EQ(rebuilt.pairs()[0].answer(), "\tanswer ");
}

TEST(WordListRebuild, CopiesEveryWrongAnswerAsKindOne)
{
    WordList source = withPairs(1);
    source.wrongAnswers() = {wrongAnswer("q0", "w1", 0), wrongAnswer("q0", "w2", -1),
                             wrongAnswer("q0", "w3")};
    source.wrongAnswers()[0].setHint("notes");
    FakeRows grid({{"header"}, {"q0", "a0"}});
    WordList rebuilt;
    rebuilt.RebuildFromRows(grid, source);
    ASSERT_EQ(rebuilt.wrongAnswers().size(), 3u);
    for (const Word& w : rebuilt.wrongAnswers())
        EXPECT_EQ(w.kind(), Word::WrongAnswer);
    EXPECT_EQ(rebuilt.wrongAnswers()[0].hint(), "notes");
    EXPECT_EQ(answersOf(rebuilt.wrongAnswers()), (std::vector<std::string>{"w1", "w2", "w3"}));
}

TEST(WordListNumbers, LongestNumericPrefixAfterBlanks)
{
    EXPECT_DOUBLE_EQ(leadingDouble(" 3.5abc"), 3.5);
    EXPECT_DOUBLE_EQ(leadingDouble("\t-1.25e1x"), -12.5);
    EXPECT_DOUBLE_EQ(leadingDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingDouble("+2"), 2.0);
    EXPECT_DOUBLE_EQ(leadingDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("nan"), 0.0);
    EXPECT_EQ(leadingInt(" 3.5abc"), 3);
    EXPECT_EQ(leadingInt("-42 apples"), -42);
    EXPECT_EQ(leadingInt("+-3"), 0);
    EXPECT_EQ(leadingInt("x1"), 0);
    EXPECT_EQ(leadingInt("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(leadingInt("-99999999999999999999999"), std::numeric_limits<int32_t>::min());
}

} // namespace
} // namespace brainlark
