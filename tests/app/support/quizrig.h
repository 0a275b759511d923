#pragma once

// A quiz view on a small in-memory list with recording services: virtual time moves the manual clock (so
// animation pacing sees real frame times), and pauses land in one timeline with the sounds and messages.

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

/// Writes a list of pairs q0/a0, q1/a1, … to path; returns the path.
QString writeList(const QString& path, int pairs);

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
    RecordingSpeaker speaker;
    RecordingShellOpener shell;
    VirtualScheduler scheduler;
    QStringList timeline;
    AppSettings settings{random};
    Services services;
    PairList list;
    std::unique_ptr<QuizView> view;
    QStringList statusTexts;
};

} // namespace brainlark::testing
