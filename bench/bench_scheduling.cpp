// Spaced repetition: one review through the FSRS-6 scheduler (target: under 1 µs, measured a thousand at a
// time) and the optimizer fitting the 21 weights to 100,000 reviews of 10,000 pairs (target: under 10 s).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "quiz/scheduling/fsrsoptimizer.h"
#include "quiz/scheduling/fsrsscheduler.h"

using namespace brainlark;

namespace
{

// A thousand reviews per iteration, so that the target (1 µs a step) reads as 1 ms.
void BM_ScheduleThousandSteps(benchmark::State& state)
{
    const FsrsScheduler scheduler;
    PairSchedule schedule = scheduler.review({}, 0, ReviewGrade::Good).schedule;
    int grade = 1;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const ReviewStep step =
                scheduler.review(schedule, schedule.dueDay, static_cast<ReviewGrade>(grade));
            benchmark::DoNotOptimize(step);
            // Keep the memory within a realistic range: start afresh now and then.
            schedule = step.schedule.reviews > 20
                           ? scheduler.review({}, schedule.dueDay, ReviewGrade::Good).schedule
                           : step.schedule;
            grade = grade % 4 + 1;
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 1000);
}
BENCHMARK(BM_ScheduleThousandSteps)->Unit(benchmark::kMicrosecond);

std::vector<std::vector<PairReview>> reviewHistory()
{
    std::mt19937 random(42);
    std::vector<std::vector<PairReview>> pairs(10000);
    for (std::vector<PairReview>& reviews : pairs) {
        int64_t day = 0;
        for (int i = 0; i < 10; ++i) {
            reviews.push_back({day, random() % 5 == 0 ? ReviewGrade::Again : ReviewGrade::Good});
            day += 1 + int(random() % 15);
        }
    }
    return pairs;
}

void BM_Optimize100k(benchmark::State& state)
{
    static const std::vector<std::vector<PairReview>> pairs = reviewHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(FsrsOptimizer::fit(pairs));
    state.SetItemsProcessed(int64_t(state.iterations()) * 100000);
}
BENCHMARK(BM_Optimize100k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
