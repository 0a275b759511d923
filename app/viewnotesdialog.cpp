#include "app/viewnotesdialog.h"

#include <QDialogButtonBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include "settings/contrast.h"

namespace brainlark
{

ViewNotesDialog::ViewNotesDialog(const QString& notes, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("View Notes"));
    m_notes = new QTextEdit;
    m_notes->setReadOnly(true);
    m_notes->setAccessibleName(tr("Notes"));
    m_notes->setPlainText(notes);
    QPalette palette = m_notes->palette();
    palette.setColor(QPalette::Base, QColor(230, 230, 250));
    Contrast::keepTextReadable(palette); // a dark desktop's light text would vanish on the pale fill
    m_notes->setPalette(palette);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notes);
    layout->addWidget(buttons);
    resize(420, 300);
}

QString ViewNotesDialog::notesText() const
{
    return m_notes->toPlainText();
}

} // namespace brainlark
