#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/listfingerprint.h"
#include "core/pairlist.h"
#include "services/prompter.h"
#include "services/services.h"

class QWidget;

namespace brainlark
{

class AppSettings;
struct DueCount;

/// The single document: owns the open list with its title and path, loads and saves lists, guards
/// protected lists with their password and carries the file commands of the main menu (study module,
/// save as, exports, folders). Everything the learner sees goes through the prompter and the shell opener.
class ListDocument : public QObject
{
    Q_OBJECT
public:
    enum LoadMode { ImportText = 0, OpenList = 1, SavedAs = 10 };
    static constexpr int MinimumQuizPairs = 5;
    static constexpr const char* VendorSite = "www.brainlark.example";

    ListDocument(AppSettings& settings, const Services& services, QObject* parent = nullptr);
    /// Writes the list back when it goes away while the quiz is shown.
    ~ListDocument() override;

    bool hasList() const { return m_list != nullptr; }
    PairList* list() { return m_list.get(); }
    const PairList* list() const { return m_list.get(); }
    int pairCount() const { return m_list ? m_list->count() : 0; }
    QString title() const { return m_title; }
    QString pathName() const { return m_pathName; }
    /// Sets the path and makes its file name (without the last four characters) the title.
    void setPathName(const QString& path);
    /// Names the document without a file (a new list being built in the editor).
    void setTitle(const QString& title);

    QString programFolder() const;
    QString dataFolder() const;
    QString textFolder() const;
    QString folder(const char* tail) const;

    /// The formats other trainers read, for exportForOtherTrainers().
    enum class TableFormat { Kvtml, Tsv, Csv };

    /// Mode 0 imports a text file, 1 opens a list file, 10 takes the list in memory as just saved to path.
    bool loadList(const QString& path, LoadMode mode);
    /// Writes the list back into its existing ".fly" file when it changed since it was read or last written
    /// (true then, also when there was nothing to write); false when it has no list file, the file is gone,
    /// the learner declined a save without backup or the write failed.
    bool saveToFile();
    /// Whether the list differs from what was last read from or written to its file (statistics included).
    bool hasUnsavedChanges() const;
    /// Before another list replaces this one: writes the quiz's statistics back as on exit. When that fails
    /// the learner is asked; returns whether the other list may be opened.
    bool writeBackBeforeReplacing();
    /// Before the program ends: writes the quiz's statistics back into the list file once. False with the
    /// reason when a list file that should take them could not (the learner may then keep the program open).
    bool writeBackBeforeExit(QString* why);
    /// The learner quits without the statistics: nothing more is tried at the end.
    void forgetWriteBack() { m_writtenBack = true; }
    /// Keeps the present bytes of a list file in the backups before it is replaced. When that fails the
    /// learner is asked; returns whether the save may go on.
    bool backupBeforeReplacing(const QString& path);
    /// Puts a kept version back into the open list's file (the present one is kept first) and reopens it.
    bool restoreBackup(const QString& backupPath);
    /// True when the list has no password or the learner typed it exactly.
    bool checkPassword();
    /// A file handed over by the desktop (command line, drop): pictures become the background, lists open.
    bool openDocument(const QString& path);
    /// Why a file handed over by the desktop cannot be opened as a list before it is read (missing, not a
    /// file, unreadable, not a list, empty); empty when it may be read (reading may still fail, with the
    /// read-error offer).
    static QString whyNotOpenable(const QString& path);
    /// Forgets the list; the document has none afterwards.
    void dropList();
    void refreshListStatus();

    bool quizShown() const { return m_quizShown; }
    void setQuizShown(bool shown) { m_quizShown = shown; }
    QString previousQuestion() const { return m_previousQuestion; }
    void setPreviousQuestion(const QString& text) { m_previousQuestion = text; }

    /// The two counters the quiz view keeps here; both start at 0 when a list is opened by the desktop.
    int quizCounter(int which) const { return m_quizCounters[which & 1]; }
    void setQuizCounter(int which, int value) { m_quizCounters[which & 1] = value; }

