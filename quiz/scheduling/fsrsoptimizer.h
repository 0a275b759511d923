#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "quiz/scheduling/fsrsweights.h"
#include "quiz/scheduling/reviewgrade.h"

namespace brainlark
{

/// One review of a pair: its day number and grade.
struct PairReview {
    int64_t day = 0;
    ReviewGrade grade = ReviewGrade::Good;
};

/// How well weights predict recall on a set of reviews: every review a day or more after the pair's previous
/// one is a prediction of its recall chance, right when the grade is Hard, Good or Easy.
struct PredictionScore {
    size_t predictions = 0;
    double logLoss = 0; ///< −mean(y·ln R + (1 − y)·ln(1 − R))
    double rmse = 0;    ///< √mean((R − y)²)
};

/// What fitting the weights to a learner's history found.
struct FitReport {
    size_t reviews = 0;       ///< all reviews given
    size_t trainPairs = 0;    ///< pairs the weights were fitted on
    size_t heldBackPairs = 0; ///< pairs kept aside to judge the fit
    PredictionScore before;   ///< the starting weights on the held-back pairs
    PredictionScore after;    ///< the fitted weights on the held-back pairs
    FsrsWeights weights;      ///< the fitted weights (within the published bounds)
    bool enoughReviews = false;
    bool cancelled = false; ///< the progress callback stopped the fit; the weights are the starting ones
    /// The fitted weights predict the held-back pairs better (lower log-loss) than the starting ones; only
    /// then are they worth using.
    bool better = false;
};

/// Fits the 21 FSRS-6 weights to a learner's own reviews: gradient descent (Adam, on mini-batches) on the
/// log-loss of the predicted recall, the gradient from the model's own formulas through forward-mode
/// differentiation (Dual), each step kept within the published parameter bounds. Every fifth pair is held
/// back and only judges the result.
class FsrsOptimizer
{
public:
    /// Fewer reviews than this give too little to fit 21 weights; the defaults stay.
    static constexpr size_t MinReviews = 1000;
    static constexpr int HeldBackEvery = 5;

    struct Options {
        int epochs = 5;
        size_t batchPredictions = 512;
        double learningRate = 0.04;
        /// Told the share done (0 to 1) after every step; returning false stops the fit.
        std::function<bool(double share)> progress;
    };

    /// `pairs` holds each pair's reviews in the order given (their days ascending).
    static FitReport fit(const std::vector<std::vector<PairReview>>& pairs,
                         const FsrsWeights& start = FsrsWeights::defaults());
    static FitReport fit(const std::vector<std::vector<PairReview>>& pairs, const FsrsWeights& start,
                         const Options& options);
    /// The score of weights on the given pairs.
    static PredictionScore score(const std::vector<std::vector<PairReview>>& pairs,
                                 const FsrsWeights& weights);
};

} // namespace brainlark
