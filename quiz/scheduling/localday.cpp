#include "quiz/scheduling/localday.h"

#include <ctime>

namespace brainlark
{

int64_t LocalDay::fromDate(int64_t year, int month, int day)
{
    // Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + JulianDayOfEpoch;
}

int64_t LocalDay::of(int64_t secondsSinceEpoch)
{
    const std::time_t moment = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return JulianDayOfEpoch + secondsSinceEpoch / 86400;
    return fromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace brainlark
