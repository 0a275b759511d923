#include "settings/contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace brainlark
{

double Contrast::luminance(const QColor& colour)
{
    auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast::ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Contrast::readableOn(const QColor& fill, const QColor& preferred, double needed)
{
    if (preferred.isValid() && ratio(preferred, fill) >= needed)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return ratio(black, fill) >= ratio(white, fill) ? black : white;
}

void Contrast::keepTextReadable(QPalette& palette)
{
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::Text, QPalette::Base},
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight}};
    // Disabled text stays dim on purpose: it is not there to be read.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const auto& [text, fill] : pairs)
            palette.setColor(group, text, readableOn(palette.color(group, fill), palette.color(group, text)));
}

} // namespace brainlark
