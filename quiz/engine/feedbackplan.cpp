#include "quiz/engine/feedbackplan.h"

namespace brainlark
{

namespace
{

using Action = FeedbackStep::Action;

bool boxLayoutInForce(const FeedbackPlan::Input& input)
{
    return input.mode != QuizMode::MultipleChoice || !input.classicLayout;
}

void appendTail(std::vector<FeedbackStep>& steps)
{
    steps.push_back(FeedbackStep::of(Action::UpdateStatus));
    steps.push_back(FeedbackStep::of(Action::ArmAutoAnswerTimer));
}

} // namespace

std::vector<FeedbackStep> FeedbackPlan::release(bool right)
{
    if (!right)
        return {FeedbackStep::of(Action::InvalidateHitBox)};
    return {FeedbackStep::of(Action::RestoreHitBox), FeedbackStep::of(Action::RedrawHitBoxRight),
            FeedbackStep::play(EventSound::Right, false)};
}

std::vector<FeedbackStep> FeedbackPlan::advance(const Input& input)
{
    std::vector<FeedbackStep> steps;
    if (input.right) {
        if (input.flags.fun(AppFlags::SmartCounter))
            steps.push_back(FeedbackStep::of(Action::RedrawCounter));
        if (input.alertDue)
            appendAlert(steps, input);
        const std::vector<FeedbackStep> rest = closeAndNext(input, input.missed);
        steps.insert(steps.end(), rest.begin(), rest.end());
    } else if (input.movesOn) {
        steps.push_back(FeedbackStep::of(Action::SetMissed));
        const std::vector<FeedbackStep> rest = closeAndNext(input, true);
        steps.insert(steps.end(), rest.begin(), rest.end());
        steps.push_back(FeedbackStep::of(Action::FocusMainFrame));
    }
    appendTail(steps);
    return steps;
}

void FeedbackPlan::appendAlert(std::vector<FeedbackStep>& steps, const Input& input)
{
    if (input.flags.fun(AppFlags::UpbeatMusic))
        steps.push_back(FeedbackStep::play(EventSound::Happy, true));
    if (boxLayoutInForce(input)) {
        if (input.flags.fun(AppFlags::BannerAnimation))
            steps.push_back(FeedbackStep::of(Action::Banner));
    } else {
        steps.push_back(FeedbackStep::counterFlash(CounterFlashFrames, CounterFlashFrameMs));
    }
    steps.push_back(FeedbackStep::pause(200));
    if (input.flags.fun(AppFlags::ReverseOnAlert))
        steps.push_back(FeedbackStep::of(Action::Reverse));
}

std::vector<FeedbackStep> FeedbackPlan::closeAndNext(const Input& input, bool missed)
{
    std::vector<FeedbackStep> steps;
    appendClosing(steps, input, missed);
    if (!boxLayoutInForce(input))
        steps.push_back(FeedbackStep::of(Action::InvalidateQuestionBand));
    steps.push_back(FeedbackStep::of(Action::ShowNextQuestion));
    if (input.flags.fun(AppFlags::AutoPlayQuestionSound)) {
        steps.push_back(FeedbackStep::pause(200));
        steps.push_back(FeedbackStep::of(Action::PlayQuestionSound));
    } else {
        steps.push_back(FeedbackStep::pause(100));
    }
    return steps;
}

void FeedbackPlan::appendClosing(std::vector<FeedbackStep>& steps, const Input& input, bool missed)
{
    const AppFlags& f = input.flags;
    const bool transition = f.fun(AppFlags::Transition);
    if (!missed) {
        if (transition) {
            steps.push_back(FeedbackStep::pause(800));
            steps.push_back(FeedbackStep::transition(TransitionMs));
            steps.push_back(FeedbackStep::pause(200));
        }
        return;
    }
    const bool card = f.fun(AppFlags::ReminderCard);
    const bool typeinCard = input.mode == QuizMode::TypeIn && f.fun2(AppFlags::TypeinReminderCard);
    if (card || typeinCard) {
        steps.push_back(FeedbackStep::pause(800));
        steps.push_back(FeedbackStep::transition(TransitionMs));
        steps.push_back(FeedbackStep::of(Action::ReminderCard));
        steps.push_back(FeedbackStep::pause(200));
    } else if (transition) {
        steps.push_back(FeedbackStep::pause(800));
        steps.push_back(FeedbackStep::transition(TransitionMs));
        steps.push_back(FeedbackStep::pause(200));
    }
    // Without card and transition the learner still gets a moment to see the answer.
    if (!card && !transition)
        steps.push_back(FeedbackStep::pause(500));
    steps.push_back(FeedbackStep::of(Action::ClearMissed));
}

int FeedbackPlan::plannedMs(const std::vector<FeedbackStep>& steps)
{
    int total = 0;
    for (const FeedbackStep& step : steps) {
        if (step.action == Action::Pause || step.action == Action::Transition)
            total += step.ms;
        else if (step.action == Action::CounterFlash)
            total += step.frames * step.ms;
    }
    return total;
}

} // namespace brainlark
