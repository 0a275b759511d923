#include "editor/notessubjectdialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/subjectlist.h"
#include "services/subjectnames.h"
#include "services/textfields.h"
#include "settings/contrast.h"

namespace brainlark
{

namespace
{

QComboBox* languageCombo(const char* name)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    for (const auto& [code, shown] : SpeechLanguage::choices())
        combo->addItem(shown, code);
    return combo;
}

void showLanguage(QComboBox* combo, const QString& code)
{
    int index = combo->findData(code);
    if (index < 0) {
        combo->addItem(code, code);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

} // namespace

NotesSubjectDialog::NotesSubjectDialog(const QString& notes, const QString& subject,
                                       const QStringList& subjects, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Edit Notes and Subject"));
    m_notes = new QTextEdit;
    m_notes->setAccessibleName(tr("Q&A-list notes"));
    m_notes->setAcceptRichText(false);
    m_notes->setPlainText(notes);
    m_notes->setTabChangesFocus(true);
    QPalette palette = m_notes->palette();
    palette.setColor(QPalette::Base, QColor(230, 230, 250));
    Contrast::keepTextReadable(palette); // a dark desktop's light text would vanish on the pale fill
    m_notes->setPalette(palette);
    m_notes->document()->setModified(false);

    m_subject = new QComboBox;
    // A subject no list uses yet can be typed; what is typed is not completed to another subject.
    m_subject->setEditable(true);
    m_subject->setInsertPolicy(QComboBox::NoInsert);
    m_subject->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_subject->completer()->setCaseSensitivity(Qt::CaseSensitive);
    TextFields::acceptAnyLength(m_subject->lineEdit());
    for (const QString& name : subjects)
        m_subject->addItem(SubjectNames::shown(name));
    const QString current =
        SubjectNames::shown(subject.isEmpty() ? QString::fromLatin1(SubjectList::NoneName) : subject);
    if (m_subject->findText(current, Qt::MatchExactly) < 0)
        m_subject->addItem(current);
    m_subject->setCurrentIndex(m_subject->findText(current, Qt::MatchExactly));

    m_questionLanguage = languageCombo("questionLanguage");
    m_answerLanguage = languageCombo("answerLanguage");
    auto* languages = new QFormLayout;
    languages->addRow(tr("Read &questions in:"), m_questionLanguage);
    languages->addRow(tr("Read a&nswers in:"), m_answerLanguage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Q&A-list notes:")));
    layout->addWidget(m_notes, 1);
    layout->addWidget(new QLabel(tr("Subject:")));
    layout->addWidget(m_subject);
    layout->addLayout(languages);
    layout->addWidget(buttons);
    resize(460, 420);
}

QString NotesSubjectDialog::notes() const
{
    return m_notes->toPlainText();
}

bool NotesSubjectDialog::notesModified() const
{
    return m_notes->document()->isModified();
}

QString NotesSubjectDialog::subject() const
{
    return SubjectNames::stored(m_subject->currentText().trimmed());
}

void NotesSubjectDialog::setLanguages(const ListLanguages& languages)
{
    showLanguage(m_questionLanguage, languages.question);
    showLanguage(m_answerLanguage, languages.answer);
}

ListLanguages NotesSubjectDialog::languages() const
{
    return {m_questionLanguage->currentData().toString(), m_answerLanguage->currentData().toString()};
}

} // namespace brainlark
