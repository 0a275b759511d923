#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/clock.h"
#include "core/pairlist.h"
#include "quiz/scheduling/duesource.h"

namespace brainlark
{

/// The pairs of the open list that are due today, lowest recall chance first (equal chances in list order),
/// for the selection "Due (spaced repetition)". Asks its DueSource on first use and again when the day
/// changes; a pair once answered leaves the queue, its next review being a day or more away. Without a
/// source nothing is ever due.
class DueQueue
{
public:
    void setSource(DueSource* source);
    /// Another list (or the same list edited): the queue is read afresh and Smart Pick is not taken over.
    void reset();

    /// The next due pair that is not the previous question (unless it is the only one left); -1 when
    /// nothing more is due today.
    int next(const PairList& list, const Clock& clock, const std::string& previousQuestion);
    /// Up to `count` due pairs in order, for a matching board.
    std::vector<int> nextPairs(const PairList& list, const Clock& clock, int count);
    /// The pair was answered (its review is recorded).
    void answered(int index);
    /// The due entry of a pair still waiting or just handed out; null when it is not due.
    const DuePair* find(int index) const;

    /// The day the queue was read for.
    int64_t today() const { return m_today; }
    /// The first day after today on which a pair of the list falls due; nothing when none is scheduled.
    std::optional<int64_t> nextDueDay();

    /// The learner chose to go on with Smart Pick once nothing more was due (until the list changes).
    bool smartPickTakesOver() const { return m_smartPickTakesOver; }
    void setSmartPickTakesOver(bool takesOver) { m_smartPickTakesOver = takesOver; }

private:
    void refresh(const PairList& list, const Clock& clock);
    bool waiting(const DuePair& due, const PairList& list) const;

    DueSource* m_source = nullptr;
    std::vector<DuePair> m_due;
    std::unordered_set<int> m_answered;
    int64_t m_today = 0;
    bool m_loaded = false;
    bool m_smartPickTakesOver = false;
};

} // namespace brainlark
