#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace brainlark
{

/// A text field of a pair dialog: one line for a one-line text, several lines for a text that holds line
/// breaks (an imported CSV field), so that none of them is lost on the way through the dialog. Takes texts
/// of any length.
class TextField : public QWidget
{
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;
    bool isMultiLine() const;
    QLineEdit* lineEdit() const { return m_line; }
    QPlainTextEdit* multiLineEdit() const { return m_lines; }
    /// The text of a multi-line editor exactly as typed (no-break spaces stay).
    static QString plainText(const QPlainTextEdit& edit);

private:
    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_lines = nullptr;
    bool m_crlf = false;
};

} // namespace brainlark
