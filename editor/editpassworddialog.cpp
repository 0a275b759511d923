#include "editor/editpassworddialog.h"

#include "services/textfields.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brainlark
{

EditPasswordDialog::EditPasswordDialog(const QString& password, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Edit Password"));
    m_field = TextFields::lineEdit(password);
    m_field->setAccessibleName(tr("Password"));
    auto* note = new QLabel(tr("Brainlark will ask you for this password when you switch to the Q&A-list "
                               "Editor, and before the Q&A-list is exported or made into a printable test."));
    note->setWordWrap(true);
    auto* reminder = new QLabel(tr("Please make sure that you remember this password."));
    reminder->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(note);
    layout->addWidget(reminder);
    layout->addWidget(buttons);
    resize(380, sizeHint().height());
}

QString EditPasswordDialog::password() const
{
    return m_field->text();
}

} // namespace brainlark
