#pragma once

#include <QString>

namespace brainlark
{

/// Plays WAV files. Synchronous playback returns when the sound has ended (input waits meanwhile);
/// asynchronous returns at once. Starting a sound ends the one playing. A missing file plays nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& wavPath, bool wait) = 0;
    virtual void stop() = 0;
};

} // namespace brainlark
