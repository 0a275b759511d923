#pragma once

// A quiz view on a small in-memory list with recording services: pauses advance the manual clock (so
// animation pacing sees real frame times) and land in one timeline with the sounds and messages.

#include "settings/appsettings.h"
#include "services/services.h"
#include "core/clock.h"
#include "core/pairlist.h"
#include "quiz/ui/quizview.h"
#include "support/fakes.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace brainlark::testing
{

/// Records each pause and moves the clock on by it.
class ClockPauser : public Pauser
{
public:
    explicit ClockPauser(ManualClock& clock) : m_clock(clock) {}
    void pause(int ms) override
    {
        pauses.append(ms);
        if (timeline)
            timeline->append(QStringLiteral("pause:%1").arg(ms));
        m_clock.advanceMs(ms);
        if (duringPause)
            duringPause();
    }
    QList<int> pauses;
    QStringList* timeline = nullptr;
    /// Runs inside every pause: what the learner does while the screen waits.
    std::function<void()> duringPause;

private:
    ManualClock& m_clock;
};

struct QuizRig {
    explicit QuizRig(int pairs = 6, uint32_t seed = 7);

    /// Index of the box holding the right answer (Multiple-choice), -1 if none.
    int rightBox() const;
    int wrongBox() const;
    /// The list pair being asked.
    const Pair& askedPair() const;
    QPoint boxCentre(int i) const;
    QPoint buttonCentre(int i) const;
    /// Starts a quiz in the mode on a Boxes-1 screen (or the given visual style).
    void startQuiz(int quizMode, int visualStyle = 2);
    /// The file names of the event sounds played, with " async" or " sync".
    QStringList soundLog() const;

    QTemporaryDir folder;
    ScriptedRandom random;
    ManualClock clock;
    RecordingPrompter prompter;
    RecordingSoundPlayer player;
    RecordingShellOpener shell;
    ClockPauser pauser{clock};
    QStringList timeline;
    AppSettings settings{random};
    Services services;
    PairList list;
    std::unique_ptr<QuizView> view;
    QStringList statusTexts;
};

} // namespace brainlark::testing
