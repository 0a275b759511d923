#include "quiz/engine/matchgame.h"

#include <algorithm>

namespace brainlark
{

namespace
{

bool onBoard(MatchBox box, int rows)
{
    return box.isValid() && box.row >= 0 && box.row < rows;
}

} // namespace

void MatchGame::newRound(MatchBoard board)
{
    m_board = std::move(board);
    m_lines.clear();
    m_state = ButtonState::Idle;
    m_tryLook = TryLook::Normal;
    m_dragging = false;
}

const MatchLine* MatchGame::lineAt(MatchBox box) const
{
    const auto it =
        std::find_if(m_lines.begin(), m_lines.end(), [box](const MatchLine& line) { return line.touches(box); });
    return it == m_lines.end() ? nullptr : &*it;
}

MatchBox MatchGame::partnerOf(MatchBox box) const
{
    const MatchLine* line = lineAt(box);
    return line ? line->otherEnd(box) : MatchBox{};
}

bool MatchGame::connect(MatchBox from, MatchBox to)
{
    if (!onBoard(from, rows()) || !onBoard(to, rows()) || from.column == to.column)
        return false;
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                                 [from, to](const MatchLine& line) {
                                     return line.touches(from) || line.touches(to);
                                 }),
                  m_lines.end());
    MatchLine line;
    line.from = from;
    line.to = to;
    m_lines.push_back(line);
    return true;
}

bool MatchGame::removeLine(MatchBox box)
{
    const auto before = m_lines.size();
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                                 [box](const MatchLine& line) { return line.touches(box); }),
                  m_lines.end());
    return m_lines.size() != before;
}

void MatchGame::beginDrag(MatchBox box, Point at)
{
    if (!onBoard(box, rows()))
        return;
    m_dragging = true;
    m_dragBox = box;
    m_dragStart = at;
    m_dragEnd = at;
}

void MatchGame::dragTo(Point at)
{
    if (m_dragging)
        m_dragEnd = at;
}

bool MatchGame::endDrag(MatchBox target)
{
    if (!m_dragging)
        return false;
    m_dragging = false;
    return connect(m_dragBox, target);
}

MatchGame::TryResult MatchGame::pressTry(PairList& list, const AppFlags& flags, RatingOrder* ratings)
{
    if (!allConnected())
        return TryResult::Incomplete;
    m_lastJudged.clear();
    bool allRight = true;
    for (int row = 0; row < rows(); ++row) {
        const MatchBox question{MatchBox::Questions, row};
        auto line = std::find_if(m_lines.begin(), m_lines.end(),
                                 [question](const MatchLine& l) { return l.touches(question); });
        const bool right = m_board.matches(list, row, line->answerEnd().row);
        allRight = allRight && right;
        line->colour = right ? MatchLine::Colour::Right : MatchLine::Colour::Wrong;
        if (!right && flags.fun2(AppFlags::MatchingWiderLine))
            ++line->width;
        const int index = m_board.questionPair(row);
        if (index >= list.count())
            continue; // the list shrank under the board; nothing left to count on
        Pair& pair = list.pairs()[static_cast<size_t>(index)];
        m_lastJudged.emplace_back(index, right);
        pair.incrementTimesInQuestion();
        pair.updateRating(1.0, !right);
        if (right)
            pair.addRight(1);
        else
            pair.addWrong(1);
        if (ratings)
            ratings->changed(list, index);
    }
    m_state = allRight ? ButtonState::TryRight : ButtonState::TryWrong;
    m_tryLook = allRight ? TryLook::Right : TryLook::Wrong;
    return allRight ? TryResult::Right : TryResult::Wrong;
}

void MatchGame::pressSkip()
{
    m_state = ButtonState::Skip;
}

std::vector<FeedbackStep> MatchGame::releaseSteps(ButtonState state, const AppFlags& flags)
{
    using Action = FeedbackStep::Action;
    if (state == ButtonState::Idle)
        return {};
    std::vector<FeedbackStep> steps{FeedbackStep::of(Action::RestoreHitBox)};
    const bool right = state == ButtonState::TryRight;
    steps.push_back(FeedbackStep::play(right ? EventSound::Right : EventSound::Wrong, false));
    if (state == ButtonState::TryWrong)
        return steps;
    const bool transition = flags.fun(AppFlags::Transition);
    if (transition) {
        steps.push_back(FeedbackStep::pause(RoundChangePauseMs));
        steps.push_back(FeedbackStep::transition(RoundTransitionMs));
        steps.push_back(FeedbackStep::pause(AfterTransitionPauseMs));
    } else if (!flags.fun(AppFlags::ReminderCard)) {
        steps.push_back(FeedbackStep::pause(QuietRoundChangePauseMs));
    }
    steps.push_back(FeedbackStep::of(Action::ShowNextQuestion));
    return steps;
}

} // namespace brainlark
