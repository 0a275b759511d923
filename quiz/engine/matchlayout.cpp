#include "quiz/engine/matchlayout.h"

#include <algorithm>
#include <cstdlib>

namespace brainlark
{

MatchLayout::MatchLayout(int width, int height, int rows)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_rows(std::max(rows, 0))
{
}

Rect MatchLayout::area() const
{
    return {0, 0, m_width, std::max(m_height - BottomBand, 0)};
}

int MatchLayout::columnGap() const
{
    return std::max(MinimumColumnGap, m_width / 4);
}

int MatchLayout::boxWidth() const
{
    return std::max((area().width() - 2 * SideMargin - columnGap()) / 2, 0);
}

int MatchLayout::boxHeight() const
{
    if (m_rows == 0)
        return 0;
    return std::max((area().height() - 2 * TopMargin - (m_rows - 1) * RowGap) / m_rows, 0);
}

Rect MatchLayout::box(MatchBox box) const
{
    if (!box.isValid() || box.row < 0 || box.row >= m_rows)
        return {};
    const int w = boxWidth();
    const int h = boxHeight();
    const int left = SideMargin + (box.column - 1) * (w + columnGap());
    const int top = TopMargin + box.row * (h + RowGap);
    return Rect::fromSize(left, top, w, h);
}

Rect MatchLayout::tryButton() const
{
    const int top = area().bottom + (BottomBand - ButtonHeight) / 2;
    return Rect::fromSize(m_width / 2 - ButtonHalfGap - ButtonWidth, top, ButtonWidth, ButtonHeight);
}

Rect MatchLayout::skipButton() const
{
    const int top = area().bottom + (BottomBand - ButtonHeight) / 2;
    return Rect::fromSize(m_width / 2 + ButtonHalfGap, top, ButtonWidth, ButtonHeight);
}

MatchBox MatchLayout::hitTest(Point p) const
{
    for (int column : {MatchBox::Questions, MatchBox::Answers}) {
        for (int row = 0; row < m_rows; ++row) {
            if (box({column, row}).contains(p))
                return {column, row};
        }
    }
    return {};
}

MatchLayout::Segment MatchLayout::segment(MatchBox a, MatchBox b) const
{
    const MatchBox question = a.column == MatchBox::Questions ? a : b;
    const MatchBox answer = a.column == MatchBox::Questions ? b : a;
    const Rect q = box(question);
    const Rect r = box(answer);
    Segment s{{q.right, q.center().y}, {r.left, r.center().y}};
    if (std::abs(s.question.y - s.answer.y) < LevelTolerance)
        s.question.y = s.answer.y;
    return s;
}

} // namespace brainlark
