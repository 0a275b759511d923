#include "quiz/engine/newquestionanimation.h"

#include <cstdint>

namespace brainlark
{

namespace
{

Rect centredAt(const Rect& box, Point centre)
{
    return box.movedTo(centre.x - box.width() / 2, centre.y - box.height() / 2);
}

Rect above(const Rect& box)
{
    return box.movedTo(box.left, -box.height());
}

Rect below(const Rect& box, int height)
{
    return box.movedTo(box.left, height);
}

Rect leftOf(const Rect& box)
{
    return box.movedTo(-box.width(), box.top);
}

Rect rightOf(const Rect& box, int width)
{
    return box.movedTo(width, box.top);
}

int interpolate(int from, int to, int frame, int frames)
{
    return from + static_cast<int>(static_cast<int64_t>(to - from) * frame / frames);
}

} // namespace

NewQuestionAnimation::NewQuestionAnimation(RandomSource& random, QuizMode mode)
{
    m_questionStyle = static_cast<int>(random.next() % 5);
    m_entryStyle = static_cast<int>(random.next() % 8);
    if (m_entryStyle == EnterFromQuestion && mode != QuizMode::MultipleChoice)
        m_entryStyle = EnterFromCentre;
}

Rect NewQuestionAnimation::questionStart(const Rect& questionBox, int width, int height) const
{
    switch (m_questionStyle) {
    case FromRight:
        return rightOf(questionBox, width);
    case FromBelow:
        return below(questionBox, height);
    case FromLeft:
        return leftOf(questionBox);
    case FromCentre:
        return centredAt(questionBox, {width / 2, height / 2});
    default:
        return above(questionBox);
    }
}

Rect NewQuestionAnimation::answerStart(int i, const Rect& box, const Rect& questionBox, int width,
                                       int height) const
{
    const bool even = i % 2 == 0;
    switch (m_entryStyle) {
    case EnterFromAbove:
        return above(box);
    case EnterFromLeft:
        return leftOf(box);
    case EnterFromBelow:
        return below(box, height);
    case EnterFromRight:
        return rightOf(box, width);
    case EnterSideways:
        return even ? leftOf(box) : rightOf(box, width);
    case EnterUpDown:
        return even ? above(box) : below(box, height);
    case EnterFromQuestion:
        return centredAt(box, questionBox.center());
    default:
        return centredAt(box, {width / 2, height / 2});
    }
}

Rect NewQuestionAnimation::between(const Rect& from, const Rect& to, int frame, int frames)
{
    if (frames <= 0 || frame >= frames)
        return to;
    if (frame <= 0)
        return from;
    return {interpolate(from.left, to.left, frame, frames), interpolate(from.top, to.top, frame, frames),
            interpolate(from.right, to.right, frame, frames),
            interpolate(from.bottom, to.bottom, frame, frames)};
}

} // namespace brainlark
