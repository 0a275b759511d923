#pragma once

#include <optional>

#include <QString>
#include <QWidget>
#include <memory>

#include "core/pairlist.h"
#include "editor/editorcontext.h"
#include "editor/pairtablemodel.h"

class QAction;
class QLineEdit;
class QMenu;
class QTableView;
class QToolButton;
class QUndoStack;

namespace brainlark
{
struct PairFields;
}

namespace brainlark
{

/// The list viewer and editor: the open list as a table in one of three modes. View shows the pairs with
/// their statistics; Edit and New make the table the working copy of a list, which Save turns into a list
/// file. Every change of the rows goes through an undo stack.
class GridView : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { View = 0, Edit = 1, New = 2 };
    static constexpr const char* NewListTitle = "new Q&A-list";
    static constexpr const char* NoSubject = "--- n/a ---";
    static constexpr int ViewerHelpContext = 98327;
    static constexpr int EditorHelpContext = 98348;
    static constexpr double MinRatio = 0.1, MaxRatio = 10.0;
    static constexpr const char* SaveFailed =
        QT_TR_NOOP("Could not save the Q&A-list.\n\nPlease try another name");
    static constexpr const char* NothingToSave = QT_TR_NOOP(
        "This Q&A-list has no Q&A-pairs yet, so there is nothing to save.\n\nPlease add at least one "
        "Q&A-pair first.");
    static constexpr const char* SaveChangesQuestion = QT_TR_NOOP("Do you want to save the changes?");
    static constexpr const char* ResetQuestion =
        QT_TR_NOOP("Are you sure you want this Q&A-list to forget your previous answers?");
    static constexpr const char* InsertFilter = QT_TR_NOOP("Text files (.txt)|*.txt|");

    explicit GridView(const EditorContext& context, QWidget* parent = nullptr);
    ~GridView() override;

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    static QString modeWord(Mode mode);

    /// Rebuilds the table for the current mode: the pairs of list in View and Edit mode (the viewer's pair
    /// dialog reads list later, so it must outlive the fill), an empty table in New mode.
    void fill(const PairList* list);
    /// New mode holding the pairs and wrong answers of a list that has no file yet (an import): unsaved.
    /// Save suggests name for it.
    void fillNew(const PairList& list, const QString& name = QString());

    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path) { m_filePath = path; }
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    bool isModified() const;
    /// Set by a successful Save; the main window then reloads the saved list for the quiz.
    bool isSaved() const { return m_saved; }

    // The editor's commands.
    void addPair();
    void editRow(int row);
    void deleteCurrent();
    void resetRatings();
    void insertFromTextFile();
    void insertFromFile(const QString& path);
    void editWrongAnswers(int row);
    void editWrongAnswersOfCurrent() { editWrongAnswers(currentRow()); }
    void editNotesAndSubject();
    void editPassword();
    bool save();
    void newList();
    /// Asks to save a modified list: true lets the caller go on (No, or Yes with a successful save). A cell
    /// being typed in counts as a change.
    bool askToSaveChanges();
    /// Takes the text of a cell being typed in into the table and closes its editor (nothing when none is
    /// open). Every way out of the grid and every save goes through it first.
    void commitOpenEditor();
    /// Sorts as a click on the column's header does.
    void sortByHeader(int column);
    /// Double-click or Enter on the current row.
    void activateCurrent();
    /// Finds text in questions and answers from the current row on; false when there is none.
    bool find(const QString& text, bool backwards);
    void showFindBar();

    // Enable rules of the commands.
    bool canEdit() const { return m_mode != Mode::View; }
    bool canDelete() const;
    bool canResetRatings() const;

    int currentRow() const;
    void setCurrentRow(int row);
    bool headerPressed() const { return m_headerPressed; }
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const
    {
        return m_sortOrder == Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    }

    QString notes() const { return m_notes; }
    QString password() const { return m_password; }
    QString subject() const { return m_subject; }
    /// The grid's own list: only its wrong answers are used.
    PairList& workingList() { return m_working; }

    PairTableModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }
    QUndoStack* undoStack() const { return m_undo; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    QLineEdit* findEdit() const { return m_findEdit; }

    /// The context menus' commands (owned by the main window).
    void setContextActions(const QList<QAction*>& viewer, const QList<QAction*>& editor);
    /// The column widths for a table width, a length ratio (clamped) and the widths of the statistics
    /// columns (View mode; 0 in the other modes): {question, answer}.
    static std::pair<int, int> questionAnswerWidths(int width, double ratio, int statisticsWidth);
    /// The header colour: the background with its lightness × 0.9.
    static QColor headerColor(const QColor& background);
    QColor backgroundColor() const;
    QColor gridLineColor() const;

signals:
    void paneTextChanged(int pane, const QString& text);
    /// Save wrote path: the document takes it as its path and title.
    void listSaved(const QString& path);
    /// The list's name changed (New, Save under a name): the window's title follows.
    void titleChanged(const QString& title);
    void helpRequested(int context);
    /// Something the command enable rules look at changed.
    void stateChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum SortState { Unsorted = 0, Ascending = 1, Descending = 2 };

    void buildTable();
    QWidget* buildFindBar();
    void buildShortcuts();
    void applyColors();
    void applyColumnLayout();
    void updateColumnWidths();
    void updatePanes();
    void changed();
    void afterChange(int selectRow);
    double lengthRatio() const;
    bool applyRowEdit(int row, PairTableModel::Row edited);
    void pushRows(const QString& text, int at, std::vector<PairTableModel::Row> before,
                  std::vector<PairTableModel::Row> after, bool withWrongAnswers,
                  const std::vector<Pair>& wrongBefore);
    PairTableModel::Row rowFromFields(const PairFields& fields, PairTableModel::Row base) const;
    static PairFields fieldsOf(const PairTableModel::Row& row);
    /// The editor of the cell being typed in, or nullptr.
    QWidget* openCellEditor() const;
    QStringList subjectNames() const;
    /// The list's read-aloud languages: as chosen, else as kept, else guessed from its texts.
    ListLanguages languages() const;
    void showContextMenu(const QPoint& globalPos);

    EditorContext m_context;
    Mode m_mode = Mode::View;
    const PairList* m_source = nullptr;
    PairList m_working;
    bool m_wrongAnswersCopied = false;
    QString m_filePath;
    QString m_title;
    QString m_suggestedName;
    QString m_notes;
    QString m_password;
    QString m_subject;
    /// Languages chosen in Notes and Subject for a list that has no file yet: kept once it is saved.
    std::optional<ListLanguages> m_unsavedLanguages;
    bool m_otherChanges = false;
    bool m_saved = false;
    bool m_headerPressed = false;
    int m_sortColumn = -1;
    SortState m_sortOrder = Unsorted;

    PairTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QUndoStack* m_undo = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QWidget* m_findBar = nullptr;
    QLineEdit* m_findEdit = nullptr;
    QList<QAction*> m_viewerMenu;
    QList<QAction*> m_editorMenu;
};

} // namespace brainlark
