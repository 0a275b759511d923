#include "editor/notessubjectdialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/subjectlist.h"
#include "services/textfields.h"
#include "settings/contrast.h"

namespace brainlark
{

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
    m_subject->addItems(subjects);
    const QString current = subject.isEmpty() ? QString::fromLatin1(SubjectList::NoneName) : subject;
    if (m_subject->findText(current, Qt::MatchExactly) < 0)
        m_subject->addItem(current);
    m_subject->setCurrentIndex(m_subject->findText(current, Qt::MatchExactly));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Q&A-list notes:")));
    layout->addWidget(m_notes, 1);
    layout->addWidget(new QLabel(tr("Subject:")));
    layout->addWidget(m_subject);
    layout->addWidget(buttons);
    resize(460, 360);
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
    return m_subject->currentText().trimmed();
}

} // namespace brainlark
