#include "quiz/engine/feedbackstep.h"

namespace brainlark
{

namespace
{

const char* soundStem(EventSound sound)
{
    static const char* const stems[] = {"w", "r", "card", "tranz", "hint", "happy", "anim"};
    const int i = static_cast<int>(sound);
    return i >= 0 && i < 7 ? stems[i] : "?";
}

const char* actionName(FeedbackStep::Action action)
{
    using A = FeedbackStep::Action;
    switch (action) {
    case A::Pause:
        return "pause";
    case A::PlaySound:
        return "play";
    case A::RestoreHitBox:
        return "restore box";
    case A::RedrawHitBoxRight:
        return "redraw box right";
    case A::InvalidateHitBox:
        return "invalidate box";
    case A::RedrawCounter:
        return "redraw counter";
    case A::Banner:
        return "banner";
    case A::CounterFlash:
        return "counter flash";
    case A::Reverse:
        return "reverse";
    case A::Transition:
        return "transition";
    case A::ReminderCard:
        return "reminder card";
    case A::ClearMissed:
        return "clear missed";
    case A::SetMissed:
        return "set missed";
    case A::InvalidateQuestionBand:
        return "invalidate question band";
    case A::ShowNextQuestion:
        return "next question";
    case A::PlayQuestionSound:
        return "play question sound";
    case A::FocusMainFrame:
        return "focus main frame";
    case A::UpdateStatus:
        return "update status";
    case A::ArmAutoAnswerTimer:
        return "arm auto-answer timer";
    }
    return "?";
}

} // namespace

FeedbackStep FeedbackStep::pause(int ms)
{
    FeedbackStep step;
    step.action = Action::Pause;
    step.ms = ms;
    return step;
}

FeedbackStep FeedbackStep::play(EventSound sound, bool async)
{
    FeedbackStep step;
    step.action = Action::PlaySound;
    step.sound = sound;
    step.async = async;
    return step;
}

FeedbackStep FeedbackStep::transition(int ms)
{
    FeedbackStep step;
    step.action = Action::Transition;
    step.ms = ms;
    return step;
}

FeedbackStep FeedbackStep::counterFlash(int frames, int frameMs)
{
    FeedbackStep step;
    step.action = Action::CounterFlash;
    step.frames = frames;
    step.ms = frameMs;
    return step;
}

FeedbackStep FeedbackStep::of(Action action)
{
    FeedbackStep step;
    step.action = action;
    return step;
}

bool FeedbackStep::operator==(const FeedbackStep& other) const
{
    return action == other.action && ms == other.ms && frames == other.frames && sound == other.sound &&
           async == other.async;
}

std::string FeedbackStep::toString() const
{
    std::string text = actionName(action);
    switch (action) {
    case Action::Pause:
    case Action::Transition:
        return text + " " + std::to_string(ms);
    case Action::PlaySound:
        return text + " " + soundStem(sound) + (async ? " async" : " sync");
    case Action::CounterFlash:
        return text + " " + std::to_string(frames) + "x" + std::to_string(ms);
    default:
        return text;
    }
}

} // namespace brainlark
