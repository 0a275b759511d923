#include "services/guidedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brainlark
{

GuideDialog::GuideDialog(Prompter::GuideKind kind, const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Brainlark Tips"));
    auto* layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(text, this);
    m_text->setObjectName("guideText");
    m_text->setAccessibleName(tr("Message"));
    m_text->setReadOnly(true);
    m_text->setMinimumSize(380, 160);
    layout->addWidget(m_text);

    auto* row = new QHBoxLayout;
    m_dontShow = new QCheckBox(tr("&Don't show this message again"), this);
    m_dontShow->setObjectName("dontShowAgain");
    row->addWidget(m_dontShow);
    row->addStretch();
    layout->addLayout(row);

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
    if (kind == Prompter::GuideKind::YesNoHelp) {
        addButton(tr("&Yes"), Prompter::Yes, true);
        addButton(tr("&No"), Prompter::No, false);
    } else {
        addButton(tr("&OK"), Prompter::Ok, true);
    }
    if (kind != Prompter::GuideKind::OkOnly) {
        auto* help = new QPushButton(tr("&Help"), this);
        help->setObjectName("helpButton");
        help->setAutoDefault(false);
        connect(help, &QPushButton::clicked, this, &GuideDialog::helpRequested);
        m_buttons->addWidget(help);
    }
}

void GuideDialog::addButton(const QString& label, int result, bool isDefault)
{
    auto* button = new QPushButton(label, this);
    button->setDefault(isDefault);
    const char* name = result == Prompter::Yes  ? "yesButton"
                       : result == Prompter::No ? "noButton"
                                                : "okButton";
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    m_buttons->addWidget(button);
}

bool GuideDialog::dontShowAgain() const
{
    return m_dontShow->isChecked();
}

Prompter::GuideAnswer GuideDialog::answer() const
{
    Prompter::GuideAnswer answer;
    const int code = result();
    if (code == Prompter::Ok || code == Prompter::Yes || code == Prompter::No) {
        answer.result = code;
        answer.dontShowAgain = dontShowAgain();
    }
    return answer;
}

} // namespace brainlark
