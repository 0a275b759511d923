#include "quiz/engine/counterflash.h"

#include <gtest/gtest.h>

#include <vector>

namespace brainlark
{
namespace
{

TEST(CounterFlash, GrowsToNineAndBack)
{
    std::vector<int> sizes;
    for (int frame = 0; frame < 18; ++frame)
        sizes.push_back(CounterFlash::inflation(frame));
    EXPECT_EQ(sizes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 1, 2}));
    for (int frame = 0; frame < CounterFlash::Frames; ++frame) {
        EXPECT_GE(CounterFlash::inflation(frame), 1);
        EXPECT_LE(CounterFlash::inflation(frame), 9);
    }
    EXPECT_EQ(CounterFlash::Frames * CounterFlash::FrameMs, 1980);
}

TEST(CounterFlash, HueStepsThroughFourShadesOfGold)
{
    const HslColor gold(255, 215, 0);
    const float hues[] = {40.0f, 50.0f, 67.0f, 90.0f, 40.0f};
    for (int frame = 0; frame < 5; ++frame) {
        const HslColor c = CounterFlash::color(frame);
        EXPECT_NEAR(c.hue(), hues[frame], 0.5f) << frame;
        EXPECT_NEAR(c.lightness(), gold.lightness(), 0.01f);
        EXPECT_NEAR(c.saturation(), gold.saturation(), 0.01f);
    }
}

} // namespace
} // namespace brainlark
