#pragma once

#include <string>
#include <vector>

#include "quiz/engine/appflags.h"
#include "quiz/engine/feedbackstep.h"
#include "quiz/engine/quiztypes.h"

namespace brainlark
{

/// Builds the feedback timelines of the question cycle as data.
class FeedbackPlan
{
public:
    /// The state that decides the advance after a judged answer.
    struct Input {
        bool right = false;
        /// For a wrong answer: whether the question closes (QuizSession::movesOnAfterWrong).
        bool movesOn = false;
        /// The session's missed flag when the advance starts; a wrong answer that moves on always counts
        /// as missed.
        bool missed = false;
        QuizMode mode = QuizMode::MultipleChoice;
        /// The Classic layout is in force (only counts in the Multiple-choice mode).
        bool classicLayout = false;
        bool alertDue = false;
        AppFlags flags;
    };

    static constexpr int CounterFlashFrames = 99;
    static constexpr int CounterFlashFrameMs = 20;
    static constexpr int TransitionMs = 1000;

    /// Button release after a judged click: right → normal look, right style, "r" played to its end;
    /// wrong → the box is redrawn alone with its wrong colour.
    static std::vector<FeedbackStep> release(bool right);
    /// The advance after the release: alert, closing of the question, next question, sound, status.
    static std::vector<FeedbackStep> advance(const Input& input);
    /// Steps 2-5 of the advance, shared by a right answer and a wrong answer that moves on.
    static std::vector<FeedbackStep> closeAndNext(const Input& input, bool missed);
    /// Sum of all pauses, transitions and counter-flash frames (the reminder card and sounds excluded).
    static int plannedMs(const std::vector<FeedbackStep>& steps);

private:
    static void appendAlert(std::vector<FeedbackStep>& steps, const Input& input);
    static void appendClosing(std::vector<FeedbackStep>& steps, const Input& input, bool missed);
};

} // namespace brainlark
