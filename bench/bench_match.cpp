// A matching round on the 100,000-pair list (bench/benchlist.h): a 10-row Smart Pick board draws 10 of the
// 20 lowest-rated pairs and shuffles their answers. Target: under 0.1 ms per board. The game keeps the
// pairs in rating order and re-sorts only the pairs each judged round changed; "ByWalk" builds the board
// from the list's own walk over every pair, for comparison, and "RatingOrderBuild" is the one-off cost of
// the order on the first round.
#include <benchmark/benchmark.h>

#include "bench/benchlist.h"
#include "core/randomsource.h"
#include "quiz/engine/matchboard.h"
#include "quiz/engine/matchgame.h"
#include "quiz/engine/ratingorder.h"

using namespace brainlark;

namespace
{

constexpr int Rows = 10;

PairList& sharedList()
{
    static PairList list = bench::makeBenchList();
    return list;
}

void BM_SmartPickBoard(benchmark::State& state)
{
    PairList& list = sharedList();
    SeededRandom random(7);
    RatingOrder ratings;
    ratings.lowest(list, 2 * Rows); // the first round's sort, outside the timing
    for (auto _ : state) {
        const MatchBoard board = MatchBoard::build(list, Rows, SelectionMode::SmartPick, random, &ratings);
        benchmark::DoNotOptimize(board.answerOrder().data());
    }
}

// A whole round as the learner plays it: the board, all boxes connected, judged (ten ratings change).
void BM_SmartPickRound(benchmark::State& state)
{
    PairList list = bench::makeBenchList();
    SeededRandom random(7);
    RatingOrder ratings;
    ratings.lowest(list, 2 * Rows);
    MatchGame game;
    for (auto _ : state) {
        game.newRound(MatchBoard::build(list, Rows, SelectionMode::SmartPick, random, &ratings));
        for (int row = 0; row < game.rows(); ++row)
            game.connect({MatchBox::Questions, row}, {MatchBox::Answers, row});
        benchmark::DoNotOptimize(game.pressTry(list, AppFlags(), &ratings));
        game.release();
    }
}

void BM_SmartPickBoardByWalk(benchmark::State& state)
{
    PairList& list = sharedList();
    SeededRandom random(7);
    for (auto _ : state) {
        const MatchBoard board = MatchBoard::build(list, Rows, SelectionMode::SmartPick, random);
        benchmark::DoNotOptimize(board.answerOrder().data());
    }
}

void BM_RatingOrderBuild(benchmark::State& state)
{
    PairList& list = sharedList();
    for (auto _ : state) {
        RatingOrder ratings;
        benchmark::DoNotOptimize(ratings.lowest(list, 2 * Rows).data());
    }
}

} // namespace

BENCHMARK(BM_SmartPickBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmartPickRound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmartPickBoardByWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RatingOrderBuild)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
