#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <memory>

#include "app/helpwindow.h"
#include "editor/gridview.h"
#include "quiz/ui/picturewindow.h"
#include "services/services.h"
#include "services/speechlanguage.h"
#include "settings/appsettings.h"

class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QToolBar;

namespace brainlark
{

class ListDocument;
class PairList;
struct ImportResult;
class PrintJobs;
class QuizPlaceholder;
class Skins;

/// Command ids of the menus, toolbars and accelerators.
namespace cmd
{
constexpr int Start = 32771, Flip = 32772, DebugDump = 32776, ImportText = 32777, Options = 32778;
constexpr int SelectSkin = 32781, SkinsOff = 32782, OnlineHelp = 32783, Tutorial = 32785,
              GridResetRatings = 32791;
constexpr int Editor = 32794, Viewer = 32795, BackToQuiz = 32796, NewList = 32803, GridAdd = 32804;
constexpr int GridDelete = 32806, GridEditor = 32809, GridSave = 32811, GridNew = 32812, GridViewer = 32816;
constexpr int GridInsert = 32817, ViewNotes = 32819, GridNotes = 32820, Mute = 32829, FunnySounds = 32832;
constexpr int QuizHelp = 32833, GridViewerHelp = 32834, GridEditorHelp = 32835, FreeDownloads = 32837,
              Animate = 32838;
constexpr int ChangeLayout = 32840, ExportHtml = 32841, PrintFlashcards = 32842, VideoTutorials = 32846;
constexpr int Slideshow = 32847, SlideshowHidden = 32848, ExportPalm = 32849, HandheldEdition = 32850;
constexpr int Recommend = 32851, Survey = 32852, ShareLists = 32853, News = 32855, GridWrongAnswers = 32859;
constexpr int PrintableTest = 32860, ExportText = 32861, PrintableFolder = 32862, HowDoI = 32863;
constexpr int MultipleChoice = 32866, TrueFalse = 32867, TypeIn = 32868, StudentData = 32869,
              GridPassword = 32870;
constexpr int ImageFolder = 32871, SoundFolder = 32872, Matching = 32873, OnlineTutorials = 32874;
constexpr int ExportBlText = 32875, SmartPick = 32876, Sequential = 32877, BackgroundPicture = 32878;
constexpr int RandomPick = 32879, AnswersRandom = 32880, AnswersPredefined = 32881;
// Commands of this program beyond the classic table: a text file imported into the new-list editor, and
// undo, redo and find in the editor.
constexpr int ImportIntoEditor = 32890, GridUndo = 32891, GridRedo = 32892, GridFind = 32893;
constexpr int Statistics = 32894, RestoreBackup = 32895;
// The grid's sort by a column from the menu (a click on the column's header does the same).
constexpr int SortQuestion = 32896, SortAnswer = 32897, SortRating = 32898, SortRight = 32899,
              SortWrong = 32900, SortTotal = 32901;
// The fourth question selection: the pairs due for review (spaced repetition).
constexpr int DueReview = 32902;
// Exports for other trainers and spreadsheets.
constexpr int ExportKvtml = 32903, ExportTsv = 32904, ExportCsv = 32905;
// Reads the question, or its answer once known, aloud.
constexpr int ReadAloud = 32906;
constexpr int FileNew = 57600, SelectStudyModule = 57601, FileSave = 57603, SaveAs = 57604,
              PrintSetup = 57606;
constexpr int Print = 57607, PrintDirect = 57608, PrintPreview = 57609, About = 57664, Exit = 57665;
constexpr int HelpTopics = 57667, ContextHelp = 57669, HelpFinder = 57671, StatusBar = 59393;
} // namespace cmd

/// The single top-level window: menus, the quiz, viewer and editor toolbars, the four-pane status bar, the
/// command table and the window placement. Every command is one QAction; commands of views that are not
/// part of the program yet stay disabled until a handler is registered for them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr const char* NotAvailableTip = QT_TR_NOOP("Not available in this version yet");
    enum BarMode { QuizBars = 0, ViewerBars = 1, EditorBars = 2 };

