#include "quiz/scheduling/fsrsscheduler.h"

#include <algorithm>
#include <cmath>

namespace brainlark
{

FsrsScheduler::FsrsScheduler(const FsrsWeights& weights, double desiredRetention)
    : m_weights(weights.bounded()), m_retention(boundedRetention(desiredRetention))
{
    // R(I, S) = r solved for I: I = S / FACTOR · (r^(−1/w20) − 1).
    const double decay = m_weights.w[20];
    m_intervalScale = (std::pow(m_retention, -1.0 / decay) - 1.0) / fsrs::curveFactor(m_weights.w);
}

double FsrsScheduler::boundedRetention(double retention)
{
    if (!std::isfinite(retention))
        return DefaultRetention;
    return std::clamp(retention, MinRetention, MaxRetention);
}

MemoryState FsrsScheduler::first(ReviewGrade grade) const
{
    const fsrs::State<double> state = fsrs::firstReview(m_weights.w, static_cast<int>(grade));
    return {state.difficulty, state.stability};
}

MemoryState FsrsScheduler::next(const MemoryState& memory, int elapsedDays, ReviewGrade grade) const
{
    const fsrs::State<double> state =
        fsrs::nextReview(m_weights.w, fsrs::State<double>{memory.difficulty, memory.stability}, elapsedDays,
                         static_cast<int>(grade));
    return {state.difficulty, state.stability};
}

double FsrsScheduler::retrievability(const MemoryState& memory, double elapsedDays) const
{
    return fsrs::retrievability(m_weights.w, std::max(0.0, elapsedDays),
                                std::max(memory.stability, fsrs::MinStability));
}

int FsrsScheduler::interval(double stability) const
{
    const double days = std::round(stability * m_intervalScale);
    if (!(days >= 1))
        return 1;
    return days > MaxInterval ? MaxInterval : static_cast<int>(days);
}

ReviewStep FsrsScheduler::review(const PairSchedule& previous, int64_t day, ReviewGrade grade) const
{
    ReviewStep step;
    if (previous.reviews <= 0) {
        step.schedule.memory = first(grade);
    } else {
        // A review dated before the previous one (a clock set back) counts as the same day.
        const int64_t elapsed = std::max<int64_t>(0, day - previous.lastDay);
        const int days = static_cast<int>(std::min<int64_t>(elapsed, 10 * MaxInterval));
        step.retrievability = retrievability(previous.memory, days);
        step.schedule.memory = next(previous.memory, days, grade);
    }
    step.interval = interval(step.schedule.memory.stability);
    step.schedule.lastDay = day;
    step.schedule.dueDay = day + step.interval;
    step.schedule.reviews = std::max(0, previous.reviews) + 1;
    return step;
}

} // namespace brainlark
