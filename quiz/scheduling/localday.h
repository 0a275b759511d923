#pragma once

#include <cstdint>

namespace brainlark
{

/// Days are numbered as the study history numbers them: the Julian day number of the local calendar date
/// (2440588 is 1 January 1970), so the quiz and the history agree on "today" and on elapsed days.
struct LocalDay {
    static constexpr int64_t JulianDayOfEpoch = 2440588;

    /// The local calendar day of a moment (seconds since the epoch).
    static int64_t of(int64_t secondsSinceEpoch);
    /// The day number of a calendar date.
    static int64_t fromDate(int64_t year, int month, int day);
};

} // namespace brainlark
