// Text import of a 100,000-pair list written as BL text, against the bare cost of reading the same bytes,
// and the BL export of that list (100,000 pairs, 30,000 wrong answers).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "bench/benchlist.h"
#include "core/importreader.h"
#include "core/pairlist.h"
#include "core/textexport.h"
#include "core/textimport.h"

namespace
{

using brainlark::Pair;
using brainlark::PairList;
using brainlark::TextExport;
using brainlark::TextImport;

constexpr int PairCount = 100000;
constexpr int WrongAnswerCount = 30000;

std::string randomPair(std::mt19937& random)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz\xE1\xE9\xED\xF1\xF3\xFA";
    std::string word(4 + random() % 9, ' ');
    for (char& c : word)
        c = letters[random() % (sizeof letters - 1)];
    return word;
}

// A seeded list: unique questions of one to three words, answers of one or two, wrong answers spread over
// random pairs.
PairList makeList()
{
    std::mt19937 random(20240601);
    PairList list;
    for (int i = 0; i < PairCount; ++i) {
        std::string question = randomPair(random) + " " + std::to_string(i);
        if (random() % 2)
            question += " " + randomPair(random);
        std::string answer = randomPair(random);
        if (random() % 3 == 0)
            answer += " " + randomPair(random);
        list.pairs().emplace_back(std::move(question), std::move(answer));
    }
    for (int i = 0; i < WrongAnswerCount; ++i) {
        Pair wrong(list.pairs()[random() % PairCount].question(), randomPair(random));
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(std::move(wrong));
    }
    return list;
}

const PairList& benchList()
{
    static const PairList list = makeList();
    return list;
}

// The BL export of the list, written once as a file with CR LF line ends and removed at exit.
struct BenchFile {
    BenchFile()
        : path((std::filesystem::temp_directory_path() /
                ("brainlark-bench-import-" + std::to_string(::getpid()) + ".txt"))
                   .string())
    {
        TextExport::writeText(path, TextExport::blText(benchList()), nullptr);
    }
    ~BenchFile() { std::filesystem::remove(path); }
    std::string path;
};

const std::string& benchFile()
{
    static const BenchFile file;
    return file.path;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void BM_ReadBytes(benchmark::State& state)
{
    const std::string& file = benchFile();
    for (auto _ : state) {
        std::string bytes = readFile(file);
        benchmark::DoNotOptimize(bytes.data());
        state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(bytes.size()));
    }
}
BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond);

// Reading the same file line by line with getline, touching every line: the cost of a plain line reader.
void BM_ReadLines(benchmark::State& state)
{
    const std::string& file = benchFile();
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        std::string line;
        size_t total = 0;
        while (std::getline(in, line))
            total += line.size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_ImportFile(benchmark::State& state)
{
    const std::string& file = benchFile();
    const auto size = static_cast<int64_t>(std::filesystem::file_size(file));
    for (auto _ : state) {
        PairList list;
        benchmark::DoNotOptimize(list.importText(file));
        state.SetBytesProcessed(state.bytes_processed() + size);
        state.PauseTiming(); // freeing 130,000 words is not part of the import
        list = PairList();
        state.ResumeTiming();
    }
    state.counters["pairs"] = PairCount;
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond);

void BM_ImportFromMemory(benchmark::State& state)
{
    const std::string bytes = readFile(benchFile());
    for (auto _ : state) {
        PairList list;
        benchmark::DoNotOptimize(TextImport::importText(list, bytes));
        state.PauseTiming();
        list = PairList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportFromMemory)->Unit(benchmark::kMillisecond);

// What any import must at least do: make the same 130,000 pairs from texts already in one store. Shows what
// the data model itself costs.
void BM_BuildPairsOnly(benchmark::State& state)
{
    const brainlark::bench::StoredTexts texts = brainlark::bench::storeTexts(benchList());
    for (auto _ : state) {
        PairList list;
        brainlark::bench::buildPairs(texts, list);
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        list = PairList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildPairsOnly)->Unit(benchmark::kMillisecond);

void BM_ExportBlText(benchmark::State& state)
{
    const PairList& list = benchList();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextExport::blText(list).size());
}
BENCHMARK(BM_ExportBlText)->Unit(benchmark::kMillisecond);

void BM_ExportQuestionSheet(benchmark::State& state)
{
    const PairList& list = benchList();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextExport::questionSheet(list, "Bench").size());
}
BENCHMARK(BM_ExportQuestionSheet)->Unit(benchmark::kMillisecond);

// The import reader on hostile texts of 3 MB: one '@' line of Spanish shorthands, and lines that are no
// pairs at all. Both must take time in proportion to their length.
void BM_ReadHostileText(benchmark::State& state)
{
    std::string text;
    if (state.range(0) == 0) {
        while (text.size() < 3000000)
            text += "n~a''";
        text += " @ x\n";
    } else {
        while (text.size() < 3000000)
            text += "a\n";
    }
    const brainlark::ImportOptions options{brainlark::ImportEncoding::Utf8,
                                           state.range(0) == 0 ? brainlark::ImportFormat::At
                                                               : brainlark::ImportFormat::Tsv,
                                           state.range(0) == 0 ? '@' : '\t'};
    for (auto _ : state)
        benchmark::DoNotOptimize(brainlark::ImportReader::read(text, options).skippedCount);
}
BENCHMARK(BM_ReadHostileText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
