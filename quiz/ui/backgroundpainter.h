#pragma once

#include "quiz/engine/hslcolor.h"

class QImage;
class QPainter;
class QRect;

namespace brainlark
{

/// The settings that decide how the quiz background looks; the view fills it from AppSettings.
struct BackgroundStyle {
    int type = 0;          // "bkg type": 1 = tiled picture, anything else = colour
    bool hatch = false;    // "hatch": line pattern over the colour
    int lineStep = 22;     // "line step": spacing of the pattern lines (at least 3)
    int lineWidth = 1;     // "line width": pen width of the pattern lines (at least 1)
    bool shadow3d = false; // fun flags 0x800000: a darker copy of the pattern behind it
    HslColor colour;       // background colour of the current colour scheme
};

/// Paints the quiz background: the tiled picture, or the colour with the optional line pattern.
class BackgroundPainter
{
public:
    /// Paints over area. lightness scales the colour fill (1.0 for ordinary painting, never above
    /// 1.0). A picture style without a picture falls back to the colour, so nothing stale shows.
    static void paint(QPainter& painter, const QRect& area, const BackgroundStyle& style,
                      const QImage& picture, double lightness = 1.0);

    /// True when the background is one flat colour (no pattern, no picture): the bar transitions
    /// only suit that.
    static bool isPlain(const BackgroundStyle& style) { return style.type != 1 && !style.hatch; }

private:
    static void paintPattern(QPainter& painter, const QRect& area, const BackgroundStyle& style,
                             const HslColor& colour, int dx, int dy);
};

} // namespace brainlark
