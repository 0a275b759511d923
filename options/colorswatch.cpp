#include "options/colorswatch.h"

#include "quiz/engine/hslcolor.h"
#include "quiz/ui/qtcolor.h"

#include <QMouseEvent>
#include <QPainter>

namespace brainlark
{

ColorSwatch::ColorSwatch(const QColor& color, QWidget* parent) : QWidget(parent), m_color(color)
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

void ColorSwatch::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void ColorSwatch::setActive(bool active)
{
    m_active = active;
    setCursor(active ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

QColor ColorSwatch::shownColor() const
{
    if (m_active)
        return m_color;
    HslColor grey(m_color.red(), m_color.green(), m_color.blue());
    grey.setSaturation(0.0f);
    return toQColor(grey);
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), shownColor());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_active && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace brainlark
