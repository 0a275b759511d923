#pragma once

#include <cstdint>
#include <string>

namespace brainlark
{

class PairList;

struct DuePair;

/// Why the current pair was asked. Smart Pick's candidates are the five lowest-rated pairs, so the pair's
/// rating, its rank from the weakest end and its counters tell why it came up; Due asks the pairs due
/// today, lowest recall chance first, so the days since it fell due and its recall chance tell why.
struct QuestionReason {
    bool smartPick = false; ///< false for the other selection modes: nothing to explain
    bool due = false;       ///< asked as due for review
    float rating = 0;
    int rank = 0; ///< 1 = the weakest pair of the list (ties share the better rank)
    int pairCount = 0;
    int32_t asked = 0;
    int32_t right = 0;
    int32_t wrong = 0;

    // Due: whole days since the pair fell due and since its last review, and its memory.
    int64_t daysOverdue = 0;
    int64_t daysSinceReview = 0;
    double recallChance = 0;
    double stability = 0;
    double difficulty = 0;

    static QuestionReason forPair(const PairList& list, int index);
    static QuestionReason forDue(const DuePair& pair, int64_t today);
    /// "Rating 1.25, 2nd weakest" or "Due since 3 days, recall chance 71 %" for a narrow status-bar pane.
    std::string shortText() const;
    /// The whole reason in one sentence.
    std::string details() const;
};

} // namespace brainlark
