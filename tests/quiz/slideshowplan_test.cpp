#include "quiz/engine/slideshowplan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using Lines = std::vector<std::string>;

Lines timeline(const std::vector<SlideshowPlan::Step>& steps)
{
    Lines out;
    for (const SlideshowPlan::Step& step : steps)
        out.push_back(step.toString());
    return out;
}

TEST(SlideshowPlan, PaceFromTheStoredDelay)
{
    struct Case {
        int stored;
        bool manual;
        int period;
        int card;
        int answerDelay;
    };
    const Case cases[] = {
        {3, false, 4000, 3000, 1500},
        {1, false, 2000, 1000, 500},
        {-4, true, 5000, 4000, 2000}, // manual, 4 seconds kept: the answer 2 seconds after the card
        {0, true, 1000, 0, 0},        // 0 would leave the first card up for ever: manual
    };
    for (const Case& c : cases) {
        const SlideshowPlan plan(c.stored);
        EXPECT_EQ(plan.isManual(), c.manual) << c.stored;
        EXPECT_EQ(plan.timerPeriodMs(), c.period) << c.stored;
        EXPECT_EQ(plan.cardMs(), c.card) << c.stored;
        EXPECT_EQ(plan.answerDelayMs(), c.answerDelay) << c.stored;
    }
}

TEST(SlideshowPlan, OrderInTurnOrShuffledWhole)
{
    SeededRandom random(8);
    EXPECT_EQ(SlideshowPlan::order(5, false, random), (std::vector<int>{0, 1, 2, 3, 4}));
    // Short lists shuffle without trouble.
    EXPECT_EQ(SlideshowPlan::order(1, true, random), (std::vector<int>{0}));
    EXPECT_TRUE(SlideshowPlan::order(0, true, random).empty());
    // Five cards: every card lands at every position about equally often, the last two included.
    std::map<std::pair<int, int>, int> at;
    std::map<std::vector<int>, int> orders2;
    for (int round = 0; round < 5000; ++round) {
        const std::vector<int> order = SlideshowPlan::order(5, true, random);
        for (int position = 0; position < 5; ++position)
            ++at[{order[size_t(position)], position}];
        ++orders2[SlideshowPlan::order(2, true, random)];
    }
    for (const auto& [cardAt, count] : at)
        EXPECT_NEAR(count, 1000, 130) << "card " << cardAt.first << " at " << cardAt.second;
    EXPECT_EQ(at.size(), 25u);
    ASSERT_EQ(orders2.size(), 2u);
    EXPECT_NEAR(orders2.begin()->second, 2500, 200);
}

struct CardCase {
    const char* what;
    int delay;
    uint32_t fun;
    bool answerSound;
    Lines manual;
    Lines automatic;
};

TEST(SlideshowPlan, CardTimelines)
{
    constexpr uint32_t qs = AppFlags::SlideQuestionSound;
    constexpr uint32_t as = AppFlags::SlideAnswerSound;
    constexpr uint32_t anim = AppFlags::SlideAnimations;
    constexpr uint32_t later = AppFlags::SlideDelayAnswer;
    const CardCase cases[] = {
        {"plain", 3, 0, false, {"card 0"}, {"card 0", "pause 3000"}},
        {"animated, delayed answer", 3, anim | later, false,
         {"card 700", "pause 1500", "answer"},
         {"card 700", "pause 1500", "answer", "pause 3000", "leave 500"}},
        {"both sounds", 2, qs | as, true,
         {"card 0", "pause 500", "question sound", "pause 300", "answer sound"},
         {"card 0", "pause 200", "question sound", "pause 200", "answer sound", "pause 2000"}},
        {"answer sound alone", 2, as, true,
         {"card 0", "pause 300", "answer sound"},
         {"card 0", "pause 200", "answer sound", "pause 2000"}},
        {"answer sound wanted, pair has none", 2, as, false, {"card 0"}, {"card 0", "pause 2000"}},
        {"everything", 4, qs | as | anim | later, true,
         {"card 700", "pause 500", "question sound", "pause 300", "pause 2000", "answer", "answer sound"},
         {"card 700", "pause 200", "question sound", "pause 200", "pause 2000", "answer", "answer sound",
          "pause 4000", "leave 500"}},
    };
    for (const CardCase& c : cases) {
        SlideshowPlan::CardInput input;
        input.flags = AppFlags(c.fun, 0);
        input.hasAnswerSound = c.answerSound;
        EXPECT_EQ(timeline(SlideshowPlan(-c.delay).manualCard(input)), c.manual) << c.what;
        EXPECT_EQ(timeline(SlideshowPlan(c.delay).automaticCard(input)), c.automatic) << c.what;
    }
    // Delay 3, no sounds, delayed answer: the card stays 3 seconds plus 1.5 for the answer.
    SlideshowPlan::CardInput delayed;
    delayed.flags = AppFlags(later, 0);
    EXPECT_EQ(SlideshowPlan::plannedMs(SlideshowPlan(3).automaticCard(delayed)), 4500);
    EXPECT_EQ(timeline(SlideshowPlan::manualExit(AppFlags(anim, 0))), (Lines{"leave 500"}));
    EXPECT_TRUE(SlideshowPlan::manualExit(AppFlags()).empty());
}

} // namespace
} // namespace brainlark
