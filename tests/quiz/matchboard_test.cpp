#include "quiz/engine/matchboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "quiz/engine/ratingorder.h"
#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::makeList;
using Indices = std::vector<int>;

struct SequentialCase {
    int pairs;
    int rows;
    int lastIndex;
    Indices asked;
    int lastIndexAfter;
};

TEST(MatchBoard, SequentialTakesRowsInARowFromTheStoredPosition)
{
    const SequentialCase cases[] = {
        {7, 5, 4, {4, 5, 6, 0, 1}, 2},   // wraps, and leaves the position after the last one taken
        {7, 5, -1, {0, 1, 2, 3, 4}, 5},  // a fresh list starts at pair 0
        {3, 5, 0, {0, 1, 2}, 0},         // fewer pairs than rows: as many rows as pairs
        {7, 5, 9, {2, 3, 4, 5, 6}, 0},   // a position past the end (list shrank) wraps
        {10, 1, 0, {0, 1}, 2},           // the row count is at least 2 ...
        {20, 50, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10}, // ... and at most 10
    };
    SeededRandom random(1);
    for (const SequentialCase& c : cases) {
        PairList list = makeList(c.pairs);
        list.setLastIndex(c.lastIndex);
        const MatchBoard board = MatchBoard::build(list, c.rows, SelectionMode::Sequential, random);
        EXPECT_EQ(board.questionOrder(), c.asked) << c.pairs << " pairs from " << c.lastIndex;
        EXPECT_EQ(list.lastIndex(), c.lastIndexAfter) << c.pairs << " pairs from " << c.lastIndex;
    }
}

TEST(MatchBoard, AnswersAreTheAskedPairsInAUniformlyRandomOrder)
{
    PairList list = makeList(10);
    SeededRandom random(5);
    std::map<Indices, int> seen;
    for (int round = 0; round < 6000; ++round) {
        list.setLastIndex(0);
        const MatchBoard board = MatchBoard::build(list, 3, SelectionMode::Sequential, random);
        Indices sorted = board.answerOrder();
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, board.questionOrder());
        ++seen[board.answerOrder()];
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen)
        EXPECT_NEAR(count, 1000, 150);
}

TEST(MatchBoard, RandomRoundsComeFromTheOneGeneratorWithoutRepeating)
{
    PairList list = makeList(40);
    SeededRandom random(9);
    std::set<Indices> boards;
    for (int round = 0; round < 20; ++round) {
        const MatchBoard board = MatchBoard::build(list, 6, SelectionMode::Random, random);
        const std::set<int> distinct(board.questionOrder().begin(), board.questionOrder().end());
        ASSERT_EQ(distinct.size(), 6u);
        EXPECT_TRUE(*distinct.rbegin() < 40 && *distinct.begin() >= 0);
        boards.insert(board.questionOrder());
    }
    // Rounds drawn one after another (within the same second, too) differ ...
    EXPECT_EQ(boards.size(), 20u);
    // ... and a generator seeded alike gives the same rounds again.
    SeededRandom first(9);
    SeededRandom second(9);
    EXPECT_EQ(MatchBoard::build(list, 6, SelectionMode::Random, first).questionOrder(),
              MatchBoard::build(list, 6, SelectionMode::Random, second).questionOrder());
}

TEST(MatchBoard, SmartPickDrawsFromTheTwiceAsManyWeakestPairs)
{
    PairList list = makeList(50); // pair i has rating i
    SeededRandom random(3);
    std::set<int> asked;
    for (int round = 0; round < 200; ++round) {
        const MatchBoard board = MatchBoard::build(list, 4, SelectionMode::SmartPick, random);
        ASSERT_EQ(board.rows(), 4);
        asked.insert(board.questionOrder().begin(), board.questionOrder().end());
    }
    EXPECT_EQ(asked, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    // With a kept rating order the same draws give the same boards.
    RatingOrder ratings;
    SeededRandom a(11);
    SeededRandom b(11);
    for (int round = 0; round < 5; ++round) {
        EXPECT_EQ(MatchBoard::build(list, 5, SelectionMode::SmartPick, a).questionOrder(),
                  MatchBoard::build(list, 5, SelectionMode::SmartPick, b, &ratings).questionOrder());
    }
}

TEST(MatchBoard, PairsSharingAQuestionOrAnAnswerAreInterchangeable)
{
    PairList list;
    for (const auto& [q, a] : std::vector<std::pair<const char*, const char*>>{
             {"bank", "river side"}, {"bank", "money house"}, {"big", "large"}, {"huge", "large"},
             {"cat", "Katze"}, {"Cat", "katze"}}) {
        list.pairs().emplace_back(q, a);
    }
    SeededRandom random(1);
    list.setLastIndex(0);
    const MatchBoard board = MatchBoard::build(list, 6, SelectionMode::Sequential, random);
    const auto rowOf = [&board](int pair) {
        const auto& answers = board.answerOrder();
        return static_cast<int>(std::find(answers.begin(), answers.end(), pair) - answers.begin());
    };
    struct Case {
        int questionPair;
        int answerPair;
        bool right;
    };
    const Case cases[] = {
        {0, 0, true},  {0, 1, true},  {1, 0, true},  // same question
        {2, 3, true},  {3, 2, true},                 // same answer
        {4, 5, false}, {5, 4, false},                // case counts
        {0, 2, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(board.matches(list, c.questionPair, rowOf(c.answerPair)), c.right)
            << c.questionPair << " with " << c.answerPair;
    EXPECT_FALSE(board.matches(list, 0, 6));
    // Reversed, the shown sides count: "large" is now the question of pairs 2 and 3.
    list.toggleReverse();
    EXPECT_EQ(board.questionText(list, 2), "large");
    EXPECT_TRUE(board.matches(list, 2, rowOf(3)));
}

TEST(MatchBoard, EmptyListGivesAnEmptyBoard)
{
    PairList list;
    SeededRandom random(1);
    for (SelectionMode mode : {SelectionMode::SmartPick, SelectionMode::Sequential, SelectionMode::Random})
        EXPECT_TRUE(MatchBoard::build(list, 4, mode, random).isEmpty());
}

} // namespace
} // namespace brainlark
