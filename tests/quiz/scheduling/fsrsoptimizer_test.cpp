// Fitting the FSRS-6 weights to a learner's reviews: too few reviews keep the defaults; a learner whose
// memory differs from the defaults gets weights that predict the held-back pairs better, within the bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "quiz/scheduling/fsrsmodel.h"
#include "quiz/scheduling/fsrsoptimizer.h"

using namespace brainlark;

namespace
{

// A learner whose memory follows `truth`: each pair reviewed after 1 to 20 days, recalled with the chance the
// true model gives, graded Good when recalled and Again when not.
std::vector<std::vector<PairReview>> simulate(const FsrsWeights& truth, int pairs, int reviewsPerPair)
{
    std::mt19937 random(20260131);
    const auto uniform = [&random] { return double(random() >> 5) / double(1u << 27); };
    std::vector<std::vector<PairReview>> history(static_cast<size_t>(pairs));
    for (std::vector<PairReview>& reviews : history) {
        int64_t day = 0;
        reviews.push_back({day, ReviewGrade::Good});
        fsrs::State<double> state = fsrs::firstReview(truth.w, 3);
        for (int i = 1; i < reviewsPerPair; ++i) {
            const int elapsed = 1 + int(random() % 20);
            day += elapsed;
            const bool recalled = uniform() < fsrs::retrievability(truth.w, elapsed, state.stability);
            const int grade = recalled ? 3 : 1;
            reviews.push_back({day, static_cast<ReviewGrade>(grade)});
            state = fsrs::nextReview(truth.w, state, elapsed, grade);
        }
    }
    return history;
}

} // namespace

TEST(FsrsOptimizer, FewerReviewsThanTheMinimumKeepTheDefaults)
{
    const FitReport report = FsrsOptimizer::fit(simulate(FsrsWeights::defaults(), 100, 9));
    EXPECT_EQ(report.reviews, 900u);
    EXPECT_FALSE(report.enoughReviews);
    EXPECT_FALSE(report.better);
    EXPECT_EQ(report.weights, FsrsWeights::defaults());
    EXPECT_EQ(report.heldBackPairs, 20u);
    EXPECT_GT(report.before.predictions, 0u);
}

TEST(FsrsOptimizer, AForgetfulLearnerGetsWeightsThatPredictTheHeldBackPairsBetter)
{
    FsrsWeights truth = FsrsWeights::defaults();
    truth.w[2] = 0.6; // a first Good holds for well under a day instead of about two
    truth.w[8] = 0.8; // and recalls strengthen memory less
    const FitReport report = FsrsOptimizer::fit(simulate(truth, 600, 6));
    EXPECT_TRUE(report.enoughReviews);
    EXPECT_EQ(report.before.predictions, report.after.predictions);
    EXPECT_LT(report.after.logLoss, report.before.logLoss);
    EXPECT_LT(report.after.rmse, report.before.rmse);
    EXPECT_TRUE(report.better);
    EXPECT_TRUE(report.weights.isValid());
    EXPECT_LT(report.weights.w[2], FsrsWeights::defaults().w[2]);
}

TEST(FsrsOptimizer, ProgressIsToldAsTheFitGoesAndCanStopIt)
{
    FsrsWeights truth = FsrsWeights::defaults();
    truth.w[2] = 0.6;
    const std::vector<std::vector<PairReview>> pairs = simulate(truth, 600, 6);
    std::vector<double> shares;
    FsrsOptimizer::Options options;
    options.progress = [&shares](double share) {
        shares.push_back(share);
        return true;
    };
    EXPECT_TRUE(FsrsOptimizer::fit(pairs, FsrsWeights::defaults(), options).better);
    ASSERT_GE(shares.size(), size_t(options.epochs));
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_DOUBLE_EQ(shares.back(), 1.0);

    options.progress = [](double share) { return share < 0.3; };
    const FitReport stopped = FsrsOptimizer::fit(pairs, FsrsWeights::defaults(), options);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.better);
    EXPECT_EQ(stopped.weights, FsrsWeights::defaults());
}
