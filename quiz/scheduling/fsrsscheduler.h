#pragma once

#include <cstdint>
#include <optional>

#include "quiz/scheduling/fsrsweights.h"
#include "quiz/scheduling/reviewgrade.h"

namespace brainlark
{

/// A pair's memory as the scheduler sees it.
struct MemoryState {
    double difficulty = 0; ///< 1 (easy) to 10 (hard)
    double stability = 0;  ///< days until the recall chance falls to 90 %
};

/// Where a pair stands: its memory after its last review, that review's day and the day it is due again.
/// Days are day numbers (consecutive integers, one per calendar day).
struct PairSchedule {
    MemoryState memory;
    int64_t lastDay = 0;
    int64_t dueDay = 0;
    int reviews = 0; ///< 0: never reviewed, the rest means nothing
};

/// What one review did.
struct ReviewStep {
    PairSchedule schedule;
    std::optional<double> retrievability; ///< the recall chance at the review; none for a first review
    int interval = 0;                     ///< days until the next review
};

/// FSRS-6 scheduling with fixed weights and a desired retention: every pair is in review from its first
/// answer (no learning steps) and intervals are whole days without fuzz, from 1 to MaxInterval.
class FsrsScheduler
{
public:
    static constexpr double DefaultRetention = 0.90;
    static constexpr double MinRetention = 0.70;
    static constexpr double MaxRetention = 0.97;
    static constexpr int MaxInterval = 36500;

    /// Weights outside their bounds are moved into them; the retention is limited to Min…MaxRetention.
    explicit FsrsScheduler(const FsrsWeights& weights = FsrsWeights::defaults(),
                           double desiredRetention = DefaultRetention);

    const FsrsWeights& weights() const { return m_weights; }
    double desiredRetention() const { return m_retention; }
    static double boundedRetention(double retention);

    MemoryState first(ReviewGrade grade) const;
    /// The memory after a review `elapsedDays` after the previous one (0 or less: the same day).
    MemoryState next(const MemoryState& memory, int elapsedDays, ReviewGrade grade) const;
    /// The chance to recall after `elapsedDays` days.
    double retrievability(const MemoryState& memory, double elapsedDays) const;
    /// Whole days until the recall chance falls to the desired retention, at least 1, at most MaxInterval.
    int interval(double stability) const;
    /// The interval before rounding is the stability times this (for stores that reckon due days in bulk).
    double intervalScale() const { return m_intervalScale; }

    /// Reviews a pair on `day` (a pair without reviews gets its first).
    ReviewStep review(const PairSchedule& previous, int64_t day, ReviewGrade grade) const;

private:
    FsrsWeights m_weights;
    double m_retention;
    double m_intervalScale; // interval = S · this, from the forgetting curve solved for the retention
};

} // namespace brainlark
