#pragma once

#include "core/uitext.h"

#include <utility>
#include <vector>

#include "core/pairlist.h"
#include "quiz/engine/appflags.h"
#include "quiz/engine/feedbackstep.h"
#include "quiz/engine/matchboard.h"
#include "quiz/engine/matchline.h"
#include "quiz/engine/ratingorder.h"

namespace brainlark
{

/// The rules of one matching quiz: the board of the round, the lines drawn on it (at most one per box),
/// the drag of a new line, judging with "Try", abandoning with "Skip", and what the button release then
/// plays. The screen draws and feeds input; everything decided lives here.
class MatchGame
{
public:
    /// What the buttons show: Try pressed with every match right (1) or some wrong (2), Skip pressed (3).
    enum class ButtonState : int { Idle = 0, TryRight = 1, TryWrong = 2, Skip = 3 };
    /// The fill of the "Try" button: normal, or the answer feedback of the last judgement.
    enum class TryLook { Normal, Right, Wrong };
    enum class TryResult { Incomplete, Right, Wrong };

    static constexpr const char* ConnectAllText =
        QT_TRANSLATE_NOOP("brainlark::MatchGame", "Please connect all the boxes.");
    static constexpr int RoundChangePauseMs = 800;
    static constexpr int RoundTransitionMs = 1000;
    static constexpr int AfterTransitionPauseMs = 200;
    static constexpr int QuietRoundChangePauseMs = 500;

    /// A fresh round on board: no lines, buttons idle with their normal colours.
    void newRound(MatchBoard board);
    const MatchBoard& board() const { return m_board; }
    int rows() const { return m_board.rows(); }

    const std::vector<MatchLine>& lines() const { return m_lines; }
    /// The line touching box, or null.
    const MatchLine* lineAt(MatchBox box) const;
    /// The box at the other end of box's line (invalid when it has none).
    MatchBox partnerOf(MatchBox box) const;
    bool allConnected() const { return rows() > 0 && static_cast<int>(m_lines.size()) == rows(); }

    /// Draws a line between two boxes of different columns, removing first any line on either box.
    /// Returns false (and draws nothing) for boxes of the same column or outside the board.
    bool connect(MatchBox from, MatchBox to);
    /// Removes the line on box; false when it had none.
    bool removeLine(MatchBox box);

    // The drag of a new line: press on a box, move, release on a box of the other column.
    void beginDrag(MatchBox box, Point at);
    void dragTo(Point at);
    /// Ends the drag on the box under the release point (invalid for none); returns whether a line was
    /// drawn.
    bool endDrag(MatchBox target);
    void cancelDrag() { m_dragging = false; }
    bool isDragging() const { return m_dragging; }
    MatchBox dragBox() const { return m_dragBox; }
    Point dragStart() const { return m_dragStart; }
    Point dragEnd() const { return m_dragEnd; }

    /// "Try": with a line on every box, judges each question row (statistics on the list's pairs: asked
    /// once more, rating after one second, right or wrong), colours the lines, widens wrong ones by 1 when
    /// widen is set, and presses the button (state 1 or 2). With boxes left unconnected nothing is judged:
    /// the caller shows ConnectAllText. Every judged Try counts again. ratings (optional) learns of each
    /// rating changed.
    TryResult pressTry(PairList& list, const AppFlags& flags, RatingOrder* ratings = nullptr);
    /// The pairs the last judged Try settled: list index and whether its line was right.
    const std::vector<std::pair<int, bool>>& lastJudged() const { return m_lastJudged; }
    /// "Skip": presses the button (state 3); no statistics change.
    void pressSkip();
    ButtonState buttonState() const { return m_state; }
    TryLook tryLook() const { return m_tryLook; }
    /// Whether a button is drawn pressed: "Try" in states 1 and 2, "Skip" in state 3.
    bool tryPressed() const { return m_state == ButtonState::TryRight || m_state == ButtonState::TryWrong; }
    bool skipPressed() const { return m_state == ButtonState::Skip; }

    /// What releasing the pressed button plays, as steps: the button released (RestoreHitBox), the right
    /// answer sound after a right board, the wrong answer sound after a wrong one or a skip (both waited
    /// for), then for a right board or a skip the round change: 800 ms, a 1000 ms transition and 200 ms
    /// with "Show transition", 500 ms without it and without "Show reminder card", and the new round
    /// (ShowNextQuestion). Idle gives nothing.
    static std::vector<FeedbackStep> releaseSteps(ButtonState state, const AppFlags& flags);
    /// The button is released: the state returns to idle (lines and the Try colour stay).
    void release() { m_state = ButtonState::Idle; }

private:
    MatchBoard m_board;
    std::vector<MatchLine> m_lines;
    std::vector<std::pair<int, bool>> m_lastJudged;
    ButtonState m_state = ButtonState::Idle;
    TryLook m_tryLook = TryLook::Normal;
    bool m_dragging = false;
    MatchBox m_dragBox;
    Point m_dragStart;
    Point m_dragEnd;
};

} // namespace brainlark
