#include "app/listdocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "app/hyperlinklabel.h"
#include "app/studymoduleselector.h"
#include "core/backups.h"
#include "core/clock.h"
#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/savefile.h"
#include "core/subjectlist.h"
#include "core/tableexport.h"
#include "core/textexport.h"
#include "core/textimport.h"
#include "exports/htmlreport.h"
#include "exports/palmexport.h"
#include "exports/printabletest.h"
#include "interchange/kvtmlwriter.h"
#include "quiz/ui/listtext.h"
#include "services/guidemessages.h"
#include "services/messagetext.h"
#include "services/shellopener.h"
#include "settings/appsettings.h"

namespace brainlark
{

namespace
{

std::string fsPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// File types are told by the last three characters of a path, lower-cased.
QString extensionOf(const QString& path)
{
    return path.right(3).toLower();
}

QString notAListMessage(const QString& path)
{
    return ListDocument::tr("Sorry, file %1 does not contain a valid Q&A-list.").arg(path);
}

// Names the file: a learner who opened several lists, or one from the command line, must see which failed.
QString readErrorMessage(const QString& path)
{
    return ListDocument::tr("Sorry, Brainlark is unable to open this Q&A-list.\n\n%1\n\nWe apologize for the "
                            "inconvenience!\n\nIn order to be able to open this Q&A-list, please download "
                            "\nand install the latest version of Brainlark from %2.\n\nWould you like to "
                            "open the download page now?")
        .arg(path, QLatin1String(ListDocument::VendorSite));
}

} // namespace

ListDocument::ListDocument(AppSettings& settings, const Services& services, QObject* parent)
    : QObject(parent), m_settings(settings), m_services(services)
{
}

ListDocument::~ListDocument()
{
    if (m_quizShown && !m_writtenBack)
        saveToFile();
}

bool ListDocument::hasListFile() const
{
    return m_list && m_pathName.endsWith(QLatin1String(".fly"), Qt::CaseInsensitive);
}

bool ListDocument::hasUnsavedChanges() const
{
    return m_list && ListFingerprint::of(*m_list) != m_savedFingerprint;
}

ListDocument::WriteBack ListDocument::writeBack(QString* why)
{
    // A list that did not change is not written: every write would also push a backup into the ring.
    if (!hasListFile() || !hasUnsavedChanges())
        return WriteBack::Done;
    if (!QFileInfo(m_pathName).isFile()) {
        *why = tr("The file is no longer there.");
        return WriteBack::Failed;
    }
    // A backup that failed has asked the learner already; a "No" there is their choice, not a failure.
    if (!backupBeforeReplacing(m_pathName))
        return WriteBack::Declined;
    std::string error;
    if (!FlyArchive::writeExistingFile(fsPath(m_pathName), *m_list, stamp(), &error)) {
        *why = MessageText::shown(error);
        return WriteBack::Failed;
    }
    m_savedFingerprint = ListFingerprint::of(*m_list);
    return WriteBack::Done;
}

bool ListDocument::writeBackBeforeExit(QString* why)
{
    if (m_writtenBack || !m_quizShown)
        return true;
    if (writeBack(why) == WriteBack::Failed)
        return false;
    m_writtenBack = true;
    return true;
}

bool ListDocument::writeBackBeforeReplacing()
{
    QString why;
    if (!m_quizShown || writeBack(&why) != WriteBack::Failed)
        return true;
    return m_services.prompter->message(
               tr("The statistics of %1 could not be saved:\n%2\n\nOpen another Q&A-list anyway?")
                   .arg(QFileInfo(m_pathName).fileName(), why),
               Prompter::Icon::Exclamation, Prompter::Buttons::YesNo) == Prompter::Yes;
}

QString ListDocument::programFolder() const
{
    return m_settings.installPath();
}

QString ListDocument::folder(const char* tail) const
{
    return programFolder() + QLatin1Char('/') + QLatin1String(tail);
}

QString ListDocument::dataFolder() const
{
    return folder("data");
}

QString ListDocument::textFolder() const
{
    return folder("text");
}

QString ListDocument::debugLogPath() const
{
    return folder("brainlark-debug.html");
}

void ListDocument::setPathName(const QString& path)
{
    m_pathName = path;
    const QString name = QFileInfo(path).fileName();
    m_title = name.left(std::max(0, int(name.size()) - 4));
    emit titleChanged(m_title);
}

void ListDocument::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged(m_title);
}

