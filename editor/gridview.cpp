#include "editor/gridview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/flyarchive.h"
#include "core/subjectlist.h"
#include "core/textimport.h"
#include "editor/deletepairdialog.h"
#include "editor/editpassworddialog.h"
#include "editor/gridcommands.h"
#include "editor/listnamedialog.h"
#include "editor/notessubjectdialog.h"
#include "editor/pairdialog.h"
#include "editor/viewpairdialog.h"
#include "editor/wronganswersdialog.h"
#include "quiz/engine/hslcolor.h"
#include "quiz/ui/listtext.h"
#include "services/guidemessages.h"
#include "services/prompter.h"
#include "services/textfields.h"
#include "settings/appsettings.h"
#include "settings/contrast.h"
#include "settings/skinpalette.h"

namespace brainlark
{

namespace
{

using Row = PairTableModel::Row;

// Cells are typed in with a line edit that takes texts of any length (Qt's default cuts them).
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        TextFields::acceptAnyLength(qobject_cast<QLineEdit*>(editor));
        return editor;
    }
};

// Widths of the statistics columns in the viewer: room for the header text and a few digits.
constexpr int StatisticsColumnWidth = 64;

std::string bytes(const QString& text)
{
    return ListText::fromQString(text);
}

QString text(const std::string& bytes)
{
    return ListText::toQString(bytes);
}

std::string fsPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fileTitle(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(std::max(0, int(name.size()) - 4));
}

} // namespace

GridView::GridView(const EditorContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    m_model = new PairTableModel(this);
    m_undo = new QUndoStack(this);
    // Undo, redo and find have their keys on the window's Edit menu; a second owner of the same key here
    // would make both ambiguous, and neither would run.
    m_undoAction = m_undo->createUndoAction(this, tr("&Undo"));
    m_redoAction = m_undo->createRedoAction(this, tr("&Redo"));
    connect(m_undo, &QUndoStack::indexChanged, this, [this] {
        updatePanes();
        emit stateChanged();
    });
    m_model->setEditHook([this](int row, const Row& edited) { return applyRowEdit(row, edited); });

    buildTable();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table, 1);
    layout->addWidget(buildFindBar());
    buildShortcuts();
    setFocusProxy(m_table);
}

GridView::~GridView()
{
    // The undo stack goes with the children; what it reports on the way out reaches no one.
    disconnect(m_undo, nullptr, this, nullptr);
    blockSignals(true);
}

void GridView::buildTable()
{
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new CellDelegate(m_table));
    m_table->setObjectName("grid");
    m_table->setAccessibleName(tr("Q&A-pairs"));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionPressed, this, [this](int column) {
        sortByHeader(column);
        m_headerPressed = true;
        emit stateChanged();
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] { activateCurrent(); });
    connect(m_table->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { updateColumnWidths(); });
}

