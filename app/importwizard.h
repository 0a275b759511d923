#pragma once

#include <QDialog>
#include <QPointer>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/importmedia.h"
#include "core/importreader.h"
#include "interchange/ankipackage.h"
#include "interchange/deckimport.h"
#include "interchange/kvtmlreader.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QTimer;

namespace brainlark
{

/// File > Import: reads pairs from a text file another trainer exported (tab-separated, CSV) or from this
/// program's '@' format. Encoding, format and separator are detected and can be changed; the preview shows
/// the first pairs with every column of the file and what each column becomes, the lines that will be
/// skipped and why (a first line of column names among them) and the columns that are ignored, before
/// anything is imported. Fields holding HTML become plain text unless the learner keeps them as they are.
/// Each column can be given another role. Sounds and pictures the fields name ("[sound:x.wav]",
/// <img src="x.jpg">) are looked for beside the file and counted before the import.
///
/// A large file is read on a thread of its own with a progress bar that can stop it; while the learner
/// changes options only its first part is read again for the preview, and the whole file at Import.
class ImportWizard : public QDialog
{
    Q_OBJECT
public:
    static constexpr int PreviewPairs = 50;
    static constexpr int MinimumQuizPairs = 5;
    /// Larger files are refused: a text of pairs is never that big, and reading it all would only hang.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    /// The skipped lines are listed up to this many, then counted: a binary file
    /// skips hundreds of thousands of lines, and listing them all held the window up for half a minute.
    static constexpr int ListedLines = 1000;
    /// Files up to this size are read at once; larger ones on a thread, and only this much of them for the
    /// preview while options change.
    static constexpr qint64 PreviewBytes = 1024 * 1024;

    explicit ImportWizard(const QString& startFolder, QWidget* parent = nullptr);
    ~ImportWizard() override;

    /// Where Import puts the sounds and pictures the pairs name (quiz_sounds/, quiz_pictures/); without
    /// one they stay where they are and the pairs name them as the file does.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    /// Reads a file and detects its encoding, format and separator. A large file goes on being read after
    /// this returns (isReading()); false when it cannot be read at all.
    bool setFile(const QString& path);
    /// Whether a file is being read on the reading thread.
    bool isReading() const { return m_thread != nullptr; }
    /// Whether the result holds only the first part of the file (the preview after an option change).
    bool isPartial() const { return m_partial; }
    QString filePath() const { return m_path; }
    /// Changes how the file is read; the preview follows.
    void setOptions(const ImportOptions& options);
    const ImportOptions& options() const { return m_options; }
    const ImportResult& result() const { return m_result; }

    QTableWidget* preview() const { return m_preview; }
    QCheckBox* headerBox() const { return m_header; }
    QCheckBox* keepHtmlBox() const { return m_keepHtml; }
    QListWidget* skippedList() const { return m_skipped; }
    QLabel* summary() const { return m_summary; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* stopButton() const { return m_stop; }
    QProgressBar* progressBar() const { return m_progress; }
    /// The role box of a column (from 0), or null.
    QComboBox* columnBox(int column) const;
    QListWidget* mediaList() const { return m_media; }
    /// A package of decks (another trainer's .apkg/.colpkg) rather than a text file.
    bool isPackage() const { return m_package != nullptr; }
    /// A vocabulary document (KVTML) rather than a text file.
    bool isVocabulary() const { return m_vocabulary; }
    QComboBox* deckBox() const { return m_deck; }
    QComboBox* noteTypeBox() const { return m_noteType; }
    QComboBox* questionFieldBox() const { return m_questionField; }
    QComboBox* answerFieldBox() const { return m_answerField; }
    QCheckBox* eachDeckBox() const { return m_eachDeck; }
    /// Whether each deck of a package or lesson of a vocabulary is to become a list of its own.
    bool eachDeck() const;

    /// Import: a result read from a part of the file is first completed by reading it all.
    void accept() override;

private:
    struct Job;
    void browse();
    void startReading(bool readFile, bool full, bool acceptWhenDone);
    void readingDone(const std::shared_ptr<Job>& job);
    void stopReading();
    void columnEdited(int column, int index);
    void rebuildColumnBoxes(size_t columns);
    void showPackage();
    void packageEdited();
    void showNoteType();
    void showVocabulary();
    void optionsEdited();
    void refresh();
    void showOptions();
    char separatorFromBox() const;
    QString columnTitle(size_t column) const;

    QString m_startFolder;
    QString m_path;
    std::shared_ptr<const std::string> m_bytes;
    qint64 m_fileSize = 0;
    ImportOptions m_options;
    ImportResult m_result;
    bool m_partial = false;
    bool m_updating = false;
    QThread* m_thread = nullptr;
    std::shared_ptr<Job> m_job;
    std::vector<QComboBox*> m_columnBoxes;
    QWidget* m_columnRow = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_stop = nullptr;
    QListWidget* m_media = nullptr;
    QTimer* m_ticker = nullptr;
    QString m_programFolder;
    std::shared_ptr<AnkiPackage> m_package;
    bool m_vocabulary = false;
    std::vector<KvtmlLanguage> m_languages;
    std::vector<std::string> m_lessons;
    DeckImportOptions m_vocabularyOptions;
    AnkiImportOptions m_packageOptions;
    QString m_packageError;
    QWidget* m_textRow = nullptr;
    QWidget* m_columnsPart = nullptr;
    QWidget* m_packageRow = nullptr;
    QComboBox* m_deck = nullptr;
    QComboBox* m_noteType = nullptr;
    QLabel* m_noteTypeLabel = nullptr;
    QComboBox* m_questionField = nullptr;
    QComboBox* m_answerField = nullptr;
    QCheckBox* m_eachDeck = nullptr;
    ImportMedia::Census m_census;
    QLineEdit* m_file = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_separator = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_keepHtml = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_preview = nullptr;
    QListWidget* m_skipped = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace brainlark
