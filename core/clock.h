#pragma once

#include <cstdint>
#include <string>

namespace brainlark
{

/// Time as the program sees it. The real clock reads the system; tests use a settable one.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Wall-clock time in whole seconds since the epoch.
    virtual int64_t wallSeconds() const = 0;
    /// Milliseconds of a monotonic clock (for response times and animation pacing).
    virtual int64_t ticksMs() const = 0;
    /// Local time formatted with strftime(pattern); used for stamps and file names.
    std::string formatLocal(const char* pattern) const;
};

class SystemClock : public Clock
{
public:
    int64_t wallSeconds() const override;
    int64_t ticksMs() const override;
};

/// A clock that only moves when told to.
class ManualClock : public Clock
{
public:
    explicit ManualClock(int64_t seconds = 1700000000) : m_baseSeconds(seconds) {}
    int64_t wallSeconds() const override { return m_baseSeconds + m_ticks / 1000; }
    int64_t ticksMs() const override { return m_ticks; }
    void advanceMs(int64_t ms) { m_ticks += ms; }
    void setWallSeconds(int64_t seconds) { m_baseSeconds = seconds - m_ticks / 1000; }

private:
    int64_t m_baseSeconds;
    int64_t m_ticks = 0;
};

} // namespace brainlark
