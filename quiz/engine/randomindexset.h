#pragma once

#include <vector>

#include "core/randomsource.h"

namespace brainlark
{

/// k distinct indices drawn uniformly from 0..n-1, in drawn order, optionally guaranteed to contain one
/// given index. Costs O(k) time and memory whatever n is, so a question on a huge list stays cheap.
class RandomIndexSet
{
public:
    /// k is limited to n. When must is in 0..n-1 and was not drawn, it replaces a random slot.
    RandomIndexSet(RandomSource& random, int k, int n, int must = -1);

    const std::vector<int>& indices() const { return m_indices; }
    int size() const { return static_cast<int>(m_indices.size()); }
    int operator[](int slot) const { return m_indices[static_cast<size_t>(slot)]; }
    bool contains(int index) const;

private:
    std::vector<int> m_indices;
};

} // namespace brainlark
