#include "quiz/ui/questionnotesdialog.h"

#include <QDialogButtonBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace brainlark
{

QuestionNotesDialog::QuestionNotesDialog(const QString& notes, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Question Notes"));
    m_text = new QTextEdit;
    m_text->setAccessibleName(tr("Question Notes"));
    m_text->setReadOnly(true);
    m_text->setPlainText(notes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(420, 260);
}

QString QuestionNotesDialog::notes() const
{
    return m_text->toPlainText();
}

} // namespace brainlark
