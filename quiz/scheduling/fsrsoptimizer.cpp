#include "quiz/scheduling/fsrsoptimizer.h"

#include <algorithm>
#include <cmath>

#include "quiz/scheduling/dual.h"
#include "quiz/scheduling/fsrsmodel.h"

namespace brainlark
{

namespace
{

using Grad = Dual<fsrs::WeightCount>;

// Predictions too sure of themselves would make the loss infinite.
constexpr double Epsilon = 1e-6;

template <typename T> T clampedRecall(const T& r)
{
    return fsrs::bounded(r, Epsilon, 1.0 - Epsilon);
}

// Runs one pair's reviews through the model, handing each prediction (recall chance, recalled) to `use`.
template <typename T, typename Use>
void predict(const fsrs::Weights<T>& w, const std::vector<PairReview>& reviews, Use&& use)
{
    if (reviews.empty())
        return;
    fsrs::State<T> state = fsrs::firstReview(w, static_cast<int>(reviews[0].grade));
    for (size_t i = 1; i < reviews.size(); ++i) {
        const int64_t elapsed = std::max<int64_t>(0, reviews[i].day - reviews[i - 1].day);
        const int grade = static_cast<int>(reviews[i].grade);
        if (elapsed > 0)
            use(clampedRecall(fsrs::retrievability(w, double(elapsed), state.stability)), grade > 1);
        state = fsrs::nextReview(w, state, int(std::min<int64_t>(elapsed, 1000000)), grade);
    }
}

} // namespace

PredictionScore FsrsOptimizer::score(const std::vector<std::vector<PairReview>>& pairs,
                                     const FsrsWeights& weights)
{
    PredictionScore score;
    double loss = 0;
    double squares = 0;
    for (const std::vector<PairReview>& reviews : pairs) {
        predict(weights.w, reviews, [&](double r, bool recalled) {
            ++score.predictions;
            loss -= recalled ? std::log(r) : std::log(1.0 - r);
            squares += (r - (recalled ? 1.0 : 0.0)) * (r - (recalled ? 1.0 : 0.0));
        });
    }
    if (score.predictions > 0) {
        score.logLoss = loss / double(score.predictions);
        score.rmse = std::sqrt(squares / double(score.predictions));
    }
    return score;
}

FitReport FsrsOptimizer::fit(const std::vector<std::vector<PairReview>>& pairs, const FsrsWeights& start)
{
    return fit(pairs, start, Options());
}

FitReport FsrsOptimizer::fit(const std::vector<std::vector<PairReview>>& pairs, const FsrsWeights& start,
                             const Options& options)
{
    FitReport report;
    report.weights = start.bounded();
    std::vector<std::vector<PairReview>> train;
    std::vector<std::vector<PairReview>> heldBack;
    for (size_t i = 0; i < pairs.size(); ++i) {
        report.reviews += pairs[i].size();
        (i % HeldBackEvery == HeldBackEvery - 1 ? heldBack : train).push_back(pairs[i]);
    }
    report.trainPairs = train.size();
    report.heldBackPairs = heldBack.size();
    report.before = score(heldBack, report.weights);
    report.after = report.before;
    report.enoughReviews = report.reviews >= MinReviews;
    if (!report.enoughReviews || train.empty())
        return report;

    // Adam: each weight moves by its gradient's running mean over the running root mean square.
    constexpr double Beta1 = 0.9;
    constexpr double Beta2 = 0.999;
    std::array<double, fsrs::WeightCount> mean{};
    std::array<double, fsrs::WeightCount> square{};
    int steps = 0;
    FsrsWeights current = report.weights;
    const auto& bounds = FsrsWeights::bounds();
    const auto step = [&](const std::array<double, fsrs::WeightCount>& gradient, size_t count) {
        ++steps;
        for (int i = 0; i < fsrs::WeightCount; ++i) {
            const double g = gradient[size_t(i)] / double(count);
            mean[size_t(i)] = Beta1 * mean[size_t(i)] + (1 - Beta1) * g;
            square[size_t(i)] = Beta2 * square[size_t(i)] + (1 - Beta2) * g * g;
            const double m = mean[size_t(i)] / (1 - std::pow(Beta1, steps));
            const double v = square[size_t(i)] / (1 - std::pow(Beta2, steps));
            const double moved = current.w[size_t(i)] - options.learningRate * m / (std::sqrt(v) + 1e-8);
            current.w[size_t(i)] = std::clamp(moved, bounds[size_t(i)].first, bounds[size_t(i)].second);
        }
    };
    const auto goOn = [&](int epoch, size_t pairsDone) {
        const double share = (epoch + double(pairsDone) / double(train.size())) / options.epochs;
        return !options.progress || options.progress(share);
    };
    for (int epoch = 0; epoch < options.epochs; ++epoch) {
        fsrs::Weights<Grad> w;
        const auto refresh = [&] {
            for (int i = 0; i < fsrs::WeightCount; ++i)
                w[size_t(i)] = Grad::variable(current.w[size_t(i)], i);
        };
        refresh();
        std::array<double, fsrs::WeightCount> gradient{};
        size_t count = 0;
        for (size_t pair = 0; pair < train.size(); ++pair) {
            predict(w, train[pair], [&](const Grad& r, bool recalled) {
                const Grad loss = recalled ? -log(r) : -log(1.0 - r);
                for (int i = 0; i < fsrs::WeightCount; ++i)
                    gradient[size_t(i)] += loss.slope[size_t(i)];
                ++count;
            });
            if (count >= options.batchPredictions) {
                step(gradient, count);
                gradient.fill(0);
                count = 0;
                refresh();
                if (!goOn(epoch, pair + 1)) {
                    report.cancelled = true;
                    return report;
                }
            }
        }
        if (count > 0)
            step(gradient, count);
        if (!goOn(epoch + 1, 0)) {
            report.cancelled = true;
            return report;
        }
    }
    report.weights = current;
    report.after = score(heldBack, current);
    report.better = report.after.predictions > 0 && report.after.logLoss < report.before.logLoss;
    return report;
}

} // namespace brainlark