    MainWindow(ListDocument& doc, AppSettings& settings, const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    QAction* action(int id) const;
    /// Routes a command to its handler and enables it (within its enable rule); replaces any handler.
    void setCommandHandler(int id, std::function<void()> handler);
    bool hasHandler(int id) const { return m_handlers.count(id) != 0; }
    /// Runs a command as a click on its menu item would (nothing when it is disabled).
    void execute(int id);
    /// Re-applies enable rules and radio marks, e.g. after the list or a setting changed.
    void updateCommandStates();

    /// Puts the quiz screen into the client area in place of the placeholder (the frame takes ownership).
    void setQuizView(QWidget* view);
    QWidget* quizView() const { return m_quizView; }
    QuizPlaceholder* placeholder() const { return m_placeholder; }
    /// The quiz view reports its slideshow state here; commands refused during a slideshow consult it.
    void setSlideshowRunning(std::function<bool()> test);
    bool slideshowRunning() const { return m_slideshowRunning && m_slideshowRunning(); }

    /// 0 quiz toolbar only, 1 viewer toolbar only, 2 editor toolbar only; other values change nothing.
    void showBars(BarMode mode);
    QToolBar* toolBar(BarMode mode) const;
    /// Puts the grid menu (true) or the main menu (false) into the menu bar.
    void attachMenus(bool grid);
    const QList<QMenu*>& mainMenus() const { return m_mainMenus; }
    const QList<QMenu*>& gridMenus() const { return m_gridMenus; }
    /// Status bar pane 0..3.
    void setPaneText(int pane, const QString& text);
    QLabel* pane(int index) const;

    /// The smallest side a restored window gets.
    static constexpr int MinimumPlacedSide = 200;
    /// The rectangle a stored placement gives in a screen's free area: the stored size, at most the area's,
    /// moved so that the whole window lies in the area; without a stored placement, half the area centred.
    static QRect placementRect(const AppSettings::WindowPlacement& stored, const QRect& area);
    /// Applies the stored placement (or the default); returns whether a stored one was applied.
    bool restorePlacement();
    /// Shows the window as the restored placement says (maximised or normal).
    void showPlaced();
    void savePlacement();
    /// The desktop session is ending: the grid asks about unsaved edits as on close (when the session
    /// manager lets the program ask). Returns whether the session may end.
    bool endSession(bool mayAsk);

    /// The window skins; the main window is skinned from the start.
    Skins& skins() const { return *m_skins; }
    /// Shows a pair's picture in the picture window beside this one, creating the window on demand.
    /// False when the learner closed that window (pictures no longer open by themselves) or when there
    /// is no window and no picture.
    bool showPicture(const QString& path);
    PictureWindow* pictureWindow() const { return m_pictureWindow; }
    /// Opens the program's help at a help context (0: its start) in the help window.
    void openHelp(int context);
    HelpWindow* helpWindow() const { return m_helpWindow; }
    /// Runs modal dialogs; tests replace it to fill in and accept dialogs without a screen.
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_runDialog = std::move(runner); }
    /// The print commands and the printer they share.
    PrintJobs& printJobs() const { return *m_printJobs; }
    AppSettings& settings() const { return m_settings; }
    const Services& services() const { return m_services; }
    /// What Options' "Fit to my history..." runs (the study history's fit of the spaced-repetition weights);
    /// without it Options offers no fit.
    void setWeightsFitter(std::function<void(QWidget* parent)> fitter) { m_fitWeights = std::move(fitter); }
    /// Where each list's read-aloud languages are kept (the study history gives it); the editor's Notes and
    /// Subject dialog and the read-aloud command use it.
    void setLanguageStore(LanguageStore store) { m_languages = std::move(store); }
    const LanguageStore& languageStore() const { return m_languages; }
    /// A further condition for a command to be enabled, beside its handler.
    void setCommandRule(int id, std::function<bool()> rule) { m_rules[id] = std::move(rule); }
    /// Replaces a command's own tip (status bar and tooltip), e.g. to say why it is off.
    void setCommandTip(int id, const QString& tip);

