#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace brainlark
{

class Pair;

/// "View Q&A-pair": a pair's texts, notes and statistics, all read-only.
class ViewPairDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ViewPairDialog(const Pair& pair, QWidget* parent = nullptr);
    /// Question, answer, notes, right, wrong, total, rating, as shown.
    QStringList shownTexts() const;

private:
    QList<QLineEdit*> m_fields;
    QPlainTextEdit* m_notes = nullptr;
};

} // namespace brainlark
