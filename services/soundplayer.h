#pragma once

#include <QString>
#include <functional>

namespace brainlark
{

/// Plays WAV files. play() returns at once; ended, when given, is called once from the event loop when
/// the sound has ended, was replaced by another or stopped, or could not play (at once for a missing file).
/// Starting a sound ends the one playing.
class SoundPlayer
{
public:
    using Ended = std::function<void()>;
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& wavPath, Ended ended = {}) = 0;
    virtual void stop() = 0;
};

} // namespace brainlark
