#pragma once

#include <QDialog>
#include <QString>

#include "editor/editorcontext.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace brainlark
{

class TextField;

/// The six texts of a pair as the pair dialog edits them; media paths relative to their folders.
struct PairFields {
    QString question;
    QString answer;
    QString questionSound;
    QString answerSound;
    QString notes;
    QString picture;
    bool operator==(const PairFields& o) const
    {
        return question == o.question && answer == o.answer && questionSound == o.questionSound &&
               answerSound == o.answerSound && notes == o.notes && picture == o.picture;
    }
};

/// "Add/Edit Q&A-pair": question with its sound and picture, answer with its sound, the question notes,
/// and the switch to the question's predefined wrong answers.
class PairDialog : public QDialog
{
    Q_OBJECT
public:
    /// Texts longer than this may not fit the quiz screen (guide message on OK).
    static constexpr int LongTextBytes = 75;

    PairDialog(const PairFields& fields, const EditorContext& context, QWidget* parent = nullptr);

    PairFields fields() const;
    void setFields(const PairFields& fields);
    bool switchToWrongAnswers() const;

    QLineEdit* questionEdit() const;
    QLineEdit* answerEdit() const;
    TextField* questionField() const { return m_question; }
    TextField* answerField() const { return m_answer; }
    QLineEdit* questionSoundEdit() const { return m_questionSound; }
    QLineEdit* answerSoundEdit() const { return m_answerSound; }
    QLineEdit* pictureEdit() const { return m_picture; }
    QPlainTextEdit* notesEdit() const { return m_notes; }
    QCheckBox* switchBox() const { return m_switch; }
    QPushButton* button(const QString& objectName) const;

    void accept() override;

private:
    void browse(QLineEdit* field, int side);
    void play(QLineEdit* field);
    void viewPicture();

    EditorContext m_context;
    TextField* m_question = nullptr;
    QLineEdit* m_questionSound = nullptr;
    QLineEdit* m_picture = nullptr;
    TextField* m_answer = nullptr;
    QLineEdit* m_answerSound = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QCheckBox* m_switch = nullptr;
};

} // namespace brainlark
