#pragma once

namespace brainlark
{

/// The four grades of a review, numbered as FSRS numbers them.
enum class ReviewGrade : int { Again = 1, Hard = 2, Good = 3, Easy = 4 };

/// How the quiz grades a question's first answer, which is the pair's review. A wrong first answer is
/// Again. A right one in a mode where the learner picks an answer (multiple-choice, true/false) is graded by
/// its time against this learner's median for the list: at most half the median Easy, at least twice the
/// median Hard, Good between (the median counts as at least one second, times being whole seconds). Until
/// the list has MinTimedAnswers right first answers there is no median yet, and right is Good; typing and
/// matching take their own time, so there right is always Good.
struct GradeRule {
    static constexpr int MinTimedAnswers = 10;
    static constexpr double EasyShare = 0.5;
    static constexpr double HardFactor = 2.0;

    /// `medianSeconds` below 0: no median yet.
    static ReviewGrade grade(bool right, bool timed, double seconds, double medianSeconds);
};

} // namespace brainlark
