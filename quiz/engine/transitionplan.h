#pragma once

#include <vector>

#include "core/randomsource.h"

namespace brainlark
{

/// The timing of one transition effect (the wipe to the background between questions): how many steps it
/// draws, the pause after each and the pause at the end. The drawing itself belongs to the UI layer, which
/// runs the pauses through the pause service.
class TransitionPlan
{
public:
    enum Kind {
        VerticalBars = 1,   ///< lines of the effect colour, even positions left to right, then odd ones back
        ClosingBars = 2,    ///< the same lines in pairs from both sides
        HorizontalBars = 3, ///< as VerticalBars, top to bottom
        BandReveal = 4,     ///< the background copied in horizontal bands
        SlideOut = 5,       ///< the old picture slides off the background
        TileDissolve = 6,   ///< square tiles in ten rounds
        CentreZoom = 7,     ///< a rectangle grows from (or shrinks into) the centre
    };
    static constexpr int EndPauseMs = 200;

    /// -1 picks 0 or 1 at random; any other value is taken as the direction.
    static int chooseDirection(int value, RandomSource& random);
    /// -1 (or any value outside 1-7) picks 1 + rand mod 7. Kinds 1-3 paint with the effect colour and only
    /// suit a plain background: on a picture or pattern they become 4 or 5 at random.
    static int chooseKind(int requested, bool plainBackground, RandomSource& random);

    /// The plan of a kind (1-7) over a width × height area; draws the kind's own random size (bar width,
    /// band height or tile size).
    static TransitionPlan make(int kind, int durationMs, int width, int height, RandomSource& random);

    int kind() const { return m_kind; }
    /// Bar width (1-3), band height (4), slide step (5) or tile size (6); 0 for kind 7.
    int size() const { return m_size; }
    int steps() const { return m_steps; }
    /// Pause after each step; a pause of 0 is skipped.
    int pauseMs() const { return m_pause; }
    int endPauseMs() const { return m_endPause; }
    int totalPauseMs() const { return m_steps * m_pause + m_endPause; }
    /// Kinds 1-3: the line positions k (x or y = edge + k × size) in drawing order, one per step.
    std::vector<int> lineOrder() const;
    /// Kind 6: the grid of tiles; step i copies the tiles numbered j × 10 + i.
    int tileColumns() const { return m_columns; }
    int tileRows() const { return m_rows; }
    std::vector<int> tilesOfStep(int step) const;

private:
    int m_kind = CentreZoom;
    int m_size = 0;
    int m_lines = 0;
    int m_steps = 0;
    int m_pause = 0;
    int m_endPause = 0;
    int m_columns = 0;
    int m_rows = 0;
};

} // namespace brainlark
