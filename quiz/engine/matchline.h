#pragma once

#include "quiz/engine/matchlayout.h"

namespace brainlark
{

/// A line the learner drew between a question box and an answer box, in either direction.
struct MatchLine {
    /// The setting the line is drawn in: "match quiz color - init", "- right" or "- wrong".
    enum class Colour { Initial, Right, Wrong };
    static constexpr int InitialWidth = 2;

    MatchBox from;
    MatchBox to;
    int width = InitialWidth;
    Colour colour = Colour::Initial;

    bool touches(MatchBox box) const { return from == box || to == box; }
    MatchBox questionEnd() const { return from.column == MatchBox::Questions ? from : to; }
    MatchBox answerEnd() const { return from.column == MatchBox::Questions ? to : from; }
    /// The end that is not box (an invalid box when the line does not touch it).
    MatchBox otherEnd(MatchBox box) const { return from == box ? to : to == box ? from : MatchBox{}; }
};

} // namespace brainlark
