#pragma once

#include <QColor>

#include "quiz/engine/hslcolor.h"

namespace brainlark
{

/// The quiz engine's colours as Qt paints them.
inline QColor toQColor(const HslColor& colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

} // namespace brainlark
