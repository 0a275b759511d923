#include "core/pairlist.h"

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

PairList withRatings(std::initializer_list<float> ratings)
{
    PairList list;
    for (float r : ratings) {
        list.pairs().emplace_back("q" + std::to_string(list.count()), "a");
        list.pairs().back().setRating(r);
    }
    return list;
}

PairList withPairs(int count)
{
    PairList list;
    for (int i = 0; i < count; ++i)
        list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    return list;
}

Pair wrongAnswer(const std::string& question, const std::string& answer, int32_t kind = Pair::WrongAnswer)
{
    Pair w(question, answer);
    w.setKind(kind);
    return w;
}

std::vector<std::string> answersOf(const std::vector<Pair>& words)
{
    std::vector<std::string> answers;
    for (const Pair& w : words)
        answers.emplace_back(w.answer());
    return answers;
}

TEST(PairListBasics, NewListDefaults)
{
    PairList list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.lastIndex(), -1);
    EXPECT_FALSE(list.isReversed());
    EXPECT_FALSE(list.hasPassword());
    EXPECT_EQ(list.at(0, static_cast<PairList::Which>(2)), nullptr);
}

TEST(PairListBasics, PasswordNaMeansNone)
{
    PairList list;
    list.setPassword("n/a");
    EXPECT_FALSE(list.hasPassword());
    list.setPassword("N/A");
    EXPECT_TRUE(list.hasPassword());
}

TEST(PairListSmartOrder, LowestRatedFirst)
{
    PairList list = withRatings({3.0f, 0.5f, 2.0f, 0.5f, 1.0f, 4.0f});
    const std::vector<int32_t> order = list.sortByRating(5);
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(std::min(order[0], order[1]), 1);
    EXPECT_EQ(std::max(order[0], order[1]), 3);
    EXPECT_EQ(order[2], 4);
    EXPECT_EQ(order[3], 2);
    EXPECT_EQ(order[4], 0);
    EXPECT_EQ(list.smartOrder(), order);
}

