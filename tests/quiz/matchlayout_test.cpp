#include "quiz/engine/matchlayout.h"

#include <gtest/gtest.h>

namespace brainlark
{
namespace
{

constexpr int Q = MatchBox::Questions;
constexpr int A = MatchBox::Answers;

TEST(MatchLayout, BoxesButtonsAndTheBandBetweenTheColumns)
{
    // 800 × 600 with 4 rows: the board is 545 high above the 55-pixel band; the columns are 200 apart.
    const MatchLayout layout(800, 600, 4);
    EXPECT_EQ(layout.columnGap(), 200);
    EXPECT_EQ(layout.boxWidth(), 290);  // (800 − 20 − 200) / 2
    EXPECT_EQ(layout.boxHeight(), 130); // (545 − 10 − 15) / 4
    struct Case {
        MatchBox box;
        Rect rect;
    };
    const Case cases[] = {
        {{Q, 0}, {10, 5, 300, 135}},
        {{Q, 3}, {10, 410, 300, 540}},
        {{A, 0}, {500, 5, 790, 135}},
        {{A, 1}, {500, 140, 790, 270}},
        {{A, 4}, {}}, // no such row
        {{}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout.box(c.box), c.rect) << c.box.column << "/" << c.box.row;
    EXPECT_EQ(layout.tryButton(), (Rect{327, 555, 397, 590}));
    EXPECT_EQ(layout.skipButton(), (Rect{403, 555, 473, 590}));
    // A narrow view still keeps the columns apart.
    EXPECT_EQ(MatchLayout(12, 300, 2).columnGap(), MatchLayout::MinimumColumnGap);
}

TEST(MatchLayout, HitTest)
{
    const MatchLayout layout(800, 600, 4);
    struct Case {
        Point p;
        MatchBox box;
    };
    const Case cases[] = {
        {{10, 5}, {Q, 0}},    {{299, 134}, {Q, 0}}, {{300, 70}, {}},      // right edge is outside
        {{400, 70}, {}},      {{500, 139}, {}},     {{500, 140}, {A, 1}}, // the row gap is outside
        {{789, 539}, {A, 3}}, {{350, 570}, {}},                           // the buttons are no boxes
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout.hitTest(c.p), c.box) << c.p.x << "," << c.p.y;
}

TEST(MatchLayout, LinesRunFromTheQuestionsRightEdgeToTheAnswersLeftEdge)
{
    const MatchLayout layout(800, 600, 4);
    const MatchLayout::Segment level = layout.segment({Q, 0}, {A, 0});
    EXPECT_EQ(level.question, (Point{300, 70}));
    EXPECT_EQ(level.answer, (Point{500, 70}));
    // Drawn from the answer side, the line is the same.
    const MatchLayout::Segment down = layout.segment({A, 2}, {Q, 0});
    EXPECT_EQ(down.question, (Point{300, 70}));
    EXPECT_EQ(down.answer, (Point{500, 340}));
}

TEST(MatchLayout, TinyViewsGiveEmptyBoxesInsteadOfNegativeOnes)
{
    const MatchLayout layout(40, 60, 10);
    EXPECT_EQ(layout.boxHeight(), 0);
    EXPECT_TRUE(layout.box({Q, 9}).isEmpty());
    EXPECT_EQ(layout.hitTest({15, 10}), MatchBox{});
}

} // namespace
} // namespace brainlark
