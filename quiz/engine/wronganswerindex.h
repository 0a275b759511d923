#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/pairlist.h"

namespace brainlark
{

/// Question text → positions of its predefined wrong answers (kind 1) in a list's wrongAnswers array,
/// built on first use so that a question on a large list does not scan every wrong answer.
/// Call invalidate() after editing the wrong answers; a changed array size or storage, or a hit that no
/// longer matches, also rebuilds it.
class WrongAnswerIndex
{
public:
    /// Positions in list.wrongAnswers(), in list order, of the kind 1 entries whose stored question
    /// equals the text exactly.
    std::vector<int> lookup(const PairList& list, std::string_view question);
    void invalidate() { m_built = false; }

private:
    bool isCurrent(const PairList& list) const;
    bool stillMatches(const PairList& list, std::string_view question, const std::vector<int>& hits) const;
    void rebuild(const PairList& list);

    std::unordered_map<std::string, std::vector<int>> m_byQuestion;
    const PairList* m_list = nullptr;
    const Pair* m_storage = nullptr;
    size_t m_size = 0;
    bool m_built = false;
};

} // namespace brainlark
