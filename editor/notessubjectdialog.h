#pragma once

#include <QDialog>

#include "services/speechlanguage.h"

class QComboBox;
class QTextEdit;

namespace brainlark
{

/// "Edit Notes and Subject": the list's notes on lavender, its subject from the subjects of the
/// catalogue (the current one added when the catalogue lacks it), and the languages its questions and
/// answers are read aloud in.
class NotesSubjectDialog : public QDialog
{
    Q_OBJECT
public:
    NotesSubjectDialog(const QString& notes, const QString& subject, const QStringList& subjects,
                       QWidget* parent = nullptr);
    QString notes() const;
    /// Whether the learner changed the notes text.
    bool notesModified() const;
    QString subject() const;
    QTextEdit* notesEdit() const { return m_notes; }
    QComboBox* subjectCombo() const { return m_subject; }
    /// Shows the languages (a name the choices lack is added to them).
    void setLanguages(const ListLanguages& languages);
    ListLanguages languages() const;
    QComboBox* questionLanguageCombo() const { return m_questionLanguage; }
    QComboBox* answerLanguageCombo() const { return m_answerLanguage; }

private:
    QTextEdit* m_notes = nullptr;
    QComboBox* m_subject = nullptr;
    QComboBox* m_questionLanguage = nullptr;
    QComboBox* m_answerLanguage = nullptr;
};

} // namespace brainlark