    /// Hooks to the rest of the program, all optional.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }
    void setSlideshowRunning(std::function<bool()> test) { m_slideshowRunning = std::move(test); }
    /// Takes a picture as the background; returns whether it could be used.
    void setBackgroundHandler(std::function<bool(const QString&)> handler)
    {
        m_backgroundHandler = std::move(handler);
    }
    /// The pairs due per list, for the study-module selector (the study history gives them).
    void setDueCounter(std::function<QHash<QString, DueCount>()> counter) { m_dueCounter = std::move(counter); }
    /// Replaces the study-module dialog (tests); returns the chosen path or nothing when cancelled.
    void setStudyModuleChooser(std::function<std::optional<QString>()> chooser)
    {
        m_chooser = std::move(chooser);
    }

    /// The file a diagnostic dump is appended to.
    QString debugLogPath() const;
    /// Shows the guide message of a "dialog flags" bit unless the learner switched it off; -100 when not
    /// shown.
    int guide(uint32_t bit);
    /// Tells the views that the list changed in place (statistics reset, edits).
    void notifyListChanged() { emit listChanged(); }

public slots:
    void selectStudyModule();
    void saveAs();
    void importText();
    void exportToHtml();
    void exportToPalm();
    void createPrintableTest();
    void exportToText();
    void exportToBlText();
    /// Asks where (export_text/ with the list's name is offered) and writes the list there in the format;
    /// the file is not opened, it is meant for another program.
    void exportForOtherTrainers(TableFormat format);
    void shareLists();
    void openPrintableTestsFolder();
    void openImageFolder();
    void openSoundFolder();
    void dumpDebug();

signals:
    /// A list was loaded (mode as given to loadList): views refill, the quiz restarts.
    void listLoaded(int mode);
    void titleChanged(const QString& title);
    /// Save As gave the open list a new file: what belongs to the old path goes to the new one.
    void listRenamed(const QString& oldPath, const QString& newPath);
    /// The list's contents or statistics changed in place (reset, edit): views repaint.
    void listChanged();
    /// The list is about to be deleted (another list replaces it, or it is dropped): views let go of it
    /// (the quiz stops) before it goes.
    void listAboutToGo();
    /// An export wrote its file; opened says whether a program took it to show.
    void exportWritten(const QString& path, bool opened);

private:
    enum class WriteBack { Done, Declined, Failed };
    /// The one write-back of the open list into its file: only when it changed, after a backup.
    WriteBack writeBack(QString* why);
    bool hasListFile() const;
    bool loadListFile(const QString& path, std::unique_ptr<PairList>& loaded);
    bool importTextFile(const QString& path, std::unique_ptr<PairList>& loaded);
    void afterLoad(const QString& path, LoadMode mode);
    bool slideshowRunning() const { return m_slideshowRunning && m_slideshowRunning(); }
    std::optional<QString> chooseStudyModule();
    void warn(const QString& text);
    bool writeTextExport(const std::string& text);
    /// Writes a generated file through the safe save and opens it; reports a failure and opens nothing.
    bool writeAndOpen(const QString& path, const std::string& bytes);
    std::string stamp() const;

    AppSettings& m_settings;
    Services m_services;
    std::unique_ptr<PairList> m_list;
    QString m_title;
    QString m_pathName;
    QString m_previousQuestion;
    bool m_quizShown = true;
    bool m_writtenBack = false;         // the statistics went back to the file before the program ends
    ListFingerprint m_savedFingerprint; // of the list as last read from or written to its file
    int m_quizCounters[2] = {0, 0};
    QWidget* m_dialogParent = nullptr;
    std::function<bool()> m_slideshowRunning;
    std::function<bool(const QString&)> m_backgroundHandler;
    std::function<std::optional<QString>()> m_chooser;
    std::function<QHash<QString, DueCount>()> m_dueCounter;
};

} // namespace brainlark
