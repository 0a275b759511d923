#include "quiz/engine/feedbackplan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brainlark
{
namespace
{

std::vector<std::string> timeline(const std::vector<FeedbackStep>& steps)
{
    std::vector<std::string> lines;
    for (const FeedbackStep& step : steps)
        lines.push_back(step.toString());
    return lines;
}

FeedbackPlan::Input rightAnswer(uint32_t fun, uint32_t fun2 = 0)
{
    FeedbackPlan::Input input;
    input.right = true;
    input.flags = AppFlags(fun, fun2);
    return input;
}

using Lines = std::vector<std::string>;

TEST(FeedbackPlan, ReleaseOfARightAndAWrongClick)
{
    EXPECT_EQ(timeline(FeedbackPlan::release(true)),
              (Lines{"restore box", "redraw box right", "play r sync"}));
    EXPECT_EQ(timeline(FeedbackPlan::release(false)), (Lines{"invalidate box"}));
}

TEST(FeedbackPlan, PlainRightAnswerWithoutOptions)
{
    EXPECT_EQ(timeline(FeedbackPlan::advance(rightAnswer(0))),
              (Lines{"next question", "pause 100", "update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, RightAnswerWithTransitionAndAutoPlay)
{
    const uint32_t fun = AppFlags::Transition | AppFlags::AutoPlayQuestionSound | AppFlags::SmartCounter;
    EXPECT_EQ(timeline(FeedbackPlan::advance(rightAnswer(fun))),
              (Lines{"redraw counter", "pause 800", "transition 1000", "pause 200", "next question",
                     "pause 200", "play question sound", "update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, MissedQuestionWithReminderCard)
{
    FeedbackPlan::Input input = rightAnswer(AppFlags::ReminderCard | AppFlags::Transition);
    input.missed = true;
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"pause 800", "transition 1000", "reminder card", "pause 200", "clear missed",
                     "next question", "pause 100", "update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, MissedQuestionWithTransitionOnly)
{
    FeedbackPlan::Input input = rightAnswer(AppFlags::Transition);
    input.missed = true;
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"pause 800", "transition 1000", "pause 200", "clear missed", "next question",
                     "pause 100", "update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, MissedQuestionWithoutCardOrTransitionPausesHalfASecond)
{
    FeedbackPlan::Input input = rightAnswer(0);
    input.missed = true;
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"pause 500", "clear missed", "next question", "pause 100", "update status",
                     "arm auto-answer timer"}));
}

TEST(FeedbackPlan, TypeInReminderCardComesFromTheSecondWord)
{
    FeedbackPlan::Input input = rightAnswer(0, AppFlags::TypeinReminderCard);
    input.missed = true;
    input.mode = QuizMode::TypeIn;
    EXPECT_EQ(timeline(FeedbackPlan::closeAndNext(input, true)),
              (Lines{"pause 800", "transition 1000", "reminder card", "pause 200", "pause 500",
                     "clear missed", "next question", "pause 100"}));
    input.mode = QuizMode::MultipleChoice; // the type-in option does not reach other modes
    EXPECT_EQ(timeline(FeedbackPlan::closeAndNext(input, true)),
              (Lines{"pause 500", "clear missed", "next question", "pause 100"}));
}

TEST(FeedbackPlan, AlertInABoxLayout)
{
    const uint32_t fun =
        AppFlags::SmartCounter | AppFlags::UpbeatMusic | AppFlags::BannerAnimation | AppFlags::ReverseOnAlert;
    FeedbackPlan::Input input = rightAnswer(fun);
    input.alertDue = true;
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"redraw counter", "play happy async", "banner", "pause 200", "reverse", "next question",
                     "pause 100", "update status", "arm auto-answer timer"}));
    input.flags = AppFlags(AppFlags::SmartCounter, 0);
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"redraw counter", "pause 200", "next question", "pause 100", "update status",
                     "arm auto-answer timer"}));
}

TEST(FeedbackPlan, AlertInTheClassicLayoutFlashesTheCounter)
{
    FeedbackPlan::Input input = rightAnswer(AppFlags::SmartCounter | AppFlags::BannerAnimation);
    input.alertDue = true;
    input.classicLayout = true;
    const std::vector<FeedbackStep> steps = FeedbackPlan::advance(input);
    EXPECT_EQ(timeline(steps),
              (Lines{"redraw counter", "counter flash 99x20", "pause 200", "invalidate question band",
                     "next question", "pause 100", "update status", "arm auto-answer timer"}));
    EXPECT_EQ(FeedbackPlan::plannedMs(steps), 99 * 20 + 200 + 100);
}

TEST(FeedbackPlan, TrueFalseIgnoresTheClassicChoice)
{
    FeedbackPlan::Input input = rightAnswer(AppFlags::SmartCounter | AppFlags::BannerAnimation);
    input.alertDue = true;
    input.classicLayout = true;
    input.mode = QuizMode::TrueFalse;
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"redraw counter", "banner", "pause 200", "next question", "pause 100", "update status",
                     "arm auto-answer timer"}));
}

TEST(FeedbackPlan, WrongAnswerThatStays)
{
    FeedbackPlan::Input input;
    input.flags = AppFlags(AppFlags::Transition | AppFlags::ReminderCard, 0);
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)), (Lines{"update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, WrongAnswerThatMovesOnClosesAsMissed)
{
    FeedbackPlan::Input input;
    input.movesOn = true;
    input.classicLayout = true;
    input.flags =
        AppFlags(AppFlags::ReminderCard | AppFlags::SmartCounter | AppFlags::AutoPlayQuestionSound, 0);
    input.alertDue = true; // ignored for a wrong answer
    EXPECT_EQ(timeline(FeedbackPlan::advance(input)),
              (Lines{"set missed", "pause 800", "transition 1000", "reminder card", "pause 200",
                     "clear missed", "invalidate question band", "next question", "pause 200",
                     "play question sound", "focus main frame", "update status", "arm auto-answer timer"}));
}

TEST(FeedbackPlan, TopBitOfTheFlagWordsNeverCounts)
{
    FeedbackPlan::Input input = rightAnswer(0x80000000u, 0x80000000u);
    input.missed = true;
    input.mode = QuizMode::TypeIn;
    EXPECT_EQ(timeline(FeedbackPlan::closeAndNext(input, true)),
              (Lines{"pause 500", "clear missed", "next question", "pause 100"}));
    EXPECT_FALSE(AppFlags::isSet(0xFFFFFFFFu, 0x80000000u));
    EXPECT_TRUE(AppFlags::isSet(0xFFFFFFFFu, 0x40000000u));
}

} // namespace
} // namespace brainlark
