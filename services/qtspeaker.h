#pragma once

#include "services/speaker.h"

#include <QObject>
#include <memory>

class QTextToSpeech;

namespace brainlark
{

/// The speaker over Qt's text-to-speech. The engine is started on first use: the system's default one,
/// else the first other engine that answers (speech-dispatcher may be installed without its service
/// running, while flite always speaks).
class QtSpeaker : public QObject, public Speaker
{
    Q_OBJECT
public:
    QtSpeaker();
    ~QtSpeaker() override;

    void say(const QString& text, const QLocale& locale, double rate, Ended ended = {}) override;
    void stop() override;
    State state() const override;
    QList<QLocale> availableLocales() const override;

private:
    QTextToSpeech* engine() const;
    QTextToSpeech* startEngine();
    void finish();

    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_started = false;
    Ended m_ended;
    bool m_speaking = false;
};

} // namespace brainlark
