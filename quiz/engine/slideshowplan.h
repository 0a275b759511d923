#pragma once

#include <string>
#include <vector>

#include "core/randomsource.h"
#include "quiz/engine/appflags.h"

namespace brainlark
{

/// The slideshow's rules without drawing: the order of the cards, the pace from the stored delay, and
/// each card's timeline as steps that the screen runs through its pause service.
class SlideshowPlan
{
public:
    static constexpr int OpeningTransitionMs = 500;
    static constexpr int TitleLayerPauseMs = 200;
    static constexpr int AfterTitlePauseMs = 100;
    static constexpr int BeforeFirstCardMs = 300;
    static constexpr int CardEntryMs = 700;
    static constexpr int CardExitMs = 500;

    struct Step {
        enum class Action {
            DrawCard,          ///< the card enters (ms > 0: its entry animation), answer hidden until ShowAnswer
            Pause,             ///< ms
            PlayQuestionSound, ///< the pair's first sound, to its end (nothing without one)
            PlayAnswerSound,   ///< the pair's second sound, to its end
            ShowAnswer,        ///< the delayed answer appears on the card
            CardLeaves,        ///< the card's exit animation, ms long
        };
        Action action = Action::Pause;
        int ms = 0;

        bool operator==(const Step& other) const { return action == other.action && ms == other.ms; }
        /// Readable form for test failures, e.g. "pause 500", "card 700".
        std::string toString() const;
    };

    /// What decides a card's timeline besides the pace.
    struct CardInput {
        AppFlags flags;
        /// The pair has a second sound file (the answer's).
        bool hasAnswerSound = false;
    };

    /// storedDelay is the "slideshow delay" setting: seconds, negative for manual stepping. A delay of 0
    /// counts as manual too: an automatic show without a period would never move on.
    explicit SlideshowPlan(int storedDelay);

    bool isManual() const { return m_manual; }
    /// |delay| in seconds.
    int seconds() const { return m_seconds; }
    /// The automatic card timer's period: delay × 1000 + 1000 ms.
    int timerPeriodMs() const { return m_seconds * 1000 + 1000; }
    /// How long an automatic card stays after its sounds (delay × 1000 ms).
    int cardMs() const { return m_seconds * 1000; }
    /// How long the answer waits when delayed: |delay| × 500 ms in both modes.
    int answerDelayMs() const { return m_seconds * 500; }

    /// 0 … n−1, or with random order a uniform shuffle of all of them.
    static std::vector<int> order(int n, bool randomOrder, RandomSource& random);

    /// A manual card: it enters, the question sound (500 ms before, 300 ms after), the delayed answer,
    /// the answer sound (300 ms before it unless the question sound played).
    std::vector<Step> manualCard(const CardInput& input) const;
    /// An automatic card: it enters, the question sound (200 ms before and after), the delayed answer,
    /// the answer sound (200 ms before it unless the question sound played), the card's stay and its
    /// exit with animations on.
    std::vector<Step> automaticCard(const CardInput& input) const;
    /// The card leaving before a manual advance: its exit animation with animations on, else nothing.
    static std::vector<Step> manualExit(const AppFlags& flags);

    /// Sum of the pauses and animations.
    static int plannedMs(const std::vector<Step>& steps);

private:
    std::vector<Step> card(const CardInput& input, int soundPause, int afterQuestionSound,
                           int answerSoundPause) const;

    bool m_manual = true;
    int m_seconds = 0;
};

} // namespace brainlark
