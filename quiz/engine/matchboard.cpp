#include "quiz/engine/matchboard.h"

#include <algorithm>

#include "quiz/engine/randomindexset.h"
#include "quiz/engine/ratingorder.h"

namespace brainlark
{

namespace
{

std::vector<int> pickSequential(PairList& list, int n)
{
    const int64_t count = list.count();
    // A damaged position (past the end after the list shrank) wraps like any other.
    const int64_t first = std::max<int64_t>(list.lastIndex(), 0) % count;
    std::vector<int> picked;
    picked.reserve(static_cast<size_t>(n));
    for (int64_t i = 0; i < n; ++i)
        picked.push_back(static_cast<int>((first + i) % count));
    list.setLastIndex(static_cast<int32_t>((first + n) % count));
    return picked;
}

std::vector<int> pickSmart(PairList& list, int n, RandomSource& random, RatingOrder* ratings)
{
    const int m = std::min(2 * n, list.count());
    const std::vector<int32_t> candidates =
        ratings ? ratings->lowest(list, m) : std::vector<int32_t>(list.sortByRating(m));
    const RandomIndexSet chosen(random, n, static_cast<int>(candidates.size()));
    std::vector<int> picked;
    picked.reserve(static_cast<size_t>(n));
    for (int slot : chosen.indices())
        picked.push_back(candidates[static_cast<size_t>(slot)]);
    return picked;
}

// The due pairs in their order; a single due pair is joined by the weakest other pair, as a board needs two.
std::vector<int> pickDue(PairList& list, int n, const std::vector<int>& duePairs)
{
    std::vector<int> picked(duePairs.begin(), duePairs.begin() + std::min<size_t>(n, duePairs.size()));
    if (static_cast<int>(picked.size()) < n) {
        for (int32_t weak : list.sortByRating(n)) {
            if (std::find(picked.begin(), picked.end(), weak) == picked.end())
                picked.push_back(weak);
            if (static_cast<int>(picked.size()) == n)
                break;
        }
    }
    return picked;
}

} // namespace

MatchBoard MatchBoard::build(PairList& list, int rows, SelectionMode selection, RandomSource& random,
                             RatingOrder* ratings, const std::vector<int>& duePairs)
{
    MatchBoard board;
    int n = std::min(std::clamp(rows, MinimumRows, MaximumRows), list.count());
    if (selection == SelectionMode::Due)
        n = duePairs.empty() ? 0 : std::min(n, std::max(MinimumRows, static_cast<int>(duePairs.size())));
    if (n <= 0)
        return board;
    switch (selection) {
    case SelectionMode::Sequential:
        board.m_questions = pickSequential(list, n);
        break;
    case SelectionMode::Random:
        board.m_questions = RandomIndexSet(random, n, list.count()).indices();
        break;
    case SelectionMode::SmartPick:
        board.m_questions = pickSmart(list, n, random, ratings);
        break;
    case SelectionMode::Due:
        board.m_questions = pickDue(list, n, duePairs);
        break;
    }
    const RandomIndexSet permutation(random, n, n);
    board.m_answers.reserve(static_cast<size_t>(n));
    for (int row : permutation.indices())
        board.m_answers.push_back(board.m_questions[static_cast<size_t>(row)]);
    return board;
}

std::string_view MatchBoard::questionText(const PairList& list, int row) const
{
    return list.pairs()[static_cast<size_t>(questionPair(row))].shownQuestion();
}

std::string_view MatchBoard::answerText(const PairList& list, int row) const
{
    return list.pairs()[static_cast<size_t>(answerPair(row))].shownAnswer();
}

bool MatchBoard::matches(const PairList& list, int questionRow, int answerRow) const
{
    if (questionRow < 0 || questionRow >= rows() || answerRow < 0 || answerRow >= rows())
        return false;
    const Pair& q = list.pairs()[static_cast<size_t>(questionPair(questionRow))];
    const Pair& a = list.pairs()[static_cast<size_t>(answerPair(answerRow))];
    return q.shownQuestion() == a.shownQuestion() || q.shownAnswer() == a.shownAnswer();
}

bool MatchBoard::fits(const PairList& list) const
{
    const auto inList = [&list](int index) { return index >= 0 && index < list.count(); };
    return std::all_of(m_questions.begin(), m_questions.end(), inList);
}

} // namespace brainlark
