#pragma once

#include "services/soundplayer.h"

#include <memory>

class QSoundEffect;

namespace brainlark
{

/// WAV playback through QSoundEffect. A synchronous play waits in a local loop that leaves user input
/// queued until the sound ends, but never longer than the file's length plus one second, so a broken
/// audio device cannot hang the program.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const QString& wavPath, bool wait) override;
    void stop() override;

    /// Length of a PCM WAV file from its header; -1 when the file is missing or not a WAV file.
    static int wavDurationMs(const QString& wavPath);

private:
    void waitForEnd(int timeoutMs);

    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace brainlark
