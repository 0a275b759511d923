#include "history/historyrecorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>

namespace brainlark
{

struct HistoryRecorder::UpgradeRun {
    std::atomic<bool> cancel{false};
    std::thread thread;
    HistoryProblem problem = HistoryProblem::None; // written by the thread before it ends
    QString error;
};

HistoryRecorder::HistoryRecorder(QObject* parent) : QObject(parent), m_store(std::make_unique<HistoryStore>())
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &HistoryRecorder::retry);
}

HistoryRecorder::~HistoryRecorder()
{
    if (m_upgrade) {
        // The upgrade stops after its current transaction; the next start goes on from there.
        m_upgrade->cancel = true;
        m_upgrade->thread.join();
    }
}

bool HistoryRecorder::open(const QString& databasePath)
{
    m_path = databasePath;
    m_givenUp = false;
    if (m_store->open(databasePath, HistoryStore::Upgrade::Refuse)) {
        flush();
        return true;
    }
    switch (m_store->problem()) {
    case HistoryProblem::NeedsUpgrade:
        startUpgrade();
        return true;
    case HistoryProblem::Locked:
        warn(true, QCoreApplication::translate("brainlark::HistoryRecorder", WaitingText)
                       .arg(m_store->lastError())
                       .arg(m_waiting.size()));
        m_retry.start();
        return false;
    default:
        m_givenUp = true;
        m_waiting.clear();
        m_renames.clear();
        warn(
            false,
            QCoreApplication::translate("brainlark::HistoryRecorder", WarningText).arg(m_store->lastError()));
        return false;
    }
}

void HistoryRecorder::startUpgrade()
{
    m_upgrade = std::make_unique<UpgradeRun>();
    UpgradeRun* run = m_upgrade.get();
    const QString path = m_path;
    emit upgradeProgress(0);
    run->thread = std::thread([this, run, path] {
        int shown = 0;
        {
            // A store of the thread's own: its connection is made, used and closed on this thread.
            HistoryStore upgrader;
            const auto progress = [this, &shown](double share) {
                const int percent = int(share * 100);
                if (percent == shown)
                    return;
                shown = percent;
                QMetaObject::invokeMethod(
                    this, [this, percent] { emit upgradeProgress(percent); }, Qt::QueuedConnection);
            };
            upgrader.open(path, HistoryStore::Upgrade::Run, progress, &run->cancel);
            run->problem = upgrader.problem();
            run->error = upgrader.lastError();
        }
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (m_upgrade.get() == run)
                    upgradeEnded();
            },
            Qt::QueuedConnection);
    });
}

void HistoryRecorder::waitForUpgrade()
{
    if (!m_upgrade)
        return;
    m_upgrade->thread.join();
    upgradeEnded();
}

void HistoryRecorder::upgradeEnded()
{
    if (!m_upgrade)
        return; // taken in already by waitForUpgrade()
    if (m_upgrade->thread.joinable())
        m_upgrade->thread.join();
    const HistoryProblem problem = m_upgrade->problem;
    const QString error = m_upgrade->error;
    m_upgrade.reset();
    if (problem == HistoryProblem::None) {
        if (open(m_path) && !m_warned)
            emit warningCleared(); // the progress shown goes
    } else if (problem == HistoryProblem::Locked) {
        warn(true, QCoreApplication::translate("brainlark::HistoryRecorder", WaitingText)
                       .arg(error)
                       .arg(m_waiting.size()));
        m_retry.start();
    } else {
        m_givenUp = true;
        m_waiting.clear();
        m_renames.clear();
        warn(false, QCoreApplication::translate("brainlark::HistoryRecorder", WarningText).arg(error));
    }
}

void HistoryRecorder::warn(bool waiting, const QString& text)
{
    m_warned = true;
    emit warning(text, waiting);
}

void HistoryRecorder::retry()
{
    if (m_givenUp || m_upgrade)
        return;
    if (m_store->isOpen())
        flush();
    else
        open(m_path);
}

void HistoryRecorder::flush()
{
    if (!m_store->isOpen() || m_upgrade)
        return;
    while (!m_renames.isEmpty() && m_store->renameList(m_renames.front().first, m_renames.front().second))
        m_renames.removeFirst();
    if (m_renames.isEmpty() && (m_waiting.isEmpty() || m_store->recordAll(m_waiting))) {
        m_waiting.clear();
        m_retry.stop();
        if (m_warned) {
            m_warned = false;
            emit warningCleared();
        }
        return;
    }
    warn(true, QCoreApplication::translate("brainlark::HistoryRecorder", WaitingText)
                   .arg(m_store->lastError())
                   .arg(m_waiting.size()));
    m_retry.start();
}

void HistoryRecorder::record(const QString& question, const QString& answer, int mode, bool right,
                             double seconds, bool firstTry)
{
    if (m_givenUp || m_listPath.isEmpty())
        return;
    AnswerRecord record;
    record.time = QDateTime::currentSecsSinceEpoch();
    record.listPath = m_listPath;
    record.question = question;
    record.answer = answer;
    record.mode = mode;
    record.right = right;
    record.seconds = seconds;
    record.firstTry = firstTry;
    // Every answer's time runs from the question's showing: a further try counts only what it added.
    const QString key = m_listPath + QLatin1Char('\n') + question + QLatin1Char('\n') + answer;
    record.studySeconds =
        !firstTry && key == m_lastQuestion ? std::max(0.0, seconds - m_lastSeconds) : seconds;
    m_lastQuestion = key;
    m_lastSeconds = seconds;
    if (m_waiting.size() >= MaxWaiting)
        m_waiting.removeFirst();
    m_waiting.push_back(record);
    // While a retry is pending the database stays alone: each try may wait for its lock.
    if (!m_retry.isActive())
        flush();
}

void HistoryRecorder::listRenamed(const QString& oldPath, const QString& newPath)
{
    if (!m_givenUp && !oldPath.isEmpty() && oldPath != newPath) {
        for (AnswerRecord& waiting : m_waiting)
            if (waiting.listPath == oldPath)
                waiting.listPath = newPath;
        m_renames.push_back({oldPath, newPath});
        if (!m_retry.isActive())
            flush();
    }
    m_listPath = newPath;
}

} // namespace brainlark
