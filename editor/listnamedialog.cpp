#include "editor/listnamedialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/listname.h"
#include "services/messagetext.h"
#include "services/prompter.h"

namespace brainlark
{

ListNameDialog::ListNameDialog(const QString& folder, const QString& name, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), m_folder(folder), m_prompter(prompter)
{
    setWindowTitle(tr("Save Q&A-list"));
    // The field counts UTF-16 units; a character outside the basic plane is not split at the limit.
    QString shown = name.left(int(ListName::MaxLength));
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    m_name = new QLineEdit(shown);
    m_name->setMaxLength(int(ListName::MaxLength));
    auto* form = new QFormLayout;
    form->addRow(tr("Q&&A-list Name:"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ListNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(360, sizeHint().height());
}

QString ListNameDialog::name() const
{
    return m_name->text().trimmed();
}

void ListNameDialog::accept()
{
    // File names are the file system's bytes; the rules look only at ASCII characters.
    const ListName::Check check =
        ListName::check(QFile::encodeName(m_folder).toStdString(), m_name->text().toUtf8().toStdString());
    switch (check.outcome) {
    case ListName::Outcome::Empty:
        return;
    case ListName::Outcome::Forbidden:
        m_prompter.message(MessageText::shown(check.message), Prompter::Icon::Exclamation);
        return;
    case ListName::Outcome::Ready:
        break;
    }
    if (check.exists &&
        m_prompter.message(MessageText::shown(QString::fromUtf8(ListName::OverwriteQuestion)),
                           Prompter::Icon::Exclamation, Prompter::Buttons::YesNo) != Prompter::Yes)
        return;
    m_path = QFile::decodeName(check.path.c_str());
    QDialog::accept();
}

} // namespace brainlark