bool ListDocument::loadList(const QString& path, LoadMode mode)
{
    const QString ext = extensionOf(path);
    if ((mode == ImportText && ext != QLatin1String("txt")) ||
        (mode == OpenList && ext != QLatin1String("fly")))
        return false;
    if (mode != ImportText && mode != OpenList && mode != SavedAs)
        return false;
    if (mode == SavedAs && !m_list)
        return false;
    if (mode != SavedAs) {
        std::unique_ptr<PairList> loaded;
        if (!(mode == ImportText ? importTextFile(path, loaded) : loadListFile(path, loaded)))
            return false;
        // The old list is replaced without being written back.
        if (m_list)
            emit listAboutToGo();
        m_list = std::move(loaded);
    }
    afterLoad(path, mode);
    return true;
}

bool ListDocument::loadListFile(const QString& path, std::unique_ptr<PairList>& loaded)
{
    std::string bytes;
    if (!FileReader::read(fsPath(path), bytes, nullptr))
        return false;
    loaded = std::make_unique<PairList>();
    if (!FlyArchive::read(bytes, *loaded)) {
        loaded.reset();
        if (m_services.prompter->message(readErrorMessage(path), Prompter::Icon::Question,
                                         Prompter::Buttons::YesNo) == Prompter::Yes)
            if (!m_services.shell->open(QStringLiteral("http://") + QLatin1String(VendorSite) +
                                        QStringLiteral("/download.html?s=software")))
                warn(HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError));
        return false;
    }
    if (loaded->count() == 0) {
        loaded.reset();
        warn(notAListMessage(path));
        return false;
    }
    if (loaded->count() < MinimumQuizPairs)
        warn(tr("At least %1 question&answer pairs are required to generate a quiz. This Q&A-list "
                "does not have enough entries for a quiz, but you still can edit it. ")
                 .arg(MinimumQuizPairs));
    return true;
}

bool ListDocument::importTextFile(const QString& path, std::unique_ptr<PairList>& loaded)
{
    loaded = std::make_unique<PairList>();
    if (TextImport::importFile(*loaded, fsPath(path)) < MinimumQuizPairs) {
        loaded.reset();
        warn(notAListMessage(path));
        return false;
    }
    return true;
}

void ListDocument::afterLoad(const QString& path, LoadMode mode)
{
    m_settings.setCurrentFileType(mode == SavedAs ? OpenList : mode);
    m_settings.setCurrentFileName(path);
    setPathName(path);
    m_writtenBack = false;
    if (m_list)
        m_savedFingerprint = ListFingerprint::of(*m_list);
    refreshListStatus();
    emit listLoaded(mode);
}

void ListDocument::refreshListStatus()
{
    if (m_list)
        m_list->updateLengthRatio();
}

void ListDocument::dropList()
{
    if (m_list)
        emit listAboutToGo();
    m_list.reset();
    emit listChanged();
}

std::string ListDocument::stamp() const
{
    return FlyArchive::makeStamp(m_services.clock->formatLocal("%c"));
}

bool ListDocument::saveToFile()
{
    // Imported text files and unnamed new lists have no list file to go back to.
    if (!hasListFile() || !QFileInfo(m_pathName).isFile())
        return false;
    QString why;
    return writeBack(&why) == WriteBack::Done;
}

bool ListDocument::backupBeforeReplacing(const QString& path)
{
    std::string error;
    if (Backups(fsPath(programFolder())).keep(fsPath(path), *m_services.clock, &error))
        return true;
    // A backup never blocks a save on its own: the learner decides.
    return m_services.prompter->message(
               tr("The previous version of %1 could not be backed up:\n%2\n\nSave the Q&A-list "
                  "anyway?")
                   .arg(QFileInfo(path).fileName(), MessageText::shown(error)),
               Prompter::Icon::Exclamation, Prompter::Buttons::YesNo) == Prompter::Yes;
}

