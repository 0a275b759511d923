#pragma once

#include <QDialog>
#include <vector>

#include "core/backups.h"

class QListWidget;
class QPushButton;

namespace brainlark
{

/// File > Restore from Backup: the kept versions of the open list with their date and pair count; the
/// chosen one replaces the list (the present version is kept as a backup first).
class RestoreBackupDialog : public QDialog
{
    Q_OBJECT
public:
    RestoreBackupDialog(const QString& listTitle, std::vector<BackupEntry> backups, QWidget* parent = nullptr);

    /// The chosen backup file, or empty.
    QString chosenPath() const;
    QListWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }

private:
    std::vector<BackupEntry> m_backups;
    QListWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace brainlark
