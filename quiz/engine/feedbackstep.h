#pragma once

#include <string>

#include "quiz/engine/quiztypes.h"

namespace brainlark
{

/// One step of the feedback that follows a judged answer. The quiz view executes the steps in order;
/// pauses and animations run through the pause service, so tests see the exact timeline.
struct FeedbackStep {
    enum class Action {
        Pause,                  ///< ms
        PlaySound,              ///< sound, async (false = wait until it ends)
        RestoreHitBox,          ///< the hit box gets its normal look back (shadow depth 1)
        RedrawHitBoxRight,      ///< the hit box drawn in the right-answer style
        InvalidateHitBox,       ///< partial redraw of the wrongly answered box (keeps its wrong colour)
        RedrawCounter,          ///< Smart Counter with the new right count
        Banner,                 ///< Smart Counter banner animation (box layouts), then the side toggles
        CounterFlash,           ///< frames × ms outline flash of the counter (Classic)
        Reverse,                ///< swap questions and answers without building a question
        Transition,             ///< transition effect of a random kind to the background colour, ms long
        ReminderCard,           ///< the reminder card of the question just closed
        ClearMissed,            ///< clear the missed flag
        SetMissed,              ///< set the missed flag
        InvalidateQuestionBand, ///< Classic: the band of the question down to 10 px below it
        ShowNextQuestion,       ///< build, lay out and draw the next question
        PlayQuestionSound,      ///< the new question's sound, asynchronously, when it has one
        FocusMainFrame,         ///< give the keyboard focus back to the main frame
        UpdateStatus,           ///< status text "Right: %d - Wrong: %d" and the list status
        ArmAutoAnswerTimer,     ///< re-arm the automatic-answer timer when that option is on
    };

    Action action = Action::Pause;
    int ms = 0;
    int frames = 0;
    EventSound sound = EventSound::Wrong;
    bool async = false;

    static FeedbackStep pause(int ms);
    static FeedbackStep play(EventSound sound, bool async);
    static FeedbackStep transition(int ms);
    static FeedbackStep counterFlash(int frames, int frameMs);
    static FeedbackStep of(Action action);

    bool operator==(const FeedbackStep& other) const;
    /// Readable form for logs and test failures, e.g. "pause 800", "play r sync".
    std::string toString() const;
};

} // namespace brainlark
