#pragma once

#include <cstdint>
#include <functional>

namespace brainlark
{

/// Calls code later from the one main event loop. Timelines wait through it, so a test can let virtual
/// time pass and inject input between any two steps; the program uses timers.
class Scheduler
{
public:
    using Id = uint64_t;
    /// What a wait is for: a pause of a sequence (tests log it as "pause:N") or anything else.
    enum class Purpose { Pause, Other };

    virtual ~Scheduler() = default;
    /// Calls callback once after ms milliseconds (0: as soon as the event loop is free). Never calls it
    /// from within after().
    virtual Id after(int ms, Purpose purpose, std::function<void()> callback) = 0;
    /// Forgets a pending call; unknown or spent ids are ignored.
    virtual void cancel(Id id) = 0;
};

} // namespace brainlark
