#include "app/quizplaceholder.h"

#include <QPainter>

namespace brainlark
{

QuizPlaceholder::QuizPlaceholder(QWidget* parent) : QWidget(parent)
{
    setObjectName("quizPlaceholder");
    setMinimumSize(200, 150);
}

void QuizPlaceholder::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void QuizPlaceholder::setHint(const QString& hint)
{
    m_hint = hint;
    update();
}

void QuizPlaceholder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(200, 200, 200));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 139));
    const QRect upper(rect().left(), rect().top(), width(), height() / 2 - 8);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_title);
    font.setPixelSize(18);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 40));
    const QRect lower(rect().left() + 16, height() / 2 + 8, width() - 32, height() / 2 - 8);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_hint);
}

} // namespace brainlark
