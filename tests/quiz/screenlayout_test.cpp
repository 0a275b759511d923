#include "quiz/engine/screenlayout.h"

#include "quiz/engine/textbox.h"

#include <gtest/gtest.h>

#include <set>

namespace brainlark
{
namespace
{

ScreenLayout mc(BoxLayout layout, int w = 800, int h = 600)
{
    return ScreenLayout(w, h, layout, QuizMode::MultipleChoice);
}

TEST(ScreenLayout, QuestionBandIsAThirdWithAMinimumOf80)
{
    EXPECT_EQ(mc(BoxLayout::Boxes1, 400, 300).questionBand(), 100);
    EXPECT_EQ(mc(BoxLayout::Boxes1, 400, 200).questionBand(), 80);
    EXPECT_EQ(mc(BoxLayout::Boxes1, 400, 240).questionBand(), 80);
    EXPECT_EQ(mc(BoxLayout::Boxes1, 400, 243).questionBand(), 81);
}

TEST(ScreenLayout, BoxesOneTwoColumnsUnderTheQuestion)
{
    const ScreenLayout layout = mc(BoxLayout::Boxes1);
    EXPECT_EQ(layout.questionBox(), (Rect{10, 5, 790, 190}));
    EXPECT_EQ(layout.answerBox(0), Rect::fromSize(10, 205, 387, 192));
    EXPECT_EQ(layout.answerBox(1), Rect::fromSize(10, 402, 387, 192));
    EXPECT_EQ(layout.answerBox(2), Rect::fromSize(402, 205, 387, 192));
    EXPECT_EQ(layout.answerBox(3), Rect::fromSize(402, 402, 387, 192));
    EXPECT_TRUE(layout.answerBox(4).isEmpty());
    EXPECT_TRUE(layout.pictureArea().isEmpty());
}

TEST(ScreenLayout, BoxesTwoCentresTheQuestionBetweenTheRows)
{
    const ScreenLayout layout = mc(BoxLayout::Boxes2);
    EXPECT_EQ(layout.questionBox(), Rect::fromSize(10, 207, 780, 185));
    EXPECT_EQ(layout.answerBox(0), Rect::fromSize(10, 5, 387, 192));
    EXPECT_EQ(layout.answerBox(2), Rect::fromSize(402, 5, 387, 192));
    EXPECT_EQ(layout.answerBox(1), Rect::fromSize(10, 402, 387, 192));
    EXPECT_EQ(layout.answerBox(3), Rect::fromSize(402, 402, 387, 192));
    EXPECT_EQ(layout.questionSoundIcon(), Rect::fromSize(774, 292, 14, 14));
    EXPECT_EQ(layout.counterBox(5, false), Rect::fromSize(755, 282, 35, 35));
}

TEST(ScreenLayout, BoxesThreeAndFourStackOneColumn)
{
    const ScreenLayout three = mc(BoxLayout::Boxes3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(three.answerBox(i), Rect::fromSize(10, 205 + i * 98, 780, 93)) << i;
    const ScreenLayout four = mc(BoxLayout::Boxes4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(four.answerBox(i), Rect::fromSize(10, 205 + i * 98, 370, 93)) << i;
    EXPECT_EQ(four.pictureArea(), (Rect{390, 205, 790, 592}));
}

TEST(ScreenLayout, TrueFalseAndTypeInUseOneTallerStatementBox)
{
    for (QuizMode mode : {QuizMode::TrueFalse, QuizMode::TypeIn}) {
        for (BoxLayout chosen : {BoxLayout::Classic, BoxLayout::Boxes2, BoxLayout::Boxes4}) {
            const ScreenLayout layout(800, 600, chosen, mode);
            EXPECT_TRUE(layout.usesBoxes());
            EXPECT_EQ(layout.questionBox(), Rect::fromSize(10, 5, 780, 222));
            EXPECT_EQ(layout.answerBox(0), Rect::fromSize(10, 247, 780, 222));
            for (int i = 1; i < 4; ++i)
                EXPECT_TRUE(layout.answerBox(i).isEmpty());
            EXPECT_EQ(layout.trueTryButton(), Rect::fromSize(330, 499, 60, 30));
            EXPECT_EQ(layout.falseSkipButton(), Rect::fromSize(410, 499, 60, 30));
            EXPECT_EQ(layout.counterBox(0, false).top, 22);
        }
    }
}

TEST(ScreenLayout, ClassicGeometry)
{
    const ScreenLayout layout = mc(BoxLayout::Classic);
    EXPECT_FALSE(layout.usesBoxes());
    EXPECT_EQ(layout.classicQuestionBox(40), (Rect{62, 48, 790, 88}));
    EXPECT_EQ(layout.classicQuestionBox(-3), (Rect{62, 88, 790, 88}));
    EXPECT_EQ(ScreenLayout::classicAnswerBox(0, 150, 25), Rect::fromSize(40, 100, 150, 25));
    EXPECT_EQ(ScreenLayout::classicAnswerBox(3, 90, 30), Rect::fromSize(40, 310, 90, 30));
    EXPECT_EQ(layout.answerSoundIcon(1, Rect{}), Rect::fromSize(20, 177, 14, 14));
    EXPECT_EQ(layout.questionSoundIcon(), Rect::fromSize(12, 50, 14, 14));
}

TEST(ScreenLayout, SmartCounterWidensWithTheRightCount)
{
    const ScreenLayout boxes = mc(BoxLayout::Boxes1);
    const ScreenLayout classic = mc(BoxLayout::Classic);
    const struct {
        int count;
        int boxWidth;
        int classicWidth;
    } cases[] = {{0, 35, 30}, {99, 35, 30}, {100, 50, 45}, {999, 50, 45}, {1000, 65, 60}, {123456, 65, 60}};
    for (const auto& c : cases) {
        const Rect box = boxes.counterBox(c.count, false);
        EXPECT_EQ(box.width(), c.boxWidth) << c.count;
        EXPECT_EQ(box.height(), 35);
        EXPECT_EQ(box.right, 790);
        EXPECT_EQ(box.top, 22);
        EXPECT_EQ(classic.counterBox(c.count, true), Rect::fromSize(12, 12, c.classicWidth, 30)) << c.count;
    }
    EXPECT_EQ(boxes.counterBox(1000, true), Rect::fromSize(10, 22, 65, 35));
}

TEST(ScreenLayout, SoundIconsSitInTheBoxCorners)
{
    const ScreenLayout layout = mc(BoxLayout::Boxes1);
    EXPECT_EQ(layout.answerSoundIcon(0, layout.answerBox(0)), Rect::fromSize(12, 381, 14, 14));
    EXPECT_EQ(layout.questionSoundIcon(), Rect::fromSize(774, 7, 14, 14));
    const auto boxes = layout.answerBoxes();
    EXPECT_EQ(layout.hitTestAnswerSoundIcon({13, 382}, boxes), 0);
    EXPECT_EQ(layout.hitTestAnswerSoundIcon({404, 578 + 2}, boxes), 3);
    EXPECT_EQ(layout.hitTestAnswerSoundIcon({100, 300}, boxes), -1);

    const ScreenLayout classic = mc(BoxLayout::Classic);
    EXPECT_EQ(classic.hitTestAnswerSoundIcon({25, 250}, {}), 2); // counts whether an icon is shown or not

    const ScreenLayout trueFalse(800, 600, BoxLayout::Boxes1, QuizMode::TrueFalse);
    EXPECT_EQ(trueFalse.hitTestAnswerSoundIcon({3, 2}, trueFalse.answerBoxes()), -1); // unused boxes
}

TEST(ScreenLayout, HitTestingPicksTheFirstBoxAndRespectsEdges)
{
    const ScreenLayout layout = mc(BoxLayout::Boxes1);
    const auto boxes = layout.answerBoxes();
    EXPECT_EQ(layout.hitTest({10, 205}, boxes), 0);
    EXPECT_EQ(layout.hitTest({396, 396}, boxes), 0);
    EXPECT_EQ(layout.hitTest({397, 300}, boxes), -1); // the column gap
    EXPECT_EQ(layout.hitTest({500, 500}, boxes), 3);
    EXPECT_EQ(layout.hitTest({400, 100}, boxes), -1); // the question is no answer
    const std::array<Rect, 4> overlapping{Rect{0, 0, 50, 50}, Rect{0, 0, 100, 100}, Rect{}, Rect{}};
    EXPECT_EQ(layout.hitTest({10, 10}, overlapping), 0);
    EXPECT_EQ(layout.hitTest({60, 60}, overlapping), 1);
}

TEST(ScreenLayout, TrueFalseHitsOnlyTheButtons)
{
    const ScreenLayout layout(800, 600, BoxLayout::Boxes1, QuizMode::TrueFalse);
    const auto boxes = layout.answerBoxes();
    EXPECT_EQ(layout.hitTest({350, 510}, boxes), 0);
    EXPECT_EQ(layout.hitTest({450, 510}, boxes), 1);
    EXPECT_EQ(layout.hitTest({400, 300}, boxes), -1); // the statement box
    EXPECT_EQ(layout.hitTest({400, 510}, boxes), -1); // between the buttons
}

TEST(ScreenLayout, LayoutInForceFromTheVisualStyle)
{
    SeededRandom random(12);
    EXPECT_EQ(ScreenLayout::layoutForStyle(1, random), BoxLayout::Classic);
    EXPECT_EQ(ScreenLayout::layoutForStyle(2, random), BoxLayout::Boxes1);
    EXPECT_EQ(ScreenLayout::layoutForStyle(5, random), BoxLayout::Boxes4);
    EXPECT_EQ(ScreenLayout::layoutForStyle(17, random), BoxLayout::Boxes1);
    std::set<BoxLayout> drawn;
    for (int i = 0; i < 100; ++i)
        drawn.insert(ScreenLayout::layoutForStyle(0, random));
    EXPECT_EQ(drawn, (std::set<BoxLayout>{BoxLayout::Boxes1, BoxLayout::Boxes2, BoxLayout::Boxes3,
                                          BoxLayout::Boxes4}));
}

} // namespace
} // namespace brainlark

namespace brainlark
{
namespace
{

TEST(ScreenLayoutText, AnswerBoxTexts)
{
    Pair silent("q", "answer");
    Pair spoken("q", "spoken");
    spoken.setSoundPath("spoken.wav", 2);
    const AppFlags hide(AppFlags::HideText, 0);
    const ScreenLayout boxes(800, 600, BoxLayout::Boxes1, QuizMode::MultipleChoice);
    EXPECT_EQ(boxes.answerText(silent, hide), "answer");
    EXPECT_EQ(boxes.answerText(spoken, hide), "");
    EXPECT_EQ(boxes.answerText(spoken, AppFlags()), "spoken");

    // Reversed, the answer side's sound is the first one.
    Pair reversed = spoken;
    reversed.setReversed(true);
    EXPECT_EQ(boxes.answerText(reversed, hide), "q");

    const ScreenLayout classic(800, 600, BoxLayout::Classic, QuizMode::MultipleChoice);
    EXPECT_EQ(classic.answerText(silent, AppFlags()), "\xE2\x80\xA2 answer");
    const ScreenLayout typeIn(800, 600, BoxLayout::Boxes1, QuizMode::TypeIn);
    EXPECT_EQ(typeIn.answerText(silent, AppFlags()), "");
    const ScreenLayout trueFalse(800, 600, BoxLayout::Classic, QuizMode::TrueFalse);
    EXPECT_EQ(trueFalse.answerText(silent, AppFlags()), "answer");
}

TEST(ScreenLayoutText, FormatsByLayout)
{
    const unsigned centred = TextBox::AlignCenter | TextBox::WordBreak | TextBox::ExpandTabs;
    const unsigned left = TextBox::AlignLeft | TextBox::WordBreak | TextBox::ExpandTabs;
    EXPECT_EQ(ScreenLayout(800, 600, BoxLayout::Boxes1, QuizMode::MultipleChoice).boxFormat(), centred);
    EXPECT_EQ(ScreenLayout(800, 600, BoxLayout::Boxes4, QuizMode::MultipleChoice).boxFormat(), left);
    EXPECT_EQ(ScreenLayout(800, 600, BoxLayout::Boxes4, QuizMode::MultipleChoice).questionFormat(), left);
    EXPECT_EQ(ScreenLayout(800, 600, BoxLayout::Boxes4, QuizMode::TrueFalse).boxFormat(), centred);
    EXPECT_EQ(ScreenLayout(800, 600, BoxLayout::Classic, QuizMode::MultipleChoice).questionFormat(),
              static_cast<unsigned>(TextBox::VCenter | TextBox::WordBreak));
}

} // namespace
} // namespace brainlark
