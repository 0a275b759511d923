#include "app/mainwindow.h"

#include <algorithm>

#include <QKeyEvent>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/aboutdialog.h"
#include "app/hyperlinklabel.h"
#include "app/listdocument.h"
#include "app/printjobs.h"
#include "app/quizplaceholder.h"
#include "app/restorebackupdialog.h"
#include "app/statuspane.h"
#include "app/studentdatadialog.h"
#include "app/viewnotesdialog.h"
#include "core/backups.h"
#include "editor/gridview.h"
#include "editor/picturepreviewdialog.h"
#include "options/answerselection.h"
#include "options/optionssheet.h"
#include "quiz/engine/questionreason.h"
#include "quiz/ui/backgroundpicture.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/picturewindow.h"
#include "quiz/ui/quizview.h"
#include "quiz/ui/reasontext.h"
#include "services/eventsounds.h"
#include "services/guidemessages.h"
#include "services/helppages.h"
#include "services/shellopener.h"
#include "services/skins.h"
#include "services/soundplayer.h"

// The icons are compiled into the UI library; a static library's resources must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace brainlark
{

namespace
{

constexpr int Separator = 0;
constexpr int PaneWidths[4] = {210, 145, 145, 50};
constexpr int ShowMaximized = 3;
constexpr int ShowNormal = 1;
// Where an action keeps its own status tip while "not available" stands in for it.
const char* const TipProperty = "commandTip";

} // namespace

struct MainWindow::CommandSpec {
    int id;
    const char* label;
    const char* tip;
    const char* icon = nullptr;
    QKeySequence shortcut = {};
};

MainWindow::MainWindow(ListDocument& doc, AppSettings& settings, const Services& services, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings), m_services(services),
      m_printJobs(std::make_unique<PrintJobs>(doc, settings, services, this))
{
    initResources();
    m_printJobs->setDialogRunner([this](QDialog& dialog) { return runDialog(dialog); });
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brainlark.png")));
    buildActions();
    buildRadioGroups();
    buildMainMenu();
    buildGridMenu();
    attachMenus(false);
    buildToolBars();
    buildStatusBar();
    m_placeholder = new QuizPlaceholder;
    m_quizView = m_placeholder;
    setCentralWidget(m_placeholder);
    registerHandlers();
    m_skins = new Skins(m_settings, m_settings.installPath() + QStringLiteral("/skins"), this);
    m_skins->skinWindow(this);
    if (!m_settings.skinName().isEmpty())
        m_skins->applySkin(m_settings.skinName());

    m_doc.setDialogParent(this);
    m_doc.setSlideshowRunning([this] { return slideshowRunning(); });
    connect(&m_doc, &ListDocument::listLoaded, this, &MainWindow::updateCommandStates);
    connect(&m_doc, &ListDocument::listChanged, this, &MainWindow::updateCommandStates);
    connect(&m_doc, &ListDocument::titleChanged, this, &MainWindow::updateTitle);
    connect(&m_doc, &ListDocument::exportWritten, this, &MainWindow::showExportDestination);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!endSession(manager.allowsInteraction()))
                manager.cancel();
        });
    updateTitle();
    updateCommandStates();
}

MainWindow::~MainWindow()
{
    m_doc.setDialogParent(nullptr);
    m_doc.setSlideshowRunning(nullptr);
}

QAction* MainWindow::makeAction(const CommandSpec& command)
{
    auto* action = new QAction(tr(command.label), this);
    action->setData(command.id);
    action->setStatusTip(tr(command.tip));
    action->setProperty(TipProperty, tr(command.tip));
    if (command.icon)
        action->setIcon(
            QIcon(QStringLiteral(":/icons/") + QLatin1String(command.icon) + QStringLiteral(".png")));
    if (!command.shortcut.isEmpty())
        action->setShortcut(command.shortcut);
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { execute(id); });
    // Every command belongs to the window itself, so its shortcut works whichever menus and toolbars are
    // attached at the moment, and also for commands that have no menu item.
    addAction(action);
    m_actions[id] = action;
    return action;
}

