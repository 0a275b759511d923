#pragma once

#include <QDate>
#include <QString>
#include <QVector>

namespace brainlark
{

/// One judged answer as the history keeps it.
struct AnswerRecord {
    qint64 time = 0;     ///< seconds since the epoch
    QString listPath;    ///< the list file
    QString question;    ///< the pair's texts as entered (not as shown when reversed)
    QString answer;
    int mode = 0;        ///< quiz mode: 0 multiple-choice, 1 true/false, 2 type-in, 3 matching
    bool right = false;
    double seconds = 0;  ///< time taken to answer
};

/// Answers of one day.
struct DayCount {
    QDate day;
    int answers = 0;
    int right = 0;
    double seconds = 0; ///< time studied (each answer counts at most StudySecondsCap)
};

/// The study history: every judged answer in an SQLite database, with a per-day summary kept beside it so
/// that the statistics read a few hundred rows however long the history grows. Every call reports failure
/// through its result and lastError(); nothing throws, and a store that failed to open answers every query
/// with nothing.
class HistoryStore
{
public:
    /// The schema this program writes. Older databases are migrated forward when opened; a newer one is
    /// refused (left untouched) rather than guessed at.
    static constexpr int SchemaVersion = 2;
    /// An answer left waiting over lunch must not count as an hour of study.
    static constexpr double StudySecondsCap = 60.0;

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    /// Opens (creating or migrating) the database file.
    bool open(const QString& path);
    bool isOpen() const { return m_open; }
    QString lastError() const { return m_error; }
    /// The schema version found in the file, after migration.
    int schemaVersion() const;

    /// Appends one answer in a transaction of its own.
    bool record(const AnswerRecord& answer);
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

    /// Day numbers as stored (Julian day of the local date).
    static qint64 dayNumber(const QDate& date) { return date.toJulianDay(); }

private:
    bool fail(const QString& what);
    bool migrate();
    bool exec(const QString& sql);
    qint64 listId(const QString& path, bool create);
    QVector<DayCount> days(const QString& where, const QVariantList& values) const;

    QString m_connection;
    QString m_error;
    bool m_open = false;
};

} // namespace brainlark