bool ListDocument::restoreBackup(const QString& backupPath)
{
    if (!m_list || !m_pathName.endsWith(QLatin1String(".fly"), Qt::CaseInsensitive))
        return false;
    // The statistics since the last write-back go into the version kept before the restore.
    QString why;
    writeBack(&why);
    BackupEntry entry;
    entry.path = fsPath(backupPath);
    std::string error;
    if (!Backups(fsPath(programFolder())).restore(fsPath(m_pathName), entry, *m_services.clock, &error)) {
        warn(tr("Could not restore the Q&A-list.\n\n%1").arg(MessageText::shown(error)));
        return false;
    }
    return loadList(m_pathName, OpenList);
}

void ListDocument::saveAs()
{
    if (!m_list)
        return;
    QString path = m_services.prompter->saveFileName(tr("Save the Q&A-list"), dataFolder(),
                                                     tr("Flash Card files (*.fly)"), QStringLiteral("fly"));
    if (path.isEmpty())
        return;
    // A list saved under another extension could never be opened again.
    if (!path.endsWith(QLatin1String(".fly"), Qt::CaseInsensitive))
        path += QStringLiteral(".fly");
    if (QFileInfo(path).isFile() && !backupBeforeReplacing(path))
        return;
    std::string error;
    if (!FlyArchive::writeFile(fsPath(path), *m_list, stamp(), &error)) {
        warn(tr("Could not save the Q&A-list.\n\n%1").arg(MessageText::shown(error)));
        return;
    }
    const QString oldPath = m_pathName;
    loadList(path, SavedAs);
    if (oldPath != path)
        emit listRenamed(oldPath, path);
}

bool ListDocument::checkPassword()
{
    if (!m_list || !m_list->hasPassword())
        return true;
    const std::optional<QString> entered = m_services.prompter->askPassword();
    return entered && ListText::fromQString(*entered) == m_list->password();
}

QString ListDocument::whyNotOpenable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("The file %1 does not exist.").arg(path);
    if (!info.isFile())
        return tr("%1 is not a file.").arg(path);
    if (!info.isReadable())
        return tr("The file %1 cannot be read: permission denied.").arg(path);
    const QString ext = extensionOf(path);
    if (ext != QLatin1String("fly"))
        return tr("Please make sure you drop only .fly files into this program\n%1").arg(path);
    if (info.size() <= 49)
        return info.size() == 0 ? tr("The Q&A-list %1 is empty.").arg(path) : notAListMessage(path);
    return QString();
}

bool ListDocument::openDocument(const QString& path)
{
    const QString ext = extensionOf(path);
    if (ext == QLatin1String("bmp") || ext == QLatin1String("jpg") || ext == QLatin1String("gif") ||
        ext == QLatin1String("pcx")) {
        if (m_backgroundHandler)
            m_backgroundHandler(path);
        return false;
    }
    if (ext != QLatin1String("fly"))
        return false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 49)
        return false;
    m_quizCounters[0] = m_quizCounters[1] = 0;
    // While the grid is shown the open succeeds without touching the list being edited.
    if (!m_quizShown)
        return true;
    if (!writeBackBeforeReplacing())
        return false;
    return loadList(path, OpenList);
}

std::optional<QString> ListDocument::chooseStudyModule()
{
    if (m_chooser)
        return m_chooser();
    const QString name = QFileInfo(m_settings.currentFileName()).fileName();
    StudyModuleSelector dialog(dataFolder(), name.left(std::max(0, int(name.size()) - 4)),
                               m_settings.selectedSubject(), m_dialogParent);
    connect(&dialog, &StudyModuleSelector::selectedSubjectChanged, this,
            [this](const QString& subject) { m_settings.setSelectedSubject(subject); });
    if (m_dueCounter)
        dialog.setDueCounts(m_dueCounter());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (dialog.openDuePairs())
        m_settings.setQuestionSelectionMode(3); // Due (spaced repetition)
    return dialog.chosenPath();
}

