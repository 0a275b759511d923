#include "quiz/engine/animationpacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace brainlark
{
namespace
{

TEST(AnimationPacer, FrameCountAndFirstPause)
{
    AnimationPacer pacer;
    EXPECT_EQ(pacer.frameRate(), 20);
    const struct {
        int duration;
        int frames;
        int pause;
    } cases[] = {{500, 10, 50}, {600, 12, 50}, {2500, 50, 50}, {1000, 20, 50},
                 {75, 1, 75},   {30, 1, 30},   {0, 1, 0}};
    for (const auto& c : cases) {
        pacer.start(c.duration);
        EXPECT_EQ(pacer.frameCount(), c.frames) << c.duration;
        EXPECT_EQ(pacer.pauseMs(), c.pause) << c.duration;
    }
    AnimationPacer fast(33);
    fast.start(500);
    EXPECT_EQ(fast.frameCount(), 16);
    EXPECT_EQ(fast.pauseMs(), 31);
}

TEST(AnimationPacer, PauseAdaptsToTheFrameTime)
{
    AnimationPacer pacer;
    pacer.start(500);                    // nominal pause 50
    EXPECT_EQ(pacer.frameDone(50), 50);  // on time
    EXPECT_EQ(pacer.frameDone(100), 50); // exactly 2p stays
    EXPECT_EQ(pacer.frameDone(101), 25); // slow: halve
    EXPECT_EQ(pacer.frameDone(30), 25);  // 30 is not below 50 / 2
    EXPECT_EQ(pacer.frameDone(24), 52);  // fast: 2p + 2
    EXPECT_EQ(pacer.frameDone(104), 52);
    EXPECT_EQ(pacer.frameDone(105), 26);
}

TEST(AnimationPacer, OnTimeAnimationKeepsTheFrameRate)
{
    AnimationPacer pacer;
    ManualClock clock;
    std::vector<int> frames;
    std::vector<int> pauses;
    pacer.run(
        500, clock, [&](int frame, int count) { frames.push_back(frame * 100 + count); },
        [&](int ms) {
            pauses.push_back(ms);
            clock.advanceMs(ms);
        });
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames.front(), 10);
    EXPECT_EQ(frames.back(), 910);
    EXPECT_EQ(pauses, std::vector<int>(10, 50));
    EXPECT_EQ(pacer.frameRate(), 20);
}

TEST(AnimationPacer, QuickAnimationRaisesTheFrameRateForTheNextOne)
{
    AnimationPacer pacer;
    ManualClock clock;
    std::vector<int> pauses;
    // Pauses that take no time at all: every frame is "fast", so the pause grows as 2p + 2.
    pacer.run(
        500, clock, [](int, int) {}, [&](int ms) { pauses.push_back(ms); });
    EXPECT_EQ(pauses[0], 50);
    EXPECT_EQ(pauses[1], 102);
    EXPECT_EQ(pauses[2], 206);
    EXPECT_EQ(pacer.frameRate(), 22);
    pacer.start(500);
    EXPECT_EQ(pacer.frameCount(), 11);
}

TEST(AnimationPacer, SlowFramesShortenThePause)
{
    AnimationPacer pacer;
    ManualClock clock;
    std::vector<int> pauses;
    pacer.run(
        500, clock, [&](int, int) { clock.advanceMs(200); },
        [&](int ms) {
            pauses.push_back(ms);
            clock.advanceMs(ms);
        });
    // 0 ms pauses are skipped, so only the shrinking ones are seen.
    EXPECT_EQ(pauses, (std::vector<int>{50, 25, 12, 6, 3, 1}));
    EXPECT_EQ(pacer.frameRate(), 20);
}

TEST(AnimationPacer, JustUnderEightyPercentCounts)
{
    AnimationPacer pacer;
    pacer.start(1000);
    pacer.finish(800);
    EXPECT_EQ(pacer.frameRate(), 20);
    pacer.finish(799);
    EXPECT_EQ(pacer.frameRate(), 22);
}

} // namespace
} // namespace brainlark
