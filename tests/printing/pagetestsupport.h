#pragma once

// Pages drawn into pictures at a chosen resolution, and questions about their pixels.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

#include "printing/pageseries.h"

namespace brainlark::testing
{

/// A white picture of the printable area of letter paper with 0.25-inch margins, at `dpi`.
inline QImage letterPage(int dpi)
{
    QImage image(8 * dpi, 21 * dpi / 2, QImage::Format_RGB32);
    const int perMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(perMeter);
    image.setDotsPerMeterY(perMeter);
    image.fill(Qt::white);
    return image;
}

inline void draw(QImage& image, const PageSeries& series, int page)
{
    QPainter painter(&image);
    series.drawPage(painter, page);
}

/// How many pixels inside `area` pass the test.
inline int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

inline bool isColour(QColor pixel, QColor wanted)
{
    return pixel.rgb() == wanted.rgb();
}

/// Anything darker than the palest paper: text, lines.
inline bool isInk(QColor pixel)
{
    return pixel.lightness() < 160;
}

} // namespace brainlark::testing
