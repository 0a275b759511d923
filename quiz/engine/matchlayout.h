#pragma once

#include "quiz/engine/rect.h"

namespace brainlark
{

/// A box of the matching board: column 1 holds the questions, column 2 the answers; rows count from 0 at
/// the top. Column 0 (row −1) names no box.
struct MatchBox {
    enum Column : int { None = 0, Questions = 1, Answers = 2 };

    int column = None;
    int row = -1;

    bool isValid() const { return column == Questions || column == Answers; }
    bool operator==(const MatchBox& other) const { return column == other.column && row == other.row; }
    bool operator!=(const MatchBox& other) const { return !(*this == other); }
};

/// The geometry of the matching board in a view of width × height pixels with N rows: two columns of
/// equally sized boxes above a bottom band that holds the "Try" and "Skip" buttons. Pure arithmetic.
class MatchLayout
{
public:
    static constexpr int SideMargin = 10;
    static constexpr int TopMargin = 5;
    static constexpr int RowGap = 5;
    /// The narrowest band between the two columns.
    static constexpr int MinimumColumnGap = 5;
    /// Below the board: the buttons, vertically centred, with room above and below.
    static constexpr int BottomBand = 55;
    static constexpr int ButtonWidth = 70;
    static constexpr int ButtonHeight = 35;
    /// Half the space between "Try" and "Skip".
    static constexpr int ButtonHalfGap = 3;
    /// Anchors closer than this vertically give a horizontal line.
    static constexpr int LevelTolerance = 2;

    MatchLayout(int width, int height, int rows);

    int rows() const { return m_rows; }
    /// The board area: the view above the bottom band.
    Rect area() const;
    /// The band between the columns, where the lines run: a quarter of the width, at least 5 pixels.
    int columnGap() const;
    int boxWidth() const;
    int boxHeight() const;
    /// The rectangle of a box; empty for an invalid box.
    Rect box(MatchBox box) const;
    Rect tryButton() const;
    Rect skipButton() const;

    /// The box under p, or an invalid box.
    MatchBox hitTest(Point p) const;

    /// Where a line between a question box and an answer box starts and ends: the middle of the question
    /// box's right edge and of the answer box's left edge, levelled when they differ by under 2 pixels.
    /// The boxes may come in either order; the question end comes first.
    struct Segment {
        Point question;
        Point answer;
    };
    Segment segment(MatchBox a, MatchBox b) const;

private:
    int m_width;
    int m_height;
    int m_rows;
};

} // namespace brainlark
