#pragma once

// Test doubles for the service seams, shared by every app test. Each records what it was asked; the
// prompter and the random source answer from scripts. All of them can also append to one shared
// timeline (a QStringList), so a test can check the order of sounds, pauses and messages together.

#include "core/clock.h"
#include "core/randomsource.h"
#include "services/prompter.h"
#include "services/scheduler.h"
#include "services/services.h"
#include "services/shellopener.h"
#include "services/soundplayer.h"
#include "services/speaker.h"

#include <QList>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace brainlark::testing
{

/// Answers from scripts (lists, taken from the front); when a queue is empty it gives the default answer: the
/// first button (Ok, or Yes for Yes/No boxes), an OK guide without the check box, cancelled choosers.
class RecordingPrompter : public Prompter
{
public:
    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
    };
    struct Guide {
        GuideKind kind;
        QString text;
        int helpContext;
    };
    struct FileRequest {
        bool save;
        QString title;
        QString folderOrPath;
        QString filter;
        QString defaultSuffix;
    };

    int message(const QString& text, Icon icon, Buttons buttons = Buttons::Ok) override;
    GuideAnswer guide(GuideKind kind, const QString& text, int helpContext) override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& startPath, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> chooseFont(const QFont& initial, const QString& title, unsigned filters) override;
    std::optional<QString> askPassword() override;

    QList<int> messageAnswers;
    QList<GuideAnswer> guideAnswers;
    QList<QString> fileAnswers;
    QList<std::optional<QColor>> colorAnswers;
    QList<std::optional<QFont>> fontAnswers;
    QList<std::optional<QString>> passwordAnswers;

    QList<Message> messages;
    QList<Guide> guides;
    QList<FileRequest> fileRequests;
    int colorRequests = 0;
    int fontRequests = 0;
    QStringList fontTitles;
    QList<unsigned> fontFilters;
    int passwordRequests = 0;
    QStringList* timeline = nullptr;

    /// Texts of all message boxes, in order.
    QStringList messageTexts() const;
};

class RecordingSoundPlayer : public SoundPlayer
{
public:
    struct Play {
        QString path;
        bool wait;
    };
    /// A sound someone waits for ends at once, or after soundMs on the scheduler when one is set.
    void play(const QString& wavPath, Ended ended = {}) override;
    void stop() override;

    QList<Play> plays;
    int stops = 0;
    QStringList* timeline = nullptr;
    Scheduler* scheduler = nullptr;
    int soundMs = 0;

    /// File names (without folder) of everything played, in order.
    QStringList fileNames() const;
};

/// Speaks nothing: records what it was asked to read and in which language. Texts end at once (from
/// the event loop) unless holding is set, when they end at the next say() or stop().
class RecordingSpeaker : public Speaker
{
public:
    void say(const QString& text, const QLocale& locale, double rate, Ended ended = {}) override;
    void stop() override;
    State state() const override { return available ? State::Ready : State::Unavailable; }
    QList<QLocale> availableLocales() const override { return available ? locales : QList<QLocale>{}; }

    /// "language:text" of everything said, in order (the language's BCP 47 name).
    QStringList said;
    QList<double> rates;
    int stops = 0;
    bool available = true;
    QList<QLocale> locales{QLocale(QLocale::English), QLocale(QLocale::Russian), QLocale(QLocale::German)};
    bool holding = false;

private:
    Ended m_pending;
};

/// Virtual time for the timelines. Eager (the default) runs each call at once, with its time counted, as
/// if the program never waited; otherwise time passes only in advance() and settle(), so a test can act
/// between any two steps. Pauses are recorded ("pause:N" in the timeline).
class VirtualScheduler : public Scheduler
{
public:
    Id after(int ms, Purpose purpose, std::function<void()> callback) override;
    void cancel(Id id) override;

    /// Lets ms of virtual time pass, running every call that falls due, in time order.
    void advance(int ms);
    /// Runs calls until none is pending; returns the virtual ms that passed.
    int settle();
    bool isWaiting() const { return !m_pending.empty(); }
    /// Ms until the next call is due (−1: none).
    int nextDueIn() const;
    int64_t now() const { return m_now; }
    int totalMs() const;

    bool eager = true;
    QList<int> pauses;
    QStringList* timeline = nullptr;
    /// Moved on with virtual time when set (animation pacing reads it).
    ManualClock* clock = nullptr;
    /// Runs before each pause ends: what the learner does while the screen waits.
    std::function<void()> duringPause;

private:
    struct Call {
        int64_t due;
        Id id;
        Purpose purpose;
        std::function<void()> callback;
    };
    void fire(Call call);

    std::vector<Call> m_pending;
    int64_t m_now = 0;
    Id m_next = 0;
};

class RecordingShellOpener : public ShellOpener
{
public:
    bool open(const QString& pathOrUrl) override;

    QStringList opened;
    /// What open() answers: whether the desktop "found" a program.
    bool succeeds = true;
    QStringList* timeline = nullptr;
};

/// Returns the scripted numbers in order, then falls back to a seeded generator.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<uint32_t> values = {}, uint32_t seed = 1)
        : m_values(std::move(values)), m_fallback(seed)
    {
    }
    uint32_t next() override;
    void push(uint32_t value) { m_values.append(value); }
    int draws() const { return m_draws; }

private:
    QList<uint32_t> m_values;
    SeededRandom m_fallback;
    int m_draws = 0;
};

/// One of each double, for tests that only need the program to run without waiting or popping up windows.
struct FakeServices {
    ManualClock clock;
    ScriptedRandom random;
    RecordingPrompter prompter;
    RecordingShellOpener shell;
    VirtualScheduler scheduler;
    RecordingSoundPlayer sound;
    RecordingSpeaker speaker;

    Services services() { return Services{&clock, &random, &prompter, &shell, &scheduler, &sound, &speaker}; }
};

} // namespace brainlark::testing
