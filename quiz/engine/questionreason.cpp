#include "quiz/engine/questionreason.h"

#include <algorithm>
#include <cstdio>

#include "core/pairlist.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/scheduling/duesource.h"

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

std::string days(int64_t n)
{
    return std::to_string(n) + (n == 1 ? " day" : " days");
}

int percent(double chance)
{
    return static_cast<int>(chance * 100 + 0.5);
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

QuestionReason QuestionReason::forDue(const DuePair& pair, int64_t today)
{
    QuestionReason reason;
    reason.due = true;
    reason.daysOverdue = std::max<int64_t>(0, today - pair.schedule.dueDay);
    reason.daysSinceReview = std::max<int64_t>(0, today - pair.schedule.lastDay);
    reason.recallChance = pair.retrievability;
    reason.stability = pair.schedule.memory.stability;
    reason.difficulty = pair.schedule.memory.difficulty;
    return reason;
}

std::string QuestionReason::shortText() const
{
    if (due) {
        char text[96];
        std::snprintf(text, sizeof text, "%s, recall chance %d %%",
                      daysOverdue == 0 ? "Due today" : ("Due since " + days(daysOverdue)).c_str(),
                      percent(recallChance));
        return text;
    }
    if (!smartPick)
        return {};
    char text[96];
    std::snprintf(text, sizeof text, "Rating %.2f, %s weakest", double(rating),
                  rank == 1 ? "the" : ordinal(rank).c_str());
    return text;
}

std::string QuestionReason::details() const
{
    if (due) {
        char memory[160];
        std::snprintf(memory, sizeof memory,
                      "its stability is %.1f days and its difficulty %.1f of 10, so the chance "
                      "to recall it now is %d %%.",
                      stability, difficulty, percent(recallChance));
        return "Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair was "
               "last "
               "reviewed " +
               (daysSinceReview == 0 ? std::string("today") : days(daysSinceReview) + " ago") +
               " and fell due " + (daysOverdue == 0 ? std::string("today") : days(daysOverdue) + " ago") +
               "; " + memory;
    }
    if (!smartPick)
        return {};
    char rated[32];
    std::snprintf(rated, sizeof rated, "%.2f", double(rating));
    return "Smart Pick asks one of the " + std::to_string(QuizQuestion::SmartPickCandidates) +
           " lowest-rated pairs. This pair has the rating " + rated + ", the " +
           (rank == 1 ? std::string("lowest") : ordinal(rank) + " lowest") + " of " +
           std::to_string(pairCount) + " pairs; it was asked " + times(asked) + " and answered right " +
           times(right) + " (wrong " + times(wrong) + ").";
}

} // namespace brainlark
