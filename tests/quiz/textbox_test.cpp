#include "quiz/engine/textbox.h"

#include <gtest/gtest.h>

namespace brainlark
{
namespace
{

TEST(TextBox, Defaults)
{
    const TextBox box("Hello");
    EXPECT_EQ(box.text(), "Hello");
    EXPECT_EQ(box.textColor(), HslColor(22, 22, 222));
    EXPECT_EQ(box.shadowDepth(), 1);
    EXPECT_EQ(box.fontHeight(), 15);
    EXPECT_EQ(box.fontFace(), "Verdana");
    EXPECT_EQ(box.fontWeight(), 400);
    EXPECT_EQ(box.cornerRadius(), 0);
    EXPECT_FALSE(box.isFramed());
    EXPECT_FALSE(box.isFitted());
    EXPECT_EQ(box.format(), TextBox::AlignCenter | TextBox::WordBreak | TextBox::ExpandTabs);
}

TEST(TextBox, BoundsGrowWithTheShadowDepth)
{
    TextBox box;
    box.setRect({10, 20, 110, 70});
    EXPECT_EQ(box.bounds(), (Rect{9, 19, 111, 71}));
    box.setShadowDepth(0); // pressed
    EXPECT_EQ(box.bounds(), box.rect());
    box.setShadowDepth(-1);
    EXPECT_EQ(box.shadowDepth(), 1);
    box.setShadowDepth(3);
    EXPECT_EQ(box.bounds(), (Rect{7, 17, 113, 73}));
    box.setShadowDepth(-5);
    EXPECT_EQ(box.shadowDepth(), 0);
}

TEST(TextBox, FitAndCentre)
{
    TextBox box;
    box.fitTo(60, 30);
    EXPECT_TRUE(box.isFitted());
    EXPECT_EQ(box.rect(), (Rect{0, 0, 60, 30}));
    box.moveCenterTo({100, 200});
    EXPECT_EQ(box.rect(), (Rect{70, 185, 130, 215}));
    EXPECT_EQ(box.rect().center(), (Point{100, 200}));
}

TEST(TextBox, InsetsShrinkTheTextRectangle)
{
    TextBox box;
    box.setRect({0, 0, 100, 50});
    box.setInsets(-20, -5);
    EXPECT_EQ(box.textRect(), (Rect{20, 5, 80, 45}));
    box.setInsets(3, 0);
    EXPECT_EQ(box.textRect(), (Rect{-3, 0, 103, 50}));
}

TEST(TextBox, CornersAndShadowOffsets)
{
    TextBox box;
    box.setRoundCorners(true);
    EXPECT_EQ(box.cornerRadius(), 10);
    box.setRoundCorners(false);
    EXPECT_EQ(box.cornerRadius(), 0);
    box.setFont("Comic Sans MS", -24);
    EXPECT_EQ(box.shadowOffset(0), 1);
    EXPECT_EQ(box.shadowOffset(2), 3);
    box.setFont("Verdana", 45, 700);
    EXPECT_EQ(box.shadowOffset(0), 3);
    EXPECT_EQ(box.fontWeight(), 700);
}

} // namespace
} // namespace brainlark
