#include "editor/textfield.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include "services/textfields.h"

namespace brainlark
{

TextField::TextField(QWidget* parent) : QWidget(parent)
{
    m_line = new QLineEdit;
    TextFields::acceptAnyLength(m_line);
    m_lines = new QPlainTextEdit;
    m_lines->setTabChangesFocus(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lines->setMaximumHeight(m_lines->fontMetrics().lineSpacing() * 5);
    m_lines->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_line);
    layout->addWidget(m_lines);
    setFocusProxy(m_line);
}

void TextField::setText(const QString& text)
{
    const bool lines = text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    m_line->setVisible(!lines);
    m_lines->setVisible(lines);
    setFocusProxy(lines ? static_cast<QWidget*>(m_lines) : m_line);
    // The editor keeps lines, not their ends: a text whose lines all end in CR LF gets them back.
    m_crlf = text.count(QStringLiteral("\r\n")) == text.count(QLatin1Char('\n')) &&
             text.contains(QLatin1Char('\n'));
    if (lines) {
        m_lines->setPlainText(text);
        m_line->clear();
    } else {
        m_line->setText(text);
        m_lines->clear();
    }
}

QString TextField::text() const
{
    if (!isMultiLine())
        return m_line->text();
    QString text = plainText(*m_lines);
    return m_crlf ? text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")) : text;
}

QString TextField::plainText(const QPlainTextEdit& edit)
{
    // toPlainText() would turn no-break spaces into plain ones.
    QString text = edit.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

bool TextField::isMultiLine() const
{
    return !m_lines->isHidden();
}

} // namespace brainlark
