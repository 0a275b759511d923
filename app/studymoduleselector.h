#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/subjectlist.h"
#include "history/historystore.h"

class QComboBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QStandardItemModel;
class QTextEdit;
class QTreeView;
class QModelIndex;

namespace brainlark
{

/// "Select study module": the lists of the data folder, filtered by subject and sortable by name or by the
/// time of the last change, with the highlighted list's statistics, subject and notes.
class StudyModuleSelector : public QDialog
{
    Q_OBJECT
public:
    enum Column { NameColumn = 0, TimeColumn = 1, DueColumn = 2 };

    /// selectedSubject is the subject filter to start with; every change in the combo is reported through
    /// selectedSubjectChanged at once (it is kept even when the dialog is cancelled).
    StudyModuleSelector(const QString& dataFolder, const QString& preselectedName,
                        const QString& selectedSubject, QWidget* parent = nullptr);

    /// The data folder, a separator, the chosen name and ".fly".
    QString chosenPath() const;
    QString chosenName() const { return m_chosenName; }
    QString selectedSubject() const { return m_selectedSubject; }
    int listsFound() const { return m_listsFound; }

    /// The pairs due per list (by file path) from the study history: a column of their own and the total
    /// over all lists. Without it the selector shows neither.
    void setDueCounts(const QHash<QString, DueCount>& counts);
    /// The learner chose "Open Due Pairs": the list opens straight into its due pairs.
    bool openDuePairs() const { return m_openDuePairs; }
    /// The text of the total over all lists (empty without due counts).
    QString dueTotalText() const;

    /// Row names in the order shown.
    QStringList rowNames() const;
    /// Sorts as a click on the header of column does.
    void clickHeader(int column);

    /// The row time: month/day/yy and the hour on a 12-hour clock, e.g. "3/07/24 1:05 PM".
    static QString formatRowTime(int64_t secondsSinceEpoch);
    /// The time column in the program's language: formatRowTime in English, the language's short form else.
    static QString formatRowTimeShown(int64_t secondsSinceEpoch);
    /// The combo rule: the first entry that begins with text, ignoring case; -1 when none does.
    static int findSubjectEntry(const QStringList& entries, const QString& text);
    /// Files the highlighted list under another subject ("--- n/a ---": none) by writing it into the list
    /// file; returns false, changing nothing, when the file cannot be read or written.
    bool changeSubject(const QString& subject);
    /// "Change Subject" for the highlighted list; runDialog runs it (exec() when empty).
    void askForSubject(const std::function<int(QDialog&)>& runDialog = {});

signals:
    void selectedSubjectChanged(const QString& subject);

private:
    struct Row {
        QString name;
        std::string key; ///< the list key as the catalogue files it
        int64_t modifiedNs = 0;
    };

    void buildWidgets();
    QWidget* buildInfoPane();
    void fillSubjectCombo();
    void fillList();
    bool acceptedBySubject(const std::string& key) const;
    void sortRows(int column, bool ascending);
    void showRows();
    void highlight(int row);
    void onSubjectChanged(int index);
    void onRowChanged(const QModelIndex& current);
    void showInfo(const Row& row);

    QString m_dataFolder;
    QString m_preselectedName;
    QString m_chosenName;
    QString m_selectedSubject;
    QString m_listSubject; ///< the chosen list's subject as stored
    int m_sortColumn = NameColumn;
    bool m_ascending = true;
    int m_listsFound = 0;
    SubjectList m_catalogue;
    std::vector<Row> m_rows;

    QComboBox* m_subjectCombo = nullptr;
    QTreeView* m_view = nullptr;
    QStandardItemModel* m_model = nullptr;
    QLineEdit* m_foundEdit = nullptr;
    QLineEdit* m_pairsEdit = nullptr;
    QLineEdit* m_predefinedEdit = nullptr;
    QLineEdit* m_totalEdit = nullptr;
    QLabel* m_subjectLabel = nullptr;
    QLabel* m_accuracyLabel = nullptr;
    QTextEdit* m_notes = nullptr;
    QLabel* m_dueTotal = nullptr;
    QPushButton* m_openDue = nullptr;
    QHash<QString, DueCount> m_due; // by cleaned path
    bool m_hasDue = false;
    bool m_openDuePairs = false;
};

} // namespace brainlark
