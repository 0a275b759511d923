#pragma once

namespace brainlark
{

class PairList;

/// How one version of a list differs from another, as the learner would put it: pairs only one of them
/// has, pairs whose question both have but whose answer, media or notes differ, the list's other texts
/// (wrong answers, notes, subject, password) and the statistics.
struct ListDifference {
    int added = 0;           ///< pairs in `version` that `present` does not have
    int removed = 0;         ///< pairs in `present` that `version` does not have
    int changed = 0;         ///< pairs with the same question and other texts
    bool otherTexts = false; ///< wrong answers, notes, subject or password differ
    bool statistics = false; ///< anything else differs: counters, ratings, the order, the sequential position

    static ListDifference between(const PairList& version, const PairList& present);
    /// Nothing the learner edits differs (the statistics may).
    bool sameTexts() const { return added == 0 && removed == 0 && changed == 0 && !otherTexts; }
};

} // namespace brainlark
