#include "app/importwizard.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "core/filereader.h"
#include "core/importmedia.h"
#include "services/messagetext.h"

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
} Separators[] = {{'\t', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Tab")},
                  {',', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Comma ,")},
                  {';', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Semicolon ;")},
                  {'@', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "At sign @")},
                  {'|', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Bar |")},
                  {':', QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Colon :")}};

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

const ColumnRole Roles[] = {ColumnRole::Question, ColumnRole::Answer, ColumnRole::WrongAnswer,
                            ColumnRole::Notes,    ColumnRole::Sound,  ColumnRole::Picture,
                            ColumnRole::Ignored};
const char* const RoleTitles[] = {QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Question"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Answer"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Wrong answer"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Notes"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Sound"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Picture"),
                                  QT_TRANSLATE_NOOP("brainlark::ImportWizard", "Ignored")};
static_assert(std::size(Roles) == std::size(RoleTitles));

int roleIndex(ColumnRole role)
{
    return int(std::find(std::begin(Roles), std::end(Roles), role) - std::begin(Roles));
}

// Pictures in formats the quiz does not show (PNG, WebP, ...) become JPEG through Qt's image readers, on a
// white ground where they were transparent; sounds are not converted.
bool convertMedia(bool sound, std::string_view bytes, std::string& converted)
{
    QImage image;
    if (sound || bytes.size() > size_t(std::numeric_limits<int>::max()) ||
        !image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size())))
        return false;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    QByteArray out;
    QBuffer buffer(&out);
    if (!buffer.open(QIODevice::WriteOnly) || !flat.save(&buffer, "JPG", 90))
        return false;
    converted.assign(out.constData(), size_t(out.size()));
    return true;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

// One reading of the file, done on the window's thread for a small file and on a thread of its own for a
// large one. The window keeps its hands off the job until the thread has finished.
struct ImportWizard::Job {
    QString path;
    bool readFile = false; ///< read the bytes from path first
    bool detect = false;   ///< detect encoding and format
    bool full = true;      ///< all the bytes, or only the first PreviewBytes
    bool acceptWhenDone = false;
    std::shared_ptr<AnkiPackage> package; ///< a package of decks instead of text: opened once, then read
    bool openPackage = false;
    AnkiImportOptions packageOptions;
    std::string error;
    std::string programFolder; ///< set for the reading at Import: media are copied there
    bool vocabulary = false;   ///< the bytes are a vocabulary document (KVTML), read by its own reader
    DeckImportOptions vocabularyOptions;
    std::vector<KvtmlLanguage> languages;
    std::shared_ptr<const std::string> bytes;
    ImportOptions options;
    std::string sourceFolder;
    std::atomic<bool> cancel{false};
    std::atomic<int> permille{0};

    bool readable = true;
    ImportResult result;
    ImportMedia::Census census;

    void run()
    {
        if (package) {
            runPackage();
            return;
        }
        if (readFile) {
            auto data = std::make_shared<std::string>();
            readable = FileReader::read(QFile::encodeName(path).toStdString(), *data, nullptr) &&
                       qint64(data->size()) <= MaxFileBytes;
            if (!readable)
                data->clear();
            bytes = std::move(data);
        }
        if (!readable)
            return;
        if (readFile)
            vocabulary = KvtmlReader::looksLikeKvtml(*bytes);
        if (vocabulary) {
            result = KvtmlReader::read(*bytes, vocabularyOptions, {}, &languages);
            if (result.error.empty() && !vocabularyOptions.deck.empty())
                DeckImport::keepDeck(result, vocabularyOptions.deck);
            error = result.error;
            return;
        }
        if (detect)
            options = ImportReader::detect(*bytes);
        std::string_view view = *bytes;
        if (!full && qint64(view.size()) > PreviewBytes) {
            // The first part up to a line end; a quoted field cut there would only look unclosed.
            const size_t end = view.rfind('\n', size_t(PreviewBytes));
            view = view.substr(0, end == std::string_view::npos ? size_t(PreviewBytes) : end + 1);
        } else {
            full = true;
        }
        result = ImportReader::read(view, options, [this](uint64_t done, uint64_t total) {
            permille = total > 0 ? int(done * 1000 / total) : 0;
            return !cancel;
        });
        if (!full && !result.skipped.empty() && result.skipped.back().reason == SkipReason::UnclosedQuote) {
            result.skipped.pop_back();
            --result.skippedCount;
        }
        if (programFolder.empty())
            census = ImportMedia::census(result, sourceFolder);
        else
            ImportMedia::place(result, sourceFolder, programFolder, convertMedia);
    }

    void runPackage()
    {
        const auto progress = [this](uint64_t done, uint64_t total) {
            permille = total > 0 ? int(done * 1000 / total) : 0;
            return !cancel;
        };
        if (openPackage && !package->open(QFile::encodeName(path).toStdString(), &error)) {
            readable = false;
            return;
        }
        AnkiImportOptions read = packageOptions;
        read.programFolder = programFolder;
        read.convert = convertMedia;
        if (!package->read(read, result, progress, &error))
            result.cancelled = cancel;
    }
};

ImportWizard::ImportWizard(const QString& startFolder, QWidget* parent) : QDialog(parent), m_startFolder(startFolder)
{
    setWindowTitle(tr("Import Q&A pairs"));
    m_file = new QLineEdit;
    m_file->setReadOnly(true);
    m_file->setAccessibleName(tr("File"));
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
    m_textRow = new QWidget;
    auto* optionsRow = new QHBoxLayout(m_textRow);
    optionsRow->setContentsMargins(0, 0, 0, 0);
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
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setHorizontalHeaderLabels({tr("Line"), tr("Question"), tr("Answer")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setTabKeyNavigation(false); // read only: Tab goes on to the next control
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_preview->setColumnWidth(0, 50);
    m_preview->setColumnWidth(1, 240);
    m_preview->setColumnWidth(2, 240);
    m_skipped = new QListWidget;
    m_skipped->setAccessibleName(tr("Skipped lines"));
    m_media = new QListWidget;
    m_media->setAccessibleName(tr("Sounds and pictures not imported"));

    auto* lists = new QGridLayout;
    lists->addWidget(buddyLabel(tr("S&kipped lines"), m_skipped), 0, 0);
    lists->addWidget(m_skipped, 1, 0);
    lists->addWidget(buddyLabel(tr("So&unds and pictures not found"), m_media), 0, 1);
    lists->addWidget(m_media, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 1);

    // A role box per column of the file, in the order of the preview's columns.
    m_columnRow = new QWidget;
    auto* columnLayout = new QHBoxLayout(m_columnRow);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    auto* columnScroll = new QScrollArea;
    columnScroll->setWidget(m_columnRow);
    columnScroll->setWidgetResizable(true);
    columnScroll->setFrameShape(QFrame::NoFrame);
    columnScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    columnScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columnScroll->setFixedHeight(m_format->sizeHint().height() + 22);

    // A package of decks: which deck, and which fields of each kind of note become question and answer.
    m_packageRow = new QWidget;
    m_deck = new QComboBox;
    m_noteType = new QComboBox;
    m_questionField = new QComboBox;
    m_answerField = new QComboBox;
    auto* packageRow = new QHBoxLayout(m_packageRow);
    packageRow->setContentsMargins(0, 0, 0, 0);
    packageRow->addWidget(buddyLabel(tr("&Deck:"), m_deck));
    packageRow->addWidget(m_deck);
    packageRow->addSpacing(12);
    m_noteTypeLabel = buddyLabel(tr("&Note type:"), m_noteType);
    packageRow->addWidget(m_noteTypeLabel);
    packageRow->addWidget(m_noteType);
    packageRow->addWidget(buddyLabel(tr("&Question field:"), m_questionField));
    packageRow->addWidget(m_questionField);
    packageRow->addWidget(buddyLabel(tr("&Answer field:"), m_answerField));
    packageRow->addWidget(m_answerField);
    m_eachDeck = new QCheckBox(tr("One &list per deck"));
    m_eachDeck->setToolTip(tr("Checked, each deck becomes a list of its own in the program's data folder, "
                              "named after the deck, with the top deck as its subject."));
    packageRow->addWidget(m_eachDeck);
    packageRow->addStretch();
    m_packageRow->hide();
    for (QComboBox* box : {m_deck, m_noteType, m_questionField, m_answerField})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents); // filled after the window is shown
    for (QComboBox* box : {m_deck, m_questionField, m_answerField})
        connect(box, &QComboBox::activated, this, &ImportWizard::packageEdited);
    connect(m_noteType, &QComboBox::activated, this, &ImportWizard::showNoteType);

    m_progress = new QProgressBar;
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Reading the file"));
    m_stop = new QPushButton(tr("S&top Reading"));
    connect(m_stop, &QPushButton::clicked, this, &ImportWizard::stopReading);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_stop);
    m_progress->hide();
    m_stop->hide();
    m_ticker = new QTimer(this);
    m_ticker->setInterval(100);
    connect(m_ticker, &QTimer::timeout, this, [this] {
        if (m_job)
            m_progress->setValue(m_job->permille);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(m_textRow);
    layout->addWidget(m_packageRow);
    layout->addWidget(m_summary);
    layout->addLayout(progressRow);
    m_columnsPart = new QWidget;
    auto* columnsPart = new QVBoxLayout(m_columnsPart);
    columnsPart->setContentsMargins(0, 0, 0, 0);
    columnsPart->addWidget(new QLabel(tr("Each column becomes:")));
    columnsPart->addWidget(columnScroll);
    layout->addWidget(m_columnsPart);
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
        tr("Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;"
           "All files (*)"));
    if (!path.isEmpty())
        setFile(path);
}

ImportWizard::~ImportWizard()
{
    stopReading();
}

bool ImportWizard::setFile(const QString& path)
{
    stopReading();
    m_path = path;
    m_file->setText(QDir::toNativeSeparators(path));
    m_bytes.reset();
    m_result = ImportResult();
    m_partial = false;
    const QFileInfo info(path);
    m_fileSize = info.size();
    m_package.reset();
    m_packageOptions = AnkiImportOptions();
    m_packageError.clear();
    m_vocabulary = false;
    m_vocabularyOptions = DeckImportOptions();
    if (info.isFile() && AnkiPackage::looksLikePackage(QFile::encodeName(path).toStdString())) {
        // Another trainer's package of decks: read by its own reader, always beside the window.
        m_package = std::make_shared<AnkiPackage>();
        m_textRow->hide();
        m_columnsPart->hide();
        m_packageRow->show();
        startReading(true, true, false);
        return true;
    }
    m_textRow->show();
    m_columnsPart->show();
    m_packageRow->hide();
    m_noteType->show();
    m_noteTypeLabel->show();
    if (!info.isFile() || m_fileSize > MaxFileBytes) {
        refresh();
        m_summary->setText(info.isFile() ? tr("The file is too large to be a list of pairs.")
                                         : tr("The file cannot be read."));
        return false;
    }
    startReading(true, true, false);
    if (!isReading() && m_bytes->empty() && m_fileSize > 0) {
        m_summary->setText(tr("The file cannot be read."));
        return false;
    }
    return true;
}

void ImportWizard::setOptions(const ImportOptions& options)
{
    stopReading();
    m_options = options;
    if (!m_bytes)
        return;
    startReading(false, false, false);
}

void ImportWizard::startReading(bool readFile, bool full, bool acceptWhenDone)
{
    auto job = std::make_shared<Job>();
    job->path = m_path;
    job->readFile = readFile;
    job->detect = readFile;
    job->full = full;
    job->acceptWhenDone = acceptWhenDone;
    job->bytes = m_bytes;
    job->options = m_options;
    job->sourceFolder = QFile::encodeName(QFileInfo(m_path).absolutePath()).toStdString();
    if (acceptWhenDone)
        job->programFolder = QFile::encodeName(m_programFolder).toStdString();
    job->package = m_package;
    job->vocabulary = m_vocabulary && !readFile;
    job->vocabularyOptions = m_vocabularyOptions;
    job->openPackage = m_package && readFile;
    job->packageOptions = m_packageOptions;
    if (m_fileSize <= PreviewBytes && !m_package) {
        job->run();
        readingDone(job);
        return;
    }
    // A large file: read on a thread of its own while the window shows how far it got.
    m_job = job;
    m_thread = QThread::create([job] { job->run(); });
    connect(m_thread, &QThread::finished, this, [this, job] {
        if (m_job != job)
            return;
        m_thread->deleteLater();
        m_thread = nullptr;
        m_job.reset();
        readingDone(job);
    });
    m_progress->setValue(0);
    m_progress->show();
    m_stop->show();
    m_import->setEnabled(false);
    m_summary->setText(tr("Reading the file..."));
    m_ticker->start();
    m_thread->start();
}

void ImportWizard::stopReading()
{
    if (!m_thread)
        return;
    m_job->cancel = true;
    m_thread->wait();
    // The finished signal has not been delivered yet: what the thread read is taken here, once.
    const std::shared_ptr<Job> job = std::move(m_job);
    QThread* thread = std::exchange(m_thread, nullptr);
    thread->disconnect(this);
    thread->deleteLater();
    readingDone(job);
}

void ImportWizard::readingDone(const std::shared_ptr<Job>& job)
{
    m_ticker->stop();
    m_progress->hide();
    m_stop->hide();
    if (job->readFile && !job->package)
        m_bytes = job->bytes;
    if (job->package) {
        m_packageError = MessageText::shown(job->error);
        m_result = std::move(job->result);
        if (m_result.columns.empty())
            m_result.columns = {ColumnRole::Question, ColumnRole::Answer};
        m_partial = m_result.cancelled;
        m_census = {};
        if (job->openPackage)
            showPackage();
        refresh();
        if (job->acceptWhenDone && job->error.empty())
            QDialog::accept();
        return;
    }
    if (job->readable && job->vocabulary) {
        const bool first = !m_vocabulary;
        m_vocabulary = true;
        m_packageError = MessageText::shown(job->error);
        m_result = std::move(job->result);
        m_partial = m_result.cancelled;
        m_census = {};
        if (first) {
            m_languages = job->languages;
            m_lessons = m_result.decks;
            showVocabulary();
        }
        refresh();
        if (job->acceptWhenDone && job->error.empty())
            QDialog::accept();
        return;
    }
    if (!job->readable) {
        refresh();
        m_summary->setText(tr("The file cannot be read."));
        return;
    }
    m_options = job->options;
    m_result = std::move(job->result);
    m_partial = !job->full || m_result.cancelled;
    m_census = job->census;
    showOptions();
    refresh();
    if (job->acceptWhenDone && !m_result.cancelled)
        QDialog::accept();
}

void ImportWizard::accept()
{
    if (isReading() || (!m_bytes && !m_package) || ((m_package || m_vocabulary) && !m_packageError.isEmpty()))
        return;
    // The whole file is read once more (the preview may have read its first part only) and the sounds and
    // pictures it names go into the program folder; then the pairs are handed over.
    startReading(false, true, true);
}

void ImportWizard::showPackage()
{
    m_updating = true;
    m_deck->clear();
    m_deck->addItem(tr("All decks in one list"));
    // Decks and note types without notes (the collection's empty "Default") are not offered.
    const auto& decks = m_package->decks();
    for (const AnkiDeck& deck : decks) {
        const bool filled = std::any_of(decks.begin(), decks.end(), [&deck](const AnkiDeck& other) {
            return other.notes > 0 && (other.name == deck.name || other.name.rfind(deck.name + "::", 0) == 0);
        });
        if (filled)
            m_deck->addItem(text(deck.name));
    }
    m_noteType->clear();
    const auto& types = m_package->noteTypes();
    for (size_t index = 0; index < types.size(); ++index) {
        if (types[index].notes > 0)
            m_noteType->addItem(text(types[index].name), QVariant::fromValue(qulonglong(index)));
    }
    m_updating = false;
    showNoteType();
}

// The fields of the note type chosen in its box, with the ones that become question and answer.
void ImportWizard::showNoteType()
{
    if (!m_package)
        return;
    m_updating = true;
    const size_t index =
        m_noteType->currentIndex() < 0 ? size_t(-1) : m_noteType->currentData().toULongLong();
    m_questionField->clear();
    m_answerField->clear();
    if (index < m_package->noteTypes().size()) {
        const AnkiNoteType& type = m_package->noteTypes()[index];
        for (const std::string& field : type.fields) {
            m_questionField->addItem(text(field));
            m_answerField->addItem(text(field));
        }
        const auto chosen = m_packageOptions.fields.find(type.id);
        const AnkiFieldChoice choice =
            chosen == m_packageOptions.fields.end() ? AnkiFieldChoice() : chosen->second;
        m_questionField->setCurrentIndex(choice.question);
        m_answerField->setCurrentIndex(choice.answer);
    }
    m_updating = false;
}

// A vocabulary: its lessons as decks, its languages as the fields for question and answer.
void ImportWizard::showVocabulary()
{
    m_textRow->hide();
    m_columnsPart->hide();
    m_packageRow->show();
    m_noteType->hide();
    if (QWidget* label = m_noteTypeLabel)
        label->hide();
    m_updating = true;
    m_deck->clear();
    m_deck->addItem(tr("All lessons in one list"));
    for (const std::string& lesson : m_lessons)
        m_deck->addItem(text(lesson));
    m_questionField->clear();
    m_answerField->clear();
    for (const KvtmlLanguage& language : m_languages) {
        const QString name = text(language.name.empty() ? language.locale : language.name);
        m_questionField->addItem(name, language.id);
        m_answerField->addItem(name, language.id);
    }
    m_questionField->setCurrentIndex(0);
    m_answerField->setCurrentIndex(m_languages.size() > 1 ? 1 : 0);
    m_updating = false;
}

bool ImportWizard::eachDeck() const
{
    return (m_package || m_vocabulary) && m_eachDeck->isEnabled() && m_eachDeck->isChecked();
}

void ImportWizard::packageEdited()
{
    if (m_updating)
        return;
    if (m_vocabulary) {
        stopReading();
        m_vocabularyOptions.deck =
            m_deck->currentIndex() > 0 ? m_deck->currentText().toStdString() : std::string();
        m_vocabularyOptions.questionLanguage = m_questionField->currentData().toInt();
        m_vocabularyOptions.answerLanguage = m_answerField->currentData().toInt();
        startReading(false, true, false);
        return;
    }
    if (!m_package)
        return;
    stopReading();
    m_packageOptions.deck = m_deck->currentIndex() > 0 ? m_deck->currentText().toStdString() : std::string();
    const size_t index =
        m_noteType->currentIndex() < 0 ? size_t(-1) : m_noteType->currentData().toULongLong();
    if (index < m_package->noteTypes().size()) {
        AnkiFieldChoice& choice = m_packageOptions.fields[m_package->noteTypes()[index].id];
        choice.question = std::max(0, m_questionField->currentIndex());
        choice.answer = std::max(0, m_answerField->currentIndex());
    }
    startReading(false, true, false);
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
    // Before a file is read the first two columns are what they usually become.
    const ColumnRole role = column < m_result.columns.size() ? m_result.columns[column]
                            : m_result.columns.empty() && column < 2
                                ? (column == 0 ? ColumnRole::Question : ColumnRole::Answer)
                                : ColumnRole::Ignored;
    return tr("%1: %2").arg(column + 1).arg(tr(RoleTitles[roleIndex(role)]));
}

QComboBox* ImportWizard::columnBox(int column) const
{
    return column >= 0 && size_t(column) < m_columnBoxes.size() ? m_columnBoxes[size_t(column)] : nullptr;
}

void ImportWizard::rebuildColumnBoxes(size_t columns)
{
    // The program's own '@' lines have fixed places: question, answer, then wrong answers.
    const bool fixed = m_options.format == ImportFormat::At;
    auto* layout = static_cast<QHBoxLayout*>(m_columnRow->layout());
    if (m_columnBoxes.size() != columns) {
        while (QLayoutItem* item = layout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        m_columnBoxes.clear();
        for (size_t column = 0; column < columns; ++column) {
            auto* box = new QComboBox;
            for (const char* title : RoleTitles)
                box->addItem(tr(title));
            box->setAccessibleName(tr("Column %1 becomes").arg(column + 1));
            auto* label = new QLabel(tr("%1:").arg(column + 1));
            label->setBuddy(box);
            layout->addWidget(label);
            layout->addWidget(box);
            connect(box, &QComboBox::activated, this,
                    [this, column](int index) { columnEdited(int(column), index); });
            m_columnBoxes.push_back(box);
        }
        layout->addStretch();
    }
    for (size_t column = 0; column < columns; ++column) {
        QComboBox* box = m_columnBoxes[column];
        const ColumnRole role =
            column < m_result.columns.size() ? m_result.columns[column] : ColumnRole::Ignored;
        box->setCurrentIndex(roleIndex(role));
        box->setEnabled(!fixed && !isReading());
    }
}

void ImportWizard::columnEdited(int column, int index)
{
    if (index < 0 || index >= int(std::size(Roles)))
        return;
    ImportOptions options = m_options;
    options.columns = m_result.columns;
    options.columns.resize(std::max(options.columns.size(), m_columnBoxes.size()), ColumnRole::Ignored);
    options.columns[size_t(column)] = Roles[index];
    setOptions(options);
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
    // A column is at least as wide as its title (the last one takes the room that is left).
    QHeaderView* header = m_preview->horizontalHeader();
    for (int column = 0; column + 1 < header->count(); ++column)
        header->resizeSection(column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
    rebuildColumnBoxes(m_result.columns.empty() ? 0 : columns); // none for a file not read
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
                               .arg(QCoreApplication::translate("brainlark::ImportReader",
                                                                ImportReader::reasonText(line.reason)),
                                    text(line.text)));
    }
    more(m_skipped, m_result.skippedCount);
    m_media->clear();
    for (const auto* names : {&m_result.missingMedia, &m_census.missingNames}) {
        for (const std::string& missing : *names)
            m_media->addItem(MessageText::shown(text(missing)));
    }
    QString summary = pairs == 1 ? tr("1 pair") : tr("%1 pairs").arg(pairs);
    summary += tr(", %1 lines skipped", nullptr, int(m_result.skippedCount)).arg(m_result.skippedCount);
    // What no pair takes is said, never dropped without a word.
    QStringList ignored;
    for (size_t column : m_result.ignoredColumns)
        ignored << QString::number(column + 1);
    if (ignored.size() == 1)
        summary += tr(", column %1 ignored").arg(ignored.front());
    else if (!ignored.isEmpty())
        summary += tr(", columns %1 ignored").arg(ignored.join(QStringLiteral(", ")));
    if (m_result.htmlFields > 0)
        summary += tr(", %1 fields turned from HTML into plain text", nullptr, int(m_result.htmlFields))
                       .arg(m_result.htmlFields);
    if (m_census.found + m_census.missing > 0)
        summary += tr(", sounds and pictures: %1 found beside the file, %2 not found")
                       .arg(m_census.found)
                       .arg(m_census.missing);
    const bool unread = (m_package || m_vocabulary) && !m_packageError.isEmpty();
    if (unread)
        summary = m_packageError;
    else if (m_package)
        summary = tr("%1 notes in %2 decks: %3", nullptr, int(m_package->noteCount()))
                      .arg(m_package->noteCount())
                      .arg(m_package->decks().size())
                      .arg(summary);
    if (m_result.cancelled)
        summary = tr("Reading stopped; in the part read: %1. Import reads the whole file.").arg(summary);
    else if (m_partial)
        summary = tr("In the first %1 KB of %2 KB: %3. Import reads the whole file.")
                      .arg(PreviewBytes / 1024)
                      .arg((m_fileSize + 1023) / 1024)
                      .arg(summary);
    if (!m_path.isEmpty() && pairs < MinimumQuizPairs && !unread) // a file not read says only why
        summary += tr(". A quiz needs at least %1 pairs; the editor takes fewer.").arg(MinimumQuizPairs);
    m_summary->setText(m_path.isEmpty() ? tr("Choose a text file to import.") : summary);
    m_import->setEnabled(pairs > 0 && !isReading());
    // Lists per deck are made from every deck: the box counts when all decks are read.
    m_eachDeck->setEnabled(m_result.decks.size() > 1 && m_deck->currentIndex() <= 0);
}

} // namespace brainlark
