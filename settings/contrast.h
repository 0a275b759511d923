#pragma once

#include <QColor>

class QPalette;

namespace brainlark
{

/// How well text reads on its fill: the contrast ratio of two colours' relative luminances (1 to 21), and
/// the rule every screen follows so that text stays readable on whatever palette the desktop gives.
namespace Contrast
{
/// Ordinary text on screen needs this ratio against its fill.
constexpr double ReadableText = 4.5;
/// Large text (the quiz screen's boxes) reads from this ratio on.
constexpr double ReadableLargeText = 3.0;

/// Relative luminance, 0 (black) to 1 (white), of an sRGB colour.
double luminance(const QColor& colour);
/// (lighter + 0.05) / (darker + 0.05).
double ratio(const QColor& a, const QColor& b);
/// preferred when it reads on fill; otherwise black or white, whichever reads better there.
QColor readableOn(const QColor& fill, const QColor& preferred, double needed = ReadableText);
/// A palette whose text colours read on the fill each is drawn on (Text on Base, WindowText on Window,
/// ButtonText on Button, HighlightedText on Highlight), active and inactive: for widgets that give
/// themselves a fill of their own, whatever the desktop's text colour.
void keepTextReadable(QPalette& palette);
} // namespace Contrast

} // namespace brainlark
