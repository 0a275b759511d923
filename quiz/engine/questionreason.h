#pragma once

#include <cstdint>
#include <string>

namespace brainlark
{

class PairList;

/// Why Smart Pick asked the current pair: the five lowest-rated pairs are its candidates, so the pair's
/// rating, its rank from the weakest end and its counters tell the learner why it came up.
struct QuestionReason {
    bool smartPick = false; ///< false for the other selection modes: nothing to explain
    float rating = 0;
    int rank = 0;           ///< 1 = the weakest pair of the list (ties share the better rank)
    int pairCount = 0;
    int32_t asked = 0;
    int32_t right = 0;
    int32_t wrong = 0;

    static QuestionReason forPair(const PairList& list, int index);
    /// "Rating 1.25, 2nd weakest" for a narrow status-bar pane.
    std::string shortText() const;
    /// The whole reason in one sentence.
    std::string details() const;
};

} // namespace brainlark
