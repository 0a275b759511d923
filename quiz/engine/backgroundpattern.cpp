#include "quiz/engine/backgroundpattern.h"

#include <algorithm>

namespace brainlark
{

std::vector<BackgroundPattern::Pass> BackgroundPattern::passes(bool pictureBackground, bool hatch,
                                                               bool shadow)
{
    std::vector<Pass> result;
    if (pictureBackground || !hatch)
        return result;
    if (shadow)
        result.push_back({2, 2, 0.95f});
    result.push_back({0, 0, 1.1f});
    return result;
}

std::vector<int> BackgroundPattern::positions(int origin, int extent, int step, int offset)
{
    // A stored step below the minimum would draw a solid fill (or divide by zero).
    step = std::max(step, MinimumStep);
    const int count = std::max(extent, 0) / step + 2;
    std::vector<int> result;
    result.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(origin + i * step + offset);
    return result;
}

std::vector<int> BackgroundPattern::horizontalLines(const Rect& area, int step, int dy)
{
    return positions(area.top, area.height(), step, dy);
}

std::vector<int> BackgroundPattern::verticalLines(const Rect& area, int step, int dx)
{
    return positions(area.left, area.width(), step, dx);
}

void BackgroundPattern::tune(Key key, int& lineWidth, int& lineStep)
{
    lineStep = std::max(lineStep, MinimumStep);
    switch (key) {
    case Key::Left:
        --lineWidth;
        break;
    case Key::Right:
        lineWidth = (lineWidth + 1) % (lineStep - 2);
        break;
    case Key::Up:
        lineStep = (lineStep + 1) % 45;
        break;
    case Key::Down:
        --lineStep;
        break;
    }
    lineWidth = std::max(lineWidth, MinimumWidth);
    lineStep = std::max(lineStep, MinimumStep);
}

} // namespace brainlark
