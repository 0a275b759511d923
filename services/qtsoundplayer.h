#pragma once

#include "services/soundplayer.h"

#include <memory>

class QTimer;

class QSoundEffect;

namespace brainlark
{

/// WAV playback through QSoundEffect. The end of a sound is reported when the effect stops playing or
/// fails, and never later than the file's length plus one second, so a broken audio device cannot hold a
/// sequence up for good.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const QString& wavPath, Ended ended = {}) override;
    void stop() override;

    /// Length of a PCM WAV file from its header; -1 when the file is missing or not a WAV file.
    static int wavDurationMs(const QString& wavPath);

private:
    void watchEnd(int timeoutMs);
    void reportEnd();

    std::unique_ptr<QSoundEffect> m_effect;
    std::unique_ptr<QTimer> m_timeout;
    Ended m_ended;
};

} // namespace brainlark
