#include "quiz/engine/ratingorder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brainlark
{

RatingOrder::Key RatingOrder::keyOf(const PairList& list, int32_t index)
{
    const float rating = list.pairs()[static_cast<size_t>(index)].rating();
    return {std::isnan(rating) ? std::numeric_limits<float>::infinity() : rating, index};
}

bool RatingOrder::isCurrent(const PairList& list) const
{
    return m_built && m_list == &list && m_storage == list.pairs().data() && m_size == list.pairs().size();
}

void RatingOrder::rebuild(const PairList& list)
{
    // Sorted first, the set is then filled at its end in one pass.
    std::vector<Key> keys;
    keys.reserve(list.pairs().size());
    m_keys.resize(list.pairs().size());
    for (int32_t i = 0; i < list.count(); ++i) {
        keys.push_back(keyOf(list, i));
        m_keys[static_cast<size_t>(i)] = keys.back().first;
    }
    std::sort(keys.begin(), keys.end());
    m_order.clear();
    for (const Key& key : keys)
        m_order.emplace_hint(m_order.end(), key);
    m_list = &list;
    m_storage = list.pairs().data();
    m_size = list.pairs().size();
    m_built = true;
}

std::vector<int32_t> RatingOrder::lowest(const PairList& list, int m)
{
    if (!isCurrent(list))
        rebuild(list);
    m = std::clamp(m, 0, list.count());
    std::vector<int32_t> out;
    out.reserve(static_cast<size_t>(m));
    for (auto it = m_order.begin(); it != m_order.end() && static_cast<int>(out.size()) < m; ++it) {
        // A rating changed behind our back: start again from the list itself.
        if (keyOf(list, it->second).first != it->first) {
            rebuild(list);
            return lowest(list, m);
        }
        out.push_back(it->second);
    }
    return out;
}

void RatingOrder::changed(const PairList& list, int index)
{
    if (!isCurrent(list) || index < 0 || index >= list.count())
        return;
    const size_t i = static_cast<size_t>(index);
    m_order.erase({m_keys[i], index});
    const Key key = keyOf(list, index);
    m_keys[i] = key.first;
    m_order.insert(key);
}

} // namespace brainlark