QWidget* GridView::buildFindBar()
{
    m_findBar = new QWidget(this);
    m_findEdit = new QLineEdit;
    m_findEdit->setObjectName("find");
    m_findEdit->setPlaceholderText(tr("Find in questions and answers"));
    m_findEdit->setClearButtonEnabled(true);
    m_findEdit->setAccessibleName(tr("Find"));
    for (QToolButton* clear : m_findEdit->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear"));
    auto* next = new QToolButton;
    next->setText(tr("Next"));
    auto* previous = new QToolButton;
    previous->setText(tr("Previous"));
    auto* close = new QToolButton;
    close->setText(tr("Close"));
    auto* layout = new QHBoxLayout(m_findBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Find:")));
    layout->addWidget(m_findEdit, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(close);
    connect(m_findEdit, &QLineEdit::returnPressed, this, [this] { find(m_findEdit->text(), false); });
    connect(next, &QToolButton::clicked, this, [this] { find(m_findEdit->text(), false); });
    connect(previous, &QToolButton::clicked, this, [this] { find(m_findEdit->text(), true); });
    connect(close, &QToolButton::clicked, this, [this] {
        m_findBar->hide();
        m_table->setFocus();
    });
    m_findBar->hide();
    return m_findBar;
}

void GridView::buildShortcuts()
{
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this, slot);
        s->setContext(Qt::WidgetWithChildrenShortcut);
    };
    shortcut(QKeySequence::FindNext, [this] { find(m_findEdit->text(), false); });
    shortcut(QKeySequence::FindPrevious, [this] { find(m_findEdit->text(), true); });
}

void GridView::setMode(Mode mode)
{
    m_mode = mode;
    m_model->setEditable(mode != Mode::View);
    m_table->setEditTriggers(mode == Mode::View ? QAbstractItemView::NoEditTriggers
                                                : QAbstractItemView::EditKeyPressed);
    applyColors();
    applyColumnLayout();
    updatePanes();
    emit stateChanged();
}

QString GridView::modeWord(Mode mode)
{
    switch (mode) {
    case Mode::View:
        return tr("View");
    case Mode::Edit:
        return tr("Edit");
    case Mode::New:
        break;
    }
    return tr("New");
}

void GridView::setTitle(const QString& title)
{
    m_title = title;
}

QWidget* GridView::openCellEditor() const
{
    // Cells are typed in at the current index; the view keeps the editor there until it closes.
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? m_table->indexWidget(index) : nullptr;
}

void GridView::commitOpenEditor()
{
    const QModelIndex index = m_table->currentIndex();
    QWidget* editor = openCellEditor();
    QAbstractItemDelegate* delegate = m_table->itemDelegateForIndex(index);
    if (!editor || !delegate)
        return;
    // What the view does when the learner presses Enter in the cell.
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GridView::fill(const PairList* list)
{
    m_source = m_mode == Mode::New ? nullptr : list;
    m_model->fill(m_source);
    m_undo->clear();
    m_otherChanges = false;
    m_headerPressed = false;
    m_sortColumn = -1;
    m_sortOrder = Unsorted;
    m_table->horizontalHeader()->setSortIndicatorShown(false);
    if (m_source && m_mode == Mode::Edit) {
        m_notes = text(m_source->notes());
        m_password = text(m_source->password());
        m_subject = text(m_source->subject());
        // The list's wrong answers join the working copy once per editor session; refills keep the edits.
        if (!m_wrongAnswersCopied) {
            for (const Pair& wrong : m_source->wrongAnswers())
                m_working.wrongAnswers().push_back(wrong);
            m_wrongAnswersCopied = true;
        }
    } else if (m_source) {
        m_notes = text(m_source->notes());
    }
    applyColors();
    applyColumnLayout();
    if (m_model->rows() > 0)
        setCurrentRow(0);
    updatePanes();
    emit stateChanged();
}

void GridView::fillNew(const PairList& list, const QString& name)
{
    setMode(Mode::New);
    fill(nullptr);
    m_filePath.clear();
    m_unsavedLanguages.reset();
    m_title = QString::fromLatin1(NewListTitle);
    m_suggestedName = name;
    m_notes = text(list.notes());
    m_password = text(list.password());
    m_subject = text(list.subject());
    m_working.wrongAnswers().clear();
    std::vector<Row> rows;
    rows.reserve(size_t(list.count()));
    for (const Pair& pair : list.pairs())
        rows.push_back(PairTableModel::textRow(std::string(pair.shownQuestion()),
                                               std::string(pair.shownAnswer()), int(rows.size()) + 1));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Pair& pair = list.pairs()[i];
        rows[i][PairTableModel::SoundOne] = pair.soundPathOne();
        rows[i][PairTableModel::SoundTwo] = pair.soundPathTwo();
        rows[i][PairTableModel::Hint] = pair.hint();
        rows[i][PairTableModel::Picture] = pair.picturePath();
    }
    m_model->insertRowsAt(0, std::move(rows));
    for (const Pair& wrong : list.wrongAnswers()) {
        m_working.wrongAnswers().push_back(wrong);
        m_working.wrongAnswers().back().setKind(Pair::WrongAnswer);
    }
    // Nothing of it is on disk yet: leaving asks to save.
    m_otherChanges = true;
    if (m_model->rows() > 0)
        setCurrentRow(0);
    updatePanes();
    emit stateChanged();
}

bool GridView::isModified() const
{
    return m_otherChanges || !m_undo->isClean();
}

void GridView::changed()
{
    m_otherChanges = true;
    updatePanes();
    emit stateChanged();
}

int GridView::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void GridView::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rows())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
}

bool GridView::canDelete() const
{
    return canEdit() && m_model->rows() > 0 && !m_headerPressed && currentRow() >= 0;
}

