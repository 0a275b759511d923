#include "app/restorebackupdialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/listdifference.h"
#include "core/pairlist.h"

namespace brainlark
{

namespace
{

QString pairsText(int count)
{
    return count == 1 ? RestoreBackupDialog::tr("1 pair") : RestoreBackupDialog::tr("%1 pairs").arg(count);
}

QString itemText(const BackupEntry& entry, const QString& description)
{
    return QStringLiteral("%1    %2").arg(QString::fromStdString(entry.date), description);
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(const QString& listTitle, std::vector<BackupEntry> backups,
                                         const PairList* present, QWidget* parent)
    : QDialog(parent), m_backups(std::move(backups)), m_present(present)
{
    setWindowTitle(tr("Restore from Backup"));
    auto* intro = new QLabel(
        m_backups.empty()
            ? tr("There are no backups of \"%1\" yet. A backup is kept each time the Q&A-list is saved.")
                  .arg(listTitle)
            : tr("Earlier versions of \"%1\", newest first, with what restoring each would change in the "
                 "present Q&A-list. The chosen version replaces the Q&A-list; the present one is kept as a "
                 "backup first.")
                  .arg(listTitle));
    intro->setWordWrap(true);
    m_list = new QListWidget;
    for (const BackupEntry& entry : m_backups) {
        auto* item = new QListWidgetItem(itemText(entry, tr("reading...")));
        item->setToolTip(QFile::decodeName(entry.path.c_str()));
        m_list->addItem(item);
    }
    auto* label = new QLabel(tr("&Versions:"));
    label->setBuddy(m_list);
    m_list->setAccessibleName(tr("Versions")); // item views do not read their buddy
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setEnabled(false);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { updateRestoreButton(); });
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
    if (!m_backups.empty())
        m_list->setCurrentRow(0);
    resize(520, 360);
    QTimer::singleShot(0, this, &RestoreBackupDialog::describeNext);
}

QString RestoreBackupDialog::describe(const PairList& version, const PairList* present)
{
    const QString pairs = pairsText(version.count());
    if (!present)
        return pairs;
    const ListDifference difference = ListDifference::between(version, *present);
    if (difference.sameTexts())
        return pairs + QStringLiteral(": ") +
               (difference.statistics ? tr("statistics only") : tr("the same"));
    QStringList parts;
    if (difference.added > 0)
        parts << tr("%1 added").arg(difference.added);
    if (difference.removed > 0)
        parts << tr("%1 removed").arg(difference.removed);
    if (difference.changed > 0)
        parts << tr("%1 changed").arg(difference.changed);
    if (difference.otherTexts)
        parts << tr("notes, subject, password or wrong answers changed");
    return pairs + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

void RestoreBackupDialog::describeNext()
{
    if (m_described >= int(m_backups.size()))
        return;
    const int row = m_described++;
    const BackupEntry& entry = m_backups[size_t(row)];
    QListWidgetItem* item = m_list->item(row);
    PairList version;
    if (Backups::read(entry, version, nullptr) && version.count() > 0) {
        item->setText(itemText(entry, describe(version, m_present)));
    } else {
        // A version that cannot be read would only replace a good list with a broken one.
        item->setText(itemText(entry, tr("cannot be read")));
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        if (m_list->currentRow() == row && row + 1 < m_list->count())
            m_list->setCurrentRow(row + 1);
    }
    updateRestoreButton();
    QTimer::singleShot(0, this, &RestoreBackupDialog::describeNext);
}

void RestoreBackupDialog::describeAll()
{
    while (m_described < int(m_backups.size()))
        describeNext();
}

void RestoreBackupDialog::updateRestoreButton()
{
    const QListWidgetItem* item = m_list->currentItem();
    m_restore->setEnabled(item && (item->flags() & Qt::ItemIsEnabled));
}

QString RestoreBackupDialog::chosenPath() const
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_restore->isEnabled())
        return {};
    return QFile::decodeName(m_backups[size_t(row)].path.c_str());
}

} // namespace brainlark
