#include "app/studymoduleselector.h"

#include <QCollator>
#include <QMessageBox>
#include <QPushButton>

#include "editor/changesubjectdialog.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <ctime>

#include "core/filereader.h"
#include "core/flyarchive.h"
#include "quiz/ui/listtext.h"
#include "services/subjectnames.h"
#include "services/uilanguage.h"
#include "settings/contrast.h"

namespace brainlark
{

namespace
{

QLineEdit* counterEdit(const char* objectName)
{
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(90);
    return edit;
}

QFont rowFont(int pixels)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

StudyModuleSelector::StudyModuleSelector(const QString& dataFolder, const QString& preselectedName,
                                         const QString& selectedSubject, QWidget* parent)
    : QDialog(parent), m_dataFolder(dataFolder), m_preselectedName(preselectedName),
      m_selectedSubject(selectedSubject)
{
    setWindowTitle(tr("Select study module"));
    buildWidgets();
    m_catalogue.clearSubjects();
    m_catalogue.rebuildCatalogue(QFile::encodeName(m_dataFolder).toStdString());
    fillSubjectCombo();
    fillList();
    connect(m_subjectCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &StudyModuleSelector::onSubjectChanged);
}

void StudyModuleSelector::buildWidgets()
{
    m_subjectCombo = new QComboBox;
    m_subjectCombo->setObjectName("subjectCombo");
    m_model = new QStandardItemModel(0, 2, this);
    m_model->setHorizontalHeaderLabels({tr("Q&A-list Name"), tr("Last Used")});
    m_view = new QTreeView;
    m_view->setObjectName("listView");
    m_view->setAccessibleName(tr("Q&A-lists"));
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setAlternatingRowColors(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setFont(rowFont(12));
    m_view->header()->setFont(rowFont(13));
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setSortIndicatorShown(true);
    m_view->setColumnWidth(NameColumn, 182);
    m_view->setColumnWidth(TimeColumn, 110);
    m_view->setMinimumWidth(182 + 110 + 24);
    connect(m_view->header(), &QHeaderView::sectionClicked, this, &StudyModuleSelector::clickHeader);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &StudyModuleSelector::onRowChanged);
    connect(m_view, &QTreeView::doubleClicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    auto* subjectRow = new QHBoxLayout;
    subjectRow->addWidget(new QLabel(tr("Subject:")));
    subjectRow->addWidget(m_subjectCombo, 1);
    left->addLayout(subjectRow);
    left->addWidget(m_view, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    m_openDue = buttons->addButton(tr("Open &Due Pairs"), QDialogButtonBox::AcceptRole);
    m_openDue->setObjectName("openDuePairs");
    m_openDue->setToolTip(tr("Open the list with the question selection Due (spaced repetition)"));
    m_openDue->setVisible(false);
    connect(m_openDue, &QPushButton::clicked, this, [this] { m_openDuePairs = true; });
    m_dueTotal = new QLabel;
    m_dueTotal->setObjectName("dueTotal");
    m_dueTotal->setVisible(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(buildInfoPane(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_dueTotal);
    layout->addWidget(buttons);
    resize(720, 440);
}

QWidget* StudyModuleSelector::buildInfoPane()
{
    m_foundEdit = counterEdit("foundEdit");
    m_pairsEdit = counterEdit("pairsEdit");
    m_predefinedEdit = counterEdit("predefinedEdit");
    m_totalEdit = counterEdit("totalEdit");
    m_subjectLabel = new QLabel;
    m_subjectLabel->setObjectName("subjectLabel");
    m_accuracyLabel = new QLabel;
    m_accuracyLabel->setObjectName("accuracyLabel");
    m_notes = new QTextEdit;
    m_notes->setObjectName("notesBox");
    m_notes->setReadOnly(true);
    auto* change = new QPushButton(tr("C&hange Subject..."));
    change->setObjectName("changeSubject");
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, [this] { askForSubject(); });

    auto* box = new QGroupBox(tr("Q&&A-list information"));
    auto* form = new QFormLayout;
    form->addRow(tr("Q&&A-lists found:"), m_foundEdit);
    form->addRow(tr("Q&&A pairs:"), m_pairsEdit);
    form->addRow(tr("Predefined answers:"), m_predefinedEdit);
    form->addRow(tr("Total answers:"), m_totalEdit);
    auto* subjectRow = new QHBoxLayout;
    subjectRow->addWidget(m_subjectLabel, 1);
    subjectRow->addWidget(change);
    form->addRow(tr("Subject:"), subjectRow);
    form->addRow(tr("Accuracy:"), m_accuracyLabel);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Notes:")));
    layout->addWidget(m_notes, 1);
    return box;
}

void StudyModuleSelector::fillSubjectCombo()
{
    QStringList entries;
    for (const std::string& name : m_catalogue.subjectNames(true)) {
        entries << ListText::toQString(name);
        m_subjectCombo->addItem(SubjectNames::shown(entries.last()), entries.last());
    }
    // Like the classic select-string rule: a text that matches no entry leaves the combo without selection.
    m_subjectCombo->setCurrentIndex(findSubjectEntry(entries, m_selectedSubject));
}

int StudyModuleSelector::findSubjectEntry(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void StudyModuleSelector::fillList()
{
    m_rows.clear();
    m_listsFound = 0;
    m_chosenName.clear();
    for (SubjectList::ListFile& file :
         SubjectList::listFiles(QFile::encodeName(m_dataFolder).toStdString())) {
        if (!acceptedBySubject(file.name))
            continue;
        m_rows.push_back(
            {QFile::decodeName(QByteArray::fromStdString(file.name)), file.name, file.modifiedNs});
        ++m_listsFound;
    }
    // A refill always shows the current column ascending; the direction flag is left as it was.
    sortRows(m_sortColumn, true);
    showRows();
    m_foundEdit->setText(QString::number(m_listsFound));
    const auto it = std::find_if(m_rows.begin(), m_rows.end(),
                                 [this](const Row& row) { return row.name == m_preselectedName; });
    if (it != m_rows.end())
        highlight(static_cast<int>(it - m_rows.begin()));
    else if (!m_rows.empty())
        highlight(0);
}

bool StudyModuleSelector::acceptedBySubject(const std::string& key) const
{
    const Subject& subject = m_catalogue.subjectByName(ListText::fromQString(m_selectedSubject));
    if (subject.name() == SubjectList::AllName)
        return true;
    if (subject.name() == SubjectList::NoneName) {
        const Subject* filed = m_catalogue.subjectOfList(key);
        return !filed || filed->name() == SubjectList::NoneName;
    }
    return subject.findList(key) != nullptr;
}

void StudyModuleSelector::sortRows(int column, bool ascending)
{
    // Names as the learner's language orders them.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        m_rows.begin(), m_rows.end(), [&collator, column, ascending](const Row& a, const Row& b) {
            const int order = column == NameColumn
                                  ? collator.compare(a.name, b.name)
                                  : (a.modifiedNs < b.modifiedNs ? -1 : a.modifiedNs > b.modifiedNs);
            return ascending ? order < 0 : order > 0;
        });
    m_view->header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void StudyModuleSelector::showRows()
{
    const QString chosen = m_chosenName; // emptying the model must not lose the highlighted name
    m_model->removeRows(0, m_model->rowCount());
    for (const Row& row : m_rows) {
        auto* name = new QStandardItem(row.name);
        auto* time = new QStandardItem(formatRowTimeShown(row.modifiedNs / 1000000000));
        if (!m_hasDue) {
            m_model->appendRow({name, time});
            continue;
        }
        const DueCount due =
            m_due.value(QDir::cleanPath(m_dataFolder + QLatin1Char('/') + row.name + ".fly"));
        auto* dueItem = new QStandardItem(QStringLiteral("%1 / %2").arg(due.today).arg(due.week));
        dueItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        dueItem->setToolTip(
            tr("%1 pairs due today, %2 within a week", nullptr, int(due.today)).arg(due.today).arg(due.week));
        m_model->appendRow({name, time, dueItem});
    }
    m_chosenName = chosen;
}

void StudyModuleSelector::clickHeader(int column)
{
    if (column == m_sortColumn)
        m_ascending = !m_ascending;
    m_sortColumn = column;
    const QString chosen = m_chosenName;
    sortRows(m_sortColumn, m_ascending);
    showRows();
    const auto it =
        std::find_if(m_rows.begin(), m_rows.end(), [&chosen](const Row& row) { return row.name == chosen; });
    if (it != m_rows.end())
        highlight(static_cast<int>(it - m_rows.begin()));
}

void StudyModuleSelector::highlight(int row)
{
    const QModelIndex index = m_model->index(row, NameColumn);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
    m_view->setFocus();
}

void StudyModuleSelector::onSubjectChanged(int index)
{
    if (index < 0)
        return;
    m_selectedSubject = m_subjectCombo->itemData(index).toString();
    emit selectedSubjectChanged(m_selectedSubject);
    fillList();
}

void StudyModuleSelector::onRowChanged(const QModelIndex& current)
{
    if (!current.isValid() || current.row() >= static_cast<int>(m_rows.size()))
        return;
    const Row& row = m_rows[static_cast<size_t>(current.row())];
    m_chosenName = row.name;
    showInfo(row);
}

void StudyModuleSelector::showInfo(const Row& row)
{
    PairList list;
    std::string bytes;
    const std::string path =
        QFile::encodeName(m_dataFolder + QLatin1Char('/') + row.name + ".fly").toStdString();
    const bool loaded = FileReader::read(path, bytes, nullptr) && FlyArchive::read(bytes, list).ok;
    if (loaded) {
        m_pairsEdit->setText(QString::number(list.count()));
        m_predefinedEdit->setText(QString::number(list.wrongAnswers().size()));
        m_totalEdit->setText(QString::number(list.sumTotals()));
        m_accuracyLabel->setText(list.accuracy() > 0.0 ? QString::fromStdString(list.formatAccuracy())
                                                       : tr("n/a"));
        m_notes->setPlainText(ListText::toQString(list.notes()));
    } else {
        // Only these two change for a file that cannot be read; the others keep the last list's values.
        m_pairsEdit->setText(QStringLiteral("0"));
        m_notes->clear();
    }
    const QColor background = list.notes().empty() || !loaded ? QColor(173, 216, 230) : QColor(230, 230, 250);
    QPalette palette = m_notes->palette();
    palette.setColor(QPalette::Base, background);
    Contrast::keepTextReadable(palette);
    m_notes->setPalette(palette);
    m_listSubject = ListText::toQString(m_catalogue.subjectNameOfList(row.key));
    m_subjectLabel->setText(SubjectNames::shown(m_listSubject));
}

bool StudyModuleSelector::changeSubject(const QString& subject)
{
    if (m_chosenName.isEmpty())
        return false;
    const std::string path = QFile::encodeName(chosenPath()).toStdString();
    PairList list;
    std::string bytes;
    if (!FileReader::read(path, bytes, nullptr) || !FlyArchive::read(bytes, list).ok || list.count() == 0)
        return false;
    const std::string chosen =
        subject == QLatin1String(SubjectList::NoneName) ? std::string() : ListText::fromQString(subject);
    list.setSubject(chosen);
    // The list keeps its own stamps: only its subject changes.
    const std::string stamp = list.createdStamp().empty() ? std::string() : list.savedStamp();
    std::string error;
    if (!FlyArchive::writeFile(path, list, stamp, &error))
        return false;
    m_catalogue.clearSubjects();
    m_catalogue.rebuildCatalogue(QFile::encodeName(m_dataFolder).toStdString());
    for (const Row& row : m_rows) {
        if (row.name == m_chosenName)
            showInfo(row);
    }
    return true;
}

void StudyModuleSelector::askForSubject(const std::function<int(QDialog&)>& runDialog)
{
    if (m_chosenName.isEmpty())
        return;
    QStringList subjects;
    for (const std::string& name : m_catalogue.subjectNames(false))
        subjects.append(ListText::toQString(name));
    ChangeSubjectDialog dialog(m_chosenName, m_listSubject, subjects, this);
    const int result = runDialog ? runDialog(dialog) : dialog.exec();
    if (result == QDialog::Accepted && !changeSubject(dialog.chosenSubject()))
        QMessageBox::warning(this, tr("Change Subject"), tr("Could not save the Q&A-list."));
}

void StudyModuleSelector::setDueCounts(const QHash<QString, DueCount>& counts)
{
    m_due.clear();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        m_due.insert(QDir::cleanPath(it.key()), it.value());
    m_hasDue = true;
    m_model->setColumnCount(3);
    m_model->setHorizontalHeaderItem(DueColumn, new QStandardItem(tr("Due today / week")));
    m_view->setColumnWidth(DueColumn, 120);
    m_view->setMinimumWidth(182 + 110 + 120 + 24);
    resize(width() + 120, height());
    m_dueTotal->setText(dueTotalText());
    m_dueTotal->setVisible(true);
    m_openDue->setVisible(true);
    const QString chosen = m_chosenName;
    showRows();
    const auto it =
        std::find_if(m_rows.begin(), m_rows.end(), [&chosen](const Row& row) { return row.name == chosen; });
    if (it != m_rows.end())
        highlight(int(it - m_rows.begin()));
}

QString StudyModuleSelector::dueTotalText() const
{
    if (!m_hasDue)
        return QString();
    int today = 0;
    int week = 0;
    for (const DueCount& due : m_due) {
        today += due.today;
        week += due.week;
    }
    return tr("Due in all lists: %1 pairs today, %2 within a week", nullptr, int(today)).arg(today).arg(week);
}

QString StudyModuleSelector::chosenPath() const
{
    return m_dataFolder + QLatin1Char('/') + m_chosenName + QStringLiteral(".fly");
}

QStringList StudyModuleSelector::rowNames() const
{
    QStringList names;
    for (const Row& row : m_rows)
        names << row.name;
    return names;
}

QString StudyModuleSelector::formatRowTimeShown(int64_t secondsSinceEpoch)
{
    // English keeps the list's classic form; another language writes the time the way its readers do.
    const QString language = UiLanguage::current();
    if (language == QLatin1String("en"))
        return formatRowTime(secondsSinceEpoch);
    return QLocale(language).toString(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch), QLocale::ShortFormat);
}

QString StudyModuleSelector::formatRowTime(int64_t secondsSinceEpoch)
{
    const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&t, &local);
    const int hour = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    return QString::asprintf("%d/%.2d/%.2d %d:%.2d %s", local.tm_mon + 1, local.tm_mday, local.tm_year % 100,
                             hour, local.tm_min, local.tm_hour < 12 ? "AM" : "PM");
}

} // namespace brainlark
