#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace brainlark
{

std::string Clock::formatLocal(const char* pattern) const
{
    const std::time_t t = static_cast<std::time_t>(wallSeconds());
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[256];
    const size_t n = std::strftime(buffer, sizeof buffer, pattern, &local);
    return std::string(buffer, n);
}

int64_t SystemClock::wallSeconds() const
{
    return static_cast<int64_t>(std::time(nullptr));
}

int64_t SystemClock::ticksMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace brainlark
