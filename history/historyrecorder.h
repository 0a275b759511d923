#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>
#include <atomic>
#include <memory>
#include <thread>

#include "history/historystore.h"

namespace brainlark
{

/// Feeds judged answers into the study history. The quiz never waits for it and never stops because of
/// it. Answers the database cannot take yet (another program holds it, an older history is being
/// upgraded, a write failed) wait in memory and are written when it can; the learner is warned while they
/// wait and the warning goes once they are written. A database that cannot be used at all (not a history,
/// a newer version, a folder that cannot be written) is reported once with the reason and then left alone.
class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* WarningText = QT_TR_NOOP("Study history is not being recorded: %1");
    static constexpr const char* WaitingText = QT_TR_NOOP(
        "Study history is waiting: %1. %2 answers are kept and written as soon as it can take them.");
    /// How often waiting answers are tried again.
    static constexpr int RetryMilliseconds = 3000;
    /// Beyond this many waiting answers the oldest are given up (a day of hard study is about 2,000).
    static constexpr int MaxWaiting = 100000;

    explicit HistoryRecorder(QObject* parent = nullptr);
    ~HistoryRecorder() override;

    /// Opens the database. An older history is upgraded on a thread of its own (upgrading() until it is
    /// done); a locked one is tried again. False (with a warning) when it cannot be used now.
    bool open(const QString& databasePath);
    HistoryStore& store() { return *m_store; }
    /// The database file given to open().
    QString databasePath() const { return m_path; }
    const HistoryStore& store() const { return *m_store; }
    /// The list the answers belong to (its file path; empty while the list has no file).
    void setListPath(const QString& path) { m_listPath = path; }
    QString listPath() const { return m_listPath; }
    /// A warning is showing (for waiting answers or an unusable database).
    bool hasWarned() const { return m_warned; }
    int waitingCount() const { return int(m_waiting.size()); }
    bool upgrading() const { return m_upgrade != nullptr; }
    /// Blocks until a running upgrade has ended and its result is taken in (tests and shutdown).
    void waitForUpgrade();

public slots:
    /// One judged answer of the open list, with the pair's texts as entered. `firstTry` is false for a
    /// further answer to the same question, whose time counts only from the previous answer.
    void record(const QString& question, const QString& answer, int mode, bool right, double seconds,
                bool firstTry = true);
    /// The open list was saved under another name: its history goes with it.
    void listRenamed(const QString& oldPath, const QString& newPath);
    /// Tries again to open a locked database or to write the waiting answers.
    void retry();

signals:
    /// For the status bar: why answers are not recorded, or (`waiting`) why they wait in memory.
    void warning(const QString& text, bool waiting);
    /// The waiting answers are written; the warning is over.
    void warningCleared();
    /// An older history is being upgraded: how far (0 to 100).
    void upgradeProgress(int percent);

private:
    struct UpgradeRun;
    void warn(bool waiting, const QString& text);
    void flush();
    void startUpgrade();
    void upgradeEnded();
    bool transient() const;

    std::unique_ptr<HistoryStore> m_store;
    QString m_path;
    QString m_listPath;
    QVector<AnswerRecord> m_waiting;
    QVector<std::pair<QString, QString>> m_renames; // Save As while the database could not take it
    QString m_lastQuestion; // the question whose answer was recorded last, and its time
    double m_lastSeconds = 0;
    QTimer m_retry;
    std::unique_ptr<UpgradeRun> m_upgrade;
    bool m_warned = false;
    bool m_givenUp = false;
};

} // namespace brainlark
