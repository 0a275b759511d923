#include "quiz/engine/backgroundpattern.h"

#include <gtest/gtest.h>

namespace brainlark
{
namespace
{

using Pass = BackgroundPattern::Pass;

TEST(BackgroundPattern, LineCountsReachPastTheEdges)
{
    const Rect view{0, 0, 600, 440};
    const std::vector<int> rows = BackgroundPattern::horizontalLines(view, 22, 0);
    EXPECT_EQ(rows.size(), 22u); // 440 / 22 + 2
    EXPECT_EQ(rows.front(), 0);
    EXPECT_EQ(rows.back(), 21 * 22);
    const std::vector<int> columns = BackgroundPattern::verticalLines(view, 22, 2);
    EXPECT_EQ(columns.size(), 29u); // 600 / 22 + 2
    EXPECT_EQ(columns.front(), 2);
    EXPECT_EQ(columns[1], 24);
}

TEST(BackgroundPattern, OffsetAreaAndTooSmallStep)
{
    const Rect area{10, 20, 40, 30};
    EXPECT_EQ(BackgroundPattern::horizontalLines(area, 5, 2), (std::vector<int>{22, 27, 32, 37}));
    EXPECT_EQ(BackgroundPattern::verticalLines(area, 0, 0).size(), 12u); // step taken as 3
}

TEST(BackgroundPattern, Passes)
{
    EXPECT_TRUE(BackgroundPattern::passes(true, true, true).empty());
    EXPECT_TRUE(BackgroundPattern::passes(false, false, true).empty());
    EXPECT_EQ(BackgroundPattern::passes(false, true, false), (std::vector<Pass>{{0, 0, 1.1f}}));
    EXPECT_EQ(BackgroundPattern::passes(false, true, true), (std::vector<Pass>{{2, 2, 0.95f}, {0, 0, 1.1f}}));
}

TEST(BackgroundPattern, ArrowKeyTuning)
{
    int width = 2;
    int step = 22;
    BackgroundPattern::tune(BackgroundPattern::Key::Left, width, step);
    EXPECT_EQ(width, 1);
    BackgroundPattern::tune(BackgroundPattern::Key::Left, width, step);
    EXPECT_EQ(width, 1);
    BackgroundPattern::tune(BackgroundPattern::Key::Right, width, step);
    EXPECT_EQ(width, 2);
    width = 19;
    BackgroundPattern::tune(BackgroundPattern::Key::Right, width, step); // 20 mod 20 = 0 → 1
    EXPECT_EQ(width, 1);
    BackgroundPattern::tune(BackgroundPattern::Key::Up, width, step);
    EXPECT_EQ(step, 23);
    step = 44;
    BackgroundPattern::tune(BackgroundPattern::Key::Up, width, step); // 45 mod 45 = 0 → 3
    EXPECT_EQ(step, 3);
    BackgroundPattern::tune(BackgroundPattern::Key::Down, width, step);
    EXPECT_EQ(step, 3);
    BackgroundPattern::tune(BackgroundPattern::Key::Right, width, step); // modulo 1
    EXPECT_EQ(width, 1);
}

} // namespace
} // namespace brainlark
