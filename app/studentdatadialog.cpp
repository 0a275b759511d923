#include "app/studentdatadialog.h"

#include "services/textfields.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brainlark
{

StudentDataDialog::StudentDataDialog(const QString& studentName, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Student Data"));
    m_name = TextFields::lineEdit(studentName);
    m_reset = new QCheckBox(tr("Reset Q&&A-list ratings"));
    auto* form = new QFormLayout;
    form->addRow(tr("Student Name:"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_reset);
    layout->addWidget(buttons);
}

QString StudentDataDialog::studentName() const
{
    return m_name->text();
}

bool StudentDataDialog::resetRatings() const
{
    return m_reset->isChecked();
}

} // namespace brainlark
