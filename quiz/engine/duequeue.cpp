#include "quiz/engine/duequeue.h"

#include <algorithm>

#include "quiz/scheduling/localday.h"

namespace brainlark
{

void DueQueue::setSource(DueSource* source)
{
    m_source = source;
    reset();
}

void DueQueue::reset()
{
    m_due.clear();
    m_answered.clear();
    m_loaded = false;
    m_smartPickTakesOver = false;
}

void DueQueue::refresh(const PairList& list, const Clock& clock)
{
    const int64_t today = LocalDay::of(clock.wallSeconds());
    if (m_loaded && today == m_today)
        return;
    // A new day brings its own due pairs; yesterday's answers are in the history by now.
    m_today = today;
    m_loaded = true;
    m_answered.clear();
    m_due = m_source ? m_source->duePairs(list, today) : std::vector<DuePair>();
    std::stable_sort(m_due.begin(), m_due.end(), [](const DuePair& a, const DuePair& b) {
        return a.retrievability < b.retrievability ||
               (a.retrievability == b.retrievability && a.index < b.index);
    });
}

bool DueQueue::waiting(const DuePair& due, const PairList& list) const
{
    return due.index >= 0 && due.index < list.count() && m_answered.count(due.index) == 0;
}

int DueQueue::next(const PairList& list, const Clock& clock, const std::string& previousQuestion)
{
    refresh(list, clock);
    int fallback = -1;
    for (const DuePair& due : m_due) {
        if (!waiting(due, list))
            continue;
        if (list.pairs()[static_cast<size_t>(due.index)].shownQuestion() != previousQuestion)
            return due.index;
        if (fallback < 0)
            fallback = due.index;
    }
    return fallback;
}

std::vector<int> DueQueue::nextPairs(const PairList& list, const Clock& clock, int count)
{
    refresh(list, clock);
    std::vector<int> pairs;
    for (const DuePair& due : m_due) {
        if (static_cast<int>(pairs.size()) >= count)
            break;
        if (waiting(due, list))
            pairs.push_back(due.index);
    }
    return pairs;
}

void DueQueue::answered(int index)
{
    if (m_loaded)
        m_answered.insert(index);
}

const DuePair* DueQueue::find(int index) const
{
    const auto it =
        std::find_if(m_due.begin(), m_due.end(), [index](const DuePair& due) { return due.index == index; });
    return it == m_due.end() ? nullptr : &*it;
}

std::optional<int64_t> DueQueue::nextDueDay()
{
    return m_source ? m_source->nextDueDay(m_today) : std::nullopt;
}

} // namespace brainlark
