#pragma once

#include <QDialog>

class QComboBox;
class QTextEdit;

namespace brainlark
{

/// "Edit Notes and Subject": the list's notes on lavender and its subject from the subjects of the
/// catalogue (the current one added when the catalogue lacks it).
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

private:
    QTextEdit* m_notes = nullptr;
    QComboBox* m_subject = nullptr;
};

} // namespace brainlark
