#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "quiz/scheduling/duesource.h"
#include "quiz/scheduling/fsrsscheduler.h"

namespace brainlark
{

class HistoryStore;

/// Each pair's spaced-repetition memory, derived from the study history and cached in it. A pair is known
/// by its texts as entered and its list's place in the history, so sorting, reordering and Save As keep
/// its memory and editing its texts starts it afresh. Only a question's first answer is a review; its grade
/// comes from GradeRule, against the median time of the list's right first answers up to then.
class PairMemory
{
public:
    /// The key of a pair's texts (UTF-8 question and answer).
    static std::string key(const std::string& question, const std::string& answer);

    PairMemory(HistoryStore& store, const FsrsScheduler& scheduler = FsrsScheduler());
    const FsrsScheduler& scheduler() const { return m_scheduler; }

    /// Folds the list's answers that are not in the cache yet into it; false when the history cannot.
    bool update(const QString& listPath);
    /// Folds the new answers of every list that has any.
    void updateAll();
    /// The cached schedules of the list's pairs, keyed by key(); with `dueBy` only those due by that day.
    std::unordered_map<std::string, PairSchedule>
    schedules(const QString& listPath, std::optional<int64_t> dueBy = std::nullopt) const;
    /// The first day after `day` on which a pair of the list falls due.
    std::optional<int64_t> nextDueDay(const QString& listPath, int64_t day) const;

private:
    HistoryStore& m_store;
    FsrsScheduler m_scheduler;
};

/// The due pairs of the open list, from the study history: what the quiz's DueQueue asks.
class HistoryDueSource : public DueSource
{
public:
    explicit HistoryDueSource(PairMemory& memory) : m_memory(memory) {}
    void setListPath(const QString& path) { m_listPath = path; }

    std::vector<DuePair> duePairs(const PairList& list, int64_t today) override;
    std::optional<int64_t> nextDueDay(int64_t today) override;

private:
    PairMemory& m_memory;
    QString m_listPath;
};

} // namespace brainlark
