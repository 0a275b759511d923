#pragma once

#include <QDialog>

#include "editor/editorcontext.h"

class QLineEdit;
class QPlainTextEdit;

namespace brainlark
{

/// "Predefined Wrong Answer": one wrong answer of a question with its sound and notes.
class WrongAnswerDialog : public QDialog
{
    Q_OBJECT
public:
    struct Fields {
        QString answer;
        QString sound;
        QString notes;
    };

    WrongAnswerDialog(const QString& question, const Fields& fields, const EditorContext& context,
                      QWidget* parent = nullptr);
    Fields fields() const;
    QLineEdit* answerEdit() const { return m_answer; }
    QLineEdit* soundEdit() const { return m_sound; }
    QPlainTextEdit* notesEdit() const { return m_notes; }

private:
    EditorContext m_context;
    QLineEdit* m_answer = nullptr;
    QLineEdit* m_sound = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

} // namespace brainlark
