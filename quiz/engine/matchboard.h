#pragma once

#include <string_view>
#include <vector>

#include "core/pairlist.h"
#include "core/randomsource.h"
#include "quiz/engine/quiztypes.h"

namespace brainlark
{

class RatingOrder;

/// One round of the matching quiz: the N pairs asked (the question column, top to bottom) and the same
/// pairs in a random order (the answer column). Holds list indices only; the texts are read from the list
/// when drawn, with the list's current orientation.
class MatchBoard
{
public:
    static constexpr int MinimumRows = 2;
    static constexpr int MaximumRows = 10;

    /// An empty board (no rows).
    MatchBoard() = default;

    /// Chooses N = min(rows, pair count) pairs (rows limited to 2-10):
    /// Sequential takes N in a row from list.lastIndex() (0 when negative), wrapping, and leaves
    /// lastIndex just after them; Random draws N distinct pairs; Smart Pick draws N of the 2N lowest-rated
    /// pairs (from ratings when given, else from the list's own walk); Due takes the given due pairs, in
    /// their order, up to N (fewer due pairs make a smaller board; a single one is joined by the weakest
    /// other pair; none makes no board). The answer
    /// column is a uniform permutation of the chosen pairs.
    static MatchBoard build(PairList& list, int rows, SelectionMode selection, RandomSource& random,
                            RatingOrder* ratings = nullptr, const std::vector<int>& duePairs = {});

    int rows() const { return static_cast<int>(m_questions.size()); }
    bool isEmpty() const { return m_questions.empty(); }
    /// List indices of the pairs in the question and answer columns, top to bottom.
    const std::vector<int>& questionOrder() const { return m_questions; }
    const std::vector<int>& answerOrder() const { return m_answers; }
    int questionPair(int row) const { return m_questions[static_cast<size_t>(row)]; }
    int answerPair(int row) const { return m_answers[static_cast<size_t>(row)]; }

    std::string_view questionText(const PairList& list, int row) const;
    std::string_view answerText(const PairList& list, int row) const;

    /// The question of questionRow and the answer of answerRow belong together: their pairs have the same
    /// question, or else the same answer (exact comparison), so pairs sharing a text are interchangeable.
    bool matches(const PairList& list, int questionRow, int answerRow) const;

    /// Whether every index still names a pair of the list (a list edited under a board is not judged).
    bool fits(const PairList& list) const;

private:
    std::vector<int> m_questions;
    std::vector<int> m_answers;
};

} // namespace brainlark
