#pragma once

#include <QDialog>

class QTextEdit;

namespace brainlark
{

/// "Question Notes": the notes of the question pair, read-only.
class QuestionNotesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QuestionNotesDialog(const QString& notes, QWidget* parent = nullptr);
    QString notes() const;

private:
    QTextEdit* m_text = nullptr;
};

} // namespace brainlark
