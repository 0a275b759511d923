#include "quiz/engine/matchgame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::makeList;
using Lines = std::vector<std::string>;

constexpr int Q = MatchBox::Questions;
constexpr int A = MatchBox::Answers;

/// Lines as "q<row>-a<row>" in drawing order.
Lines drawn(const MatchGame& game)
{
    Lines out;
    for (const MatchLine& line : game.lines())
        out.push_back("q" + std::to_string(line.questionEnd().row) + "-a" + std::to_string(line.answerEnd().row));
    return out;
}

Lines timeline(const std::vector<FeedbackStep>& steps)
{
    Lines out;
    for (const FeedbackStep& step : steps)
        out.push_back(step.toString());
    return out;
}

class MatchGameTest : public ::testing::Test
{
protected:
    /// A board of pairs 0-3 asked in order; answers in the order of `answers` (pair indices).
    void startRound(int rows = 4)
    {
        list.setLastIndex(0);
        game.newRound(MatchBoard::build(list, rows, SelectionMode::Sequential, random));
    }
    /// The answer row showing pair's answer.
    int answerRow(int pair) const
    {
        const auto& order = game.board().answerOrder();
        return static_cast<int>(std::find(order.begin(), order.end(), pair) - order.begin());
    }
    void connectAllRight()
    {
        for (int row = 0; row < game.rows(); ++row)
            game.connect({Q, row}, {A, answerRow(row)});
    }

    PairList list = makeList(6);
    SeededRandom random{4};
    MatchGame game;
};

TEST_F(MatchGameTest, ABoxNeverCarriesTwoLines)
{
    struct Step {
        MatchBox from;
        MatchBox to;
        bool drawn;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        Lines lines;
    };
    const Case cases[] = {
        {"question reconnected", {{{Q, 0}, {A, 0}, true}, {{Q, 0}, {A, 1}, true}}, {"q0-a1"}},
        {"answer reconnected", {{{Q, 0}, {A, 0}, true}, {{Q, 1}, {A, 0}, true}}, {"q1-a0"}},
        {"both ends had lines",
         {{{Q, 0}, {A, 0}, true}, {{Q, 1}, {A, 1}, true}, {{Q, 0}, {A, 1}, true}},
         {"q0-a1"}},
        {"drawn from the answer side", {{{A, 2}, {Q, 3}, true}, {{Q, 1}, {A, 0}, true}}, {"q3-a2", "q1-a0"}},
        {"same column", {{{Q, 0}, {Q, 1}, false}, {{A, 0}, {A, 0}, false}}, {}},
        {"off the board", {{{Q, 0}, {A, 4}, false}, {{Q, -1}, {A, 0}, false}, {{}, {A, 0}, false}}, {}},
    };
    for (const Case& c : cases) {
        startRound();
        for (const Step& step : c.steps)
            EXPECT_EQ(game.connect(step.from, step.to), step.drawn) << c.what;
        EXPECT_EQ(drawn(game), c.lines) << c.what;
    }
}

TEST_F(MatchGameTest, DragDrawsALineOnlyWhenReleasedOnTheOtherColumn)
{
    struct Case {
        MatchBox start;
        MatchBox release;
        Lines lines;
    };
    const Case cases[] = {
        {{Q, 1}, {A, 2}, {"q1-a2"}},
        {{A, 3}, {Q, 0}, {"q0-a3"}},
        {{Q, 1}, {Q, 2}, {}},
        {{Q, 1}, {}, {}},
    };
    for (const Case& c : cases) {
        startRound();
        game.beginDrag(c.start, {5, 6});
        game.dragTo({50, 60});
        EXPECT_TRUE(game.isDragging());
        EXPECT_EQ(game.dragStart(), (Point{5, 6}));
        EXPECT_EQ(game.dragEnd(), (Point{50, 60}));
        EXPECT_EQ(game.endDrag(c.release), !c.lines.empty());
        EXPECT_FALSE(game.isDragging());
        EXPECT_EQ(drawn(game), c.lines);
    }
    game.beginDrag({}, {1, 1}); // a press beside the boxes starts nothing
    EXPECT_FALSE(game.isDragging());
}

TEST_F(MatchGameTest, TryWithBoxesLeftOpenJudgesNothing)
{
    startRound();
    game.connect({Q, 0}, {A, answerRow(0)});
    EXPECT_EQ(game.pressTry(list, AppFlags()), MatchGame::TryResult::Incomplete);
    EXPECT_EQ(game.buttonState(), MatchGame::ButtonState::Idle);
    EXPECT_EQ(list.pairs()[0].timesInQuestion(), 0);
    EXPECT_EQ(std::string(MatchGame::ConnectAllText), "Please connect all the boxes.");
}