bool GridView::canResetRatings() const
{
    return canEdit() && m_model->anyTotalNotZero();
}

QColor GridView::backgroundColor() const
{
    const SkinPalette palette =
        SkinPalette::forSkin(m_context.settings ? m_context.settings->skinName() : QString());
    return palette.color(m_mode == Mode::View ? SkinPalette::ViewerGridBackground
                                              : SkinPalette::EditorGridBackground);
}

QColor GridView::gridLineColor() const
{
    const SkinPalette palette =
        SkinPalette::forSkin(m_context.settings ? m_context.settings->skinName() : QString());
    return palette.color(m_mode == Mode::View ? SkinPalette::ViewerGridLines : SkinPalette::EditorGridLines);
}

QColor GridView::headerColor(const QColor& background)
{
    HslColor hsl(background.red(), background.green(), background.blue());
    hsl.scaleLightness(0.9f, 1.0f);
    return QColor(hsl.red(), hsl.green(), hsl.blue());
}

void GridView::applyColors()
{
    const QColor background = backgroundColor();
    const QColor header = headerColor(background);
    // The fills are the skin's; the text takes the desktop's colour only where it reads on them.
    const QColor text = palette().color(QPalette::Text);
    m_table->setStyleSheet(
        QStringLiteral("QTableView { background-color: %1; gridline-color: %2; color: %4; }"
                       "QHeaderView::section { background-color: %3; padding: 2px; "
                       "border: 1px solid %2; color: %5; }")
            .arg(background.name(), gridLineColor().name(), header.name(),
                 Contrast::readableOn(background, text).name(), Contrast::readableOn(header, text).name()));
}

void GridView::applyColumnLayout()
{
    for (int column = 0; column < PairTableModel::ColumnCount; ++column) {
        const bool shown =
            column <= PairTableModel::Answer || (m_mode == Mode::View && column <= PairTableModel::Total);
        m_table->setColumnHidden(column, !shown);
        if (shown && column > PairTableModel::Answer)
            m_table->setColumnWidth(column, StatisticsColumnWidth);
    }
    updateColumnWidths();
}

double GridView::lengthRatio() const
{
    if (m_mode == Mode::New || !m_source)
        return 1.0;
    return m_source->lengthRatio();
}

std::pair<int, int> GridView::questionAnswerWidths(int width, double ratio, int statisticsWidth)
{
    // NaN or nonsense ratios come out as the clamp's edges.
    if (!(ratio >= MinRatio))
        ratio = MinRatio;
    ratio = std::min(ratio, MaxRatio);
    const int available = width - statisticsWidth;
    int answer = static_cast<int>(available / (ratio + 1.0));
    int question = available - answer;
    return {std::max(question, 1), std::max(answer, 1)};
}

void GridView::updateColumnWidths()
{
    const int statistics = m_mode == Mode::View ? 4 * StatisticsColumnWidth : 0;
    const auto [question, answer] =
        questionAnswerWidths(m_table->viewport()->width(), lengthRatio(), statistics);
    m_table->setColumnWidth(PairTableModel::Question, question);
    m_table->setColumnWidth(PairTableModel::Answer, answer);
}

void GridView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateColumnWidths();
}

void GridView::updatePanes()
{
    const int rows = m_model->rows();
    emit paneTextChanged(2, rows == 1 ? tr("1 pair") : tr("%n pairs", nullptr, rows));
    emit paneTextChanged(3, modeWord(m_mode));
}

void GridView::afterChange(int selectRow)
{
    if (m_model->rows() > 0)
        setCurrentRow(std::clamp(selectRow, 0, m_model->rows() - 1));
    m_headerPressed = false;
    updatePanes();
    emit stateChanged();
}

void GridView::pushRows(const QString& label, int at, std::vector<Row> before, std::vector<Row> after,
                        bool withWrongAnswers, const std::vector<Pair>& wrongBefore)
{
    RowsCommand::WrongAnswerStore store = [this]() -> std::vector<Pair>& { return m_working.wrongAnswers(); };
    std::optional<std::vector<Pair>> oldWrong;
    std::optional<std::vector<Pair>> newWrong;
    if (withWrongAnswers) {
        oldWrong = wrongBefore;
        newWrong = m_working.wrongAnswers();
    }
    m_undo->push(new RowsCommand(label, *m_model, at, std::move(before), std::move(after), store,
                                 std::move(oldWrong), std::move(newWrong)));
}

