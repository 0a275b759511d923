#include "app/historycommands.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "history/statisticswindow.h"
#include "history/weightsfitdialog.h"
#include "quiz/ui/quizview.h"
#include "services/prompter.h"
#include "settings/appsettings.h"

namespace brainlark
{

HistoryCommands::HistoryCommands(MainWindow& frame, ListDocument& doc, QObject* parent)
    : QObject(parent), m_frame(frame), m_doc(doc), m_runDialog([](QDialog& dialog) { return dialog.exec(); })
{
    connect(&m_doc, &ListDocument::listLoaded, this, &HistoryCommands::listLoaded);
    connect(&m_doc, &ListDocument::listRenamed, &m_recorder, &HistoryRecorder::listRenamed);
    connect(&m_doc, &ListDocument::listRenamed, this, [this](const QString&, const QString& newPath) {
        m_dueSource.setListPath(newPath);
        notePairs(); // the history has gone with the list by now
    });
    m_memory.setRetentionSource([this] { return m_frame.settings().desiredRetention(); });
    m_frame.setWeightsFitter([this](QWidget* parent) { fitWeights(parent); });
    // In the third pane, which the quiz screen leaves free: a timed message would hide the score, and one
    // shown at start-up would be gone before the learner looks. The reason is in the tooltip.
    connect(&m_recorder, &HistoryRecorder::warning, &m_frame, [this](const QString& text, bool waiting) {
        m_frame.setPaneText(WarningPane, waiting ? tr("History waiting") : tr("History not recorded"));
        m_frame.pane(WarningPane)->setToolTip(text);
    });
    connect(&m_recorder, &HistoryRecorder::warningCleared, &m_frame, [this] {
        m_frame.setPaneText(WarningPane, QString());
        m_frame.pane(WarningPane)->setToolTip(QString());
    });
    connect(&m_recorder, &HistoryRecorder::upgradeProgress, &m_frame, [this](int percent) {
        m_frame.setPaneText(WarningPane, tr("Upgrading history %1 %").arg(percent));
        m_frame.pane(WarningPane)
            ->setToolTip(tr(
                "The study history is being upgraded for this version; answers given meanwhile are kept and "
                "written when it is done."));
    });
    m_frame.setCommandHandler(cmd::Statistics, [this] { showStatistics(); });
    // Each list's read-aloud languages live beside its answers (never in the list file); not while an
    // upgrade has the database on its thread.
    LanguageStore languages;
    languages.read = [this](const QString& path) -> std::optional<ListLanguages> {
        if (m_recorder.upgrading())
            return std::nullopt;
        const auto kept = m_recorder.store().listLanguages(path);
        return kept ? std::optional<ListLanguages>(ListLanguages{kept->first, kept->second}) : std::nullopt;
    };
    languages.write = [this](const QString& path, const ListLanguages& chosen) {
        return !m_recorder.upgrading() &&
               m_recorder.store().setListLanguages(path, chosen.question, chosen.answer);
    };
    m_frame.setLanguageStore(languages);
    m_doc.setDueCounter([this] {
        m_memory.updateAll();
        return m_recorder.store().dueCounts(QDate::currentDate());
    });
    listLoaded();
}

QString HistoryCommands::databasePath(const QString& commandLineProgramFolder)
{
    const QString folder = commandLineProgramFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : commandLineProgramFolder;
    return QDir(folder).filePath(QLatin1String(DatabaseName));
}

void HistoryCommands::listLoaded()
{
    // Only lists with a file of their own have a history; an imported text has none until it is saved.
    const QString path = m_doc.pathName();
    m_recorder.setListPath(path.endsWith(QLatin1String(".fly"), Qt::CaseInsensitive) ? path : QString());
    m_dueSource.setListPath(m_recorder.listPath());
    notePairs();
}

void HistoryCommands::notePairs()
{
    // Pairs deleted or edited since the list was last opened are no longer counted as due.
    if (!m_recorder.listPath().isEmpty() && m_doc.list())
        m_memory.notePairs(m_recorder.listPath(), *m_doc.list());
}

void HistoryCommands::attachQuizView(QuizView* view)
{
    // Queued: the answer is written while the feedback runs, never in the way of the click itself.
    connect(view, &QuizView::answerJudged, &m_recorder, &HistoryRecorder::record, Qt::QueuedConnection);
    view->setDueSource(&m_dueSource);
    connect(view, &QuizView::questionReasonChanged, &m_frame,
            [this](const QString& shortText, const QString& details) {
                m_frame.setPaneText(ReasonPane, shortText);
                m_frame.pane(ReasonPane)->setToolTip(details);
            });
}

void HistoryCommands::showStatistics()
{
    m_memory.update(m_recorder.listPath()); // the forecast reads the pairs' memory
    StatisticsWindow window(m_recorder.store(), m_recorder.listPath(), m_doc.title(), m_doc.list(),
                            QDate::currentDate(), &m_frame);
    window.setDesiredRetention(m_frame.settings().desiredRetention());
    window.setPngPathChooser([this](const QString& suggested) {
        return m_frame.services().prompter->saveFileName(tr("Export as PNG"), suggested,
                                                         tr("PNG pictures (*.png)"), QStringLiteral("png"));
    });
    emit statisticsOpened(&window);
    m_runDialog(window);
}

void HistoryCommands::fitWeights(QWidget* parent)
{
    WeightsFitDialog dialog(
        m_recorder.databasePath(),
        [this](const FsrsWeights& weights) { return m_memory.setFittedWeights(weights); }, parent);
    dialog.start();
    emit fitOpened(&dialog);
    m_runDialog(dialog);
}

} // namespace brainlark
