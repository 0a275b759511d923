#pragma once

#include "quiz/engine/hslcolor.h"

namespace brainlark
{

/// The Smart Counter flash of the Classic layout: 99 frames, 20 ms each, each outlining the counter with a
/// 1-pixel frame grown 1 to 9 pixels and back, in the gold base colour with its hue stepping through
/// 40°, 50°, 67° and 90°.
class CounterFlash
{
public:
    static constexpr int Frames = 99;
    static constexpr int FrameMs = 20;

    /// Pixels the counter rectangle is inflated by in frame i: 1, 2, … 9, 8, … 2, 1, 2, …
    static int inflation(int frame);
    /// Colour of frame i: gold (255, 215, 0) with the hue of the frame.
    static HslColor color(int frame);
};

} // namespace brainlark
