#pragma once

// The memory model of FSRS-6, the Free Spaced Repetition Scheduler (version 6), written from the formulas
// the open-spaced-repetition project publishes in "The Algorithm" (the FSRS-6 section of the fsrs4anki
// wiki, github.com/open-spaced-repetition/fsrs4anki/wiki/The-Algorithm). A pair's memory is its difficulty
// D (1 to 10) and stability S (days until the recall chance falls to 90 %); each review with a grade G
// (1 Again, 2 Hard, 3 Good, 4 Easy) after t whole days moves them. The formulas are templates over the
// number type: double schedules, Dual (dual.h) also carries the gradient for the optimizer.

#include <array>
#include <cmath>

#include "quiz/scheduling/dual.h"

namespace brainlark::fsrs
{

constexpr int WeightCount = 21;
constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;
constexpr double MinDifficulty = 1;
constexpr double MaxDifficulty = 10;

template <typename T> using Weights = std::array<T, WeightCount>;

template <typename T> struct State {
    T difficulty{};
    T stability{};
};

/// x limited to [low, high]; at a limit the result no longer depends on the weights.
template <typename T> T bounded(const T& x, double low, double high)
{
    if (valueOf(x) < low)
        return T(low);
    if (valueOf(x) > high)
        return T(high);
    return x;
}

template <typename T> T smaller(const T& a, const T& b)
{
    return valueOf(b) < valueOf(a) ? b : a;
}

/// FACTOR = 0.9^(−1/w20) − 1, so that R(t = S) = 90 % whatever the decay w20.
template <typename T> T curveFactor(const Weights<T>& w)
{
    using std::pow;
    return pow(0.9, -1.0 / w[20]) - 1.0;
}

/// R(t, S) = (1 + FACTOR · t / S)^(−w20): the chance to recall after t days.
template <typename T> T retrievability(const Weights<T>& w, double elapsedDays, const T& stability)
{
    using std::pow;
    return pow(1.0 + curveFactor(w) * elapsedDays / stability, -w[20]);
}

/// S0(G) = w[G−1].
template <typename T> T initialStability(const Weights<T>& w, int grade)
{
    return bounded(w[grade - 1], MinStability, MaxStability);
}

/// D0(G) = w4 − e^(w5·(G−1)) + 1, unbounded (mean reversion aims at the unbounded D0(Easy)).
template <typename T> T initialDifficulty(const Weights<T>& w, int grade)
{
    using std::exp;
    return w[4] - exp(w[5] * double(grade - 1)) + 1.0;
}

/// ΔD = −w6·(G − 3), damped linearly as D nears 10: D' = D + ΔD·(10 − D)/9; then mean reversion towards
/// D0(Easy): D'' = w7·D0(4) + (1 − w7)·D'.
template <typename T> T nextDifficulty(const Weights<T>& w, const T& difficulty, int grade)
{
    const T change = -w[6] * double(grade - 3);
    const T damped = difficulty + change * (10.0 - difficulty) / 9.0;
    const T reverted = w[7] * initialDifficulty(w, 4) + (1.0 - w[7]) * damped;
    return bounded(reverted, MinDifficulty, MaxDifficulty);
}

/// After a recall (G ≥ 2): S' = S·(e^w8 · (11 − D) · S^(−w9) · (e^(w10·(1−R)) − 1) · w15 [Hard] · w16 [Easy]
/// + 1).
template <typename T>
T recallStability(const Weights<T>& w, const T& difficulty, const T& stability, const T& recall, int grade)
{
    using std::exp;
    using std::pow;
    T growth = exp(w[8]) * (11.0 - difficulty) * pow(stability, -w[9]) * (exp(w[10] * (1.0 - recall)) - 1.0);
    if (grade == 2)
        growth = growth * w[15];
    if (grade == 4)
        growth = growth * w[16];
    return bounded(stability * (growth + 1.0), MinStability, MaxStability);
}

/// After a lapse (G = 1): S' = w11 · D^(−w12) · ((S + 1)^w13 − 1) · e^(w14·(1−R)), at most S / e^(w17·w18).
template <typename T>
T forgetStability(const Weights<T>& w, const T& difficulty, const T& stability, const T& recall)
{
    using std::exp;
    using std::pow;
    const T longTerm =
        w[11] * pow(difficulty, -w[12]) * (pow(stability + 1.0, w[13]) - 1.0) * exp(w[14] * (1.0 - recall));
    return bounded(smaller(longTerm, stability / exp(w[17] * w[18])), MinStability, MaxStability);
}

/// A second review on the same day: S' = S · e^(w17·(G − 3 + w18)) · S^(−w19); Good and Easy never lower S.
template <typename T> T shortTermStability(const Weights<T>& w, const T& stability, int grade)
{
    using std::exp;
    using std::pow;
    T increase = exp(w[17] * (double(grade) - 3.0 + w[18])) * pow(stability, -w[19]);
    if (grade >= 3 && valueOf(increase) < 1.0)
        increase = T(1.0);
    return bounded(stability * increase, MinStability, MaxStability);
}

/// The state after a first review.
template <typename T> State<T> firstReview(const Weights<T>& w, int grade)
{
    return {bounded(initialDifficulty(w, grade), MinDifficulty, MaxDifficulty), initialStability(w, grade)};
}

/// The state after a review `elapsedDays` whole days after the previous one (0: the same day).
template <typename T>
State<T> nextReview(const Weights<T>& w, const State<T>& state, int elapsedDays, int grade)
{
    State<T> next;
    if (elapsedDays <= 0) {
        next.stability = shortTermStability(w, state.stability, grade);
    } else {
        const T recall = retrievability(w, double(elapsedDays), state.stability);
        next.stability = grade == 1 ? forgetStability(w, state.difficulty, state.stability, recall)
                                    : recallStability(w, state.difficulty, state.stability, recall, grade);
    }
    next.difficulty = nextDifficulty(w, state.difficulty, grade);
    return next;
}

} // namespace brainlark::fsrs