bool GridView::applyRowEdit(int row, Row edited)
{
    if (row < 0 || row >= m_model->rows())
        return false;
    const Row old = m_model->row(row);
    const std::vector<Pair> wrongBefore = m_working.wrongAnswers();
    const bool renamed = old[PairTableModel::Question] != edited[PairTableModel::Question];
    if (renamed)
        m_working.renameWrongAnswers(old[PairTableModel::Question], edited[PairTableModel::Question]);
    pushRows(tr("Edit Q&A-pair"), row, {old}, {std::move(edited)}, renamed, wrongBefore);
    afterChange(row);
    return true;
}

PairFields GridView::fieldsOf(const Row& row)
{
    return {text(row[PairTableModel::Question]), text(row[PairTableModel::Answer]),
            text(row[PairTableModel::SoundOne]), text(row[PairTableModel::SoundTwo]),
            text(row[PairTableModel::Hint]),     text(row[PairTableModel::Picture])};
}

Row GridView::rowFromFields(const PairFields& fields, Row base) const
{
    base[PairTableModel::Question] = bytes(fields.question);
    base[PairTableModel::Answer] = bytes(fields.answer);
    base[PairTableModel::SoundOne] = bytes(fields.questionSound);
    base[PairTableModel::SoundTwo] = bytes(fields.answerSound);
    base[PairTableModel::Hint] = bytes(fields.notes);
    base[PairTableModel::Picture] = bytes(fields.picture);
    return base;
}

void GridView::activateCurrent()
{
    const int row = currentRow();
    if (m_headerPressed || row < 0)
        return;
    if (m_mode != Mode::View) {
        editRow(row);
        return;
    }
    // The viewer shows the pair of the document's list the row was filled from.
    const int index = static_cast<int>(leadingInt(m_model->cell(row, PairTableModel::Index)));
    if (!m_source || index < 1 || index > m_source->count())
        return;
    ViewPairDialog dialog(*m_source->at(index - 1, PairList::Pairs), this);
    m_context.run(dialog);
}

void GridView::editRow(int row)
{
    if (m_mode == Mode::View || row < 0 || row >= m_model->rows())
        return;
    commitOpenEditor();
    // A copy: the table may change while the dialog is open (a cell editor committing late, a drop).
    const Row opened = m_model->row(row);
    const PairFields before = fieldsOf(opened);
    PairDialog dialog(before, m_context, this);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    if (row >= m_model->rows() || m_model->row(row)[PairTableModel::Index] != opened[PairTableModel::Index])
        return;
    // Only what the learner changed in the dialog goes into the row as it is now.
    const PairFields after = dialog.fields();
    const Row& current = m_model->row(row);
    Row edited = current;
    const std::pair<const QString PairFields::*, int> fields[] = {
        {&PairFields::question, PairTableModel::Question},
        {&PairFields::answer, PairTableModel::Answer},
        {&PairFields::questionSound, PairTableModel::SoundOne},
        {&PairFields::answerSound, PairTableModel::SoundTwo},
        {&PairFields::notes, PairTableModel::Hint},
        {&PairFields::picture, PairTableModel::Picture}};
    for (const auto& [field, column] : fields) {
        if (after.*field != before.*field)
            edited[size_t(column)] = bytes(after.*field);
    }
    if (edited != current)
        applyRowEdit(row, std::move(edited));
    if (dialog.switchToWrongAnswers())
        editWrongAnswers(row);
}

void GridView::addPair()
{
    if (m_mode == Mode::View)
        return;
    // Pair after pair until the learner cancels.
    for (;;) {
        m_context.guide(GuideMessages::GridAdd);
        PairDialog dialog({}, m_context, this);
        // OK on an empty dialog ends the adding as Cancel does: an empty row would only be dropped on Save.
        if (m_context.run(dialog) != QDialog::Accepted || dialog.fields() == PairFields{})
            return;
        const int rows = m_model->rows();
        const bool reuse =
            m_mode == Mode::New && rows == 1 && m_model->cell(0, PairTableModel::Answer).empty();
        const int target = reuse ? 0 : rows;
        Row row = rowFromFields(dialog.fields(), reuse ? m_model->row(0) : Row{});
        row[PairTableModel::Index] = std::to_string(target + 1);
        if (reuse)
            pushRows(tr("Add Q&A-pair"), 0, {m_model->row(0)}, {std::move(row)}, false, {});
        else
            pushRows(tr("Add Q&A-pair"), target, {}, {std::move(row)}, false, {});
        afterChange(target);
        if (dialog.switchToWrongAnswers()) {
            editWrongAnswers(target);
            return;
        }
    }
}

