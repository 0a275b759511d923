#pragma once

#include <QDialog>

class QTextEdit;

namespace brainlark
{

/// "View Notes": the list's notes, read-only, on lavender, with OK.
class ViewNotesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ViewNotesDialog(const QString& notes, QWidget* parent = nullptr);
    QString notesText() const;

private:
    QTextEdit* m_notes = nullptr;
};

} // namespace brainlark
