#include "quiz/engine/transitionplan.h"

#include <gtest/gtest.h>

#include <set>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::ScriptedRandom;

TEST(TransitionPlan, KindChoiceOnAPlainBackground)
{
    SeededRandom random(1);
    std::set<int> kinds;
    for (int i = 0; i < 500; ++i)
        kinds.insert(TransitionPlan::chooseKind(-1, true, random));
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(TransitionPlan::chooseKind(2, true, random), 2);
}

TEST(TransitionPlan, PictureOrPatternOnlyGetsKindsFourToSeven)
{
    SeededRandom random(2);
    int four = 0;
    int five = 0;
    std::set<int> kinds;
    for (int i = 0; i < 2000; ++i) {
        const int kind = TransitionPlan::chooseKind(1 + i % 3, false, random);
        four += kind == 4;
        five += kind == 5;
        kinds.insert(kind);
        kinds.insert(TransitionPlan::chooseKind(-1, false, random));
    }
    EXPECT_EQ(kinds, (std::set<int>{4, 5, 6, 7}));
    EXPECT_EQ(four + five, 2000);
    EXPECT_NEAR(four, 1000, 120);
    ScriptedRandom scripted({6});
    EXPECT_EQ(TransitionPlan::chooseKind(7, false, scripted), 7);
    EXPECT_EQ(scripted.calls(), 0u);
}

TEST(TransitionPlan, Direction)
{
    ScriptedRandom random({5, 8});
    EXPECT_EQ(TransitionPlan::chooseDirection(-1, random), 1);
    EXPECT_EQ(TransitionPlan::chooseDirection(-1, random), 0);
    EXPECT_EQ(TransitionPlan::chooseDirection(1, random), 1);
    EXPECT_EQ(random.calls(), 2u);
}

TEST(TransitionPlan, VerticalBars)
{
    ScriptedRandom random({1}); // w = 5
    const TransitionPlan plan = TransitionPlan::make(1, 1000, 40, 30, random);
    EXPECT_EQ(plan.size(), 5);
    EXPECT_EQ(plan.lineOrder(), (std::vector<int>{0, 2, 4, 6, 8, 9, 7, 5, 3, 1})); // n = 40 / 5 + 2
    EXPECT_EQ(plan.steps(), 10);
    EXPECT_EQ(plan.pauseMs(), 100);
    EXPECT_EQ(plan.endPauseMs(), 0);
}

TEST(TransitionPlan, ClosingBarsInPairs)
{
    ScriptedRandom odd({0}); // w = 4; n = 20 / 4 + 1 = 6
    const TransitionPlan even = TransitionPlan::make(2, 600, 20, 10, odd);
    EXPECT_EQ(even.lineOrder(), (std::vector<int>{0, 5, 2, 3, 4, 1}));
    EXPECT_EQ(even.pauseMs(), 100);
    ScriptedRandom w5({1}); // w = 5; n = 20 / 5 + 1 = 5
    const TransitionPlan oddCount = TransitionPlan::make(2, 500, 20, 10, w5);
    EXPECT_EQ(oddCount.lineOrder(), (std::vector<int>{0, 5, 2, 3, 4, 1}));
    EXPECT_EQ(oddCount.steps(), 6);
    EXPECT_EQ(oddCount.pauseMs(), 100);
}

TEST(TransitionPlan, HorizontalBarsFollowTheHeight)
{
    ScriptedRandom random({4}); // w = 8
    const TransitionPlan plan = TransitionPlan::make(3, 1000, 800, 40, random);
    EXPECT_EQ(plan.lineOrder(), (std::vector<int>{0, 2, 4, 6, 5, 3, 1}));
    EXPECT_EQ(plan.pauseMs(), 1000 / 7);
}

TEST(TransitionPlan, BandReveal)
{
    ScriptedRandom random({5}); // s = 10
    const TransitionPlan plan = TransitionPlan::make(4, 1000, 800, 600, random);
    EXPECT_EQ(plan.size(), 10);
    EXPECT_EQ(plan.steps(), 600 / 9);
    EXPECT_EQ(plan.pauseMs(), 1000 / (600 / 9));
}

TEST(TransitionPlan, SlideOutOf100PixelsWithStep10TakesElevenSteps)
{
    ScriptedRandom random({0}); // t = 10
    const TransitionPlan plan = TransitionPlan::make(5, 1000, 800, 100, random);
    EXPECT_EQ(plan.size(), 10);
    EXPECT_EQ(plan.steps(), 11);
    EXPECT_EQ(plan.pauseMs(), 100);
}

TEST(TransitionPlan, TileDissolveCoversEveryTileOnce)
{
    ScriptedRandom random({6}); // t = 10
    const TransitionPlan plan = TransitionPlan::make(6, 1000, 95, 47, random);
    EXPECT_EQ(plan.tileColumns(), 10);
    EXPECT_EQ(plan.tileRows(), 5);
    EXPECT_EQ(plan.steps(), 10);
    EXPECT_EQ(plan.pauseMs(), 100);
    EXPECT_EQ(plan.endPauseMs(), 200);
    EXPECT_EQ(plan.totalPauseMs(), 1200);
    std::set<int> seen;
    for (int step = 0; step < 10; ++step) {
        for (int tile : plan.tilesOfStep(step)) {
            EXPECT_EQ(tile % 10, step);
            EXPECT_TRUE(seen.insert(tile).second);
        }
    }
    EXPECT_EQ(seen.size(), 50u);
}

TEST(TransitionPlan, CentreZoom)
{
    SeededRandom random(1);
    const TransitionPlan plan = TransitionPlan::make(7, 900, 800, 600, random);
    EXPECT_EQ(plan.steps(), 30);
    EXPECT_EQ(plan.pauseMs(), 30);
    EXPECT_EQ(plan.endPauseMs(), 200);
}

TEST(TransitionPlan, ShortDurationsAndTinyViewsGiveZeroPauses)
{
    SeededRandom random(4);
    for (int kind = 1; kind <= 7; ++kind) {
        const TransitionPlan shortOne = TransitionPlan::make(kind, 5, 800, 600, random);
        EXPECT_EQ(shortOne.pauseMs(), 0) << kind;
        const TransitionPlan tiny = TransitionPlan::make(kind, 1000, 0, 0, random);
        EXPECT_GE(tiny.pauseMs(), 0) << kind;
    }
}

} // namespace
} // namespace brainlark