void ListDocument::selectStudyModule()
{
    if (slideshowRunning())
        return;
    // The statistics of the list being replaced reach its file first, so the selector shows them too and
    // the answers are not lost when another list opens.
    if (!writeBackBeforeReplacing())
        return;
    if (const std::optional<QString> path = chooseStudyModule())
        loadList(*path, OpenList);
}

void ListDocument::importText()
{
    const QString path = m_services.prompter->openFileName(tr("Import Q&A-list in text-file format"),
                                                           textFolder(), tr("Text files (*.txt)"));
    if (!path.isEmpty())
        loadList(path, ImportText);
}

void ListDocument::warn(const QString& text)
{
    m_services.prompter->message(text, Prompter::Icon::Exclamation, Prompter::Buttons::Ok);
}

int ListDocument::guide(uint32_t bit)
{
    return GuideMessages(m_settings, *m_services.prompter).show(bit);
}

bool ListDocument::writeTextExport(const std::string& text)
{
    const std::string path = TextExport::exportPath(fsPath(programFolder()), fsPath(m_title));
    std::string error;
    if (!TextExport::writeText(path, text, &error)) {
        m_services.prompter->message(tr("Could not open file %1").arg(QFile::decodeName(path.c_str())),
                                     Prompter::Icon::None);
        return false;
    }
    const QString written = QFile::decodeName(path.c_str());
    emit exportWritten(written, m_services.shell->open(written));
    return true;
}

void ListDocument::exportToText()
{
    if (!m_list || !checkPassword())
        return;
    writeTextExport(TextExport::questionSheet(*m_list, ListText::fromQString(m_title)));
}

void ListDocument::exportToBlText()
{
    if (!m_list || !checkPassword())
        return;
    writeTextExport(TextExport::blText(*m_list));
}

void ListDocument::exportForOtherTrainers(TableFormat format)
{
    if (!m_list || !checkPassword())
        return;
    struct Kind {
        const char* suffix;
        const char* filter;
    };
    const Kind kind = format == TableFormat::Kvtml ? Kind{"kvtml", QT_TR_NOOP("KVTML vocabularies (*.kvtml)")}
                      : format == TableFormat::Tsv
                          ? Kind{"tsv", QT_TR_NOOP("Tab-separated text (*.tsv *.txt)")}
                          : Kind{"csv", QT_TR_NOOP("CSV files (*.csv)")};
    const QString suffix = QLatin1String(kind.suffix);
    const QString path = m_services.prompter->saveFileName(
        tr("Export the Q&A-list"), folder("export_text/") + m_title + QLatin1Char('.') + suffix,
        tr(kind.filter), suffix);
    if (path.isEmpty())
        return;
    const std::string bytes = format == TableFormat::Kvtml
                                  ? KvtmlWriter::write(*m_list, ListText::fromQString(m_title))
                              : format == TableFormat::Tsv ? TableExport::tsv(*m_list)
                                                           : TableExport::csv(*m_list);
    std::string reason;
    if (!SaveFile::write(fsPath(path), bytes, &reason)) {
        m_services.prompter->message(tr("Could not write file %1 (%2)").arg(path, MessageText::shown(reason)),
                                     Prompter::Icon::Exclamation);
        return;
    }
    // Not opened: the file is meant for another program. The status bar says where it went.
    emit exportWritten(path, true);
}

void ListDocument::exportToHtml()
{
    if (!m_list || !checkPassword())
        return;
    guide(GuideMessages::HtmlExport);
    const QString templatePath = folder("browser/") + QLatin1String(HtmlReport::TemplateName);
    std::string templateText;
    // A missing template is reported and taken as empty: the page is still written and shown.
    if (!FileReader::read(fsPath(templatePath), templateText, nullptr))
        m_services.prompter->message(tr("Could not open file %1").arg(templatePath), Prompter::Icon::None);
    const HtmlReportOptions options =
        HtmlReport::optionsFrom(m_settings.funFlags(), ListText::fromQString(m_settings.studentName()));
    const std::string page = HtmlReport::generate(*m_list, ListText::fromQString(m_title), templateText,
                                                  *m_services.clock, options);
    writeAndOpen(folder("browser/") + QLatin1String(HtmlReport::OutputName), page);
}

