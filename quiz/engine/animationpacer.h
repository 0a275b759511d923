#pragma once

#include <cstdint>
#include <functional>

#include "core/clock.h"

namespace brainlark
{

/// Keeps animations at their nominal duration on slow and fast machines. An animation of D ms at F frames
/// per second draws L = D × F / 1000 frames with a first pause of D / L ms; the pause then adapts to how
/// long each frame really took, and F rises by 2 for later animations when one finished in under 0.8 × D.
/// One pacer lives as long as the view, so the frame rate it learns is kept (it is not stored).
class AnimationPacer
{
public:
    static constexpr int InitialFrameRate = 20;

    explicit AnimationPacer(int frameRate = InitialFrameRate);

    int frameRate() const { return m_frameRate; }

    /// Starts an animation of durationMs: fixes the frame count (at least 1) and the first pause.
    void start(int durationMs);
    int frameCount() const { return m_frames; }
    /// The pause to make after the current frame.
    int pauseMs() const { return m_pause; }
    /// After each frame with e = the ms it took including its pause: halves the pause when e > 2 × pause,
    /// makes it 2 × pause + 2 when e < (D / L) / 2, else keeps it. Returns the new pause.
    int frameDone(int64_t elapsedMs);
    /// After the last frame with the ms the whole animation took.
    void finish(int64_t totalMs);

    /// Runs a whole animation: drawFrame(i, L) for i = 0 … L-1, each followed by pause(pauseMs()), timed
    /// with the clock's milliseconds.
    void run(int durationMs, const Clock& clock, const std::function<void(int frame, int frames)>& drawFrame,
             const std::function<void(int ms)>& pause);

private:
    int m_frameRate;
    int m_duration = 0;
    int m_frames = 1;
    int m_nominalPause = 0;
    int m_pause = 0;
};

} // namespace brainlark
