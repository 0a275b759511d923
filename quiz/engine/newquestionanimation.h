#pragma once

#include "core/randomsource.h"
#include "quiz/engine/quiztypes.h"
#include "quiz/engine/rect.h"

namespace brainlark
{

/// Where the boxes of a new question start when "Animate new question" is on. The question box glides in
/// first (500 ms), then the answer boxes (600 ms); every box moves on a straight line to its place.
class NewQuestionAnimation
{
public:
    static constexpr int QuestionMs = 500;
    static constexpr int AnswersMs = 600;

    /// Question start styles (r1 mod 5).
    enum QuestionStyle { FromAbove = 0, FromRight = 1, FromBelow = 2, FromLeft = 3, FromCentre = 4 };
    /// Answer entry styles (r2 mod 8): 0-5 slide in from outside the view, 6 spread out from the centre of
    /// the view, 7 (Multiple-choice only) spread out from the question box.
    enum EntryStyle {
        EnterFromAbove = 0,
        EnterFromLeft = 1,
        EnterFromBelow = 2,
        EnterFromRight = 3,
        EnterSideways = 4, ///< even boxes from the left, odd ones from the right
        EnterUpDown = 5,   ///< even boxes from above, odd ones from below
        EnterFromCentre = 6,
        EnterFromQuestion = 7,
    };

    /// Draws r1 and r2; style 7 becomes 6 in True/False and Type-in.
    NewQuestionAnimation(RandomSource& random, QuizMode mode);
    NewQuestionAnimation(int questionStyle, int entryStyle)
        : m_questionStyle(questionStyle), m_entryStyle(entryStyle)
    {
    }

    int questionStyle() const { return m_questionStyle; }
    int entryStyle() const { return m_entryStyle; }

    /// Start rectangle of the question box in a view of width × height.
    Rect questionStart(const Rect& questionBox, int width, int height) const;
    /// Start rectangle of answer box i.
    Rect answerStart(int i, const Rect& box, const Rect& questionBox, int width, int height) const;

    /// The rectangle at frame of frames on the straight line from → to (frame = frames gives to).
    static Rect between(const Rect& from, const Rect& to, int frame, int frames);

private:
    int m_questionStyle = FromAbove;
    int m_entryStyle = EnterFromCentre;
};

} // namespace brainlark