bool ListDocument::writeAndOpen(const QString& path, const std::string& bytes)
{
    if (!SaveFile::write(fsPath(path), bytes, nullptr)) {
        m_services.prompter->message(tr("Could not open file %1").arg(path), Prompter::Icon::None);
        return false;
    }
    emit exportWritten(path, m_services.shell->open(path));
    return true;
}

void ListDocument::exportToPalm()
{
    if (slideshowRunning())
        return;
    guide(GuideMessages::HandheldEdition);
    if (!m_list) {
        m_services.shell->open(folder("palm/"));
        return;
    }
    PalmExport exporter(*m_services.clock, std::cerr);
    // The database name is list text; the file name follows the file system's encoding.
    const std::string databasePath = PalmExport::defaultPath(fsPath(programFolder()), fsPath(m_title));
    const PalmExportResult result =
        exporter.exportList(*m_list, ListText::fromQString(m_title), databasePath);
    for (const ExportMessage& message : result.messages)
        m_services.prompter->message(MessageText::shown(ListText::toQString(message.text)),
                                     message.isError ? Prompter::Icon::Exclamation
                                                     : Prompter::Icon::Information);
    if (!result.folderToOpen.empty()) {
        const bool opened = m_services.shell->open(QFile::decodeName(result.folderToOpen.c_str()));
        if (result.written)
            emit exportWritten(QFile::decodeName(databasePath.c_str()), opened);
    }
}

namespace
{

class OffsetClock : public Clock
{
public:
    explicit OffsetClock(const Clock& base) : m_base(base) {}
    int64_t wallSeconds() const override { return m_base.wallSeconds() + offsetMs / 1000; }
    int64_t ticksMs() const override { return m_base.ticksMs() + offsetMs; }
    int64_t offsetMs = 0;

private:
    const Clock& m_base;
};

} // namespace

void ListDocument::createPrintableTest()
{
    if (!m_list || !checkPassword())
        return;
    guide(GuideMessages::PrintableTests);
    const QString templatePath = folder("paperTests_template.rtf");
    std::string templateText;
    if (!FileReader::read(fsPath(templatePath), templateText, nullptr)) {
        m_services.prompter->message(tr("Could not open file %1").arg(templatePath), Prompter::Icon::None);
        return;
    }
    // The answer orders read the clock after a short random pause per pair; the pause only moves the time
    // they read, so the window never waits for it.
    OffsetClock clock(*m_services.clock);
    PrintableTest generator(clock, *m_services.random, [&clock](int ms) { clock.offsetMs += ms; });
    const PrintableTestResult result =
        generator.generate(*m_list, ListText::fromQString(m_title), templateText);
    if (result.status != PrintableTestResult::Status::Generated) {
        if (!result.message.text.empty())
            warn(ListText::toQString(result.message.text));
        return;
    }
    writeAndOpen(folder("printable_tests/") + QFile::decodeName(result.fileName.c_str()), result.text);
}

void ListDocument::shareLists()
{
    guide(GuideMessages::ShareLists);
    m_services.shell->open(folder("data/"));
}

void ListDocument::openPrintableTestsFolder()
{
    m_services.shell->open(folder("printable_tests/"));
}

void ListDocument::openImageFolder()
{
    m_services.shell->open(folder("quiz_pictures/"));
}

void ListDocument::openSoundFolder()
{
    m_services.shell->open(folder("quiz_sounds/"));
}

void ListDocument::dumpDebug()
{
    if (!m_list)
        return;
    QFile log(debugLogPath());
    if (log.open(QIODevice::Append))
        log.write("<hr>" + QByteArray::fromStdString(m_list->dumpDebug()));
}

} // namespace brainlark
