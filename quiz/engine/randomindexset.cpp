#include "quiz/engine/randomindexset.h"

#include <algorithm>
#include <unordered_map>

namespace brainlark
{

RandomIndexSet::RandomIndexSet(RandomSource& random, int k, int n, int must)
{
    if (n <= 0 || k <= 0)
        return;
    k = std::min(k, n);
    m_indices.reserve(static_cast<size_t>(k));
    // Partial Fisher-Yates over a virtual identity array: only swapped slots are remembered.
    std::unordered_map<int, int> moved;
    moved.reserve(static_cast<size_t>(2 * k));
    auto valueAt = [&moved](int slot) {
        const auto it = moved.find(slot);
        return it == moved.end() ? slot : it->second;
    };
    for (int i = 0; i < k; ++i) {
        const int j = i + static_cast<int>(random.below(static_cast<uint32_t>(n - i)));
        const int picked = valueAt(j);
        moved[j] = valueAt(i);
        m_indices.push_back(picked);
    }
    if (must >= 0 && must < n && !contains(must))
        m_indices[random.below(static_cast<uint32_t>(k))] = must;
}

bool RandomIndexSet::contains(int index) const
{
    return std::find(m_indices.begin(), m_indices.end(), index) != m_indices.end();
}

} // namespace brainlark