void GridView::deleteCurrent()
{
    const int row = currentRow();
    if (!canDelete() || row < 0)
        return;
    const Row old = m_model->row(row);
    DeletePairDialog dialog(text(old[PairTableModel::Question]), text(old[PairTableModel::Answer]), this);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    const std::vector<Pair> wrongBefore = m_working.wrongAnswers();
    const bool removed = m_working.removeWrongAnswersOf(old[PairTableModel::Question]) > 0;
    pushRows(tr("Delete Q&A-pair"), row, {old}, {}, removed, wrongBefore);
    afterChange(row);
}

void GridView::resetRatings()
{
    if (!canEdit())
        return;
    if (m_context.prompter->message(QCoreApplication::translate("brainlark::GridView", ResetQuestion),
                                    Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Yes)
        return;
    m_undo->push(new ColumnsCommand(
        tr("Reset ratings"), *m_model,
        {PairTableModel::Rating, PairTableModel::Right, PairTableModel::Wrong, PairTableModel::Total}, "0"));
    afterChange(currentRow());
}

void GridView::insertFromTextFile()
{
    if (!canEdit())
        return;
    m_context.guide(GuideMessages::InsertFromText);
    const QString path = m_context.prompter->openFileName(
        tr("Insert from a text-file"), m_context.programFolder + QStringLiteral("/text"),
        QCoreApplication::translate("brainlark::GridView", InsertFilter));
    insertFromFile(path);
}

void GridView::insertFromFile(const QString& path)
{
    if (path.right(3).toLower() != QLatin1String("txt"))
        return;
    PairList imported;
    if (TextImport::importFile(imported, fsPath(path)) <= 0) {
        m_context.prompter->message(tr("Sorry, file %1 does not contain a valid Q&A-list.").arg(path),
                                    Prompter::Icon::Exclamation);
        return;
    }
    const int rows = m_model->rows();
    const bool reuse = rows == 1 && m_model->cell(0, PairTableModel::Question).empty() &&
                       m_model->cell(0, PairTableModel::Answer).empty();
    const int at = reuse ? 0 : rows;
    std::vector<Row> added;
    added.reserve(size_t(imported.count()));
    for (const Pair& pair : imported.pairs()) {
        Row row = PairTableModel::textRow(std::string(pair.question()), std::string(pair.answer()),
                                          at + int(added.size()) + 1);
        row[PairTableModel::SoundOne] = pair.soundPathOne();
        row[PairTableModel::SoundTwo] = pair.soundPathTwo();
        row[PairTableModel::Hint] = pair.hint();
        row[PairTableModel::Picture] = pair.picturePath();
        added.push_back(std::move(row));
    }
    const std::vector<Pair> wrongBefore = m_working.wrongAnswers();
    for (const Pair& wrong : imported.wrongAnswers()) {
        m_working.wrongAnswers().push_back(wrong);
        m_working.wrongAnswers().back().setKind(Pair::WrongAnswer);
    }
    std::vector<Row> replaced;
    if (reuse)
        replaced.push_back(m_model->row(0));
    pushRows(tr("Insert from a text-file"), at, std::move(replaced), std::move(added),
             !imported.wrongAnswers().empty(), wrongBefore);
    afterChange(at);
}

void GridView::editWrongAnswers(int row)
{
    if (!canEdit() || row < 0 || row >= m_model->rows())
        return;
    const std::vector<Pair> before = m_working.wrongAnswers();
    WrongAnswersDialog dialog(m_model->cell(row, PairTableModel::Question),
                              m_model->cell(row, PairTableModel::Answer), m_working, m_context, this);
    m_context.run(dialog);
    m_working.removeWrongAnswersOfKind(Pair::MarkedForDeletion);
    if (!dialog.changed())
        return;
    RowsCommand::WrongAnswerStore store = [this]() -> std::vector<Pair>& { return m_working.wrongAnswers(); };
    m_undo->push(
        new WrongAnswersCommand(tr("Predefined wrong answers"), store, before, m_working.wrongAnswers()));
    afterChange(row);
}

QStringList GridView::subjectNames() const
{
    SubjectList catalogue;
    catalogue.rebuildCatalogue(fsPath(m_context.dataFolder()));
    QStringList names;
    for (const std::string& name : catalogue.subjectNames(false))
        names.append(text(name));
    if (names.isEmpty())
        names.append(QString::fromLatin1(NoSubject));
    return names;
}

void GridView::editNotesAndSubject()
{
    if (!canEdit())
        return;
    m_context.guide(GuideMessages::NotesAndSubject);
    NotesSubjectDialog dialog(m_notes, m_subject, subjectNames(), this);
    const ListLanguages shown = languages();
    dialog.setLanguages(shown);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    // Beside the list in the program's database, not in the file: choosing them changes no byte of it.
    if (dialog.languages() != shown) {
        m_unsavedLanguages = dialog.languages();
        if (!m_filePath.isEmpty() && m_context.languages.write &&
            m_context.languages.write(m_filePath, *m_unsavedLanguages))
            m_unsavedLanguages.reset();
    }
    if (dialog.notesModified()) {
        m_notes = dialog.notes();
        changed();
    }
    QString chosen = dialog.subject();
    if (chosen == QLatin1String(NoSubject))
        chosen.clear();
    if (chosen != m_subject) {
        m_subject = chosen;
        changed();
    }
}

ListLanguages GridView::languages() const
{
    if (m_unsavedLanguages)
        return *m_unsavedLanguages;
    if (!m_filePath.isEmpty() && m_context.languages.read)
        if (const std::optional<ListLanguages> kept = m_context.languages.read(m_filePath))
            return *kept;
    QStringList questions;
    QStringList answers;
    for (int r = 0; r < m_model->rows(); ++r) {
        questions.append(text(m_model->cell(r, PairTableModel::Question)));
        answers.append(text(m_model->cell(r, PairTableModel::Answer)));
    }
    return {SpeechLanguage::guess(questions), SpeechLanguage::guess(answers)};
}

void GridView::editPassword()
{
    if (!canEdit())
        return;
    EditPasswordDialog dialog(m_password, this);
    if (m_context.run(dialog) != QDialog::Accepted || dialog.password() == m_password)
        return;
    m_password = dialog.password();
    changed();
}

bool GridView::save()
{
    if (!canEdit())
        return false;
    commitOpenEditor();
    m_context.guide(GuideMessages::GridSave);
    QString path = m_filePath;
    if (path.isEmpty()) {
        // A list without a file gets a name to start from: the imported file's, else its title.
        ListNameDialog dialog(m_context.dataFolder(), m_suggestedName.isEmpty() ? m_title : m_suggestedName,
                              *m_context.prompter, this);
        if (m_context.run(dialog) != QDialog::Accepted || fileTitle(dialog.listPath()).isEmpty())
            return false;
        path = dialog.listPath();
    }
    PairList list;
    list.rebuildFromRows(m_model->rowSource(), m_working);
    // An empty list would make an unreadable file; whatever the file held before is kept.
    if (list.count() == 0) {
        m_context.prompter->message(QCoreApplication::translate("brainlark::GridView", NothingToSave),
                                    Prompter::Icon::Exclamation);
        return false;
    }
    list.setNotes(bytes(m_notes));
    list.setPassword(bytes(m_password));
    list.setSubject(bytes(m_subject));
    const std::string stamp =
        FlyArchive::makeStamp(m_context.clock ? m_context.clock->formatLocal("%c") : std::string());
    if (m_context.beforeReplacing && QFileInfo(path).isFile() && !m_context.beforeReplacing(path))
        return false;
    std::string error;
    if (!FlyArchive::writeFile(fsPath(path), list, stamp, &error)) {
        m_filePath.clear();
        m_context.prompter->message(QCoreApplication::translate("brainlark::GridView", SaveFailed),
                                    Prompter::Icon::Stop);
        return false;
    }
    m_filePath = path;
    if (m_unsavedLanguages && m_context.languages.write &&
        m_context.languages.write(path, *m_unsavedLanguages))
        m_unsavedLanguages.reset();
    m_title = fileTitle(path);
    m_undo->setClean();
    m_otherChanges = false;
    m_saved = true;
    emit listSaved(path);
    updatePanes();
    emit stateChanged();
    return true;
}

bool GridView::askToSaveChanges()
{
    commitOpenEditor();
    if (!isModified())
        return true;
    const int answer =
        m_context.prompter->message(QCoreApplication::translate("brainlark::GridView", SaveChangesQuestion),
                                    Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Cancel)
        return false;
    // A failed save keeps the learner here with the edits.
    return answer == Prompter::No || save();
}

void GridView::newList()
{
    if (!canEdit() || !askToSaveChanges())
        return;
    m_context.guide(GuideMessages::NewList);
    m_mode = Mode::New;
    m_title = QString::fromLatin1(NewListTitle);
    m_filePath.clear();
    m_suggestedName.clear();
    m_notes.clear();
    m_password.clear();
    m_subject.clear();
    m_unsavedLanguages.reset();
    m_working.wrongAnswers().clear();
    m_saved = false;
    setMode(Mode::New);
    fill(nullptr);
    emit titleChanged(m_title);
}

void GridView::sortByHeader(int column)
{
    if (column < 0 || column >= PairTableModel::ColumnCount)
        return;
    m_table->scrollToTop();
    if (column == m_sortColumn)
        m_sortOrder = m_sortOrder == Ascending ? Descending : Ascending;
    else
        m_sortOrder = column <= PairTableModel::Answer ? Ascending : Descending;
    m_sortColumn = column;
    const Qt::SortOrder order = sortOrder();
    if (m_mode == Mode::View)
        m_model->sortByColumn(column, order);
    else
        m_undo->push(new SortCommand(tr("Sort"), *m_model, column, order));
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(column, order);
    if (m_model->rows() > 0)
        setCurrentRow(0);
}

bool GridView::find(const QString& needle, bool backwards)
{
    const int rows = m_model->rows();
    if (needle.isEmpty() || rows == 0)
        return false;
    const int start = currentRow();
    for (int step = 1; step <= rows; ++step) {
        const int row = ((backwards ? start - step : start + step) % rows + rows) % rows;
        for (int column : {int(PairTableModel::Question), int(PairTableModel::Answer)}) {
            if (text(m_model->cell(row, column)).contains(needle, Qt::CaseInsensitive)) {
                setCurrentRow(row);
                m_table->setCurrentIndex(m_model->index(row, column));
                m_headerPressed = false;
                return true;
            }
        }
    }
    return false;
}

void GridView::showFindBar()
{
    m_findBar->show();
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}

void GridView::setContextActions(const QList<QAction*>& viewer, const QList<QAction*>& editor)
{
    m_viewerMenu = viewer;
    m_editorMenu = editor;
}

void GridView::showContextMenu(const QPoint& globalPos)
{
    const QList<QAction*>& actions = m_mode == Mode::View ? m_viewerMenu : m_editorMenu;
    if (actions.isEmpty())
        return;
    QMenu menu(this);
    for (QAction* action : actions) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
    menu.exec(globalPos);
}

void GridView::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu opens at the centre of the view.
    const QPoint position =
        event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos();
    showContextMenu(position);
    event->accept();
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport is what the two text columns share; it changes with the scroll bar as well as the view.
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        updateColumnWidths();
    if (watched == m_table->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_headerPressed = false;
        emit stateChanged();
    }
    // Keys typed into a cell's editor that it does not use itself come up to the table; Enter there only
    // closes the editor (the delegate commits the text), it does not open the pair dialog as well.
    if (watched == m_table && event->type() == QEvent::KeyPress && !openCellEditor()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                m_headerPressed = false;
                activateCurrent();
                return true;
            case Qt::Key_Insert:
                addPair();
                return true;
            case Qt::Key_Delete:
                m_headerPressed = false;
                deleteCurrent();
                return true;
            case Qt::Key_F1:
                emit helpRequested(m_mode == Mode::View ? ViewerHelpContext : EditorHelpContext);
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                m_headerPressed = false;
                break;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_findBar->isVisible()) {
        m_findBar->hide();
        m_table->setFocus();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace brainlark
