#include "support/fakes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace brainlark::testing
{

namespace
{
void log(QStringList* timeline, const QString& entry)
{
    if (timeline)
        timeline->append(entry);
}
} // namespace

int RecordingPrompter::message(const QString& text, Icon icon, Buttons buttons)
{
    messages.append({text, icon, buttons});
    log(timeline, "message:" + text);
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Yes : Ok;
}

Prompter::GuideAnswer RecordingPrompter::guide(GuideKind kind, const QString& text, int helpContext)
{
    guides.append({kind, text, helpContext});
    log(timeline, "guide:" + text);
    if (!guideAnswers.isEmpty())
        return guideAnswers.takeFirst();
    return GuideAnswer{kind == GuideKind::YesNoHelp ? int(Yes) : int(Ok), false};
}

QString RecordingPrompter::openFileName(const QString& title, const QString& folder, const QString& filter)
{
    fileRequests.append({false, title, folder, filter, QString()});
    log(timeline, "open-file:" + title);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString RecordingPrompter::saveFileName(const QString& title, const QString& startPath, const QString& filter,
                                        const QString& defaultSuffix)
{
    fileRequests.append({true, title, startPath, filter, defaultSuffix});
    log(timeline, "save-file:" + title);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

std::optional<QColor> RecordingPrompter::chooseColor(const QColor&, const QString& title)
{
    ++colorRequests;
    log(timeline, "color:" + title);
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
}

std::optional<QFont> RecordingPrompter::chooseFont(const QFont&, const QString& title, unsigned filters)
{
    ++fontRequests;
    fontTitles.append(title);
    fontFilters.append(filters);
    log(timeline, "font:" + title);
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.takeFirst();
}

std::optional<QString> RecordingPrompter::askPassword()
{
    ++passwordRequests;
    log(timeline, "password");
    return passwordAnswers.isEmpty() ? std::nullopt : passwordAnswers.takeFirst();
}

QStringList RecordingPrompter::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts.append(m.text);
    return texts;
}

void RecordingSoundPlayer::play(const QString& wavPath, Ended ended)
{
    plays.append({wavPath, bool(ended)});
    log(timeline, QStringLiteral("sound:%1:%2").arg(QFileInfo(wavPath).fileName(), ended ? "sync" : "async"));
    if (!ended)
        return;
    if (scheduler && soundMs > 0)
        scheduler->after(soundMs, Scheduler::Purpose::Other, std::move(ended));
    else
        ended();
}

void RecordingSoundPlayer::stop()
{
    ++stops;
    log(timeline, "sound-stop");
}

QStringList RecordingSoundPlayer::fileNames() const
{
    QStringList names;
    for (const Play& p : plays)
        names.append(QFileInfo(p.path).fileName());
    return names;
}

Scheduler::Id VirtualScheduler::after(int ms, Purpose purpose, std::function<void()> callback)
{
    ms = std::max(ms, 0);
    if (purpose == Purpose::Pause && ms > 0) {
        pauses.append(ms);
        log(timeline, QStringLiteral("pause:%1").arg(ms));
    }
    const Id id = ++m_next;
    Call call{m_now + ms, id, purpose, std::move(callback)};
    if (eager)
        fire(std::move(call));
    else
        m_pending.push_back(std::move(call));
    return id;
}

void VirtualScheduler::cancel(Id id)
{
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(), [id](const Call& c) { return c.id == id; }),
                    m_pending.end());
}

void VirtualScheduler::fire(Call call)
{
    if (clock && call.due > m_now)
        clock->advanceMs(call.due - m_now);
    m_now = std::max(m_now, call.due);
    if (call.purpose == Purpose::Pause && duringPause)
        duringPause();
    call.callback();
}

void VirtualScheduler::advance(int ms)
{
    const int64_t until = m_now + std::max(ms, 0);
    for (;;) {
        auto next = std::min_element(m_pending.begin(), m_pending.end(), [](const Call& a, const Call& b) {
            return a.due != b.due ? a.due < b.due : a.id < b.id;
        });
        if (next == m_pending.end() || next->due > until)
            break;
        Call call = std::move(*next);
        m_pending.erase(next);
        fire(std::move(call));
    }
    if (clock && until > m_now)
        clock->advanceMs(until - m_now);
    m_now = until;
}

int VirtualScheduler::settle()
{
    const int64_t start = m_now;
    for (int guard = 0; !m_pending.empty() && guard < 1000000; ++guard)
        advance(nextDueIn());
    return int(m_now - start);
}

int VirtualScheduler::nextDueIn() const
{
    int64_t due = -1;
    for (const Call& c : m_pending)
        if (due < 0 || c.due < due)
            due = c.due;
    return due < 0 ? -1 : int(due - m_now);
}

int VirtualScheduler::totalMs() const
{
    int total = 0;
    for (int ms : pauses)
        total += ms;
    return total;
}

bool RecordingShellOpener::open(const QString& pathOrUrl)
{
    opened.append(pathOrUrl);
    log(timeline, "open:" + pathOrUrl);
    return succeeds;
}

void RecordingSpeaker::say(const QString& text, const QLocale& locale, double rate, Ended ended)
{
    if (Ended cut = std::exchange(m_pending, {}))
        cut();
    said.append(locale.bcp47Name() + ":" + text);
    rates.append(rate);
    if (holding)
        m_pending = std::move(ended);
    else if (ended)
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(ended), Qt::QueuedConnection);
}

void RecordingSpeaker::stop()
{
    ++stops;
    if (Ended ended = std::exchange(m_pending, {}))
        ended();
}

uint32_t ScriptedRandom::next()
{
    ++m_draws;
    if (!m_values.isEmpty())
        return m_values.takeFirst();
    return m_fallback.next();
}

} // namespace brainlark::testing