TEST_F(MatchGameTest, ARightBoardCountsARightAnswerForEveryPair)
{
    startRound();
    connectAllRight();
    EXPECT_EQ(game.pressTry(list, AppFlags()), MatchGame::TryResult::Right);
    EXPECT_EQ(game.buttonState(), MatchGame::ButtonState::TryRight);
    EXPECT_EQ(game.tryLook(), MatchGame::TryLook::Right);
    EXPECT_TRUE(game.tryPressed());
    for (const MatchLine& line : game.lines()) {
        EXPECT_EQ(line.colour, MatchLine::Colour::Right);
        EXPECT_EQ(line.width, 2);
    }
    for (int i = 0; i < 4; ++i) {
        const Pair& pair = list.pairs()[size_t(i)];
        EXPECT_EQ(pair.timesInQuestion(), 1);
        EXPECT_EQ(pair.right(), 1);
        EXPECT_EQ(pair.wrong(), 0);
        EXPECT_FLOAT_EQ(pair.rating(), float(i) + 1.2f); // one second: + 1 + (5 − 1) / 20
    }
    EXPECT_EQ(list.pairs()[4].timesInQuestion(), 0);
}

TEST_F(MatchGameTest, WrongLinesTurnWrongAndWidenAtEachJudgement)
{
    for (const bool widen : {false, true}) {
        list = makeList(6);
        startRound();
        // Questions 0 and 1 swapped, 2 and 3 right.
        game.connect({Q, 0}, {A, answerRow(1)});
        game.connect({Q, 1}, {A, answerRow(0)});
        game.connect({Q, 2}, {A, answerRow(2)});
        game.connect({Q, 3}, {A, answerRow(3)});
        const AppFlags flags(0, widen ? AppFlags::MatchingWiderLine : 0);
        for (int judgement = 0; judgement < 3; ++judgement) {
            EXPECT_EQ(game.pressTry(list, flags), MatchGame::TryResult::Wrong);
            game.release();
        }
        EXPECT_EQ(game.tryLook(), MatchGame::TryLook::Wrong);
        for (int row = 0; row < 4; ++row) {
            const MatchLine* line = game.lineAt({Q, row});
            ASSERT_NE(line, nullptr);
            const bool right = row >= 2;
            EXPECT_EQ(line->colour, right ? MatchLine::Colour::Right : MatchLine::Colour::Wrong);
            EXPECT_EQ(line->width, right || !widen ? 2 : 5) << "row " << row;
            const Pair& pair = list.pairs()[size_t(row)];
            // Every Try with all boxes connected counts again.
            EXPECT_EQ(pair.timesInQuestion(), 3);
            EXPECT_EQ(pair.right(), right ? 3 : 0);
            EXPECT_EQ(pair.wrong(), right ? 0 : 3);
        }
        EXPECT_FLOAT_EQ(list.pairs()[1].rating(), 0.0f); // 1 − 2 clamps at 0
    }
}

TEST_F(MatchGameTest, JudgedRatingsReachAKeptRatingOrder)
{
    RatingOrder ratings;
    startRound();
    EXPECT_EQ(ratings.lowest(list, 5), (std::vector<int32_t>{0, 1, 2, 3, 4}));
    connectAllRight(); // pairs 0-3 rise by 1.2: pair 3 (4.2) now comes after pair 4 (4.0)
    game.pressTry(list, AppFlags(), &ratings);
    EXPECT_EQ(ratings.lowest(list, 5), (std::vector<int32_t>{0, 1, 2, 4, 3}));
    EXPECT_EQ(ratings.lowest(list, 5), std::vector<int32_t>(list.sortByRating(5)));
}

TEST_F(MatchGameTest, ReleasePlaysTheButtonsSoundAndChangesTheRound)
{
    using S = MatchGame::ButtonState;
    constexpr uint32_t card = AppFlags::ReminderCard;
    constexpr uint32_t transition = AppFlags::Transition;
    struct Case {
        S state;
        uint32_t fun;
        Lines steps;
    };
    const Case cases[] = {
        {S::TryRight, transition,
         {"restore box", "play r sync", "pause 800", "transition 1000", "pause 200", "next question"}},
        {S::TryRight, transition | card,
         {"restore box", "play r sync", "pause 800", "transition 1000", "pause 200", "next question"}},
        {S::TryRight, card, {"restore box", "play r sync", "next question"}},
        {S::TryRight, 0, {"restore box", "play r sync", "pause 500", "next question"}},
        {S::TryWrong, transition, {"restore box", "play w sync"}},
        {S::Skip, 0, {"restore box", "play w sync", "pause 500", "next question"}},
        {S::Skip, transition, {"restore box", "play w sync", "pause 800", "transition 1000", "pause 200",
                               "next question"}},
        {S::Idle, transition, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeline(MatchGame::releaseSteps(c.state, AppFlags(c.fun, 0))), c.steps)
            << int(c.state) << " with " << c.fun;
}

TEST_F(MatchGameTest, SkipChangesNoStatisticsAndANewRoundStartsClean)
{
    startRound();
    connectAllRight();
    game.pressSkip();
    EXPECT_TRUE(game.skipPressed());
    EXPECT_FALSE(game.tryPressed());
    EXPECT_EQ(list.pairs()[0].timesInQuestion(), 0);
    game.pressTry(list, AppFlags());
    game.release();
    EXPECT_EQ(game.buttonState(), MatchGame::ButtonState::Idle);
    EXPECT_EQ(game.lines().size(), 4u); // released, the board stays as it is
    startRound();
    EXPECT_TRUE(game.lines().empty());
    EXPECT_EQ(game.tryLook(), MatchGame::TryLook::Normal);
}

} // namespace
} // namespace brainlark