TEST(PairListSmartOrder, ResizesToNAndCoversEveryPair)
{
    PairList list = withRatings({9.0f, 8.0f, 7.0f, 6.0f, 5.0f, 4.0f, 3.0f});
    EXPECT_EQ(list.sortByRating(7), (std::vector<int32_t>{6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(list.sortByRating(2), (std::vector<int32_t>{6, 5}));
    EXPECT_TRUE(list.sortByRating(0).empty());
}

TEST(PairListAnswerSupply, DependsOnWrongAnswersPerPair)
{
    for (const auto& [wrongCount, supply] : {std::pair{0, 0}, std::pair{29, 1}, std::pair{30, 2}, {31, 2}}) {
        PairList list = withPairs(10);
        for (int i = 0; i < wrongCount; ++i)
            list.wrongAnswers().push_back(wrongAnswer("q0", "w" + std::to_string(i)));
        EXPECT_EQ(list.answerSupply(false), supply) << wrongCount;
    }
}

TEST(PairListAnswerSupply, IsCachedUntilForced)
{
    PairList list = withPairs(1);
    EXPECT_EQ(list.answerSupply(false), PairList::SupplyNone);
    for (int i = 0; i < 3; ++i)
        list.wrongAnswers().push_back(wrongAnswer("q0", "w"));
    EXPECT_EQ(list.answerSupply(false), PairList::SupplyNone);
    EXPECT_EQ(list.answerSupply(true), PairList::SupplyEnough);
    PairList empty;
    EXPECT_EQ(empty.answerSupply(false), PairList::SupplyEnough);
}

TEST(PairListAccuracy, TruncatedPercentOrNa)
{
    PairList unused = withPairs(3);
    EXPECT_EQ(unused.accuracy(), -1.0);
    EXPECT_EQ(unused.formatAccuracy(), "n/a");

    PairList some = withPairs(2);
    some.pairs()[0].addRight(3);
    some.pairs()[1].addWrong(1);
    EXPECT_EQ(some.formatAccuracy(), "75 %");

    PairList twoOfThree = withPairs(1);
    twoOfThree.pairs()[0].addRight(2);
    twoOfThree.pairs()[0].addWrong(1);
    EXPECT_EQ(twoOfThree.accuracy(), 66.0);

    PairList allWrong = withPairs(1);
    allWrong.pairs()[0].addWrong(4);
    EXPECT_EQ(allWrong.accuracy(), 0.0);
    EXPECT_EQ(allWrong.formatAccuracy(), "n/a");
}

TEST(PairListAccuracy, HugeCountersDoNotOverflow)
{
    PairList list = withPairs(2);
    list.pairs()[0].addRight(std::numeric_limits<int32_t>::max());
    list.pairs()[1].addRight(std::numeric_limits<int32_t>::max());
    list.pairs()[1].addWrong(0);
    EXPECT_EQ(list.accuracy(), 100.0);
}

TEST(PairListStatistics, ResetKeepsTimesInQuestionAndSumTotalsRecomputes)
{
    PairList list = withPairs(2);
    list.pairs()[0].addRight(3);
    list.pairs()[0].setTimesInQuestion(5);
    list.pairs()[0].setRating(2.0f);
    list.pairs()[1].setWrong(4); // total not yet recomputed
    EXPECT_EQ(list.sumTotals(), 7);
    list.resetStatistics();
    EXPECT_EQ(list.pairs()[0].right(), 0);
    EXPECT_EQ(list.pairs()[0].rating(), 0.0f);
    EXPECT_EQ(list.pairs()[0].timesInQuestion(), 5);
    EXPECT_EQ(list.sumTotals(), 0);
}

TEST(PairListWrongAnswers, CollectMatchesExactQuestionAndKindOne)
{
    PairList list = withPairs(1);
    list.wrongAnswers() = {wrongAnswer("q0", "w1"), wrongAnswer("Q0", "w2"), wrongAnswer("q0", "w3", -1),
                           wrongAnswer("q0 ", "w4"), wrongAnswer("q0", "w5")};
    std::vector<const Pair*> found;
    EXPECT_EQ(std::as_const(list).collectWrongAnswers("q0", found), 2);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1]->answer(), "w5");
    EXPECT_EQ(list.joinWrongAnswers(list.pairs()[0], ", "), ", w1, w5");
    EXPECT_EQ(list.joinWrongAnswers(Pair("none", "x"), ", "), "");
}

TEST(PairListWrongAnswers, CollectForUsesTheStoredQuestionOfAReversedPair)
{
    PairList list = withPairs(1);
    list.wrongAnswers().push_back(wrongAnswer("q0", "w"));
    list.toggleReverse();
    std::vector<const Pair*> found;
    EXPECT_EQ(list.collectWrongAnswersFor(list.pairs()[0], found), 1);
}

TEST(PairListWrongAnswers, RemoveAndRenameTouchOnlyKindOne)
{
    PairList list;
    list.wrongAnswers() = {wrongAnswer("q", "a1"), wrongAnswer("q", "a2", -1), wrongAnswer("q", "a3", 0),
                           wrongAnswer("other", "a4"), wrongAnswer("q", "a5")};
    list.renameWrongAnswers("q", "renamed");
    EXPECT_EQ(list.wrongAnswers()[0].question(), "renamed");
    EXPECT_EQ(list.wrongAnswers()[1].question(), "q");
    EXPECT_EQ(list.wrongAnswers()[2].question(), "q");
    EXPECT_EQ(list.wrongAnswers()[4].question(), "renamed");

    EXPECT_EQ(list.removeWrongAnswersOf("q"), 0);
    EXPECT_EQ(list.removeWrongAnswersOf("renamed"), 2);
    EXPECT_EQ(answersOf(list.wrongAnswers()), (std::vector<std::string>{"a2", "a3", "a4"}));
}

TEST(PairListWrongAnswers, RemoveOfKindMinusOneRemovesExactlyTheMarkedOnes)
{
    PairList list;
    list.wrongAnswers() = {wrongAnswer("q", "a1", -1), wrongAnswer("q", "a2"), wrongAnswer("p", "a3", -1),
                           wrongAnswer("p", "a4"), wrongAnswer("q", "a5", -1)};
    EXPECT_EQ(list.removeWrongAnswersOfKind(-1), 3);
    EXPECT_EQ(answersOf(list.wrongAnswers()), (std::vector<std::string>{"a2", "a4"}));
    EXPECT_EQ(list.removeWrongAnswersOfKind(-1), 0);
}

TEST(PairListReverse, ToggleFlipsAllAndUnreverseLooksAtTheFirstPair)
{
    PairList list = withPairs(3);
    EXPECT_FALSE(list.unreverse());
    list.toggleReverse();
    EXPECT_TRUE(list.isReversed());
    EXPECT_EQ(list.pairs()[2].shownQuestion(), "a2");
    EXPECT_TRUE(list.unreverse());
    EXPECT_FALSE(list.isReversed());
    EXPECT_EQ(list.pairs()[2].shownQuestion(), "q2");
    EXPECT_FALSE(list.pairs()[1].isReversed());

    PairList empty;
    EXPECT_FALSE(empty.unreverse());
}

TEST(PairListDuplicates, FirstPairWithATwinInArrayOrder)
{
    PairList list;
    for (const char* q : {"x", "b", "c", "b", "x"})
        list.pairs().emplace_back(q, "a");
    EXPECT_EQ(list.findFirstDuplicate(), &list.pairs()[0]);
    EXPECT_EQ(list.findOtherWithQuestion("b", &list.pairs()[1]), &list.pairs()[3]);
    EXPECT_EQ(list.findOtherWithQuestion("c", &list.pairs()[2]), nullptr);
    EXPECT_EQ(list.findOtherWithQuestion("c", nullptr), &list.pairs()[2]);

    PairList later;
    for (const char* q : {"x", "b", "c", "b"})
        later.pairs().emplace_back(q, "a");
    EXPECT_EQ(later.findFirstDuplicate(), &later.pairs()[1]);
    EXPECT_EQ(withPairs(4).findFirstDuplicate(), nullptr);
}

TEST(PairListLengthRatio, LongestQuestionOverLongestAnswer)
{
    PairList list;
    list.pairs().emplace_back("abcdef", "ab");
    list.pairs().emplace_back("x", "abc");
    list.updateLengthRatio();
    EXPECT_FLOAT_EQ(list.lengthRatio(), 2.0f);
    PairList noAnswers;
    noAnswers.pairs().emplace_back("abc", "");
    noAnswers.updateLengthRatio();
    EXPECT_TRUE(std::isfinite(noAnswers.lengthRatio()));
}

TEST(PairListDump, JoinsDebugLines)
{
    PairList list = withPairs(2);
    EXPECT_EQ(list.dumpDebug(), list.pairs()[0].formatDebugLine() + list.pairs()[1].formatDebugLine());
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

TEST(PairListRebuild, ReadsTheColumnsAndFillsMissingSides)
{
    FakeRows grid({{"Question", "Answer", "Rating", "Right", "Wrong"},
                   {"house", "Haus", " 3.5abc", " 7x", "-2", "99", "1", "h.wav", "H.wav", "note", "h.jpg"},
                   {"only question", "", "abc", "", "2"},
                   {"", ""},
                   {"", "only answer", "+1.25", "+3"}});
    PairList rebuilt;
    EXPECT_EQ(rebuilt.rebuildFromRows(grid, PairList()), 3);
    const Pair& house = rebuilt.pairs()[0];
    EXPECT_FLOAT_EQ(house.rating(), 3.5f);
    EXPECT_EQ(house.right(), 7);
    EXPECT_EQ(house.wrong(), -2);
    EXPECT_EQ(house.total(), 5);
    EXPECT_EQ(house.timesInQuestion(), 0);
    EXPECT_EQ(house.soundPathOne(), "h.wav");
    EXPECT_EQ(house.soundPathTwo(), "H.wav");
    EXPECT_EQ(house.hint(), "note");
    EXPECT_EQ(house.picturePath(), "h.jpg");
    EXPECT_EQ(rebuilt.pairs()[1].answer(), "answer needed here");
    EXPECT_EQ(rebuilt.pairs()[1].rating(), 0.0f);
    EXPECT_EQ(rebuilt.pairs()[1].total(), 2);
    EXPECT_EQ(rebuilt.pairs()[2].question(), "question needed here");
    EXPECT_FLOAT_EQ(rebuilt.pairs()[2].rating(), 1.25f);
    EXPECT_EQ(rebuilt.pairs()[2].right(), 3);
}

TEST(PairListRebuild, TextsAreTakenAsTheyAre)
{
    FakeRows grid({{"header"}, {" spaced ", "\tanswer "}});
    PairList rebuilt;
    rebuilt.rebuildFromRows(grid, PairList());
    EXPECT_EQ(rebuilt.pairs()[0].question(), " spaced ");
    EXPECT_EQ(rebuilt.pairs()[0].answer(), "\tanswer ");
}

TEST(PairListRebuild, CopiesEveryWrongAnswerAsKindOne)
{
    PairList source = withPairs(1);
    source.wrongAnswers() = {wrongAnswer("q0", "w1", 0), wrongAnswer("q0", "w2", -1),
                             wrongAnswer("q0", "w3")};
    source.wrongAnswers()[0].setHint("notes");
    FakeRows grid({{"header"}, {"q0", "a0"}});
    PairList rebuilt;
    rebuilt.rebuildFromRows(grid, source);
    ASSERT_EQ(rebuilt.wrongAnswers().size(), 3u);
    for (const Pair& w : rebuilt.wrongAnswers())
        EXPECT_EQ(w.kind(), Pair::WrongAnswer);
    EXPECT_EQ(rebuilt.wrongAnswers()[0].hint(), "notes");
    EXPECT_EQ(answersOf(rebuilt.wrongAnswers()), (std::vector<std::string>{"w1", "w2", "w3"}));
}

TEST(PairListNumbers, LongestNumericPrefixAfterBlanks)
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
