// Text import of a 100,000-pair list written as BL text, against the bare cost of reading the same bytes,
// and the BL export of that list (100,000 pairs, 30,000 wrong answers).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "bench/benchlist.h"
#include "core/textexport.h"
#include "core/textimport.h"
#include "core/wordlist.h"

namespace
{

using brainlark::TextExport;
using brainlark::TextImport;
using brainlark::Word;
using brainlark::WordList;

constexpr int PairCount = 100000;
constexpr int WrongAnswerCount = 30000;

std::string randomWord(std::mt19937& random)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz\xE1\xE9\xED\xF1\xF3\xFA";
    std::string word(4 + random() % 9, ' ');
    for (char& c : word)
        c = letters[random() % (sizeof letters - 1)];
    return word;
}

// A seeded list: unique questions of one to three words, answers of one or two, wrong answers spread over
// random pairs.
WordList makeList()
{
    std::mt19937 random(20240601);
    WordList list;
    for (int i = 0; i < PairCount; ++i) {
        std::string question = randomWord(random) + " " + std::to_string(i);
        if (random() % 2)
            question += " " + randomWord(random);
        std::string answer = randomWord(random);
        if (random() % 3 == 0)
            answer += " " + randomWord(random);
        list.pairs().emplace_back(std::move(question), std::move(answer));
    }
    for (int i = 0; i < WrongAnswerCount; ++i) {
        Word wrong(list.pairs()[random() % PairCount].question(), randomWord(random));
        wrong.setKind(Word::WrongAnswer);
        list.wrongAnswers().push_back(std::move(wrong));
    }
    return list;
}

const WordList& benchList()
{
    static const WordList list = makeList();
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
        WordList list;
        benchmark::DoNotOptimize(list.ImportText(file));
        state.SetBytesProcessed(state.bytes_processed() + size);
        state.PauseTiming(); // freeing 130,000 words is not part of the import
        list = WordList();
        state.ResumeTiming();
    }
    state.counters["pairs"] = PairCount;
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond);

void BM_ImportFromMemory(benchmark::State& state)
{
    const std::string bytes = readFile(benchFile());
    for (auto _ : state) {
        WordList list;
        benchmark::DoNotOptimize(TextImport::importText(list, bytes));
        state.PauseTiming();
        list = WordList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportFromMemory)->Unit(benchmark::kMillisecond);

// What any import must at least do: make the same 130,000 pairs from texts already in one store. Shows what
// the data model itself costs.
void BM_BuildWordsOnly(benchmark::State& state)
{
    const brainlark::bench::StoredTexts texts = brainlark::bench::storeTexts(benchList());
    for (auto _ : state) {
        WordList list;
        brainlark::bench::buildWords(texts, list);
        benchmark::DoNotOptimize(list.GetCount());
        state.PauseTiming();
        list = WordList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildWordsOnly)->Unit(benchmark::kMillisecond);

void BM_ExportBlText(benchmark::State& state)
{
    const WordList& list = benchList();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextExport::blText(list).size());
}
BENCHMARK(BM_ExportBlText)->Unit(benchmark::kMillisecond);

void BM_ExportQuestionSheet(benchmark::State& state)
{
    const WordList& list = benchList();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextExport::questionSheet(list, "Bench").size());
}
BENCHMARK(BM_ExportQuestionSheet)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
