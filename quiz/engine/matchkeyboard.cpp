#include "quiz/engine/matchkeyboard.h"

#include <algorithm>

namespace brainlark
{

void MatchKeyboard::reset()
{
    m_focus = {MatchBox::Questions, 0};
    m_picked = {};
    m_visible = true;
}

void MatchKeyboard::hide()
{
    if (m_picked.isValid())
        m_focus = m_picked;
    m_picked = {};
}

MatchKeyboard::Effect MatchKeyboard::press(Key key, MatchGame& game)
{
    if (game.rows() == 0)
        return Effect::None;
    m_visible = true;
    // A board of fewer rows than before keeps the focus on it.
    m_focus.row = std::clamp(m_focus.row, 0, game.rows() - 1);
    const bool inAnswers = m_focus.column == MatchBox::Answers;
    switch (key) {
    case Key::Up:
        return move(-1, game);
    case Key::Down:
        return move(1, game);
    case Key::Right:
        return inAnswers ? Effect::Moved : pick(game);
    case Key::Enter:
        return inAnswers ? connect(game) : pick(game);
    case Key::Left:
    case Key::Escape:
        return inAnswers ? cancel() : Effect::Moved;
    case Key::Delete:
        return game.removeLine(m_focus) ? Effect::Removed : Effect::Moved;
    case Key::Try:
        return Effect::PressTry;
    case Key::Skip:
        return Effect::PressSkip;
    }
    return Effect::None;
}

MatchKeyboard::Effect MatchKeyboard::move(int step, const MatchGame& game)
{
    m_focus.row = std::clamp(m_focus.row + step, 0, game.rows() - 1);
    return Effect::Moved;
}

MatchKeyboard::Effect MatchKeyboard::pick(const MatchGame& game)
{
    // A question with a line is picked again like any other: the focus goes level with it.
    (void)game;
    m_picked = m_focus;
    m_focus = {MatchBox::Answers, m_picked.row};
    return Effect::Picked;
}

MatchKeyboard::Effect MatchKeyboard::connect(MatchGame& game)
{
    if (!game.connect(m_picked, m_focus))
        return cancel();
    // On to the next question still without a line, below first, then from the top.
    const int rows = game.rows();
    int next = m_picked.row;
    for (int i = 1; i <= rows; ++i) {
        const MatchBox candidate{MatchBox::Questions, (m_picked.row + i) % rows};
        if (!game.lineAt(candidate)) {
            next = candidate.row;
            break;
        }
    }
    m_focus = {MatchBox::Questions, next};
    m_picked = {};
    return Effect::Connected;
}

MatchKeyboard::Effect MatchKeyboard::cancel()
{
    m_focus = m_picked.isValid() ? m_picked : MatchBox{MatchBox::Questions, 0};
    m_picked = {};
    return Effect::Cancelled;
}

} // namespace brainlark
