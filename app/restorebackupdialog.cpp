#include "app/restorebackupdialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace brainlark
{

RestoreBackupDialog::RestoreBackupDialog(const QString& listTitle, std::vector<BackupEntry> backups,
                                         QWidget* parent)
    : QDialog(parent), m_backups(std::move(backups))
{
    setWindowTitle(tr("Restore from Backup"));
    auto* intro = new QLabel(
        m_backups.empty()
            ? tr("There are no backups of \"%1\" yet. A backup is kept each time the Q&A-list is saved.")
                  .arg(listTitle)
            : tr("Earlier versions of \"%1\", newest first. The chosen version replaces the Q&A-list; the "
                 "present one is kept as a backup first.")
                  .arg(listTitle));
    intro->setWordWrap(true);
    m_list = new QListWidget;
    for (const BackupEntry& entry : m_backups) {
        const QString pairs = entry.pairCount < 0 ? tr("cannot be read")
                              : entry.pairCount == 1 ? tr("1 pair")
                                                     : tr("%1 pairs").arg(entry.pairCount);
        auto* item = new QListWidgetItem(QStringLiteral("%1    %2").arg(QString::fromStdString(entry.date), pairs));
        item->setToolTip(QFile::decodeName(entry.path.c_str()));
        // A version that cannot be read would only replace a good list with a broken one.
        if (entry.pairCount <= 0)
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        m_list->addItem(item);
    }
    auto* label = new QLabel(tr("&Versions:"));
    label->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setEnabled(false);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_restore->setEnabled(row >= 0 && m_backups[size_t(row)].pairCount > 0);
    });
    connect(m_list, &QListWidget::itemActivated, this, [this] {
        if (m_restore->isEnabled())
            accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->flags() & Qt::ItemIsEnabled) {
            m_list->setCurrentRow(row);
            break;
        }
    }
    resize(460, 360);
}

QString RestoreBackupDialog::chosenPath() const
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_restore->isEnabled())
        return {};
    return QFile::decodeName(m_backups[size_t(row)].path.c_str());
}

} // namespace brainlark
