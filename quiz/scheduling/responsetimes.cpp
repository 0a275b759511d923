#include "quiz/scheduling/responsetimes.h"

#include <algorithm>
#include <cmath>

#include "quiz/scheduling/reviewgrade.h"

namespace brainlark
{

int ResponseTimes::bucket(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return static_cast<int>(std::min(std::floor(seconds), double(MaxSeconds)));
}

void ResponseTimes::add(double seconds, int count)
{
    if (count <= 0)
        return;
    m_counts[bucket(seconds)] += count;
    m_total += count;
}

double ResponseTimes::median() const
{
    if (m_total < GradeRule::MinTimedAnswers)
        return -1;
    // The lower median: the time at which half of the answers have been given.
    const int half = (m_total + 1) / 2;
    int seen = 0;
    for (const auto& [seconds, count] : m_counts) {
        seen += count;
        if (seen >= half)
            return seconds;
    }
    return m_counts.rbegin()->first;
}

} // namespace brainlark
