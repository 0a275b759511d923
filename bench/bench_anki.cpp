// Import of a deck package of 100,000 notes in the newest form (zstd-compressed collection): unpacking,
// reading the notes, turning their HTML into text, with a progress callback as the wizard gives one.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "interchange/ankipackage.h"
#include "interchange/support/ankimaker.h"

namespace
{

using namespace brainlark;

constexpr int NoteCount = 100000;

const std::string& packagePath()
{
    static QTemporaryDir folder;
    static const std::string path = [] {
        ankimaker::AnkiCollection collection;
        collection.decks = {{1, "Default"}, {2, "Words"}, {3, "Words::Verbs"}};
        collection.notes.reserve(NoteCount);
        for (int i = 0; i < NoteCount; ++i)
            collection.notes.push_back({{"<b>word " + std::to_string(i) + "</b>",
                                         "answer&nbsp;" + std::to_string(i) + "<br><i>more</i>"},
                                        1 + i % 3});
        return ankimaker::makePackage(folder.path().toStdString(), "long.apkg", collection,
                                      ankimaker::AnkiForm::Newest);
    }();
    return path;
}

void BM_ImportAnkiPackage(benchmark::State& state)
{
    const std::string& path = packagePath();
    for (auto _ : state) {
        uint64_t calls = 0;
        ImportResult result;
        std::string error;
        const bool ok = AnkiPackage::importFile(
            path, {}, result, [&](uint64_t, uint64_t) { return ++calls > 0; }, &error);
        if (!ok || result.pairs.size() != size_t(NoteCount)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * NoteCount);
}
BENCHMARK(BM_ImportAnkiPackage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
