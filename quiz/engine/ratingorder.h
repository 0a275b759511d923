#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "core/pairlist.h"

namespace brainlark
{

/// The pairs of one list ordered by rating (lowest first, equal ratings by position), kept up to date
/// pair by pair, so that asking for the m lowest-rated pairs again and again does not walk a large list
/// each time. Gives the same indices, in the same order, as PairList::sortByRating(m).
///
/// Built on first use. The owner calls changed(i) after changing pair i's rating and invalidate() after
/// anything else touched ratings (an edit, a reset, another quiz mode); a list of another size or storage
/// is noticed anyway, and so is a handed-out pair whose rating no longer matches the order.
class RatingOrder
{
public:
    /// The indices of the m lowest-rated pairs, lowest first (m is limited to the pair count).
    std::vector<int32_t> lowest(const PairList& list, int m);
    /// Pair index's rating changed; re-sorts that pair only.
    void changed(const PairList& list, int index);
    void invalidate() { m_built = false; }
    bool isBuilt() const { return m_built; }

private:
    // NaN would break the ordering; such a pair sorts last.
    using Key = std::pair<float, int32_t>;
    static Key keyOf(const PairList& list, int32_t index);

    bool isCurrent(const PairList& list) const;
    void rebuild(const PairList& list);

    std::set<Key> m_order;
    std::vector<float> m_keys; // the rating each pair is sorted under
    const PairList* m_list = nullptr;
    const Pair* m_storage = nullptr;
    size_t m_size = 0;
    bool m_built = false;
};

} // namespace brainlark
