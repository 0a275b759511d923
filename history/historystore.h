#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>
#include <optional>
#include <utility>

class QSqlError;

namespace brainlark
{

/// One judged answer as the history keeps it.
struct AnswerRecord {
    qint64 time = 0;  ///< seconds since the epoch
    QString listPath; ///< the list file
    QString question; ///< the pair's texts as entered (not as shown when reversed)
    QString answer;
    int mode = 0; ///< quiz mode: 0 multiple-choice, 1 true/false, 2 type-in, 3 matching
    bool right = false;
    double seconds = 0; ///< time taken to answer, counted from the question's showing
    /// Time studied for this answer: the whole time for a question's first answer, only the time since the
    /// previous answer for a further try at the same question (negative: the same as `seconds`).
    double studySeconds = -1;
    bool firstTry = true; ///< the question's first answer: the pair's review
};

/// Answers of one day.
struct DayCount {
    QDate day;
    int answers = 0;
    int right = 0;
    double seconds = 0; ///< time studied (each answer counts at most StudySecondsCap)
};

/// Reviews (first answers to a question) of one week.
struct WeekCount {
    QDate week; ///< its Monday
    int reviews = 0;
    int right = 0;
};

/// Pairs of one list due for review, from the cached memory.
struct DueCount {
    int today = 0; ///< due today or overdue
    int week = 0;  ///< due within the coming seven days, today's included
};

/// Why the history cannot be used (or not yet).
enum class HistoryProblem {
    None,
    Locked,       ///< another program holds the database; worth trying again later
    ReadOnly,     ///< the file or its folder cannot be written
    NotHistory,   ///< not an SQLite database, or one of another program
    Newer,        ///< written by a newer version of Brainlark
    NeedsUpgrade, ///< an older schema that open() was told not to upgrade
    Other,
};

/// The study history: every judged answer in an SQLite database, with a per-day summary kept beside it so
/// that the statistics read a few hundred rows however long the history grows. Every call reports failure
/// through its result, lastError() and problem(); nothing throws, and a store that failed to open answers
/// every query with nothing. Nothing is written to a database before it is known to be a history of a
/// version this program can use.
class HistoryStore
{
public:
    /// The schema this program writes. Older databases are migrated forward when opened; a newer one is
    /// refused (left untouched) rather than guessed at.
    static constexpr int SchemaVersion = 5;
    /// An answer left waiting over lunch must not count as an hour of study.
    static constexpr double StudySecondsCap = 60.0;
    /// Answers whose day an upgrade fills in per transaction; the write-ahead log is emptied after each.
    static constexpr int UpgradeBatch = 50000;

    /// What open() does with an older schema.
    enum class Upgrade { Run, Refuse };
    /// Reports an upgrade's progress (0 to 1) from the thread that runs it.
    using Progress = std::function<void(double)>;

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    /// Opens (creating or migrating) the database file. With Upgrade::Refuse an older history is left as it
    /// is and problem() says NeedsUpgrade; a new or empty one is still created. An upgrade may run on any
    /// thread (the store is then used on that thread only); `cancel` stops it between two transactions,
    /// and the next upgrade goes on from there.
    bool open(const QString& path, Upgrade upgrade = Upgrade::Run, const Progress& progress = {},
              const std::atomic<bool>* cancel = nullptr);
    bool isOpen() const { return m_open; }
    QString lastError() const { return m_error; }
    HistoryProblem problem() const { return m_problem; }
    /// The schema version found in the file, after migration.
    int schemaVersion() const;

    /// Appends one answer in a transaction of its own.
    bool record(const AnswerRecord& answer);
    /// Appends answers in one transaction: all of them or none.
    bool recordAll(const QVector<AnswerRecord>& answers);
    /// Hands a list's history to its new file name (Save As); a list already kept under the new name
    /// loses its claim to the name but keeps its answers in the totals of all lists.
    bool renameList(const QString& oldPath, const QString& newPath);

    /// Answers per day of one list since `from` (an invalid date: all), oldest first; days without
    /// answers are left out.
    QVector<DayCount> listDays(const QString& listPath, const QDate& from = QDate()) const;
    /// Time studied per day over all lists since `from`.
    QVector<DayCount> allDays(const QDate& from = QDate()) const;
    /// Consecutive days with at least one answer, ending today (or yesterday when today has none yet).
    int currentStreak(const QDate& today) const;
    /// Number of answers kept for a list.
    int answerCount(const QString& listPath) const;
    /// The due day of each pair of the list due before `before`, keyed "question\nanswer", from the cached
    /// memory (PairMemory::update brings it up to date).
    QHash<QString, qint64> dueDays(const QString& listPath, qint64 before) const;
    /// Pairs due per list (by path), from the cached memory (PairMemory::updateAll brings it up to date),
    /// without the pairs the list no longer had when it was last opened (PairMemory::notePairs).
    QHash<QString, DueCount> dueCounts(const QDate& today) const;
    /// Lists whose newest answers are not yet in the cached memory.
    QStringList listsBehind() const;
    /// Reviews per week of the list since `from` (invalid: all), oldest first: only answers known to be a
    /// question's first count.
    QVector<WeekCount> reviewWeeks(const QString& listPath, const QDate& from = QDate()) const;

    /// The languages a list's question and answer sides are read aloud in, as last chosen (BCP 47 names, ""
    /// for the system's language); nullopt when they were never chosen for the list.
    std::optional<std::pair<QString, QString>> listLanguages(const QString& listPath) const;
    bool setListLanguages(const QString& listPath, const QString& question, const QString& answer);

    /// The store's database connection, for readers of its tables on the same thread (PairMemory).
    QString connectionName() const { return m_connection; }

    /// Day numbers as stored (Julian day of the local date).
    static qint64 dayNumber(const QDate& date) { return date.toJulianDay(); }

private:
    bool fail(HistoryProblem problem, const QString& what);
    bool failQuery(const QSqlError& error);
    bool checkOwnership(int version);
    bool migrate(int found, const Progress& progress, const std::atomic<bool>* cancel);
    bool hasColumn(const QString& column);
    bool fillAnswerDays(const Progress& progress, const std::atomic<bool>* cancel);
    bool exec(const QString& sql);
    bool insert(const AnswerRecord& answer);
    qint64 listId(const QString& path, bool create);
    QVector<DayCount> days(const QString& where, const QVariantList& values) const;

    QString m_connection;
    QString m_error;
    HistoryProblem m_problem = HistoryProblem::None;
    bool m_open = false;
};

} // namespace brainlark
