// The main window's side of the list grid: switching between the quiz and the grid, the grid's commands and
// their enable rules.

#include "app/listdocument.h"
#include "app/mainwindow.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

#include "app/importwizard.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "core/listname.h"
#include "core/pairlist.h"
#include "services/guidemessages.h"
#include "services/helppages.h"
#include "services/messagetext.h"
#include "services/prompter.h"
#include "services/shellopener.h"

namespace brainlark
{

EditorContext MainWindow::editorContext()
{
    EditorContext context;
    context.settings = &m_settings;
    context.prompter = m_services.prompter;
    context.sound = m_services.sound;
    context.clock = m_services.clock;
    context.programFolder = m_doc.programFolder();
    context.runDialog = [this](QDialog& dialog) { return runDialog(dialog); };
    context.beforeReplacing = [this](const QString& path) { return m_doc.backupBeforeReplacing(path); };
    context.languages = m_languages;
    return context;
}

void MainWindow::registerGridHandlers()
{
    const std::pair<int, std::function<void()>> handlers[] = {
        {cmd::Viewer, [this] { onViewer(); }},
        {cmd::Editor, [this] { onEditor(); }},
        {cmd::NewList, [this] { onNewList(); }},
        {cmd::FileNew, [this] { onNewList(); }},
        {cmd::GridEditor, [this] { onGridEditor(); }},
        {cmd::BackToQuiz, [this] { backToQuiz(); }},
        {cmd::ImportIntoEditor, [this] { onImportIntoEditor(); }},
        {cmd::GridAdd, [this] { runOnGrid(&GridView::addPair); }},
        {cmd::GridDelete, [this] { runOnGrid(&GridView::deleteCurrent); }},
        {cmd::GridWrongAnswers, [this] { runOnGrid(&GridView::editWrongAnswersOfCurrent); }},
        {cmd::GridInsert, [this] { runOnGrid(&GridView::insertFromTextFile); }},
        {cmd::GridResetRatings, [this] { runOnGrid(&GridView::resetRatings); }},
        {cmd::GridNotes, [this] { runOnGrid(&GridView::editNotesAndSubject); }},
        {cmd::GridPassword, [this] { runOnGrid(&GridView::editPassword); }},
        {cmd::GridSave,
         [this] {
             if (m_grid)
                 m_grid->save();
         }},
        {cmd::GridNew, [this] { runOnGrid(&GridView::newList); }},
        {cmd::GridFind, [this] { runOnGrid(&GridView::showFindBar); }},
        {cmd::GridUndo,
         [this] {
             if (m_grid)
                 m_grid->undoStack()->undo();
         }},
        {cmd::GridRedo,
         [this] {
             if (m_grid)
                 m_grid->undoStack()->redo();
         }},
        {cmd::SortQuestion, [this] { sortGrid(PairTableModel::Question); }},
        {cmd::SortAnswer, [this] { sortGrid(PairTableModel::Answer); }},
        {cmd::SortRating, [this] { sortGrid(PairTableModel::Rating); }},
        {cmd::SortRight, [this] { sortGrid(PairTableModel::Right); }},
        {cmd::SortWrong, [this] { sortGrid(PairTableModel::Wrong); }},
        {cmd::SortTotal, [this] { sortGrid(PairTableModel::Total); }},
        {cmd::GridViewerHelp, [this] { openHelp(GridView::ViewerHelpContext); }},
        {cmd::GridEditorHelp, [this] { openHelp(GridView::EditorHelpContext); }},
    };
    for (const auto& [id, handler] : handlers)
        m_handlers[id] = handler;
}

void MainWindow::sortGrid(int column)
{
    if (m_grid)
        m_grid->sortByHeader(column);
}

void MainWindow::runOnGrid(void (GridView::*command)())
{
    if (m_grid)
        (m_grid->*command)();
}

bool MainWindow::gridRuleAllows(int id, bool& handled) const
{
    handled = true;
    const bool editing = m_grid && m_grid->canEdit();
    switch (id) {
    case cmd::GridAdd:
    case cmd::GridInsert:
    case cmd::GridNotes:
    case cmd::GridPassword:
    case cmd::GridSave:
    case cmd::GridNew:
        return editing;
    case cmd::GridDelete:
    case cmd::GridWrongAnswers:
        return editing && m_grid->canDelete();
    case cmd::GridResetRatings:
        return editing && m_grid->canResetRatings();
    case cmd::GridEditor:
        return m_grid && m_grid->mode() == GridView::Mode::View;
    case cmd::GridUndo:
        return editing && m_grid->undoStack()->canUndo();
    case cmd::GridRedo:
        return editing && m_grid->undoStack()->canRedo();
    case cmd::GridFind:
    case cmd::BackToQuiz:
    case cmd::SortQuestion:
    case cmd::SortAnswer:
        return m_grid != nullptr;
    // The statistics columns are shown in the viewer only.
    case cmd::SortRating:
    case cmd::SortRight:
    case cmd::SortWrong:
    case cmd::SortTotal:
        return m_grid && m_grid->mode() == GridView::Mode::View;
    // Opening another list would replace the document's list behind the grid, which still shows and saves
    // its own; the grid's Back to quiz comes first.
    case cmd::NewList:
    case cmd::FileNew:
    case cmd::ImportIntoEditor:
    case cmd::SelectStudyModule:
        return m_grid == nullptr;
    default:
        handled = false;
        return true;
    }
}

void MainWindow::onViewer()
{
    if (slideshowRunning() || m_grid)
        return;
    m_doc.guide(GuideMessages::Viewer);
    switchToGrid(GridView::Mode::View);
}

void MainWindow::onEditor()
{
    if (slideshowRunning() || m_grid || !m_doc.checkPassword())
        return;
    m_doc.guide(GuideMessages::Editor);
    switchToGrid(GridView::Mode::Edit);
}

void MainWindow::onNewList()
{
    if (slideshowRunning() || m_grid)
        return;
    m_doc.guide(GuideMessages::NewList);
    switchToGrid(GridView::Mode::New);
}

// From the viewer to the editor. The list's password guards the editor here too, so that the viewer is no
// way around it.
void MainWindow::onGridEditor()
{
    if (!m_grid || m_grid->mode() != GridView::Mode::View || !m_doc.checkPassword())
        return;
    m_doc.guide(GuideMessages::Editor);
    attachMenus(true);
    showBars(EditorBars);
    m_grid->setMode(GridView::Mode::Edit);
    m_grid->fill(m_doc.list());
}

void MainWindow::onImportIntoEditor()
{
    if (slideshowRunning() || m_grid)
        return;
    const QString path = m_services.prompter->openFileName(
        tr("Import Text File"), m_doc.textFolder(),
        tr("Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)"));
    if (path.isEmpty())
        return;
    // The import wizard reads the formats other trainers export as well as the '@' lines, and shows what it
    // will import (and what not) before anything is.
    ImportWizard wizard(m_doc.textFolder(), this);
    // The sounds and pictures the pairs name go into the program folder beside the list's other media.
    wizard.setProgramFolder(m_doc.programFolder());
    wizard.setFile(path);
    if (runDialog(wizard) != QDialog::Accepted)
        return;
    const ImportResult& result = wizard.result();
    if (wizard.eachDeck()) {
        makeListsOfDecks(result);
        return;
    }
    auto list = std::make_unique<PairList>();
    if (ImportReader::appendTo(result, *list) <= 0) {
        m_services.prompter->message(
            tr("Sorry, file %1 does not contain a valid Q&A-list.").arg(wizard.filePath()),
            Prompter::Icon::Exclamation);
        return;
    }
    openEditorWithNewList(std::move(list), QFileInfo(wizard.filePath()).completeBaseName());
    if (!result.missingMedia.empty())
        statusBar()->showMessage(tr("%n of the sounds and pictures named in the file could not be imported.",
                                    nullptr, int(result.missingMedia.size())));
}

// Each deck of an import becomes a list of its own in the data folder, never over a list already there.
void MainWindow::makeListsOfDecks(const ImportResult& result)
{
    const std::string folder = QFile::encodeName(m_doc.dataFolder()).toStdString();
    const std::string stamp = FlyArchive::makeStamp(m_services.clock->formatLocal("%c"));
    QStringList made, small;
    for (ImportReader::DeckList& deck : ImportReader::splitByDeck(result)) {
        PairList list;
        list.setSubject(deck.subject);
        if (ImportReader::appendTo(deck.result, list) < ImportWizard::MinimumQuizPairs) {
            small << QString::fromStdString(deck.result.decks.front());
            continue;
        }
        std::string path = ListName::listPath(folder, deck.name);
        for (int n = 2; QFileInfo::exists(QFile::decodeName(path.c_str())); ++n)
            path = ListName::listPath(folder, deck.name + " " + std::to_string(n));
        std::string error;
        if (!FlyArchive::writeFile(path, list, stamp, &error)) {
            m_services.prompter->message(MessageText::shown(error), Prompter::Icon::Exclamation);
            break;
        }
        made << QFileInfo(QFile::decodeName(path.c_str())).completeBaseName();
    }
    QString said = made.isEmpty()
                       ? tr("No deck holds the %1 pairs a quiz needs.").arg(ImportWizard::MinimumQuizPairs)
                       : tr("Lists made in the data folder: %1.").arg(made.join(QStringLiteral(", ")));
    if (!made.isEmpty() && !small.isEmpty())
        said += tr(" Decks with fewer than %1 pairs were left out: %2.")
                    .arg(ImportWizard::MinimumQuizPairs)
                    .arg(small.join(QStringLiteral(", ")));
    if (made.isEmpty())
        m_services.prompter->message(said, Prompter::Icon::Exclamation);
    else
        statusBar()->showMessage(said);
}

void MainWindow::openEditorWithNewList(std::unique_ptr<PairList> list, const QString& name)
{
    if (!list)
        return;
    if (m_grid && !m_grid->askToSaveChanges())
        return;
    if (!m_grid)
        switchToGrid(GridView::Mode::New);
    showBars(EditorBars);
    m_grid->fillNew(*list, name);
    updateCommandStates();
}

void MainWindow::switchToGrid(GridView::Mode mode)
{
    if (m_grid)
        return;
    // The grid shows (and saves) the list as entered; a reversed quiz gets its reversal back afterwards.
    PairList* list = m_doc.list();
    m_reversedBeforeGrid = list && list->isReversed();
    // The quiz's statistics so far reach the list file before the grid shows the list.
    m_doc.saveToFile();
    m_doc.setQuizShown(false);
    m_pathBeforeGrid = m_doc.pathName();
    m_lastGridSave.clear();
    m_countPaneBeforeGrid = pane(2)->text();
    // The quiz's panes (why this question was asked, the score) are not the grid's; they come back with
    // the quiz.
    for (int i : {0, 1}) {
        m_quizPanesBeforeGrid[i] = {pane(i)->text(), pane(i)->toolTip()};
        setPaneText(i, QString());
        pane(i)->setToolTip(QString());
    }
    if (list && list->count() > 0)
        list->unreverse();
    attachMenus(true);
    showBars(mode == GridView::Mode::View ? ViewerBars : EditorBars);

    m_grid = new GridView(editorContext(), this);
    connect(m_grid, &GridView::paneTextChanged, this, &MainWindow::setPaneText);
    connect(m_grid, &GridView::stateChanged, this, &MainWindow::updateCommandStates);
    connect(m_grid, &GridView::listSaved, this, [this](const QString& path) {
        m_doc.setPathName(path);
        m_lastGridSave = path;
    });
    connect(m_grid, &GridView::titleChanged, &m_doc, &ListDocument::setTitle);
    connect(m_grid, &GridView::helpRequested, this, &MainWindow::openHelp);
    m_grid->setContextActions({m_actions[cmd::BackToQuiz], m_actions[cmd::GridViewerHelp],
                               m_actions[cmd::HelpTopics], m_actions[cmd::About]},
                              {m_actions[cmd::BackToQuiz], m_actions[cmd::GridAdd],
                               m_actions[cmd::GridDelete], m_actions[cmd::GridInsert],
                               m_actions[cmd::GridEditorHelp], m_actions[cmd::HelpTopics],
                               m_actions[cmd::About]});
    m_grid->setMode(mode);
    if (mode == GridView::Mode::New) {
        m_grid->setTitle(QString::fromLatin1(GridView::NewListTitle));
        m_doc.setTitle(QString::fromLatin1(GridView::NewListTitle));
    } else {
        m_grid->setTitle(m_doc.title());
        // Only a list file is saved over; an imported text file is never overwritten with a list.
        if (m_doc.pathName().endsWith(QLatin1String(".fly"), Qt::CaseInsensitive))
            m_grid->setFilePath(m_doc.pathName());
    }
    m_grid->fill(m_doc.list());

    QWidget* quiz = takeCentralWidget();
    if (quiz) {
        quiz->setParent(this);
        quiz->hide();
        m_quizView = quiz;
    }
    setCentralWidget(m_grid);
    // Shown now (the layout would show it only from the event loop), so that the keys reach the table at
    // once.
    m_grid->show();
    m_grid->setFocus();
    updateCommandStates();
}

bool MainWindow::backToQuiz()
{
    if (!m_grid)
        return true;
    if (!m_grid->askToSaveChanges())
        return false;
    const bool wasNew = m_grid->mode() == GridView::Mode::New;
    // The list the grid saved last is what the quiz asks from now on, also when a New after the save was
    // left unsaved: the document's old list must never be written over it.
    const QString saved = m_grid->isSaved() ? m_grid->filePath() : m_lastGridSave;
    attachMenus(false);
    showBars(QuizBars);
    GridView* grid = m_grid;
    m_grid = nullptr;
    takeCentralWidget();
    grid->hide();
    grid->deleteLater();
    if (m_quizView) {
        setCentralWidget(m_quizView);
        m_quizView->show();
        m_quizView->setFocus();
    }
    for (int i : {0, 1}) {
        setPaneText(i, m_quizPanesBeforeGrid[i].first);
        pane(i)->setToolTip(m_quizPanesBeforeGrid[i].second);
    }
    setPaneText(2, m_countPaneBeforeGrid);
    setPaneText(3, QString());
    m_doc.setQuizShown(true);
    if (saved.isEmpty() || !m_doc.loadList(saved, ListDocument::OpenList))
        restoreListAfterGrid(wasNew);
    updateCommandStates();
    return true;
}

void MainWindow::restoreListAfterGrid(bool wasNew)
{
    if (wasNew && !m_pathBeforeGrid.isEmpty())
        m_doc.setPathName(m_pathBeforeGrid);
    else if (wasNew)
        m_doc.setTitle(QString());
    PairList* list = m_doc.list();
    if (m_reversedBeforeGrid && list && list->count() > 0 && !list->isReversed())
        list->toggleReverse();
    m_doc.notifyListChanged();
}

} // namespace brainlark
