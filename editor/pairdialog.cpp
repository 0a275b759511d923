#include "editor/pairdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "editor/mediabrowser.h"
#include "editor/picturepreviewdialog.h"
#include "editor/textfield.h"
#include "quiz/ui/listtext.h"
#include "services/guidemessages.h"
#include "services/soundplayer.h"
#include "services/textfields.h"

namespace brainlark
{

namespace
{

QPushButton* smallButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* mediaRow(QLineEdit* field, QPushButton* browse, QPushButton* action)
{
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(browse);
    row->addWidget(action);
    return row;
}

} // namespace

PairDialog::PairDialog(const PairFields& fields, const EditorContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setWindowTitle(tr("Add/Edit Q&A-pair"));
    m_question = new TextField;
    m_question->lineEdit()->setObjectName("question");
    m_questionSound = new QLineEdit;
    m_questionSound->setObjectName("questionSound");
    m_picture = new QLineEdit;
    m_picture->setObjectName("picture");
    m_answer = new TextField;
    m_answer->lineEdit()->setObjectName("answer");
    m_answerSound = new QLineEdit;
    m_answerSound->setObjectName("answerSound");
    for (QLineEdit* path : {m_questionSound, m_picture, m_answerSound})
        TextFields::acceptAnyLength(path);
    m_notes = new QPlainTextEdit;
    m_notes->setObjectName("notes");
    // Names for screen readers: the form's labels ("Text:", "Sound:") repeat in both boxes.
    const std::pair<QWidget*, QString> names[] = {
        {m_question->lineEdit(), tr("Question text")}, {m_question->multiLineEdit(), tr("Question text")},
        {m_questionSound, tr("Question sound")},       {m_picture, tr("Question picture")},
        {m_answer->lineEdit(), tr("Answer text")},     {m_answer->multiLineEdit(), tr("Answer text")},
        {m_answerSound, tr("Answer sound")},           {m_notes, tr("Question Notes")}};
    for (const auto& [field, name] : names)
        field->setAccessibleName(name);
    m_notes->setTabChangesFocus(true);
    m_switch = new QCheckBox(tr("Switch to predefined wrong answers to this question"));

    QPushButton* browseQuestionSound = smallButton(tr("Browse..."), "browseQuestionSound");
    QPushButton* playQuestionSound = smallButton(tr("Play"), "playQuestionSound");
    QPushButton* browsePicture = smallButton(tr("Browse..."), "browsePicture");
    QPushButton* viewPicture = smallButton(tr("View"), "viewPicture");
    QPushButton* browseAnswerSound = smallButton(tr("Browse..."), "browseAnswerSound");
    QPushButton* playAnswerSound = smallButton(tr("Play"), "playAnswerSound");

    auto* questionBox = new QGroupBox(tr("Question"));
    auto* questionForm = new QFormLayout(questionBox);
    questionForm->addRow(tr("Text:"), m_question);
    questionForm->addRow(tr("Sound:"), mediaRow(m_questionSound, browseQuestionSound, playQuestionSound));
    questionForm->addRow(tr("Picture:"), mediaRow(m_picture, browsePicture, viewPicture));
    auto* answerBox = new QGroupBox(tr("Answer"));
    auto* answerForm = new QFormLayout(answerBox);
    answerForm->addRow(tr("Text:"), m_answer);
    answerForm->addRow(tr("Sound:"), mediaRow(m_answerSound, browseAnswerSound, playAnswerSound));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PairDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(questionBox);
    layout->addWidget(answerBox);
    layout->addWidget(new QLabel(tr("Question Notes:")));
    layout->addWidget(m_notes);
    layout->addWidget(m_switch);
    layout->addWidget(buttons);

    connect(browseQuestionSound, &QPushButton::clicked, this,
            [this] { browse(m_questionSound, int(MediaBrowser::Side::QuestionSound)); });
    connect(browseAnswerSound, &QPushButton::clicked, this,
            [this] { browse(m_answerSound, int(MediaBrowser::Side::AnswerSound)); });
    connect(browsePicture, &QPushButton::clicked, this,
            [this] { browse(m_picture, int(MediaBrowser::Side::Picture)); });
    connect(playQuestionSound, &QPushButton::clicked, this, [this] { play(m_questionSound); });
    connect(playAnswerSound, &QPushButton::clicked, this, [this] { play(m_answerSound); });
    connect(viewPicture, &QPushButton::clicked, this, &PairDialog::viewPicture);

    // After the texts: a text with several lines puts its multi-line editor into the order.
    setFields(fields);
    const QList<QWidget*> order = {m_question,    m_questionSound,   browseQuestionSound, playQuestionSound,
                                   m_picture,     browsePicture,     viewPicture,         m_answer,
                                   m_answerSound, browseAnswerSound, playAnswerSound,     m_notes,
                                   m_switch};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(520, sizeHint().height());
}

QPushButton* PairDialog::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

QLineEdit* PairDialog::questionEdit() const
{
    return m_question->lineEdit();
}

QLineEdit* PairDialog::answerEdit() const
{
    return m_answer->lineEdit();
}

PairFields PairDialog::fields() const
{
    return {m_question->text(),
            m_answer->text(),
            m_questionSound->text(),
            m_answerSound->text(),
            TextField::plainText(*m_notes),
            m_picture->text()};
}

void PairDialog::setFields(const PairFields& fields)
{
    m_question->setText(fields.question);
    m_answer->setText(fields.answer);
    m_questionSound->setText(fields.questionSound);
    m_answerSound->setText(fields.answerSound);
    m_notes->setPlainText(fields.notes);
    m_picture->setText(fields.picture);
}

bool PairDialog::switchToWrongAnswers() const
{
    return m_switch->isChecked();
}

void PairDialog::accept()
{
    // Long texts stay as typed; the learner is only told they may not fit.
    const auto tooLong = [](const TextField* edit) {
        return ListText::fromQString(edit->text()).size() > size_t(LongTextBytes);
    };
    if (tooLong(m_question) || tooLong(m_answer))
        m_context.guide(GuideMessages::TextTooLong);
    QDialog::accept();
}

void PairDialog::browse(QLineEdit* field, int side)
{
    const auto which = static_cast<MediaBrowser::Side>(side);
    const QString folder =
        which == MediaBrowser::Side::Picture ? m_context.pictureFolder() : m_context.soundFolder();
    MediaBrowser browser(which, folder, *m_context.prompter);
    if (const std::optional<QString> stored = browser.browse())
        field->setText(*stored);
}

void PairDialog::play(QLineEdit* field)
{
    if (!m_context.sound || field->text().isEmpty())
        return;
    m_context.sound->play(MediaBrowser::filePath(m_context.soundFolder(), field->text()));
}

void PairDialog::viewPicture()
{
    PicturePreviewDialog::preview(MediaBrowser::filePath(m_context.pictureFolder(), m_picture->text()),
                                  *m_context.prompter, this, m_context.runDialog);
}

} // namespace brainlark
