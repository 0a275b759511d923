#pragma once

#include <QDialog>
#include <string>

#include "core/importreader.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace brainlark
{

/// File > Import: reads pairs from a text file another trainer exported (tab-separated, CSV) or from this
/// program's '@' format. Encoding, format and separator are detected and can be changed; the preview shows
/// the first pairs with every column of the file and what each column becomes, the lines that will be
/// skipped and why (a first line of column names among them) and the columns that are ignored, before
/// anything is imported. Fields holding HTML become plain text unless the learner keeps them as they are.
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

    explicit ImportWizard(const QString& startFolder, QWidget* parent = nullptr);

    /// Reads a file and detects its encoding, format and separator.
    bool setFile(const QString& path);
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

private:
    void browse();
    void optionsEdited();
    void refresh();
    void showOptions();
    char separatorFromBox() const;
    QString columnTitle(size_t column) const;

    QString m_startFolder;
    QString m_path;
    std::string m_bytes;
    ImportOptions m_options;
    ImportResult m_result;
    bool m_updating = false;
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
