#include "editor/viewpairdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/pair.h"
#include "quiz/ui/listtext.h"
#include "services/textfields.h"

namespace brainlark
{

namespace
{

QLineEdit* readOnly(const std::string_view text)
{
    auto* edit = TextFields::lineEdit(ListText::toQString(text));
    edit->setReadOnly(true);
    return edit;
}

} // namespace

ViewPairDialog::ViewPairDialog(const Pair& pair, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("View Q&A-pair"));
    m_notes = new QPlainTextEdit(ListText::toQString(pair.hint()));
    m_notes->setReadOnly(true);
    m_fields = {readOnly(pair.shownQuestion()), readOnly(pair.shownAnswer()), readOnly(pair.formatRight()),
                readOnly(pair.formatWrong()),   readOnly(pair.formatTotal()), readOnly(pair.formatRating())};
    auto* texts = new QFormLayout;
    texts->addRow(tr("Question:"), m_fields[0]);
    texts->addRow(tr("Answer:"), m_fields[1]);
    texts->addRow(tr("Question Notes:"), m_notes);
    auto* statistics = new QGroupBox(tr("Statistics"));
    auto* form = new QFormLayout(statistics);
    form->addRow(tr("Right Answers:"), m_fields[2]);
    form->addRow(tr("Wrong Answers:"), m_fields[3]);
    form->addRow(tr("Total Answers:"), m_fields[4]);
    form->addRow(tr("Rating:"), m_fields[5]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addWidget(statistics);
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

QStringList ViewPairDialog::shownTexts() const
{
    return {m_fields[0]->text(), m_fields[1]->text(), m_notes->toPlainText(), m_fields[2]->text(),
            m_fields[3]->text(), m_fields[4]->text(), m_fields[5]->text()};
}

} // namespace brainlark
