#include "editor/wronganswerdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/mediabrowser.h"
#include "services/soundplayer.h"
#include "services/textfields.h"

namespace brainlark
{

WrongAnswerDialog::WrongAnswerDialog(const QString& question, const Fields& fields,
                                     const EditorContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setWindowTitle(tr("Predefined Wrong Answer"));
    auto* questionEdit = TextFields::lineEdit(question);
    questionEdit->setReadOnly(true);
    questionEdit->setFocusPolicy(Qt::NoFocus);
    m_answer = TextFields::lineEdit(fields.answer);
    m_answer->setObjectName("answer");
    m_sound = TextFields::lineEdit(fields.sound);
    m_sound->setObjectName("sound");
    m_sound->setAccessibleName(tr("Sound"));
    m_notes = new QPlainTextEdit(fields.notes);
    m_notes->setObjectName("notes");
    m_notes->setTabChangesFocus(true);
    auto* browse = new QPushButton(tr("Browse..."));
    browse->setObjectName("browseSound");
    browse->setAutoDefault(false);
    auto* play = new QPushButton(tr("Play"));
    play->setObjectName("playSound");
    play->setAutoDefault(false);
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(m_sound, 1);
    soundRow->addWidget(browse);
    soundRow->addWidget(play);

    auto* form = new QFormLayout;
    form->addRow(tr("Question:"), questionEdit);
    form->addRow(tr("Answer:"), m_answer);
    form->addRow(tr("Sound:"), soundRow);
    form->addRow(tr("Notes:"), m_notes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // The wrong answer's sound shares the remembered folder of the answer sounds.
    connect(browse, &QPushButton::clicked, this, [this] {
        MediaBrowser browser(MediaBrowser::Side::AnswerSound, m_context.soundFolder(), *m_context.prompter);
        if (const std::optional<QString> stored = browser.browse())
            m_sound->setText(*stored);
    });
    connect(play, &QPushButton::clicked, this, [this] {
        if (m_context.sound && !m_sound->text().isEmpty())
            m_context.sound->play(MediaBrowser::filePath(m_context.soundFolder(), m_sound->text()));
    });
    m_answer->setFocus();
    resize(440, sizeHint().height());
}

WrongAnswerDialog::Fields WrongAnswerDialog::fields() const
{
    return {m_answer->text(), m_sound->text(), m_notes->toPlainText()};
}

} // namespace brainlark
