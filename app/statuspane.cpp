#include "app/statuspane.h"

#include <QPainter>
#include <QStyle>

namespace brainlark
{

QRect StatusPane::textArea() const
{
    // As a framed label leaves it: half an "x" inside the frame on both sides.
    const int inset =
        (indent() >= 0 ? indent() : fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2) + margin();
    return contentsRect().adjusted(inset, margin(), -inset, -margin());
}

QString StatusPane::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textArea().width());
}

void StatusPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, textArea(), int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

} // namespace brainlark
