#include "history/historyrecorder.h"

#include <QDateTime>

namespace brainlark
{

HistoryRecorder::HistoryRecorder(QObject* parent) : QObject(parent), m_store(std::make_unique<HistoryStore>()) {}

HistoryRecorder::~HistoryRecorder() = default;

bool HistoryRecorder::open(const QString& databasePath)
{
    if (m_store->open(databasePath))
        return true;
    warnOnce(m_store->lastError());
    return false;
}

void HistoryRecorder::warnOnce(const QString& reason)
{
    if (m_warned)
        return;
    m_warned = true;
    emit warning(QString::fromLatin1(WarningText).arg(reason));
}

void HistoryRecorder::record(const QString& question, const QString& answer, int mode, bool right, double seconds)
{
    if (m_warned || m_listPath.isEmpty())
        return;
    AnswerRecord record;
    record.time = QDateTime::currentSecsSinceEpoch();
    record.listPath = m_listPath;
    record.question = question;
    record.answer = answer;
    record.mode = mode;
    record.right = right;
    record.seconds = seconds;
    if (!m_store->record(record))
        warnOnce(m_store->lastError());
}

void HistoryRecorder::listRenamed(const QString& oldPath, const QString& newPath)
{
    if (!m_warned && !oldPath.isEmpty() && !m_store->renameList(oldPath, newPath))
        warnOnce(m_store->lastError());
    m_listPath = newPath;
}

} // namespace brainlark
