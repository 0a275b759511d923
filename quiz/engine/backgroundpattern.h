#pragma once

#include <vector>

#include "quiz/engine/rect.h"

namespace brainlark
{

/// The line pattern ("hatch") over a plain background colour: which passes are drawn, where the lines go,
/// and the arrow-key tuning of its spacing and pen width.
class BackgroundPattern
{
public:
    static constexpr int MinimumStep = 3;
    static constexpr int MinimumWidth = 1;

    /// One pass of lines: offset and the background colour's lightness factor (capped at 1.0).
    struct Pass {
        int dx = 0;
        int dy = 0;
        float lightnessFactor = 1.0f;

        bool operator==(const Pass& other) const
        {
            return dx == other.dx && dy == other.dy && lightnessFactor == other.lightnessFactor;
        }
    };

    /// Nothing over a background picture or with the pattern off; else the shadow pass (2, 2, × 0.95) when
    /// the 3D shadow is on, then the main pass (0, 0, × 1.1).
    static std::vector<Pass> passes(bool pictureBackground, bool hatch, bool shadow);

    /// y of the horizontal lines: top + i × step + dy for i = 0 … height / step + 1 (past the bottom edge).
    static std::vector<int> horizontalLines(const Rect& area, int step, int dy);
    /// x of the vertical lines: left + i × step + dx for i = 0 … width / step + 1.
    static std::vector<int> verticalLines(const Rect& area, int step, int dx);

    enum class Key { Left, Right, Up, Down };
    /// Arrow-key tuning: Left narrows the pen, Right widens it modulo (step − 2), Up widens the spacing
    /// modulo 45, Down narrows it; afterwards the width is at least 1 and the step at least 3.
    static void tune(Key key, int& lineWidth, int& lineStep);

private:
    static std::vector<int> positions(int origin, int extent, int step, int offset);
};

} // namespace brainlark
