#pragma once

#include "quiz/engine/matchgame.h"

namespace brainlark
{

/// The matching board without a mouse: a focus moves through the question boxes; picking one moves it
/// to the answer boxes, where picking connects the two. Delete removes the line of the focused box;
/// two keys stand for the buttons. The focus is always shown, so the first key moves it from where the learner sees it.
class MatchKeyboard
{
public:
    enum class Key { Up, Down, Left, Right, Enter, Delete, Escape, Try, Skip };
    /// What a key asked for; the screen redraws, or runs the button.
    enum class Effect { None, Moved, Picked, Connected, Removed, Cancelled, PressTry, PressSkip };

    /// A new round: the focus on the first question, nothing picked, the focus shown.
    void reset();
    /// The mouse took over: nothing picked.
    void hide();

    Effect press(Key key, MatchGame& game);

    bool isVisible() const { return m_visible; }
    /// The box with the focus (always on the board while it has rows).
    MatchBox focus() const { return m_focus; }
    /// The question picked for connecting (invalid when none).
    MatchBox picked() const { return m_picked; }

private:
    Effect move(int step, const MatchGame& game);
    Effect pick(const MatchGame& game);
    Effect connect(MatchGame& game);
    Effect cancel();

    MatchBox m_focus{MatchBox::Questions, 0};
    MatchBox m_picked;
    bool m_visible = true;
};

} // namespace brainlark
