// The scheduler against values worked out by hand from the published FSRS-6 formulas and default weights:
// first reviews of each grade, reviews after whole days, same-day reviews, lapses, and the interval bounds.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "quiz/scheduling/fsrsscheduler.h"

using namespace brainlark;

namespace
{

struct Review {
    int elapsedDays;
    ReviewGrade grade;
};

struct Expected {
    double difficulty;
    double stability;
    std::optional<double> retrievability;
    int interval;
};

struct SequenceCase {
    const char* name;
    std::vector<Review> reviews;
    std::vector<Expected> after; // the state after each review
};

constexpr auto Again = ReviewGrade::Again;
constexpr auto Hard = ReviewGrade::Hard;
constexpr auto Good = ReviewGrade::Good;
constexpr auto Easy = ReviewGrade::Easy;

const SequenceCase Sequences[] = {
    // D0(G) = w4 - e^(w5 (G-1)) + 1, S0(G) = w[G-1]; Easy's D0 falls below 1 and is held at 1.
    {"first Again", {{0, Again}}, {{6.4133, 0.212, std::nullopt, 1}}},
    {"first Hard", {{0, Hard}}, {{5.112171, 1.2931, std::nullopt, 1}}},
    {"first Good", {{0, Good}}, {{2.118104, 2.3065, std::nullopt, 2}}},
    {"first Easy", {{0, Easy}}, {{1.0, 8.2956, std::nullopt, 8}}},
    {"Good after 2 and 5 days",
     {{0, Good}, {2, Good}, {5, Good}},
     {{2.118104, 2.3065, std::nullopt, 2},
      {2.111214, 10.964332, 0.909493, 11},
      {2.104331, 30.133231, 0.944611, 30}}},
    {"Again, then Good the next day",
     {{0, Again}, {1, Good}},
     {{6.4133, 0.212, std::nullopt, 1}, {6.402115, 1.886788, 0.766196, 2}}},
    // The same day (R = 1): S' = S e^(w17 (G-3+w18)) S^-w19, which Good may not lower below S.
    {"Good twice the same day",
     {{0, Good}, {0, Good}},
     {{2.118104, 2.3065, std::nullopt, 2}, {2.111214, 2.3065, 1.0, 2}}},
    {"Again twice the same day",
     {{0, Again}, {0, Again}},
     {{6.4133, 0.212, std::nullopt, 1}, {8.806304, 0.083357, 1.0, 1}}},
    {"a lapse after 10 days",
     {{0, Good}, {10, Again}},
     {{2.118104, 2.3065, std::nullopt, 2}, {7.394503, 0.759160, 0.774367, 1}}},
    {"Hard after Easy, 8 days later",
     {{0, Easy}, {8, Hard}},
     {{1.0, 8.2956, std::nullopt, 8}, {4.010609, 26.704183, 0.902473, 27}}},
    {"Easy after Hard, 3 days later",
     {{0, Hard}, {3, Easy}},
     {{5.112171, 1.2931, std::nullopt, 1}, {3.464114, 13.935317, 0.832849, 14}}},
};

class SchedulerSequence : public ::testing::TestWithParam<SequenceCase>
{
};

} // namespace

TEST_P(SchedulerSequence, MatchesTheFormulasReviewByReview)
{
    const SequenceCase& c = GetParam();
    const FsrsScheduler scheduler;
    PairSchedule schedule;
    int64_t day = 20000;
    for (size_t i = 0; i < c.reviews.size(); ++i) {
        SCOPED_TRACE(i);
        day += c.reviews[i].elapsedDays;
        const ReviewStep step = scheduler.review(schedule, day, c.reviews[i].grade);
        schedule = step.schedule;
        EXPECT_NEAR(schedule.memory.difficulty, c.after[i].difficulty, 1e-5);
        EXPECT_NEAR(schedule.memory.stability, c.after[i].stability, 1e-5);
        ASSERT_EQ(step.retrievability.has_value(), c.after[i].retrievability.has_value());
        if (step.retrievability) {
            EXPECT_NEAR(*step.retrievability, *c.after[i].retrievability, 1e-5);
        }
        EXPECT_EQ(step.interval, c.after[i].interval);
        EXPECT_EQ(schedule.dueDay, day + c.after[i].interval);
        EXPECT_EQ(schedule.reviews, int(i) + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Fsrs6, SchedulerSequence, ::testing::ValuesIn(Sequences), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(FsrsScheduler, IntervalsFollowTheDesiredRetentionWithinOneDayAndAHundredYears)
{
    // I = S / FACTOR (r^(-1/w20) - 1); at r = 0.9 the interval is S itself.
    struct {
        double retention;
        double stability;
        int interval;
    } const cases[] = {
        {0.90, 100, 100},
        {0.70, 100, 929},
        {0.97, 100, 22},
        {0.90, 0.3, 1},
        {0.70, 30000, 36500},
        // Out of range settings are held at 0.70 and 0.97.
        {0.10, 100, 929},
        {1.50, 100, 22},
    };
    for (const auto& c : cases) {
        const FsrsScheduler scheduler(FsrsWeights::defaults(), c.retention);
        EXPECT_EQ(scheduler.interval(c.stability), c.interval) << c.retention << " " << c.stability;
    }
}

TEST(FsrsScheduler, RecallChanceIsNinetyPercentAfterStabilityDays)
{
    const FsrsScheduler scheduler;
    const MemoryState memory{5, 12.5};
    EXPECT_DOUBLE_EQ(scheduler.retrievability(memory, 0), 1.0);
    EXPECT_NEAR(scheduler.retrievability(memory, 12.5), 0.9, 1e-12);
    EXPECT_GT(scheduler.retrievability(memory, 5), scheduler.retrievability(memory, 30));
}

TEST(FsrsScheduler, AReviewDatedBeforeThePreviousOneCountsAsTheSameDay)
{
    const FsrsScheduler scheduler;
    const PairSchedule first = scheduler.review({}, 100, Good).schedule;
    const ReviewStep back = scheduler.review(first, 90, Good);
    const ReviewStep same = scheduler.review(first, 100, Good);
    EXPECT_EQ(back.schedule.memory.stability, same.schedule.memory.stability);
    EXPECT_EQ(back.retrievability, std::optional<double>(1.0));
}

TEST(FsrsWeights, StoredTextReadsBackAndDamagedTextIsRefused)
{
    const FsrsWeights defaults = FsrsWeights::defaults();
    EXPECT_TRUE(defaults.isValid());
    EXPECT_EQ(FsrsWeights::fromText(defaults.toText()), defaults);
    const std::string tooMany = defaults.toText() + " 7";
    for (const std::string& damaged :
         {std::string(), std::string("1 2 3"), "nan" + defaults.toText().substr(defaults.toText().find(' ')),
          tooMany})
        EXPECT_FALSE(FsrsWeights::fromText(damaged).has_value()) << damaged;

    FsrsWeights wild = defaults;
    wild.w[20] = 5;
    wild.w[7] = -1;
    EXPECT_FALSE(wild.isValid());
    EXPECT_EQ(wild.bounded().w[20], 0.8);
    EXPECT_EQ(wild.bounded().w[7], 0.001);
    EXPECT_TRUE(wild.bounded().isValid());
}
