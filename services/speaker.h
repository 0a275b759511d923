#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <functional>

namespace brainlark
{

/// Reads texts aloud with the system's voices. say() returns at once; ended, when given, is called once
/// from the event loop when the text has been read, was cut off by another say() or stop(), or could not be
/// read. Speaking a text ends the one being read.
class Speaker
{
public:
    enum class State { Ready, Speaking, Unavailable };
    using Ended = std::function<void()>;

    virtual ~Speaker() = default;
    /// Reads text with a voice for the locale's language; rate from -1 (slowest) to 1 (fastest), 0 normal.
    virtual void say(const QString& text, const QLocale& locale, double rate, Ended ended = {}) = 0;
    virtual void stop() = 0;
    /// Unavailable: no speech engine answers (none installed, or its service cannot be reached).
    virtual State state() const = 0;
    /// The languages the engine has voices for (empty when it is unavailable).
    virtual QList<QLocale> availableLocales() const = 0;
    /// Whether a voice speaks the locale's language (the country need not match).
    bool hasVoiceFor(const QLocale& locale) const;
};

} // namespace brainlark
