// Loading, saving and Smart Pick on a 100,000-pair list (bench/benchlist.h), and loading and saving the same
// list in Cyrillic. Load and save each run beside a baseline that only moves the same bytes between memory
// and a file; the targets are 3 times the baseline for both, and under 1 ms for sortByRating(5).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "bench/benchlist.h"
#include "core/flyarchive.h"

using namespace brainlark;

namespace
{

const std::string Stamp = FlyArchive::makeStamp("Wed May  1 12:00:00 2024");

// The list, its bytes and a folder holding them as a file; made once per process, removed at exit.
class Fixture
{
public:
    explicit Fixture(bench::BenchScript script)
        : m_list(bench::makeBenchList(20240501, bench::BenchPairCount, bench::BenchWrongAnswerCount, script))
    {
        char pattern[] = "/tmp/brainlark-bench-core-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        m_folder = pattern;
        m_bytes = FlyArchive::write(m_list, Stamp);
        std::string error;
        if (!FlyArchive::writeFile(listPath(), m_list, Stamp, &error))
            std::abort();
    }
    ~Fixture()
    {
        const std::string command = "rm -rf '" + m_folder + "'";
        if (std::system(command.c_str()) != 0)
            std::abort();
    }
    std::string listPath() const { return m_folder + "/bench.fly"; }
    std::string path(const char* name) const { return m_folder + "/" + name; }
    PairList& list() { return m_list; }
    const std::string& bytes() const { return m_bytes; }

private:
    PairList m_list;
    std::string m_bytes;
    std::string m_folder;
};

Fixture& fixture()
{
    static Fixture instance(bench::BenchScript::Latin);
    return instance;
}

// The same list in Cyrillic: every text in the file's wide form, every text converted on the way in and out.
Fixture& cyrillicFixture()
{
    static Fixture instance(bench::BenchScript::Cyrillic);
    return instance;
}

std::string readPlain(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    ::fstat(fd, &st);
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = ::read(fd, &bytes[used], bytes.size() - used);
        if (n <= 0)
            break;
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    return bytes;
}

void writePlain(const std::string& path, const std::string& bytes, bool sync)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    if (sync)
        ::fsync(fd);
    ::close(fd);
}

void setBytes(benchmark::State& state, Fixture& data = fixture())
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(data.bytes().size()));
}

void loadBaseline(benchmark::State& state, Fixture& data)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlain(data.listPath()));
    setBytes(state, data);
}

void load(benchmark::State& state, Fixture& data)
{
    for (auto _ : state) {
        PairList list;
        if (!FlyArchive::readFile(data.listPath(), list))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list.count());
        // Freeing the loaded list is not part of loading it.
        state.PauseTiming();
        list = PairList();
        state.ResumeTiming();
    }
    setBytes(state, data);
}

void saveBaseline(benchmark::State& state, Fixture& data)
{
    for (auto _ : state)
        writePlain(data.path("plain.fly"), data.bytes(), true);
    setBytes(state, data);
}

void save(benchmark::State& state, Fixture& data)
{
    std::string error;
    for (auto _ : state) {
        if (!FlyArchive::writeFile(data.path("saved.fly"), data.list(), Stamp, &error))
            state.SkipWithError(error.c_str());
    }
    setBytes(state, data);
}

void BM_LoadBaselineReadBytes(benchmark::State& state)
{
    loadBaseline(state, fixture());
}
BENCHMARK(BM_LoadBaselineReadBytes)->Unit(benchmark::kMillisecond);

void BM_LoadList(benchmark::State& state)
{
    load(state, fixture());
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);

void BM_LoadCyrillicBaselineReadBytes(benchmark::State& state)
{
    loadBaseline(state, cyrillicFixture());
}
BENCHMARK(BM_LoadCyrillicBaselineReadBytes)->Unit(benchmark::kMillisecond);

void BM_LoadCyrillicList(benchmark::State& state)
{
    load(state, cyrillicFixture());
}
BENCHMARK(BM_LoadCyrillicList)->Unit(benchmark::kMillisecond);

void BM_ParseFromMemory(benchmark::State& state)
{
    for (auto _ : state) {
        PairList list;
        benchmark::DoNotOptimize(FlyArchive::read(fixture().bytes(), list).ok);
        state.PauseTiming();
        list = PairList();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(BM_ParseFromMemory)->Unit(benchmark::kMillisecond);

// What any reader must at least do: make the same pairs from texts already in one store (no parsing at all).
// Shows how much of BM_ParseFromMemory the data model itself costs.
void BM_BuildPairsOnly(benchmark::State& state)
{
    const bench::StoredTexts texts = bench::storeTexts(fixture().list());
    for (auto _ : state) {
        PairList list;
        bench::buildPairs(texts, list);
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        list = PairList();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(BM_BuildPairsOnly)->Unit(benchmark::kMillisecond);

void BM_SaveBaselineWriteBytes(benchmark::State& state)
{
    for (auto _ : state)
        writePlain(fixture().path("plain.fly"), fixture().bytes(), false);
    setBytes(state);
}
BENCHMARK(BM_SaveBaselineWriteBytes)->Unit(benchmark::kMillisecond);

void BM_SaveBaselineWriteBytesAndSync(benchmark::State& state)
{
    saveBaseline(state, fixture());
}
BENCHMARK(BM_SaveBaselineWriteBytesAndSync)->Unit(benchmark::kMillisecond);

void BM_SaveList(benchmark::State& state)
{
    save(state, fixture());
}
BENCHMARK(BM_SaveList)->Unit(benchmark::kMillisecond);

void BM_SaveCyrillicBaselineWriteBytesAndSync(benchmark::State& state)
{
    saveBaseline(state, cyrillicFixture());
}
BENCHMARK(BM_SaveCyrillicBaselineWriteBytesAndSync)->Unit(benchmark::kMillisecond);

void BM_SaveCyrillicList(benchmark::State& state)
{
    save(state, cyrillicFixture());
}
BENCHMARK(BM_SaveCyrillicList)->Unit(benchmark::kMillisecond);

void BM_SerializeToMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FlyArchive::write(fixture().list(), Stamp));
    setBytes(state);
}
BENCHMARK(BM_SerializeToMemory)->Unit(benchmark::kMillisecond);

void BM_SortByRating5(benchmark::State& state)
{
    PairList& list = fixture().list();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.sortByRating(5).data());
}
BENCHMARK(BM_SortByRating5)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
