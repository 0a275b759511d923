#include "support/fakes.h"

#include <QFileInfo>

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

void RecordingSoundPlayer::play(const QString& wavPath, bool wait)
{
    plays.append({wavPath, wait});
    log(timeline, QStringLiteral("sound:%1:%2").arg(QFileInfo(wavPath).fileName(), wait ? "sync" : "async"));
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

void RecordingPauser::pause(int ms)
{
    pauses.append(ms);
    log(timeline, QStringLiteral("pause:%1").arg(ms));
}

int RecordingPauser::totalMs() const
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

uint32_t ScriptedRandom::next()
{
    ++m_draws;
    if (!m_values.isEmpty())
        return m_values.takeFirst();
    return m_fallback.next();
}

} // namespace brainlark::testing
