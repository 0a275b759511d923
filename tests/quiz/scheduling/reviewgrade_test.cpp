// How a question's first answer becomes a review grade, against the median of the list's answer times.
#include <gtest/gtest.h>

#include "quiz/scheduling/responsetimes.h"
#include "quiz/scheduling/reviewgrade.h"

using namespace brainlark;

TEST(GradeRule, FirstAnswersGradeByRightnessAndTimeAgainstTheMedian)
{
    struct {
        bool right;
        bool timed;
        double seconds;
        double median;
        ReviewGrade grade;
    } const cases[] = {
        {false, true, 1, 4, ReviewGrade::Again},
        {false, false, 1, 4, ReviewGrade::Again},
        {true, true, 2, 4, ReviewGrade::Easy},
        {true, true, 3, 4, ReviewGrade::Good},
        {true, true, 7, 4, ReviewGrade::Good},
        {true, true, 8, 4, ReviewGrade::Hard},
        {true, true, 30, 4, ReviewGrade::Hard},
        // No median yet; typing and matching: right is Good whatever the time.
        {true, true, 0, -1, ReviewGrade::Good},
        {true, false, 0, 4, ReviewGrade::Good},
        {true, false, 60, 4, ReviewGrade::Good},
        // A median under one second counts as one: whole seconds cannot tell 0.4 from 0.6.
        {true, true, 0, 0, ReviewGrade::Easy},
        {true, true, 1, 0, ReviewGrade::Good},
        {true, true, 2, 0, ReviewGrade::Hard},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GradeRule::grade(c.right, c.timed, c.seconds, c.median), c.grade)
            << c.right << c.timed << " " << c.seconds << "s median " << c.median;
}

TEST(ResponseTimes, TheMedianCountsWholeSecondsOnceThereAreEnoughAnswers)
{
    ResponseTimes times;
    for (double seconds : {1.0, 2.0, 2.5, 3.0, 9.0, 4.0, 2.0, 120.0, 0.0})
        times.add(seconds);
    EXPECT_EQ(times.median(), -1); // nine answers are not yet a yardstick
    times.add(5000);               // held at an hour
    EXPECT_EQ(times.count(), GradeRule::MinTimedAnswers);
    EXPECT_EQ(times.median(), 2); // 0 1 2 2 2 | 3 4 9 120 3600
    EXPECT_EQ(times.counts().rbegin()->first, ResponseTimes::MaxSeconds);
}
