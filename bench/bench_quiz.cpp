// Building one quiz question on a 100,000-pair list, for every selection mode × answer mode × quiz mode
// (Multiple-choice, True/False, Type-in). Target: under 1 ms per question. Every sixth pair has no predefined
// wrong answer and the others 1-5, so both ways of filling the choices are exercised. The "Scan" variant
// builds Predefined questions without the session's wrong-answer index, for comparison.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/clock.h"
#include "core/randomsource.h"
#include "core/pairlist.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/engine/quizsession.h"
#include "quiz/engine/wronganswerindex.h"

using namespace brainlark;

namespace
{

constexpr int PairCount = 100000;

std::unique_ptr<PairList> makeList()
{
    auto list = std::make_unique<PairList>();
    SeededRandom random(2024);
    list->pairs().reserve(PairCount);
    for (int i = 0; i < PairCount; ++i) {
        Pair pair("question number " + std::to_string(i), "the answer to question " + std::to_string(i));
        pair.setRating(static_cast<float>(random.below(1000)) / 100.0f);
        list->pairs().push_back(pair);
        for (int k = 0; k < i % 6; ++k) {
            Pair wrong(pair.question(), "wrong answer " + std::to_string(k) + " to " + std::to_string(i));
            wrong.setKind(Pair::WrongAnswer);
            list->wrongAnswers().push_back(wrong);
        }
    }
    return list;
}

PairList& sharedList()
{
    static const std::unique_ptr<PairList> list = makeList();
    return *list;
}

const char* const kSelection[] = {"SmartPick", "Sequential", "Random"};
const char* const kAnswers[] = {"RandomAnswers", "Predefined"};
const char* const kModes[] = {"MultipleChoice", "TrueFalse", "TypeIn"};

void BM_NewQuestion(benchmark::State& state)
{
    const auto selection = static_cast<SelectionMode>(state.range(0));
    const auto answers = static_cast<AnswerMode>(state.range(1));
    const auto mode = static_cast<QuizMode>(state.range(2));
    state.SetLabel(std::string(kSelection[state.range(0)]) + "/" + kAnswers[state.range(1)] + "/" +
                   kModes[state.range(2)]);
    PairList& list = sharedList();
    SeededRandom random(7);
    SystemClock clock;
    QuizSession session(list, random, clock);
    session.newQuestion(selection, answers, mode); // builds the wrong-answer index once, outside the timing
    for (auto _ : state) {
        const QuizQuestion& q = session.newQuestion(selection, answers, mode);
        benchmark::DoNotOptimize(q.choices().data());
    }
}

void BM_PredefinedScan(benchmark::State& state)
{
    const auto mode = static_cast<QuizMode>(state.range(0));
    state.SetLabel(std::string("Sequential/Predefined/") + kModes[state.range(0)] + " without index");
    PairList& list = sharedList();
    SeededRandom random(7);
    SystemClock clock;
    QuestionRequest request;
    request.selection = SelectionMode::Sequential;
    request.answers = AnswerMode::Predefined;
    request.mode = mode;
    for (auto _ : state) {
        const QuizQuestion q = QuizQuestion::build(list, request, random, clock);
        benchmark::DoNotOptimize(q.choices().data());
    }
}

// Smart Pick's share: the list's own walk over every pair for the five lowest ratings.
void BM_SortByRating(benchmark::State& state)
{
    PairList& list = sharedList();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.sortByRating(QuizQuestion::SmartPickCandidates).data());
}

void BM_WrongAnswerIndexBuild(benchmark::State& state)
{
    PairList& list = sharedList();
    for (auto _ : state) {
        WrongAnswerIndex index;
        benchmark::DoNotOptimize(index.lookup(list, "question number 5").size());
    }
    state.SetLabel(std::to_string(list.wrongAnswers().size()) + " wrong answers");
}

} // namespace

BENCHMARK(BM_NewQuestion)->ArgsProduct({{0, 1, 2}, {0, 1}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PredefinedScan)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByRating)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrongAnswerIndexBuild)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