void MainWindow::buildActions()
{
    const CommandSpec commands[] = {
        {cmd::FileNew, QT_TR_NOOP("&New"), QT_TR_NOOP("Create a new document")},
        {cmd::SelectStudyModule, QT_TR_NOOP("&Select study module"), QT_TR_NOOP("Select study module"),
         "open-list", QKeySequence(Qt::CTRL | Qt::Key_O)},
        // "S" belongs to "Select study module" in the File menu.
        {cmd::FileSave, QT_TR_NOOP("Save the Q&&A-&list"), QT_TR_NOOP("Save the Q&A-list"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {cmd::SaveAs, QT_TR_NOOP("Save the Q&&A-list &As..."), QT_TR_NOOP("Save the Q&A-list")},
        {cmd::ImportText, QT_TR_NOOP("&Import Q&&A-list..."),
         QT_TR_NOOP("Import Q&A-list in text-file format")},
        {cmd::RestoreBackup, QT_TR_NOOP("Restore from Bac&kup..."),
         QT_TR_NOOP("Put an earlier version of the Q&A-list back")},
        {cmd::Statistics, QT_TR_NOOP("Stat&istics..."), QT_TR_NOOP("Study history and statistics")},
        {cmd::ExportPalm, QT_TR_NOOP("&Export to Palm"), QT_TR_NOOP("Export to Palm"), "export-palm"},
        {cmd::ExportHtml, QT_TR_NOOP("Export to &HTML"), QT_TR_NOOP("Show the Q&A-list in your browser")},
        {cmd::ExportText, QT_TR_NOOP("Export to &Text File"),
         QT_TR_NOOP("Export the Q&A-list to a text file")},
        {cmd::ExportBlText, QT_TR_NOOP("Export to &BL Text File"),
         QT_TR_NOOP("Export the Q&A-list in the import format")},
        {cmd::ExportKvtml, QT_TR_NOOP("Export to &KVTML Vocabulary (.kvtml)..."),
         QT_TR_NOOP("Export the Q&A-list as a vocabulary for KWordQuiz and Parley")},
        {cmd::ExportTsv, QT_TR_NOOP("Export to Tab-&separated Text (.tsv)..."),
         QT_TR_NOOP("Export the Q&A-list as tab-separated text for other trainers and spreadsheets")},
        {cmd::ExportCsv, QT_TR_NOOP("Export to &CSV (.csv)..."),
         QT_TR_NOOP("Export the Q&A-list as comma-separated values for other trainers and spreadsheets")},
        {cmd::ShareLists, QT_TR_NOOP("S&hare Q&&A-lists"), QT_TR_NOOP("Open the folder of the Q&A-lists")},
        {cmd::PrintableTest, QT_TR_NOOP("&Create Printable Test"), QT_TR_NOOP("Create a printable test")},
        {cmd::PrintableFolder, QT_TR_NOOP("&Open Folder"),
         QT_TR_NOOP("Open the folder of the printable tests")},
        {cmd::ImageFolder, QT_TR_NOOP("&Image Folder"), QT_TR_NOOP("Open the folder of the Q&A pictures")},
        {cmd::SoundFolder, QT_TR_NOOP("So&und Folder"), QT_TR_NOOP("Open the folder of the Q&A sounds")},
        {cmd::PrintFlashcards, QT_TR_NOOP("Print &Flashcards..."), QT_TR_NOOP("Print flashcards")},
        {cmd::Print, QT_TR_NOOP("&Print..."), QT_TR_NOOP("Print the Q&A-list"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_P)},
        {cmd::PrintDirect, QT_TR_NOOP("Print &Direct"),
         QT_TR_NOOP("Print the Q&A-list on the current printer")},
        {cmd::PrintPreview, QT_TR_NOOP("Print Pre&view"), QT_TR_NOOP("Preview the printed Q&A-list")},
        {cmd::PrintSetup, QT_TR_NOOP("P&rint Setup..."),
         QT_TR_NOOP("Change the printer and printing options")},
        // Alt+F4 comes from the window manager; Ctrl+Q is how Linux desktops quit a program.
        {cmd::Exit, QT_TR_NOOP("E&xit"), QT_TR_NOOP("Quit Brainlark"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {cmd::StatusBar, QT_TR_NOOP("&Status Bar"), QT_TR_NOOP("Show or hide the status bar")},
        {cmd::Options, QT_TR_NOOP("&Options..."), QT_TR_NOOP("Change the options")},
        {cmd::ChangeLayout, QT_TR_NOOP("&Change Layout..."),
         QT_TR_NOOP("Change the layout of the quiz screen")},
        {cmd::StudentData, QT_TR_NOOP("Student &Data..."), QT_TR_NOOP("Student name and Q&A-list ratings")},
        {cmd::Viewer, QT_TR_NOOP("Q&&A-list &Viewer"), QT_TR_NOOP("Q&A-list Viewer"), "viewer"},
        {cmd::Editor, QT_TR_NOOP("Q&&A-list &Editor"), QT_TR_NOOP("Q&A-list Editor"), "editor"},
        // Ctrl+N lives on the menu item, where it works and shows.
        {cmd::NewList, QT_TR_NOOP("&New Q&&A-list"), QT_TR_NOOP("New Q&A-list"), "new-list",
         QKeySequence(Qt::CTRL | Qt::Key_N)},
        {cmd::BackToQuiz, QT_TR_NOOP("&Quiz Screen"), QT_TR_NOOP("Back to Quiz"), "back-to-quiz"},
        {cmd::GridEditor, QT_TR_NOOP("Q&&A-list &Editor"), QT_TR_NOOP("Q&A-list Editor"), "editor"},
        {cmd::GridViewer, QT_TR_NOOP("Q&&A-list &Viewer"), QT_TR_NOOP("Q&A-list Viewer"), "viewer"},
        {cmd::Slideshow, QT_TR_NOOP("S&lideshow"), QT_TR_NOOP("Slideshow"), "slideshow-start"},
        // Ctrl+R: no view takes it (letters and digits answer, and the grid's keys are its menus').
        {cmd::ReadAloud, QT_TR_NOOP("&Read Aloud"),
         QT_TR_NOOP("Read the question aloud, and its answer once it is judged"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_R)},
        {cmd::SlideshowHidden, QT_TR_NOOP("Slideshow"), QT_TR_NOOP("Slideshow"), "slideshow-stop"},
        {cmd::MultipleChoice, QT_TR_NOOP("&Multiple-choice"), QT_TR_NOOP("Multiple-choice questions")},
        {cmd::TrueFalse, QT_TR_NOOP("&True/False"), QT_TR_NOOP("True/False questions")},
        {cmd::TypeIn, QT_TR_NOOP("T&ype-in"), QT_TR_NOOP("Type the answer")},
        {cmd::Matching, QT_TR_NOOP("Matc&hing"), QT_TR_NOOP("Match questions and answers")},
        {cmd::SmartPick, QT_TR_NOOP("&Smart Pick"), QT_TR_NOOP("Ask the pairs you know least")},
        {cmd::Sequential, QT_TR_NOOP("S&equential"), QT_TR_NOOP("Ask the pairs in order")},
        {cmd::RandomPick, QT_TR_NOOP("&Random"), QT_TR_NOOP("Ask the pairs at random")},
        {cmd::DueReview, QT_TR_NOOP("&Due (spaced repetition)"),
         QT_TR_NOOP("Ask the pairs due for review today, lowest recall chance first")},
        {cmd::AnswersPredefined, QT_TR_NOOP("&Predefined"), QT_TR_NOOP("Use the predefined wrong answers")},
        {cmd::AnswersRandom, QT_TR_NOOP("&Random"), QT_TR_NOOP("Use random wrong answers")},
        {cmd::Animate, QT_TR_NOOP("Animate &New Question"), QT_TR_NOOP("Toggle new question animation")},
        {cmd::BackgroundPicture, QT_TR_NOOP("Select &Background Picture"),
         QT_TR_NOOP("Open the folder of background pictures")},
        {cmd::SelectSkin, QT_TR_NOOP("Select S&kin..."), QT_TR_NOOP("Select a skin")},
        {cmd::SkinsOff, QT_TR_NOOP("Turn Skins O&ff"), QT_TR_NOOP("Turn skins off")},
        {cmd::Start, QT_TR_NOOP("&Start"), QT_TR_NOOP("Start Questions"), "start"},
        {cmd::Flip, QT_TR_NOOP("&Flip questions"), QT_TR_NOOP("Reverse questions and answers"), "flip"},
        {cmd::ViewNotes, QT_TR_NOOP("View no&tes"), QT_TR_NOOP("View notes"), "notes"},
        {cmd::Mute, QT_TR_NOOP("M&ute all Brainlark sounds"), QT_TR_NOOP("Mute all Brainlark sounds")},
        {cmd::FunnySounds, QT_TR_NOOP("Turn Funny Soun&ds on/off"),
         QT_TR_NOOP("Turn funny sounds on or off")},
        {cmd::QuizHelp, QT_TR_NOOP("&Help"), QT_TR_NOOP("Help for the quiz screen")},
        {cmd::GridNew, QT_TR_NOOP("&New"), QT_TR_NOOP("New Q&A-list"), "new-list"},
        {cmd::GridSave, QT_TR_NOOP("&Save"), QT_TR_NOOP("Save the Q&A-list"), "save"},
        {cmd::GridAdd, QT_TR_NOOP("&Add"), QT_TR_NOOP("Add a Q&A pair"), "add"},
        {cmd::GridDelete, QT_TR_NOOP("&Delete"), QT_TR_NOOP("Delete the Q&A pair"), "delete"},
        {cmd::GridWrongAnswers, QT_TR_NOOP("&Predefined Wrong Answers"),
         QT_TR_NOOP("Predefined wrong answers"), "wrong-answers"},
        {cmd::GridNotes, QT_TR_NOOP("Notes and &Subject"), QT_TR_NOOP("Notes and subject"), "notes-subject"},
        {cmd::GridPassword, QT_TR_NOOP("Pass&word"), QT_TR_NOOP("Password"), "password"},
        {cmd::GridInsert, QT_TR_NOOP("&Insert from a text-file..."),
         QT_TR_NOOP("Insert Q&A pairs from a text file")},
        {cmd::GridResetRatings, QT_TR_NOOP("Reset Q&&A ra&tings"), QT_TR_NOOP("Reset the Q&A-pair ratings")},
        {cmd::GridUndo, QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undo the last change"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {cmd::GridRedo, QT_TR_NOOP("&Redo"), QT_TR_NOOP("Redo the change undone"), nullptr,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {cmd::GridFind, QT_TR_NOOP("&Find..."), QT_TR_NOOP("Find a question or answer"), nullptr,
         QKeySequence(Qt::CTRL | Qt::Key_F)},
        {cmd::SortQuestion, QT_TR_NOOP("&Question"),
         QT_TR_NOOP("Sort by the questions, as a click on the column header does")},
        {cmd::SortAnswer, QT_TR_NOOP("&Answer"),
         QT_TR_NOOP("Sort by the answers, as a click on the column header does")},
        {cmd::SortRating, QT_TR_NOOP("&Rating"),
         QT_TR_NOOP("Sort by the ratings, as a click on the column header does")},
        {cmd::SortRight, QT_TR_NOOP("Ri&ght"),
         QT_TR_NOOP("Sort by the right answers, as a click on the column header does")},
        {cmd::SortWrong, QT_TR_NOOP("&Wrong"),
         QT_TR_NOOP("Sort by the wrong answers, as a click on the column header does")},
        {cmd::SortTotal, QT_TR_NOOP("&Total"),
         QT_TR_NOOP("Sort by the answers given, as a click on the column header does")},
        {cmd::GridViewerHelp, QT_TR_NOOP("&Help"), QT_TR_NOOP("Help for the Q&A-list viewer")},
        {cmd::GridEditorHelp, QT_TR_NOOP("&Help"), QT_TR_NOOP("Help for the Q&A-list editor")},
        {cmd::ImportIntoEditor, QT_TR_NOOP("Imp&ort Text File..."),
         QT_TR_NOOP("Import Q&A pairs from a text file into a new Q&A-list")},
        {cmd::OnlineTutorials, QT_TR_NOOP("Online &Tutorials"), QT_TR_NOOP("Online tutorials")},
        {cmd::VideoTutorials, QT_TR_NOOP("Download &Video Tutorials"),
         QT_TR_NOOP("Download video tutorials")},
        {cmd::OnlineHelp, QT_TR_NOOP("&Online Help"), QT_TR_NOOP("Online help")},
        {cmd::HandheldEdition, QT_TR_NOOP("Get Brainlark for &Palm OS"),
         QT_TR_NOOP("Get the handheld edition")},
        {cmd::FreeDownloads, QT_TR_NOOP("&Free Downloads"), QT_TR_NOOP("Free downloads")},
        {cmd::News, QT_TR_NOOP("&News"), QT_TR_NOOP("News")},
        {cmd::Recommend, QT_TR_NOOP("&Recommend to a Friend"), QT_TR_NOOP("Recommend Brainlark to a friend")},
        {cmd::Survey, QT_TR_NOOP("&Survey"), QT_TR_NOOP("Take our survey")},
        {cmd::HelpTopics, QT_TR_NOOP("&Help Topics"), QT_TR_NOOP("Help topics")},
        {cmd::HowDoI, QT_TR_NOOP("How &do I ..."), QT_TR_NOOP("How do I ...")},
        {cmd::Tutorial, QT_TR_NOOP("&Tutorial"), QT_TR_NOOP("Tutorial")},
        {cmd::About, QT_TR_NOOP("&About Brainlark..."), QT_TR_NOOP("Program information and version")},
        {cmd::DebugDump, QT_TR_NOOP("Debug dump"), QT_TR_NOOP("this should not even be here")},
    };
    for (const CommandSpec& command : commands)
        makeAction(command);
    m_actions[cmd::StatusBar]->setCheckable(true);
    m_actions[cmd::StatusBar]->setChecked(true);
    for (int id : {cmd::Animate, cmd::Mute, cmd::FunnySounds})
        m_actions[id]->setCheckable(true);
    m_actions[cmd::SlideshowHidden]->setVisible(false);
}

void MainWindow::buildRadioGroups()
{
    const std::initializer_list<int> groups[] = {
        {cmd::MultipleChoice, cmd::TrueFalse, cmd::TypeIn, cmd::Matching},
        {cmd::SmartPick, cmd::Sequential, cmd::RandomPick, cmd::DueReview},
        {cmd::AnswersPredefined, cmd::AnswersRandom},
    };
    for (const auto& ids : groups) {
        auto* group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        for (int id : ids) {
            m_actions[id]->setCheckable(true);
            group->addAction(m_actions[id]);
        }
    }
}

QAction* MainWindow::action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::newMenu(const QString& title, std::initializer_list<int> ids)
{
    auto* menu = new QMenu(title, this);
    for (int id : ids) {
        if (id == Separator)
            menu->addSeparator();
        else
            menu->addAction(m_actions.at(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
    return menu;
}

QMenu* MainWindow::buildFileMenu()
{
    QMenu* file = newMenu(tr("&File"), {cmd::NewList, cmd::SelectStudyModule, cmd::ImportIntoEditor,
                                        cmd::FileSave, cmd::SaveAs, cmd::RestoreBackup, Separator});
    file->addMenu(
        newMenu(tr("&Export to File"), {cmd::ExportHtml, cmd::ExportText, cmd::ExportBlText, cmd::ExportKvtml,
                                        cmd::ExportTsv, cmd::ExportCsv, cmd::ExportPalm}));
    file->addMenu(newMenu(tr("Printable &Tests"), {cmd::PrintableTest, cmd::PrintableFolder}));
    file->addSeparator();
    file->addAction(m_actions[cmd::ShareLists]);
    file->addAction(m_actions[cmd::ImageFolder]);
    file->addAction(m_actions[cmd::SoundFolder]);
    file->addSeparator();
    for (int id : {cmd::PrintFlashcards, cmd::Print, cmd::PrintPreview, cmd::PrintSetup})
        file->addAction(m_actions[id]);
    file->addSeparator();
    file->addAction(m_actions[cmd::Exit]);
    return file;
}

QMenu* MainWindow::buildViewMenu()
{
    return newMenu(tr("&View"),
                   {cmd::Viewer, cmd::Editor, cmd::NewList, Separator, cmd::ViewNotes, cmd::Statistics,
                    cmd::StudentData,
                    Separator, cmd::Options, cmd::ChangeLayout, cmd::BackgroundPicture, cmd::SelectSkin,
                    cmd::SkinsOff, Separator, cmd::StatusBar});
}

QMenu* MainWindow::buildQuizMenu()
{
    QMenu* quiz =
        newMenu(tr("&Quiz"), {cmd::Start, cmd::Flip, cmd::Slideshow, cmd::ReadAloud, Separator,
                              cmd::MultipleChoice, cmd::TrueFalse, cmd::TypeIn, cmd::Matching, Separator});
    quiz->addMenu(
        newMenu(tr("&Question Selection"), {cmd::SmartPick, cmd::Sequential, cmd::RandomPick, cmd::DueReview}));
    quiz->addMenu(newMenu(tr("&Answer Selection"), {cmd::AnswersPredefined, cmd::AnswersRandom}));
    quiz->addSeparator();
    for (int id : {cmd::Animate, cmd::Mute, cmd::FunnySounds})
        quiz->addAction(m_actions[id]);
    return quiz;
}

QMenu* MainWindow::buildWebMenu()
{
    return newMenu(tr("&Web"), {cmd::OnlineTutorials, cmd::VideoTutorials, cmd::HandheldEdition, Separator,
                                cmd::FreeDownloads, cmd::News, cmd::Recommend, cmd::Survey});
}

QMenu* MainWindow::buildHelpMenu()
{
    return newMenu(tr("&Help"),
                   {cmd::HelpTopics, cmd::HowDoI, cmd::Tutorial, cmd::OnlineHelp, Separator, cmd::About});
}

void MainWindow::buildMainMenu()
{
    m_mainMenus = {buildFileMenu(), buildViewMenu(), buildQuizMenu(), buildWebMenu(), buildHelpMenu()};
}

void MainWindow::buildGridMenu()
{
    // Ctrl+S has one owner, the window's Save, which saves the grid while the grid is shown.
    QMenu* file = newMenu(tr("&File"), {cmd::GridNew, cmd::FileSave, Separator, cmd::Exit});
    // Options belongs to the grid's menus too; Edit has the free key for it, as desktop programs keep their
    // preferences there.
    QMenu* edit =
        newMenu(tr("&Edit"), {cmd::GridUndo, cmd::GridRedo, Separator, cmd::GridAdd, cmd::GridDelete,
                              cmd::GridWrongAnswers, cmd::GridInsert, Separator, cmd::GridNotes,
                              cmd::GridPassword, cmd::GridResetRatings, Separator, cmd::GridFind, Separator,
                              cmd::Options});
    QMenu* view =
        newMenu(tr("&View"), {cmd::BackToQuiz, cmd::GridViewer, cmd::GridEditor, Separator, cmd::StatusBar});
    // The header's sort, from the keyboard.
    view->addSeparator();
    view->addMenu(newMenu(tr("S&ort by"), {cmd::SortQuestion, cmd::SortAnswer, cmd::SortRating,
                                           cmd::SortRight, cmd::SortWrong, cmd::SortTotal}));
    m_gridMenus = {file, edit, view, buildHelpMenu()};
}

void MainWindow::attachMenus(bool grid)
{
    menuBar()->clear();
    for (QMenu* menu : grid ? m_gridMenus : m_mainMenus)
        menuBar()->addMenu(menu);
}

QToolBar* MainWindow::buildToolBar(const QString& name, std::initializer_list<int> ids)
{
    auto* bar = new QToolBar(name, this);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : ids) {
        if (id == Separator)
            bar->addSeparator();
        else
            bar->addAction(m_actions.at(id));
    }
    addToolBar(Qt::TopToolBarArea, bar);
    // The button that shows the commands a narrow window cannot hold.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));
    return bar;
}

void MainWindow::buildToolBars()
{
    m_viewerBar = buildToolBar(tr("Viewer"), {cmd::BackToQuiz, cmd::GridEditor});
    m_quizBar = buildToolBar(tr("Quiz"), {cmd::SelectStudyModule, cmd::ExportPalm, Separator, cmd::NewList,
                                          cmd::Viewer, cmd::Editor, Separator, cmd::Start, cmd::Flip,
                                          Separator, cmd::ViewNotes, cmd::Slideshow, cmd::SlideshowHidden});
    m_editorBar = buildToolBar(tr("Editor"), {cmd::BackToQuiz, cmd::GridNew, Separator, cmd::GridSave,
                                              Separator, cmd::GridAdd, cmd::GridDelete, cmd::GridWrongAnswers,
                                              Separator, cmd::GridNotes, cmd::GridPassword});
    showBars(QuizBars);
}

void MainWindow::showBars(BarMode mode)
{
    if (mode != QuizBars && mode != ViewerBars && mode != EditorBars)
        return;
    m_quizBar->setVisible(mode == QuizBars);
    m_viewerBar->setVisible(mode == ViewerBars);
    m_editorBar->setVisible(mode == EditorBars);
}

QToolBar* MainWindow::toolBar(BarMode mode) const
{
    return mode == QuizBars     ? m_quizBar
           : mode == ViewerBars ? m_viewerBar
           : mode == EditorBars ? m_editorBar
                                : nullptr;
}

void MainWindow::buildStatusBar()
{
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new StatusPane;
        int width = PaneWidths[i];
        if (i == 0) {
            // Why Smart Pick asks the question; other languages need more room for it than English. (A long
            // due reason is shortened in the middle, keeping its recall chance.)
            QuestionReason weak;
            weak.smartPick = true;
            weak.rating = 10;
            weak.rank = 12;
            width = std::max(width,
                             m_panes[i]->fontMetrics().horizontalAdvance(ReasonText::shortText(weak)) + 16);
        }
        if (i == 3) {
            // The editor's mode word; other languages have longer words for it than "Edit".
            for (GridView::Mode mode : {GridView::Mode::View, GridView::Mode::Edit, GridView::Mode::New})
                width = std::max(width,
                                 m_panes[i]->fontMetrics().horizontalAdvance(GridView::modeWord(mode)) + 16);
        }
        m_panes[i]->setFixedWidth(width);
        m_panes[i]->setFrameShape(QFrame::StyledPanel);
        m_panes[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(m_panes[i]);
    }
}

void MainWindow::setPaneText(int pane, const QString& text)
{
    if (pane >= 0 && pane < 4)
        m_panes[pane]->setText(text);
}

void MainWindow::showExportDestination(const QString& path, bool opened)
{
    constexpr int ShownMs = 20000;
    const QString where = QDir::toNativeSeparators(path);
    statusBar()->showMessage(opened ? tr("Saved to %1").arg(where)
                                    : tr("Saved to %1 (no program could open it)").arg(where),
                             ShownMs);
}

QLabel* MainWindow::pane(int index) const
{
    return index >= 0 && index < 4 ? m_panes[index] : nullptr;
}

void MainWindow::setCommandHandler(int id, std::function<void()> handler)
{
    if (handler)
        m_handlers[id] = std::move(handler);
    else
        m_handlers.erase(id);
    updateCommandStates();
}

namespace
{

// What a command is to the quiz screen while something plays there.
Input inputOfCommand(int id, bool slideshowRunning)
{
    switch (id) {
    case cmd::Exit:
        return Input::Close;
    case cmd::Slideshow:
    case cmd::SlideshowHidden:
        return slideshowRunning ? Input::StopShow : Input::Command;
    case cmd::ReadAloud: // reading a card aloud leaves the show as it is, whatever step it is in
        return slideshowRunning ? Input::Harmless : Input::Command;
    case cmd::QuizHelp:
    case cmd::HelpTopics:
    case cmd::ContextHelp:
    case cmd::HelpFinder:
    case cmd::About:
    case cmd::Mute:
    case cmd::FunnySounds:
    case cmd::StatusBar:
        return Input::Harmless;
    default:
        return Input::Command;
    }
}

} // namespace

void MainWindow::execute(int id)
{
    QAction* command = action(id);
    const auto handler = m_handlers.find(id);
    if (!command || !command->isEnabled() || handler == m_handlers.end())
        return;
    // While something plays on the quiz screen, the quiz decides what the command means.
    if (auto* quiz = qobject_cast<QuizView*>(m_quizView)) {
        const Input input = inputOfCommand(id, slideshowRunning());
        const Response response = quiz->respond(input);
        if (response != Response::Take && (response != Response::Stop || input != Input::Close))
            return; // refused in the status bar, or the stop was all the command asked for
    }
    // A copy: the handler may replace itself (a view plugging in) while it runs.
    const std::function<void()> run = handler->second;
    run();
    updateCommandStates();
    emit commandExecuted(id);
}

void MainWindow::openHelp(int context)
{
    // Help asked for from a modal dialog (a guide's Help button) must not be blocked by that dialog: it gets
    // a help window of its own that goes with it.
    QWidget* modal = QApplication::activeModalWidget();
    QPointer<HelpWindow>& window = modal ? m_modalHelpWindow : m_helpWindow;
    if (window && window->parentWidget() != (modal ? modal : this))
        window->close();
    if (!window) {
        window = new HelpWindow(
            [shell = m_services.shell](const QString& url) { return shell->open(url); },
            [this](const QString& text) { m_services.prompter->message(text, Prompter::Icon::Exclamation); },
            modal ? modal : this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_skins->skinWindow(window);
    }
    window->showPage(QUrl(HelpPages::url(m_doc.programFolder(), context)));
    window->show();
    window->raise();
    window->activateWindow();
}

int MainWindow::runDialog(QDialog& dialog)
{
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

} // namespace brainlark

namespace brainlark
{

void MainWindow::registerHandlers()
{
    registerDocumentHandlers();
    registerGridHandlers();
    const std::pair<int, std::function<void()>> frame[] = {
        {cmd::Exit, [this] { close(); }},
        {cmd::StatusBar, [this] { statusBar()->setHidden(!statusBar()->isHidden()); }},
        {cmd::StudentData, [this] { onStudentData(); }},
        {cmd::ViewNotes, [this] { onViewNotes(); }},
        {cmd::About, [this] { onAbout(); }},
        {cmd::SmartPick, [this] { m_settings.setQuestionSelectionMode(0); }},
        {cmd::Sequential, [this] { m_settings.setQuestionSelectionMode(1); }},
        {cmd::RandomPick, [this] { m_settings.setQuestionSelectionMode(2); }},
        {cmd::DueReview, [this] { m_settings.setQuestionSelectionMode(3); }},
        {cmd::AnswersPredefined, [this] { onAnswerSelection(true); }},
        {cmd::AnswersRandom, [this] { onAnswerSelection(false); }},
        {cmd::BackgroundPicture, [this] { m_services.shell->open(m_doc.folder("bkg/")); }},
        {cmd::Mute, [this] { onMute(); }},
        {cmd::FunnySounds,
         [this] {
             m_settings.setFunFlag(funflags::kFunnySounds, !m_settings.funFlag(funflags::kFunnySounds));
         }},
        {cmd::Options, [this] { onOptions(false); }},
        {cmd::ChangeLayout, [this] { onOptions(true); }},
        {cmd::SelectSkin, [this] { onSelectSkin(); }},
        {cmd::SkinsOff, [this] { onSkinsOff(); }},
        {cmd::OnlineTutorials, [this] { openVendorPage("/tutorials.html?s=software"); }},
        {cmd::VideoTutorials, [this] { openVendorPage("/movies.html?s=software"); }},
        {cmd::OnlineHelp, [this] { openVendorPage("/online_help.html?s=software"); }},
        {cmd::HandheldEdition, [this] { openVendorPage("/get_palm.html?s=software"); }},
        {cmd::FreeDownloads, [this] { openVendorPage("/free_downloads.html?s=software"); }},
        {cmd::News, [this] { openVendorPage("/news.html?s=software"); }},
        {cmd::Recommend, [this] { openVendorPage("/recommend.html?s=software"); }},
        {cmd::Survey, [this] { openVendorPage("/survey.html?s=software"); }},
        {cmd::HelpTopics, [this] { openHelp(0); }},
        {cmd::HowDoI, [this] { openHelp(36); }},
        {cmd::Tutorial, [this] { openHelp(2); }},
    };
    for (const auto& [id, handler] : frame)
        m_handlers[id] = handler;
}

void MainWindow::registerDocumentHandlers()
{
    ListDocument* doc = &m_doc;
    m_handlers[cmd::SelectStudyModule] = [doc] { doc->selectStudyModule(); };
    m_handlers[cmd::FileSave] = [this] { onSaveDocument(); };
    m_handlers[cmd::SaveAs] = [doc] { doc->saveAs(); };
    m_handlers[cmd::ImportText] = [doc] { doc->importText(); };
    m_handlers[cmd::ExportPalm] = [doc] { doc->exportToPalm(); };
    m_handlers[cmd::ExportHtml] = [doc] { doc->exportToHtml(); };
    m_handlers[cmd::ExportText] = [doc] { doc->exportToText(); };
    m_handlers[cmd::ExportBlText] = [doc] { doc->exportToBlText(); };
    m_handlers[cmd::ExportKvtml] = [doc] { doc->exportForOtherTrainers(ListDocument::TableFormat::Kvtml); };
    m_handlers[cmd::ExportTsv] = [doc] { doc->exportForOtherTrainers(ListDocument::TableFormat::Tsv); };
    m_handlers[cmd::ExportCsv] = [doc] { doc->exportForOtherTrainers(ListDocument::TableFormat::Csv); };
    m_handlers[cmd::PrintableTest] = [doc] { doc->createPrintableTest(); };
    m_handlers[cmd::PrintableFolder] = [doc] { doc->openPrintableTestsFolder(); };
    m_handlers[cmd::ShareLists] = [doc] { doc->shareLists(); };
    m_handlers[cmd::ImageFolder] = [doc] { doc->openImageFolder(); };
    m_handlers[cmd::SoundFolder] = [doc] { doc->openSoundFolder(); };
    m_handlers[cmd::DebugDump] = [doc] { doc->dumpDebug(); };
    m_handlers[cmd::RestoreBackup] = [this] { onRestoreBackup(); };
    PrintJobs* print = m_printJobs.get();
    m_handlers[cmd::PrintFlashcards] = [print] { print->printFlashcards(); };
    m_handlers[cmd::Print] = [print] { print->print(); };
    m_handlers[cmd::PrintDirect] = [print] { print->printDirect(); };
    m_handlers[cmd::PrintPreview] = [print] { print->printPreview(); };
    m_handlers[cmd::PrintSetup] = [print] { print->printSetup(); };
}

bool MainWindow::ruleAllows(int id) const
{
    const int pairs = m_doc.pairCount();
    switch (id) {
    case cmd::Start:
        return pairs >= ListDocument::MinimumQuizPairs;
    case cmd::Viewer:
    case cmd::Editor:
    case cmd::ViewNotes:
    case cmd::Slideshow:
    case cmd::PrintFlashcards:
        return pairs >= 1;
    case cmd::FileSave:
        return m_grid ? m_grid->canEdit() : m_doc.hasList();
    case cmd::SaveAs:
    case cmd::Print:
    case cmd::PrintDirect:
    case cmd::PrintPreview:
    case cmd::ExportText:
    case cmd::ExportBlText:
    case cmd::ExportKvtml:
    case cmd::ExportTsv:
    case cmd::ExportCsv:
    case cmd::ExportHtml:
    case cmd::PrintableTest:
    case cmd::DebugDump:
        return m_doc.hasList();
    case cmd::RestoreBackup:
        return !m_grid && m_doc.hasList() && m_doc.pathName().endsWith(QLatin1String(".fly"), Qt::CaseInsensitive);
    case cmd::Animate:
        return m_settings.quizMode() != 3;
    case cmd::ChangeLayout:
        return m_settings.quizMode() == 0;
    default:
        break;
    }
    if (const auto rule = m_rules.find(id); rule != m_rules.end())
        return rule->second();
    bool handled = false;
    const bool allowed = gridRuleAllows(id, handled);
    return handled ? allowed : true;
}

void MainWindow::updateCommandStates()
{
    for (const auto& [id, command] : m_actions) {
        const bool available = hasHandler(id);
        command->setEnabled(available && ruleAllows(id));
        // A command that gets its handler later (the quiz view's) gets its own tip back. The grid's Viewer
        // item is off by design (it names the screen that is shown), not missing from this version.
        const bool missing = !available && id != cmd::GridViewer;
        command->setStatusTip(missing ? QCoreApplication::translate("brainlark::MainWindow", NotAvailableTip)
                                      : command->property(TipProperty).toString());
    }
    updateRadioMarks();
    updatePlaceholder();
}

void MainWindow::setCommandTip(int id, const QString& tip)
{
    QAction* command = action(id);
    if (!command || command->property(TipProperty).toString() == tip)
        return;
    command->setProperty(TipProperty, tip);
    command->setToolTip(tip);
    if (hasHandler(id))
        command->setStatusTip(tip);
}

void MainWindow::updateRadioMarks()
{
    const int quizModes[] = {cmd::MultipleChoice, cmd::TrueFalse, cmd::TypeIn, cmd::Matching};
    const int selections[] = {cmd::SmartPick, cmd::Sequential, cmd::RandomPick, cmd::DueReview};
    const int mode = m_settings.quizMode();
    const int selection = m_settings.questionSelectionMode();
    for (int i = 0; i < 4; ++i)
        m_actions[quizModes[i]]->setChecked(mode == i);
    for (int i = 0; i < int(std::size(selections)); ++i)
        m_actions[selections[i]]->setChecked(selection == i);
    const bool predefined = m_settings.funFlag(funflags::kPredefinedAnswers);
    m_actions[cmd::AnswersPredefined]->setChecked(predefined);
    m_actions[cmd::AnswersRandom]->setChecked(!predefined);
    m_actions[cmd::Animate]->setChecked(m_settings.funFlag(funflags::kAnimateQuestion));
    m_actions[cmd::Mute]->setChecked(!m_settings.playSounds());
    m_actions[cmd::FunnySounds]->setChecked(m_settings.funFlag(funflags::kFunnySounds));
    m_actions[cmd::StatusBar]->setChecked(!statusBar()->isHidden());
    updateSlideshowPicture();
}

// The slideshow's toolbar button shows a stop picture while the show runs.
void MainWindow::updateSlideshowPicture()
{
    QAction* slideshow = m_actions[cmd::Slideshow];
    const bool running = slideshowRunning();
    const char* const RunningProperty = "slideshowRunning";
    if (slideshow->property(RunningProperty).toBool() == running && !slideshow->icon().isNull())
        return;
    slideshow->setProperty(RunningProperty, running);
    slideshow->setIcon(QIcon(running ? QStringLiteral(":/icons/slideshow-stop.png")
                                     : QStringLiteral(":/icons/slideshow-start.png")));
}

void MainWindow::updateTitle()
{
    setWindowTitle(m_doc.title().isEmpty() ? QStringLiteral("Brainlark")
                                           : tr("%1 - Brainlark").arg(m_doc.title()));
    updatePlaceholder();
}

void MainWindow::updatePlaceholder()
{
    if (!m_placeholder)
        return;
    m_placeholder->setTitle(m_doc.hasList() ? m_doc.title() : QString());
    if (!m_doc.hasList())
        m_placeholder->setHint(tr("Choose a Q&A-list with File > Select study module."));
    else if (m_doc.pairCount() < ListDocument::MinimumQuizPairs)
        m_placeholder->setHint(tr("A quiz needs at least %1 Q&A pairs.").arg(ListDocument::MinimumQuizPairs));
    else if (hasHandler(cmd::Start))
        m_placeholder->setHint(tr("Press Start"));
    else
        m_placeholder->setHint(tr("The quiz screen comes with a later version of Brainlark."));
}

void MainWindow::setQuizView(QWidget* view)
{
    if (!view || view == m_quizView)
        return;
    setCentralWidget(view); // deletes the placeholder or the previous view
    m_placeholder = nullptr;
    m_quizView = view;
    if (auto* quiz = qobject_cast<QuizView*>(view)) {
        connect(m_skins, &Skins::paletteChanged, quiz, &QuizView::rebuildScreen);
        connect(quiz, &QuizView::pictureRequested, this, [this](const QString& path) { showPicture(path); });
        // Closing the picture window stops only the automatic opening; the icon still opens it.
        connect(quiz, &QuizView::pictureAsked, this, [this](const QString& path) {
            m_settings.setPicturesSuppressed(false);
            showPicture(path);
        });
    }
}

void MainWindow::setSlideshowRunning(std::function<bool()> test)
{
    m_slideshowRunning = std::move(test);
}

bool MainWindow::endSession(bool mayAsk)
{
    // As on close: unsaved edits in the grid are asked about, and Cancel keeps the session.
    if (m_grid && mayAsk && !m_grid->askToSaveChanges())
        return false;
    savePlacement();
    return true;
}

void MainWindow::onSaveDocument()
{
    // In the editor the save key saves what the editor shows; the document still holds the list from
    // before the editor opened.
    if (m_grid && m_grid->canEdit()) {
        m_grid->save();
        return;
    }
    // A list that did not come from a list file (an imported text) is saved under a new name instead of
    // being written over its source.
    if (!m_doc.saveToFile())
        m_doc.saveAs();
}

void MainWindow::onRestoreBackup()
{
    if (slideshowRunning() || !m_doc.hasList())
        return;
    const std::string path = QFile::encodeName(m_doc.pathName()).toStdString();
    RestoreBackupDialog dialog(m_doc.title(),
                               Backups(QFile::encodeName(m_doc.programFolder()).toStdString()).list(path),
                               m_doc.list(), this);
    if (runDialog(dialog) == QDialog::Accepted && !dialog.chosenPath().isEmpty())
        m_doc.restoreBackup(dialog.chosenPath());
}

void MainWindow::onViewNotes()
{
    if (slideshowRunning() || !m_doc.hasList())
        return;
    m_doc.guide(GuideMessages::ListNotes);
    ViewNotesDialog dialog(ListText::toQString(m_doc.list()->notes()), this);
    runDialog(dialog);
}

void MainWindow::onStudentData()
{
    StudentDataDialog dialog(m_settings.studentName(), this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    m_settings.setStudentName(dialog.studentName());
    if (dialog.resetRatings() && m_doc.hasList()) {
        m_doc.list()->resetStatistics();
        m_doc.notifyListChanged();
    }
}

void MainWindow::onAbout()
{
    ShellOpener* shell = m_services.shell;
    Prompter* prompter = m_services.prompter;
    AboutDialog dialog(
        [shell](const QString& url) { return shell->open(url); },
        [prompter](const QString& message) { prompter->message(message, Prompter::Icon::Exclamation); },
        [this] {
            EventSounds(m_settings, *m_services.sound, *m_services.random)
                .playEventSound(EventSounds::Right);
        },
        this);
    runDialog(dialog);
}

void MainWindow::onMute()
{
    m_settings.setPlaySounds(!m_settings.playSounds());
    // Muting also silences what is playing right now, e.g. the Smart Counter's music.
    if (!m_settings.playSounds())
        m_services.sound->stop();
}

void MainWindow::onAnswerSelection(bool predefined)
{
    m_settings.setFunFlag(funflags::kPredefinedAnswers, predefined);
    GuideMessages guides(m_settings, *m_services.prompter);
    AnswerSelection::check(m_settings, predefined, m_doc.list(), &guides);
}

void MainWindow::onOptions(bool layoutOnly)
{
    GuideMessages guides(m_settings, *m_services.prompter);
    const OptionsContext context{m_settings,
                                 *m_services.prompter,
                                 guides,
                                 *m_services.random,
                                 [this](const QString& path) { previewPicture(path); },
                                 m_fitWeights};
    OptionsApplier::Hooks hooks;
    hooks.checkAnswerSelection = [this, &guides] {
        return AnswerSelection::check(m_settings, m_settings.funFlag(funflags::kPredefinedAnswers),
                                      m_doc.list(), &guides);
    };
    hooks.setBackgroundPicture = [this](const QString& path) {
        BackgroundPicture::useAsBackground(m_settings, path, m_services.prompter);
    };
    OptionsSheet sheet(layoutOnly ? OptionsSheet::Pages::LayoutOnly : OptionsSheet::Pages::All, context,
                       hooks, this);
    if (runDialog(sheet) != QDialog::Accepted)
        return;
    // The screen takes the new look in any case; a new question only when one was running.
    auto* view = qobject_cast<QuizView*>(m_quizView);
    if (view && sheet.outcome().newQuestion && view->quizStarted())
        view->start();
    else if (view)
        view->rebuildScreen();
    else
        m_quizView->update();
}

void MainWindow::onSelectSkin()
{
    if (slideshowRunning())
        return;
    const QString path = m_services.prompter->openFileName(
        tr("Select Skin"), m_skins->skinsFolder(), tr("Skin files (*.skn)|*.skn|All Files (*.*)|*.*||"));
    if (!path.isEmpty())
        m_skins->applySkin(QFileInfo(path).fileName());
}

void MainWindow::onSkinsOff()
{
    if (!slideshowRunning())
        m_skins->skinsOff();
}

void MainWindow::openVendorPage(const char* pathAndQuery)
{
    m_doc.guide(GuideMessages::InternetPage);
    // Without a browser the desktop only writes to the error stream; the learner is told instead.
    if (!m_services.shell->open(QStringLiteral("http://") + QLatin1String(ListDocument::VendorSite) +
                                QLatin1String(pathAndQuery)))
        m_services.prompter->message(HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError),
                                     Prompter::Icon::Exclamation);
}

void MainWindow::previewPicture(const QString& path)
{
    // Over the options sheet, which is the modal window while its preview button is pressed.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    PicturePreviewDialog::preview(path, *m_services.prompter, parent,
                                  [this](QDialog& dialog) { return runDialog(dialog); });
}

bool MainWindow::showPicture(const QString& path)
{
    if (m_settings.picturesSuppressed())
        return false;
    if (!m_pictureWindow) {
        if (path.isEmpty())
            return false;
        m_pictureWindow = new PictureWindow(m_settings, this);
        placePictureWindow();
        m_skins->skinWindow(m_pictureWindow);
        connect(m_pictureWindow, &PictureWindow::closedByUser, this, [this] {
            m_pictureWindow = nullptr;
            m_settings.setPicturesSuppressed(true);
        });
    }
    m_pictureWindow->showPicture(path);
    m_pictureWindow->show();
    return true;
}

// Beside the main window unless the learner put it somewhere else before.
void MainWindow::placePictureWindow()
{
    m_pictureWindow->restorePlacement();
}

QRect MainWindow::placementRect(const AppSettings::WindowPlacement& stored, const QRect& area)
{
    if (!stored.complete()) {
        const QSize half(area.width() / 2, area.height() / 2);
        return QRect(area.topLeft() + QPoint((area.width() - half.width()) / 2, (area.height() - half.height()) / 2),
                     half);
    }
    // The stored window comes back whole on the screen: no larger than the screen's free area (a stored size
    // of 100,000 pixels would otherwise make a window the painting cannot even allocate), and moved in so
    // that every edge can be grabbed. A window that fits stays where it was.
    const qint64 storedWidth = qint64(stored.x2) - stored.x1;
    const qint64 storedHeight = qint64(stored.y2) - stored.y1;
    const int width = int(std::clamp<qint64>(storedWidth, MinimumPlacedSide, area.width()));
    const int height = int(std::clamp<qint64>(storedHeight, MinimumPlacedSide, area.height()));
    const int left = int(std::clamp<qint64>(stored.x1, area.left(), area.right() + 1 - width));
    const int top = int(std::clamp<qint64>(stored.y1, area.top(), area.bottom() + 1 - height));
    return QRect(left, top, width, height);
}

bool MainWindow::restorePlacement()
{
    const AppSettings::WindowPlacement stored = m_settings.mainPlacement();
    // The screen the stored window was mostly on, or the primary one when it is on none of them now.
    const QScreen* screen = nullptr;
    if (stored.complete())
        screen = QGuiApplication::screenAt(QRect(QPoint(stored.x1, stored.y1), QPoint(stored.x2, stored.y2)).center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(placementRect(stored, area));
    m_showMaximized = stored.complete() && stored.showCmd == ShowMaximized;
    return stored.complete();
}

void MainWindow::showPlaced()
{
    if (m_showMaximized)
        showMaximized();
    else
        show();
}

void MainWindow::savePlacement()
{
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    AppSettings::WindowPlacement placement;
    placement.flags = 0;
    placement.showCmd = isMaximized() ? ShowMaximized : ShowNormal;
    placement.x1 = normal.left();
    placement.y1 = normal.top();
    placement.x2 = normal.left() + normal.width();
    placement.y2 = normal.top() + normal.height();
    m_settings.setMainPlacement(placement);
}

namespace
{

// The first dropped URL that names a local regular file (a symbolic link to one counts), or empty.
QString droppedFile(const QMimeData& data)
{
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        return info.isFile() ? info.absoluteFilePath() : QString();
    }
    return QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A dropped file is opened as the desktop opens one: a list, or a picture for the background. Drag and drop
// is not input the feedback sequences hold back, so the drop only queues the open; it runs from the event
// loop, and not before a playing sequence has ended (that sequence still uses the list being replaced).
void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(*event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_pendingOpen = path;
    QMetaObject::invokeMethod(this, [this] { openWhenIdle(m_pendingOpen); }, Qt::QueuedConnection);
}

void MainWindow::openWhenIdle(QString path)
{
    if (path.isEmpty() || path != m_pendingOpen)
        return;
    // What plays still uses the list being replaced: the open waits for its end.
    auto* quiz = qobject_cast<QuizView*>(m_quizView);
    if (quiz && quiz->respond(Input::Drop) == Response::Defer) {
        connect(quiz, &QuizView::settled, this, [this, path] { openWhenIdle(path); },
                Qt::ConnectionType(Qt::SingleShotConnection | Qt::QueuedConnection));
        return;
    }
    m_pendingOpen.clear();
    // A file that cannot be a list says which file and why, as on the command line, instead of nothing
    // happening; a picture becomes the background.
    const QString ext = path.right(3).toLower();
    const bool picture = ext == QLatin1String("bmp") || ext == QLatin1String("jpg") ||
                         ext == QLatin1String("gif") || ext == QLatin1String("pcx");
    if (!picture) {
        const QString reason = ListDocument::whyNotOpenable(path);
        if (!reason.isEmpty()) {
            m_services.prompter->message(reason, Prompter::Icon::Exclamation);
            return;
        }
        // The list being edited stays; say why nothing else opens.
        if (m_grid) {
            statusBar()->showMessage(tr("Go back to the quiz to open %1.").arg(QFileInfo(path).fileName()),
                                     20000);
            return;
        }
    }
    m_doc.openDocument(path);
}

// Escape stops the automatic answer or the slideshow also when the keyboard is elsewhere in the window (on
// the toolbar button that started the show, say).
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    auto* quiz = qobject_cast<QuizView*>(m_quizView);
    if (event->key() == Qt::Key_Escape && quiz && !m_grid) {
        quiz->respond(Input::Escape);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Whatever plays on the quiz screen ends here; the answers it showed feedback for are counted already.
    if (auto* quiz = qobject_cast<QuizView*>(m_quizView))
        quiz->respond(Input::Close);
    // Unsaved edits in the grid may keep the window open.
    if (m_grid && !m_grid->askToSaveChanges()) {
        event->ignore();
        return;
    }
    // The statistics of the quiz go back to the list file now, while the learner can still be told.
    QString why;
    if (!m_doc.writeBackBeforeExit(&why)) {
        const QString text = tr("The statistics of %1 could not be saved:\n%2\n\nQuit anyway?")
                                 .arg(QFileInfo(m_doc.pathName()).fileName(), why);
        if (m_services.prompter->message(text, Prompter::Icon::Exclamation, Prompter::Buttons::YesNo) !=
            Prompter::Yes) {
            event->ignore();
            return;
        }
        m_doc.forgetWriteBack();
    }
    savePlacement();
    event->accept();
    // The picture window goes with the program, which is not the learner closing it.
    if (m_pictureWindow)
        m_pictureWindow->closeWithProgram();
}

} // namespace brainlark
