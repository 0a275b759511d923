#include "quiz/engine/newquestionanimation.h"

#include <gtest/gtest.h>

#include <set>

#include "quiz/engine/screenlayout.h"
#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

TEST(NewQuestionAnimation, StylesComeFromTwoDraws)
{
    test::ScriptedRandom random({13, 15});
    const NewQuestionAnimation animation(random, QuizMode::MultipleChoice);
    EXPECT_EQ(animation.questionStyle(), 3); // 13 mod 5
    EXPECT_EQ(animation.entryStyle(), 7);    // 15 mod 8
}

TEST(NewQuestionAnimation, StyleSevenIsMultipleChoiceOnly)
{
    for (QuizMode mode : {QuizMode::TrueFalse, QuizMode::TypeIn}) {
        test::ScriptedRandom random({0, 7});
        EXPECT_EQ(NewQuestionAnimation(random, mode).entryStyle(), NewQuestionAnimation::EnterFromCentre);
    }
    SeededRandom random(3);
    std::set<int> questionStyles;
    std::set<int> entryStyles;
    for (int i = 0; i < 300; ++i) {
        const NewQuestionAnimation a(random, QuizMode::TrueFalse);
        questionStyles.insert(a.questionStyle());
        entryStyles.insert(a.entryStyle());
    }
    EXPECT_EQ(questionStyles, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(entryStyles, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(NewQuestionAnimation, QuestionStartsOutsideOrAtTheCentre)
{
    const Rect box{10, 5, 790, 190};
    EXPECT_EQ(NewQuestionAnimation(0, 0).questionStart(box, 800, 600), (Rect{10, -185, 790, 0}));
    EXPECT_EQ(NewQuestionAnimation(1, 0).questionStart(box, 800, 600), (Rect{800, 5, 1580, 190}));
    EXPECT_EQ(NewQuestionAnimation(2, 0).questionStart(box, 800, 600), (Rect{10, 600, 790, 785}));
    EXPECT_EQ(NewQuestionAnimation(3, 0).questionStart(box, 800, 600), (Rect{-780, 5, 0, 190}));
    const Rect centred = NewQuestionAnimation(4, 0).questionStart(box, 800, 600);
    EXPECT_EQ(centred.center(), (Point{400, 300}));
    EXPECT_EQ(centred.width(), box.width());
}

TEST(NewQuestionAnimation, AnswerBoxesEnterFromOutsideTheView)
{
    const ScreenLayout layout(800, 600, BoxLayout::Boxes1, QuizMode::MultipleChoice);
    const Rect view{0, 0, 800, 600};
    for (int style = 0; style <= 5; ++style) {
        const NewQuestionAnimation animation(0, style);
        for (int i = 0; i < 4; ++i) {
            const Rect box = layout.answerBox(i);
            const Rect start = animation.answerStart(i, box, layout.questionBox(), 800, 600);
            EXPECT_EQ(start.width(), box.width());
            EXPECT_EQ(start.height(), box.height());
            const bool outside = start.right <= view.left || start.left >= view.right ||
                                 start.bottom <= view.top || start.top >= view.bottom;
            EXPECT_TRUE(outside) << "style " << style << " box " << i;
        }
    }
}

TEST(NewQuestionAnimation, StackedStylesStartAtOneCentre)
{
    const ScreenLayout layout(800, 600, BoxLayout::Boxes3, QuizMode::MultipleChoice);
    const NewQuestionAnimation centre(0, 6);
    const NewQuestionAnimation fromQuestion(0, 7);
    for (int i = 0; i < 4; ++i) {
        const Rect box = layout.answerBox(i);
        EXPECT_EQ(centre.answerStart(i, box, layout.questionBox(), 800, 600).center(), (Point{400, 300}));
        EXPECT_EQ(fromQuestion.answerStart(i, box, layout.questionBox(), 800, 600).center(),
                  layout.questionBox().center());
    }
}

TEST(NewQuestionAnimation, BoxesMoveOnAStraightLine)
{
    const Rect from{0, 0, 100, 50};
    const Rect to{200, 100, 300, 150};
    EXPECT_EQ(NewQuestionAnimation::between(from, to, 0, 10), from);
    EXPECT_EQ(NewQuestionAnimation::between(from, to, 5, 10), (Rect{100, 50, 200, 100}));
    EXPECT_EQ(NewQuestionAnimation::between(from, to, 10, 10), to);
    EXPECT_EQ(NewQuestionAnimation::between(from, to, 3, 0), to);
}

} // namespace
} // namespace brainlark
