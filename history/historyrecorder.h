#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "history/historystore.h"

namespace brainlark
{

/// Feeds judged answers into the study history. The quiz never waits for it and never stops because of
/// it: a database that cannot be opened or written is reported once through warning() and then ignored
/// until the program starts again.
class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* WarningText = "Study history is not being recorded: %1";

    explicit HistoryRecorder(QObject* parent = nullptr);
    ~HistoryRecorder() override;

    /// Opens the database; false (with the one warning) when it cannot be used.
    bool open(const QString& databasePath);
    HistoryStore& store() { return *m_store; }
    const HistoryStore& store() const { return *m_store; }
    /// The list the answers belong to (its file path; empty while the list has no file).
    void setListPath(const QString& path) { m_listPath = path; }
    QString listPath() const { return m_listPath; }
    bool hasWarned() const { return m_warned; }

public slots:
    /// One judged answer of the open list, with the pair's texts as entered.
    void record(const QString& question, const QString& answer, int mode, bool right, double seconds);
    /// The open list was saved under another name: its history goes with it.
    void listRenamed(const QString& oldPath, const QString& newPath);

signals:
    /// For the status bar; emitted at most once per run.
    void warning(const QString& text);

private:
    void warnOnce(const QString& reason);

    std::unique_ptr<HistoryStore> m_store;
    QString m_listPath;
    bool m_warned = false;
};

} // namespace brainlark
