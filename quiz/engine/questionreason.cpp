#include "quiz/engine/questionreason.h"

#include <cstdio>

#include "core/pairlist.h"
#include "quiz/engine/quizquestion.h"

namespace brainlark
{

namespace
{

std::string ordinal(int n)
{
    const char* suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1)
            suffix = "st";
        else if (n % 10 == 2)
            suffix = "nd";
        else if (n % 10 == 3)
            suffix = "rd";
    }
    return std::to_string(n) + suffix;
}

std::string times(int32_t n)
{
    return n == 1 ? "once" : std::to_string(n) + " times";
}

} // namespace

QuestionReason QuestionReason::forPair(const PairList& list, int index)
{
    QuestionReason reason;
    if (index < 0 || index >= list.count())
        return reason;
    const Pair& pair = list.pairs()[index];
    reason.smartPick = true;
    reason.rating = pair.rating();
    reason.pairCount = list.count();
    reason.rank = 1;
    for (const Pair& other : list.pairs())
        reason.rank += other.rating() < pair.rating();
    reason.asked = pair.timesInQuestion();
    reason.right = pair.right();
    reason.wrong = pair.wrong();
    return reason;
}

std::string QuestionReason::shortText() const
{
    if (!smartPick)
        return {};
    char text[96];
    std::snprintf(text, sizeof text, "Rating %.2f, %s weakest", double(rating),
                  rank == 1 ? "the" : ordinal(rank).c_str());
    return text;
}

std::string QuestionReason::details() const
{
    if (!smartPick)
        return {};
    char rated[32];
    std::snprintf(rated, sizeof rated, "%.2f", double(rating));
    return "Smart Pick asks one of the " + std::to_string(QuizQuestion::SmartPickCandidates) +
           " lowest-rated pairs. This pair has the rating " + rated + ", the " +
           (rank == 1 ? std::string("lowest") : ordinal(rank) + " lowest") + " of " + std::to_string(pairCount) +
           " pairs; it was asked " + times(asked) + " and answered right " + times(right) + " (wrong " +
           times(wrong) + ").";
}

} // namespace brainlark