    /// Shows the list grid in place of the quiz (viewer, editor or new list); the quiz view stays alive,
    /// hidden. The open list is written back first so the quiz's statistics are kept.
    void switchToGrid(GridView::Mode mode);
    /// Returns to the quiz unless the grid's list has unsaved changes the learner does not let go; a list
    /// saved in the grid is loaded for the quiz. Returns whether the quiz is shown afterwards.
    bool backToQuiz();
    /// The grid while it is shown, else nullptr.
    GridView* gridView() const { return m_grid; }
    /// Opens the editor in New mode with a list that has no file yet (an import): the learner sees the
    /// pairs and saves them under a name.
    void makeListsOfDecks(const ImportResult& result);
    void openEditorWithNewList(std::unique_ptr<PairList> list, const QString& name = QString());

signals:
    /// A command was executed (after its handler ran).
    void commandExecuted(int id);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct CommandSpec;
    QAction* makeAction(const CommandSpec& command);
    void buildActions();
    void buildMainMenu();
    void buildGridMenu();
    QMenu* newMenu(const QString& title, std::initializer_list<int> ids);
    QMenu* buildFileMenu();
    QMenu* buildViewMenu();
    QMenu* buildQuizMenu();
    QMenu* buildWebMenu();
    QMenu* buildHelpMenu();
    QToolBar* buildToolBar(const QString& name, std::initializer_list<int> ids);
    void buildToolBars();
    void buildStatusBar();
    void buildRadioGroups();
    void registerHandlers();
    void registerDocumentHandlers();
    bool ruleAllows(int id) const;
    void updateRadioMarks();
    void updateSlideshowPicture();
    void updateTitle();
    /// The status bar says where an export went, also when no program could show it.
    void showExportDestination(const QString& path, bool opened);
    void updatePlaceholder();

    void onViewNotes();
    void onStudentData();
    void onAbout();
    void onAnswerSelection(bool predefined);
    void onOptions(bool layoutOnly);
    void onSelectSkin();
    void onSkinsOff();
    void openVendorPage(const char* pathAndQuery);
    void previewPicture(const QString& path);
    void placePictureWindow();
    void onMute();
    void onSaveDocument();
    void registerGridHandlers();
    void onViewer();
    void onEditor();
    void onNewList();
    void onGridEditor();
    void onImportIntoEditor();
    void runOnGrid(void (GridView::*command)());
    void sortGrid(int column);
    bool gridRuleAllows(int id, bool& handled) const;
    EditorContext editorContext();
    void restoreListAfterGrid(bool wasNew);
    void onRestoreBackup();
    /// Opens a file dropped on the window once no feedback sequence plays (right away when none does).
    void openWhenIdle(QString path);
    int runDialog(QDialog& dialog);

    ListDocument& m_doc;
    AppSettings& m_settings;
    Services m_services;
    std::map<int, QAction*> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    std::function<bool()> m_slideshowRunning;
    std::function<int(QDialog&)> m_runDialog;
    std::function<void(QWidget*)> m_fitWeights;
    LanguageStore m_languages;
    std::map<int, std::function<bool()>> m_rules;
    QList<QMenu*> m_mainMenus;
    QList<QMenu*> m_gridMenus;
    QToolBar* m_quizBar = nullptr;
    QToolBar* m_viewerBar = nullptr;
    QToolBar* m_editorBar = nullptr;
    QLabel* m_panes[4] = {nullptr, nullptr, nullptr, nullptr};
    QuizPlaceholder* m_placeholder = nullptr;
    QWidget* m_quizView = nullptr;
    GridView* m_grid = nullptr;
    /// The list's state before the grid was shown, restored when it returns unsaved.
    QString m_pathBeforeGrid;
    /// The file the grid saved last while it is shown (empty when it saved nothing).
    QString m_lastGridSave;
    /// What the pane the grid counts its pairs in said before (a warning of the quiz screen), given back on
    /// return.
    QString m_countPaneBeforeGrid;
    std::pair<QString, QString> m_quizPanesBeforeGrid[2]; // text and tooltip of panes 0 and 1
    bool m_reversedBeforeGrid = false;
    std::unique_ptr<PrintJobs> m_printJobs;
    Skins* m_skins = nullptr;
    QPointer<PictureWindow> m_pictureWindow;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<HelpWindow> m_modalHelpWindow;
    bool m_showMaximized = false;
    /// A file dropped while a feedback sequence played, opened when it has ended.
    QString m_pendingOpen;
};

} // namespace brainlark
