#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "quiz/scheduling/fsrsscheduler.h"

namespace brainlark
{

class PairList;

/// A pair of the open list that is due for review.
struct DuePair {
    int index = -1;            ///< its position in the list
    PairSchedule schedule;     ///< its memory, last review and due day
    double retrievability = 0; ///< its recall chance today
};

/// Where the quiz learns which pairs are due: the study history, or a table in tests.
class DueSource
{
public:
    virtual ~DueSource() = default;
    /// The pairs of `list` due on `today` or earlier, in any order.
    virtual std::vector<DuePair> duePairs(const PairList& list, int64_t today) = 0;
    /// The first day after `today` on which a pair of the list falls due; nothing when none is scheduled.
    virtual std::optional<int64_t> nextDueDay(int64_t today) = 0;
};

} // namespace brainlark
