#include "quiz/ui/quizcanvas.h"

#include <QPainter>

#include "settings/appsettings.h"

namespace brainlark
{

void QuizCanvas::fit(const QSize& size)
{
    const QSize wanted = size.expandedTo(QSize(1, 1));
    if (m_image.size() != wanted)
        m_image = QImage(wanted, QImage::Format_RGB32);
}

void QuizCanvas::paintBackground(QPainter& painter, const QRect& area, const QuizLook& look) const
{
    QuizPainter::paintBackground(painter, area, look, m_settings.backgroundPicture());
}

QImage QuizCanvas::backgroundOnly(const QuizLook& look) const
{
    QImage base(m_image.size(), QImage::Format_RGB32);
    QPainter painter(&base);
    paintBackground(painter, base.rect(), look);
    return base;
}

void QuizCanvas::clearToBackground(const QuizLook& look)
{
    QPainter painter(&m_image);
    paintBackground(painter, m_image.rect(), look);
}

void QuizCanvas::paintQuestion(const QuizScreen& screen, const QuizLook& look, const QuizPainter::State& state)
{
    QPainter painter(&m_image);
    paintBackground(painter, m_image.rect(), look);
    QuizPainter::paintScreen(painter, screen, look, state);
}

void QuizCanvas::paintMessage(const QuizLook& look, const QString& text)
{
    QPainter painter(&m_image);
    paintBackground(painter, m_image.rect(), look);
    painter.setFont(look.questionFont);
    painter.setPen(QColor(46, 64, 86));
    painter.drawText(m_image.rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace brainlark
