#pragma once

#include <QDialog>
#include <vector>

#include "core/backups.h"

class QListWidget;
class QPushButton;

namespace brainlark
{

class PairList;

/// File > Restore from Backup: the kept versions of the open list with their date and what restoring each
/// would change in the present list (pairs added, removed, changed, or "statistics only"); the chosen one
/// replaces the list (the present version is kept as a backup first). The versions are read one at a time
/// once the dialog shows, so it opens at once however big they are.
class RestoreBackupDialog : public QDialog
{
    Q_OBJECT
public:
    RestoreBackupDialog(const QString& listTitle, std::vector<BackupEntry> backups, const PairList* present,
                        QWidget* parent = nullptr);

    /// What restoring a version would change in the present list, e.g. "12 pairs: 2 added, 1 changed".
    static QString describe(const PairList& version, const PairList* present);
    /// Reads and describes the versions not described yet (the dialog does it by itself while it shows).
    void describeAll();

    /// The chosen backup file, or empty.
    QString chosenPath() const;
    QListWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }

private:
    void describeNext();
    void updateRestoreButton();

    std::vector<BackupEntry> m_backups;
    const PairList* m_present = nullptr;
    int m_described = 0;
    QListWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace brainlark
