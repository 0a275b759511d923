#include "app/importwizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/filereader.h"

namespace brainlark
{

namespace
{

const ImportEncoding Encodings[] = {ImportEncoding::Utf8, ImportEncoding::Utf8Bom, ImportEncoding::Utf16Le,
                                    ImportEncoding::Utf16Be, ImportEncoding::Windows1252};
const ImportFormat Formats[] = {ImportFormat::Tsv, ImportFormat::Csv, ImportFormat::At};
const struct {
    char separator;
    const char* label;
} Separators[] = {{'\t', "Tab"}, {',', "Comma ,"}, {';', "Semicolon ;"}, {'@', "At sign @"},
                  {'|', "Bar |"},  {':', "Colon :"}};

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ImportWizard::ImportWizard(const QString& startFolder, QWidget* parent) : QDialog(parent), m_startFolder(startFolder)
{
    setWindowTitle(tr("Import Q&A pairs"));
    m_file = new QLineEdit;
    m_file->setReadOnly(true);
    auto* browseButton = new QPushButton(tr("&Browse..."));
    connect(browseButton, &QPushButton::clicked, this, &ImportWizard::browse);

    m_encoding = new QComboBox;
    for (ImportEncoding encoding : Encodings)
        m_encoding->addItem(QString::fromLatin1(ImportReader::encodingName(encoding)));
    m_format = new QComboBox;
    m_format->addItems({tr("Tab-separated (TSV)"), tr("Comma-separated (CSV)"), tr("Brainlark lines (@)")});
    m_separator = new QComboBox;
    for (const auto& s : Separators)
        m_separator->addItem(tr(s.label));
    for (QComboBox* box : {m_encoding, m_format, m_separator})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportWizard::optionsEdited);
    m_header = new QCheckBox(tr("First line holds column &names"));
    m_header->setToolTip(
        tr("Checked, the first line is skipped; it is checked by itself when the line looks like "
           "column names (\"Front, Back\") or unlike the lines below it."));
    m_keepHtml = new QCheckBox(tr("Keep &HTML as it is"));
    m_keepHtml->setToolTip(
        tr("Unchecked, fields with HTML tags or entities become plain text with line breaks."));
    for (QCheckBox* box : {m_header, m_keepHtml})
        connect(box, &QCheckBox::toggled, this, &ImportWizard::optionsEdited);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(buddyLabel(tr("&File:"), browseButton));
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browseButton);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(buddyLabel(tr("&Encoding:"), m_encoding));
    optionsRow->addWidget(m_encoding);
    optionsRow->addSpacing(12);
    optionsRow->addWidget(buddyLabel(tr("F&ormat:"), m_format));
    optionsRow->addWidget(m_format);
    optionsRow->addSpacing(12);
    optionsRow->addWidget(buddyLabel(tr("&Separator:"), m_separator));
    optionsRow->addWidget(m_separator);
    optionsRow->addSpacing(12);
    optionsRow->addWidget(m_header);
    optionsRow->addWidget(m_keepHtml);
    optionsRow->addStretch();

