#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "history/historyrecorder.h"
#include "history/pairmemory.h"

class QDialog;

namespace brainlark
{

class ListDocument;
class MainWindow;
class QuizView;
class StatisticsWindow;
class WeightsFitDialog;

/// Wires the study history into the program: every judged answer of the quiz view goes to the database,
/// Save As takes a list's history along, a failing database gives one status-bar warning, View >
/// Statistics opens the charts, the selection Due learns the due pairs from the history (with the desired
/// retention of the settings and the weights fitted from Options), an opened list tells the history which
/// of its pairs it still has, each list's read-aloud languages are kept beside its answers, and in Smart Pick
/// and Due the first status-bar pane says why the question was asked.
class HistoryCommands : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* DatabaseName = "history.sqlite";
    static constexpr int ReasonPane = 0;
    static constexpr int WarningPane = 2;

    HistoryCommands(MainWindow& frame, ListDocument& doc, QObject* parent = nullptr);

    /// The database of this run: in the program folder given on the command line (so that trial runs keep
    /// to their folder), else in the per-user data folder.
    static QString databasePath(const QString& commandLineProgramFolder);
    bool openDatabase(const QString& path) { return m_recorder.open(path); }
    void attachQuizView(QuizView* view);
    HistoryRecorder& recorder() { return m_recorder; }
    /// The pairs' memory from the history, which the selection Due asks through the quiz view.
    PairMemory& pairMemory() { return m_memory; }
    /// Runs modal dialogs; tests replace it.
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_runDialog = std::move(runner); }
    /// The statistics window of the open list (modal: the list cannot change under it).
    void showStatistics();
    /// Options' "Fit to my history...": fits the spaced-repetition weights to the history in a dialog.
    void fitWeights(QWidget* parent);

signals:
    /// The statistics window is built and about to be shown (tests and screenshots look at it here).
    void statisticsOpened(StatisticsWindow* window);
    /// The fit's dialog is built and its fit started.
    void fitOpened(WeightsFitDialog* dialog);

private:
    void listLoaded();
    void notePairs();

    MainWindow& m_frame;
    ListDocument& m_doc;
    HistoryRecorder m_recorder;
    PairMemory m_memory{m_recorder.store()};
    HistoryDueSource m_dueSource{m_memory};
    std::function<int(QDialog&)> m_runDialog;
};

} // namespace brainlark
