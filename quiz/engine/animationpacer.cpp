#include "quiz/engine/animationpacer.h"

#include <algorithm>

namespace brainlark
{

AnimationPacer::AnimationPacer(int frameRate) : m_frameRate(std::max(frameRate, 1)) {}

void AnimationPacer::start(int durationMs)
{
    m_duration = std::max(durationMs, 0);
    const int64_t frames = static_cast<int64_t>(m_duration) * m_frameRate / 1000;
    // A very short animation still draws its last frame (and never divides by zero).
    m_frames = static_cast<int>(std::clamp<int64_t>(frames, 1, INT32_MAX));
    m_nominalPause = m_duration / m_frames;
    m_pause = m_nominalPause;
}

int AnimationPacer::frameDone(int64_t elapsedMs)
{
    if (elapsedMs > 2 * static_cast<int64_t>(m_pause))
        m_pause /= 2;
    else if (elapsedMs < m_nominalPause / 2)
        m_pause = 2 * m_pause + 2;
    return m_pause;
}

void AnimationPacer::finish(int64_t totalMs)
{
    if (totalMs * 10 < static_cast<int64_t>(m_duration) * 8 && m_frameRate < INT32_MAX - 2)
        m_frameRate += 2;
}

void AnimationPacer::run(int durationMs, const Clock& clock,
                         const std::function<void(int frame, int frames)>& drawFrame,
                         const std::function<void(int ms)>& pause)
{
    start(durationMs);
    const int64_t begin = clock.ticksMs();
    for (int frame = 0; frame < m_frames; ++frame) {
        const int64_t frameStart = clock.ticksMs();
        drawFrame(frame, m_frames);
        if (m_pause > 0)
            pause(m_pause);
        frameDone(clock.ticksMs() - frameStart);
    }
    finish(clock.ticksMs() - begin);
}

} // namespace brainlark