    m_summary = new QLabel;
    m_summary->setWordWrap(true);
    m_preview = new QTableWidget(0, 3);
    m_preview->setHorizontalHeaderLabels({tr("Line"), tr("Question"), tr("Answer")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_preview->setColumnWidth(0, 50);
    m_preview->setColumnWidth(1, 240);
    m_preview->setColumnWidth(2, 240);
    m_skipped = new QListWidget;

    auto* lists = new QGridLayout;
    lists->addWidget(buddyLabel(tr("S&kipped lines"), m_skipped), 0, 0);
    lists->addWidget(m_skipped, 1, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(optionsRow);
    layout->addWidget(m_summary);
    layout->addWidget(buddyLabel(tr("&Preview of the first %1 pairs").arg(PreviewPairs), m_preview));
    layout->addWidget(m_preview, 3);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
    resize(900, 640);
    refresh();
}

void ImportWizard::browse()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import Q&A pairs"), m_path.isEmpty() ? m_startFolder : QFileInfo(m_path).absolutePath(),
        tr("Text files (*.txt *.tsv *.csv *.tab);;All files (*)"));
    if (!path.isEmpty())
        setFile(path);
}

bool ImportWizard::setFile(const QString& path)
{
    m_path = path;
    m_file->setText(QDir::toNativeSeparators(path));
    m_bytes.clear();
    const QFileInfo info(path);
    const bool readable = info.size() <= MaxFileBytes &&
                          FileReader::read(QFile::encodeName(path).toStdString(), m_bytes, nullptr);
    if (!readable)
        m_bytes.clear();
    m_options = ImportReader::detect(m_bytes);
    m_result = readable ? ImportReader::read(m_bytes, m_options) : ImportResult();
    showOptions();
    refresh();
    if (!readable)
        m_summary->setText(info.isFile() && info.size() > MaxFileBytes ? tr("The file is too large to be a list of pairs.")
                                                                       : tr("The file cannot be read."));
    return readable;
}

void ImportWizard::setOptions(const ImportOptions& options)
{
    m_options = options;
    m_result = ImportReader::read(m_bytes, m_options);
    showOptions();
    refresh();
}

void ImportWizard::showOptions()
{
    m_updating = true;
    m_encoding->setCurrentIndex(int(std::find(std::begin(Encodings), std::end(Encodings), m_options.encoding) -
                                    std::begin(Encodings)));
    m_format->setCurrentIndex(
        int(std::find(std::begin(Formats), std::end(Formats), m_options.format) - std::begin(Formats)));
    for (int i = 0; i < int(std::size(Separators)); ++i) {
        if (Separators[i].separator == m_options.separator)
            m_separator->setCurrentIndex(i);
    }
    m_header->setChecked(m_result.headerSkipped);
    m_keepHtml->setChecked(m_options.keepHtml);
    m_updating = false;
}

char ImportWizard::separatorFromBox() const
{
    const int index = m_separator->currentIndex();
    return index >= 0 ? Separators[index].separator : ImportReader::defaultSeparator(m_options.format);
}

void ImportWizard::optionsEdited()
{
    if (m_updating)
        return;
    ImportOptions options;
    options.encoding = Encodings[std::max(0, m_encoding->currentIndex())];
    options.format = Formats[std::max(0, m_format->currentIndex())];
    options.separator = separatorFromBox();
    options.keepHtml = m_keepHtml->isChecked();
    // The box shows what was detected; once the learner changes it, it is the learner's word.
    options.header = m_header->isChecked() == m_result.headerSkipped ? m_options.header
                     : m_header->isChecked()                         ? HeaderLine::Yes
                                                                     : HeaderLine::No;
    options.columns = m_options.columns;
    // Choosing another format brings its own separator along; the separator box then fine-tunes it.
    if (options.format != m_options.format) {
        options.separator = ImportReader::defaultSeparator(options.format);
        options.columns.clear();
    }
    setOptions(options);
}

QString ImportWizard::columnTitle(size_t column) const
{
    // One per ColumnRole, in its order.
    static const char* const Titles[] = {
        QT_TR_NOOP("Question"), QT_TR_NOOP("Answer"),  QT_TR_NOOP("Wrong answer"), QT_TR_NOOP("Notes"),
        QT_TR_NOOP("Sound"),    QT_TR_NOOP("Picture"), QT_TR_NOOP("Ignored")};
    static_assert(sizeof(Titles) / sizeof(Titles[0]) == size_t(ColumnRole::Ignored) + 1);
    const ColumnRole role = column < m_result.columns.size() ? m_result.columns[column] : ColumnRole::Ignored;
    return tr("%1: %2").arg(column + 1).arg(tr(Titles[int(role)]));
}

void ImportWizard::refresh()
{
    const int pairs = int(m_result.pairs.size());
    const int shown = std::min(int(m_result.preview.size()), PreviewPairs);
    // Every column of the file is shown, titled with what it becomes.
    size_t columns = std::max<size_t>(m_result.columns.size(), 2);
    for (const ImportRow& row : m_result.preview)
        columns = std::max(columns, row.fields.size());
    m_preview->setColumnCount(int(columns) + 1);
    QStringList titles{tr("Line")};
    for (size_t column = 0; column < columns; ++column)
        titles << columnTitle(column);
    m_preview->setHorizontalHeaderLabels(titles);
    m_preview->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const ImportRow& record = m_result.preview[size_t(row)];
        m_preview->setItem(row, 0, new QTableWidgetItem(QString::number(record.line)));
        for (size_t column = 0; column < columns; ++column) {
            const QString cell = column < record.fields.size() ? text(record.fields[column]) : QString();
            m_preview->setItem(row, int(column) + 1, new QTableWidgetItem(cell));
        }
    }
    auto more = [this](QListWidget* list, size_t total) {
        if (total > size_t(ListedLines))
            list->addItem(tr("... and %1 more").arg(total - size_t(ListedLines)));
    };
    m_skipped->clear();
    for (size_t i = 0; i < std::min(m_result.skipped.size(), size_t(ListedLines)); ++i) {
        const SkippedLine& line = m_result.skipped[i];
        m_skipped->addItem(tr("Line %1: %2: %3")
                               .arg(line.line)
                               .arg(QString::fromLatin1(ImportReader::reasonText(line.reason)), text(line.text)));
    }
    more(m_skipped, m_result.skippedCount);
    QString summary = pairs == 1 ? tr("1 pair") : tr("%1 pairs").arg(pairs);
    summary += tr(", %1 lines skipped").arg(m_result.skippedCount);
    // What no pair takes is said, never dropped without a word.
    QStringList ignored;
    for (size_t column : m_result.ignoredColumns)
        ignored << QString::number(column + 1);
    if (ignored.size() == 1)
        summary += tr(", column %1 ignored").arg(ignored.front());
    else if (!ignored.isEmpty())
        summary += tr(", columns %1 ignored").arg(ignored.join(QStringLiteral(", ")));
    if (m_result.htmlFields > 0)
        summary += tr(", %1 fields turned from HTML into plain text").arg(m_result.htmlFields);
    if (!m_path.isEmpty() && pairs < MinimumQuizPairs)
        summary += tr(". A quiz needs at least %1 pairs; the editor takes fewer.").arg(MinimumQuizPairs);
    m_summary->setText(m_path.isEmpty() ? tr("Choose a text file to import.") : summary);
    m_import->setEnabled(pairs > 0);
}

} // namespace brainlark
