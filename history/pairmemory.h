#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "quiz/scheduling/duesource.h"
#include "quiz/scheduling/fsrsoptimizer.h"
#include "quiz/scheduling/fsrsscheduler.h"

namespace brainlark
{

class HistoryStore;

/// Each pair's spaced-repetition memory, derived from the study history and cached in it. A pair is known
/// by its texts as entered and its list's place in the history, so sorting, reordering and Save As keep
/// its memory and editing its texts starts it afresh. Only a question's first answer is a review; its grade
/// comes from GradeRule, against the median time of the list's right first answers up to then.
///
/// The scheduler uses the weights kept in the history (fitted to it, else the published defaults) and the
/// desired retention of the retention source; the cached due days follow a change of the retention, and
/// new weights derive every pair's memory afresh on the next look.
class PairMemory
{
public:
    /// The key of a pair's texts (UTF-8 question and answer).
    static std::string key(const std::string& question, const std::string& answer);

    explicit PairMemory(HistoryStore& store);
    /// Where the desired retention comes from (the learner's setting); 0.90 without one.
    void setRetentionSource(std::function<double()> source) { m_retention = std::move(source); }
    /// The scheduler as the last look used it.
    const FsrsScheduler& scheduler() const { return m_scheduler; }

    /// Folds the list's answers that are not in the cache yet into it; false when the history cannot.
    bool update(const QString& listPath);
    /// Folds the new answers of every list that has any.
    void updateAll();
    /// Notes which of the pairs the history remembers for the list are in it as it is now (pairs since
    /// deleted or edited are not counted as due); nothing to do when the list's pairs are the same as at
    /// the last call.
    bool notePairs(const QString& listPath, const PairList& list);
    /// The cached schedules of the list's pairs, keyed by key(); with `dueBy` only those due by that day.
    std::unordered_map<std::string, PairSchedule>
    schedules(const QString& listPath, std::optional<int64_t> dueBy = std::nullopt) const;
    /// The first day after `day` on which a pair of the list falls due.
    std::optional<int64_t> nextDueDay(const QString& listPath, int64_t day) const;

    /// The weights fitted to this history; nothing while the defaults are used.
    std::optional<FsrsWeights> fittedWeights() const;
    /// Uses these weights from now on (nothing: the defaults); every pair's memory is derived afresh.
    bool setFittedWeights(const std::optional<FsrsWeights>& weights);

    /// Every pair's reviews in the history (the reviews of one pair in order), graded as the memory grades
    /// them: what the weights are fitted to. Stops early (with what it has) when `cancel` is set.
    static std::vector<std::vector<PairReview>> allReviews(const HistoryStore& store,
                                                           const std::atomic<bool>* cancel = nullptr);

private:
    friend class HistoryDueSource;
    bool prepare();
    /// Hands the cached schedules of the list's pairs (due by that day) to `use` with their key().
    template <typename Use>
    bool readSchedules(const QString& listPath, std::optional<int64_t> dueBy, Use&& use) const;

    HistoryStore& m_store;
    std::function<double()> m_retention;
    FsrsScheduler m_scheduler;
    QString m_weightsText; // the stored weights the scheduler was made with
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
