#include "quiz/engine/inputrules.h"

namespace brainlark
{

namespace
{

constexpr Response T = Response::Take;
constexpr Response I = Response::Ignore;
constexpr Response R = Response::Refuse;
constexpr Response D = Response::Defer;
constexpr Response S = Response::Stop;

// Rows follow Activity, columns follow Input. Answers never reach a question that is not at rest on the
// screen; commands given on purpose are refused in plain sight rather than lost; Escape and the stop button
// end the automatic answer and the slideshow at once; a dropped list and a new size wait for the end;
// closing ends whatever plays, so the statistics are written and the program quits.
constexpr Response kTable[7][8] = {
    //            Answer Command Escape StopShow Drop Close Resize Harmless
    /* Resting */ {T, T, T, T, T, T, T, T},
    /* Answering */ {R, R, I, I, D, S, D, T},
    /* Revealing */ {R, R, S, I, D, S, D, T},
    /* MatchRound */ {R, R, I, I, D, S, D, T},
    /* ShowOpening */ {I, R, S, S, D, S, D, T},
    /* ShowCard */ {I, R, S, S, D, S, D, T},
    /* ShowResting */ {T, T, S, S, T, S, T, T},
};

} // namespace

Response respond(Activity activity, Input input)
{
    return kTable[static_cast<int>(activity)][static_cast<int>(input)];
}

const char* toString(Activity activity)
{
    static const char* const names[] = {"Resting",     "Answering", "Revealing",  "MatchRound",
                                        "ShowOpening", "ShowCard",  "ShowResting"};
    return names[static_cast<int>(activity)];
}

} // namespace brainlark
