#include "quiz/scheduling/reviewgrade.h"

#include <algorithm>

namespace brainlark
{

ReviewGrade GradeRule::grade(bool right, bool timed, double seconds, double medianSeconds)
{
    if (!right)
        return ReviewGrade::Again;
    if (!timed || medianSeconds < 0)
        return ReviewGrade::Good;
    const double median = std::max(1.0, medianSeconds);
    if (seconds <= median * EasyShare)
        return ReviewGrade::Easy;
    if (seconds >= median * HardFactor)
        return ReviewGrade::Hard;
    return ReviewGrade::Good;
}

} // namespace brainlark
