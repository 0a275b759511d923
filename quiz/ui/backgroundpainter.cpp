#include "quiz/ui/backgroundpainter.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>

#include "quiz/engine/backgroundpattern.h"
#include "quiz/ui/imagelayer.h"
#include "quiz/ui/qtcolor.h"

namespace brainlark
{

void BackgroundPainter::paint(QPainter& painter, const QRect& area, const BackgroundStyle& style,
                              const QImage& picture, double lightness)
{
    const bool tiled = style.type == 1 && !picture.isNull();
    if (tiled) {
        ImageLayer::drawTiled(painter, area, picture);
        return;
    }
    HslColor fill = style.colour;
    fill.scaleLightness(float(lightness), 1.0f);
    painter.fillRect(area, toQColor(fill));
    const auto passes = BackgroundPattern::passes(tiled, style.hatch, style.shadow3d);
    if (passes.empty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (const BackgroundPattern::Pass& pass : passes) {
        HslColor colour = style.colour;
        colour.scaleLightness(pass.lightnessFactor, 1.0f);
        paintPattern(painter, area, style, colour, pass.dx, pass.dy);
    }
    painter.restore();
}

void BackgroundPainter::paintPattern(QPainter& painter, const QRect& area, const BackgroundStyle& style,
                                     const HslColor& colour, int dx, int dy)
{
    const QPen pen(toQColor(colour), std::max(style.lineWidth, BackgroundPattern::MinimumWidth),
                   Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const Rect bounds = Rect::fromSize(area.x(), area.y(), area.width(), area.height());
    // Lines run one pixel past the far edge, as a drawn line's end point is left out.
    for (int y : BackgroundPattern::horizontalLines(bounds, style.lineStep, dy))
        painter.drawLine(bounds.left, y, bounds.right, y);
    for (int x : BackgroundPattern::verticalLines(bounds, style.lineStep, dx))
        painter.drawLine(x, bounds.top, x, bounds.bottom);
}

} // namespace brainlark
