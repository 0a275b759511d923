#include "editor/changesubjectdialog.h"

#include "services/subjectnames.h"
#include "services/textfields.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brainlark
{

ChangeSubjectDialog::ChangeSubjectDialog(const QString& name, const QString& currentSubject,
                                         const QStringList& subjects, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Change Subject"));
    auto* form = new QFormLayout;
    for (const auto& [label, text] :
         {std::pair{tr("Name:"), name},
          std::pair{tr("Current Subject:"), SubjectNames::shown(currentSubject)}}) {
        auto* edit = TextFields::lineEdit(text);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        form->addRow(label, edit);
    }
    m_subject = new QComboBox;
    for (const QString& subject : subjects)
        m_subject->addItem(SubjectNames::shown(subject), subject);
    const int current = m_subject->findData(currentSubject, Qt::UserRole, Qt::MatchExactly);
    m_subject->setCurrentIndex(current >= 0 ? current : 0);
    form->addRow(tr("New Subject:"), m_subject);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(380, sizeHint().height());
}

QString ChangeSubjectDialog::chosenSubject() const
{
    return m_subject->currentData().toString();
}

} // namespace brainlark
