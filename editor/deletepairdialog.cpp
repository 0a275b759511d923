#include "editor/deletepairdialog.h"

#include "services/textfields.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brainlark
{

DeletePairDialog::DeletePairDialog(const QString& question, const QString& answer, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Delete this Q&A-pair?"));
    auto* form = new QFormLayout;
    for (const auto& [label, text] :
         {std::pair{tr("Question:"), question}, std::pair{tr("Answer:"), answer}}) {
        auto* edit = TextFields::lineEdit(text);
        edit->setReadOnly(true);
        form->addRow(label, edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Are you sure you want to delete this Q&A-pair?")));
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

} // namespace brainlark
