#include "quiz/engine/transitionplan.h"

#include <algorithm>

namespace brainlark
{

namespace
{

// Tiny views would otherwise divide by zero.
int perStep(int durationMs, int divisor)
{
    return divisor > 0 ? std::max(durationMs, 0) / divisor : 0;
}

} // namespace

int TransitionPlan::chooseDirection(int value, RandomSource& random)
{
    return value == -1 ? static_cast<int>(random.next() % 2) : value;
}

int TransitionPlan::chooseKind(int requested, bool plainBackground, RandomSource& random)
{
    int kind = requested;
    if (kind < VerticalBars || kind > CentreZoom)
        kind = 1 + static_cast<int>(random.next() % 7);
    if (kind <= HorizontalBars && !plainBackground)
        kind = BandReveal + static_cast<int>(random.next() % 2);
    return kind;
}

TransitionPlan TransitionPlan::make(int kind, int durationMs, int width, int height, RandomSource& random)
{
    TransitionPlan plan;
    plan.m_kind = std::clamp(kind, 1, 7);
    width = std::max(width, 0);
    height = std::max(height, 0);
    switch (plan.m_kind) {
    case VerticalBars:
    case ClosingBars:
    case HorizontalBars: {
        plan.m_size = 4 + static_cast<int>(random.next() % 5);
        const int extent = plan.m_kind == HorizontalBars ? height : width;
        plan.m_lines = extent / plan.m_size + (plan.m_kind == ClosingBars ? 1 : 2);
        plan.m_steps = static_cast<int>(plan.lineOrder().size());
        plan.m_pause = perStep(durationMs, plan.m_lines);
        break;
    }
    case BandReveal: {
        plan.m_size = 5 + static_cast<int>(random.next() % 6);
        plan.m_steps = height / (plan.m_size - 1);
        plan.m_pause = perStep(durationMs, plan.m_steps);
        break;
    }
    case SlideOut:
        plan.m_size = 10 + static_cast<int>(random.next() % 5);
        plan.m_steps = height / plan.m_size + 1;
        plan.m_pause = perStep(durationMs, height / plan.m_size);
        break;
    case TileDissolve:
        plan.m_size = 4 + static_cast<int>(random.next() % 10);
        plan.m_columns = width / plan.m_size + 1;
        plan.m_rows = height / plan.m_size + 1;
        plan.m_steps = 10;
        plan.m_pause = perStep(durationMs, 10);
        plan.m_endPause = EndPauseMs;
        break;
    default:
        plan.m_steps = 30;
        plan.m_pause = perStep(durationMs, 30);
        plan.m_endPause = EndPauseMs;
        break;
    }
    return plan;
}

std::vector<int> TransitionPlan::lineOrder() const
{
    std::vector<int> order;
    const int n = m_lines;
    if (m_kind == ClosingBars) {
        for (int k = 0; k < n; k += 2) {
            order.push_back(k);
            order.push_back(n - k - (n % 2 == 0 ? 1 : 0));
        }
        return order;
    }
    if (m_kind != VerticalBars && m_kind != HorizontalBars)
        return order;
    for (int k = 0; k < n; k += 2)
        order.push_back(k);
    for (int k = (n - 1) % 2 == 1 ? n - 1 : n - 2; k >= 1; k -= 2)
        order.push_back(k);
    return order;
}

std::vector<int> TransitionPlan::tilesOfStep(int step) const
{
    std::vector<int> tiles;
    if (m_kind != TileDissolve)
        return tiles;
    const int count = m_columns * m_rows;
    for (int j = 0; j <= count / 10; ++j) {
        const int tile = j * 10 + step;
        if (tile < count)
            tiles.push_back(tile);
    }
    return tiles;
}

} // namespace brainlark
