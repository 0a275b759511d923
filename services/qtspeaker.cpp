#include "services/qtspeaker.h"

#include <QTextToSpeech>
#include <QTimer>
#include <QVoice>
#include <algorithm>

namespace brainlark
{

QtSpeaker::QtSpeaker() = default;

QtSpeaker::~QtSpeaker()
{
    m_ended = {};
    if (m_engine)
        m_engine->disconnect(this);
}

QTextToSpeech* QtSpeaker::engine() const
{
    return m_started ? m_engine.get() : const_cast<QtSpeaker*>(this)->startEngine();
}

QTextToSpeech* QtSpeaker::startEngine()
{
    m_started = true;
    const auto answers = [](QTextToSpeech& engine) {
        return engine.state() != QTextToSpeech::Error && !engine.availableLocales().isEmpty();
    };
    m_engine = std::make_unique<QTextToSpeech>();
    if (!answers(*m_engine)) {
        m_engine.reset();
        const QStringList engines = QTextToSpeech::availableEngines();
        for (const QString& name : engines) {
            auto candidate = std::make_unique<QTextToSpeech>(name);
            if (answers(*candidate)) {
                m_engine = std::move(candidate);
                break;
            }
        }
    }
    if (m_engine)
        connect(m_engine.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (m_speaking && (state == QTextToSpeech::Ready || state == QTextToSpeech::Error))
                finish();
        });
    return m_engine.get();
}

void QtSpeaker::finish()
{
    m_speaking = false;
    Ended ended = std::move(m_ended);
    m_ended = {};
    if (ended)
        ended();
}

void QtSpeaker::say(const QString& text, const QLocale& locale, double rate, Ended ended)
{
    stop();
    QTextToSpeech* tts = engine();
    if (!tts || text.trimmed().isEmpty()) {
        if (ended)
            QTimer::singleShot(0, this, std::move(ended));
        return;
    }
    // A voice of the language, preferring one of the locale's country.
    tts->setLocale(locale);
    if (tts->locale().language() != locale.language()) {
        const QList<QLocale> locales = tts->availableLocales();
        for (const QLocale& candidate : locales)
            if (candidate.language() == locale.language()) {
                tts->setLocale(candidate);
                break;
            }
    }
    tts->setRate(std::clamp(rate, -1.0, 1.0));
    m_ended = std::move(ended);
    m_speaking = true;
    tts->say(text);
}

void QtSpeaker::stop()
{
    if (m_engine && m_speaking)
        m_engine->stop(QTextToSpeech::BoundaryHint::Immediate);
    if (m_speaking)
        finish();
}

Speaker::State QtSpeaker::state() const
{
    QTextToSpeech* tts = engine();
    if (!tts || tts->state() == QTextToSpeech::Error)
        return State::Unavailable;
    return tts->state() == QTextToSpeech::Speaking ? State::Speaking : State::Ready;
}

QList<QLocale> QtSpeaker::availableLocales() const
{
    QTextToSpeech* tts = engine();
    return tts ? tts->availableLocales() : QList<QLocale>{};
}

} // namespace brainlark
