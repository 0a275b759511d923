// Catalogue rebuild over 1,000 lists of 200 pairs, against a baseline that only reads the same files.
// The rebuild must parse every file completely to reach the subject near its end; the target is to stay
// within twice the baseline.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/flyarchive.h"
#include "core/subjectlist.h"

namespace fs = std::filesystem;
using namespace brainlark;

namespace
{

constexpr int ListCount = 1000;
constexpr int PairsPerList = 200;

PairList makeList(int number)
{
    PairList list;
    for (int i = 0; i < PairsPerList; ++i) {
        Pair pair("question " + std::to_string(number) + "-" + std::to_string(i),
                  "the answer to question number " + std::to_string(i));
        pair.addRight(i % 7);
        pair.addWrong(i % 3);
        pair.setRating(static_cast<float>(i % 11));
        list.pairs().push_back(pair);
    }
    for (int i = 0; i < 10; ++i) {
        Pair wrong("question " + std::to_string(number) + "-" + std::to_string(i), "a wrong answer");
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(wrong);
    }
    list.setNotes("Generated for the catalogue benchmark.");
    list.setSubject("Subject " + std::to_string(number % 25));
    return list;
}

// Writes the lists once per process; removed at exit.
class Fixture
{
public:
    Fixture() : m_folder(fs::temp_directory_path() / ("brainlark-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_folder);
        for (int n = 0; n < ListCount; ++n) {
            PairList list = makeList(n);
            std::ofstream(m_folder / ("List " + std::to_string(n) + ".fly"), std::ios::binary)
                << FlyArchive::write(list, FlyArchive::makeStamp("Mon Jan  1 00:00:00 2024"));
        }
    }
    ~Fixture() { fs::remove_all(m_folder); }
    std::string folder() const { return m_folder.string(); }

private:
    fs::path m_folder;
};

const Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The same enumeration and one open/fstat/read per file, as lean as a read can be, without parsing.
void BM_ReadBytesOnly(benchmark::State& state)
{
    const std::string folder = fixture().folder();
    std::string buffer;
    for (auto _ : state) {
        size_t bytes = 0;
        for (const SubjectList::ListFile& file : SubjectList::listFiles(folder)) {
            const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
            struct stat st {
            };
            ::fstat(fd, &st);
            buffer.resize(static_cast<size_t>(st.st_size));
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            ::close(fd);
            buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
            bytes += buffer.size();
        }
        benchmark::DoNotOptimize(bytes);
        state.counters["bytes"] = static_cast<double>(bytes);
    }
}
BENCHMARK(BM_ReadBytesOnly)->Unit(benchmark::kMillisecond);

void BM_RebuildCatalogue(benchmark::State& state)
{
    const std::string folder = fixture().folder();
    for (auto _ : state) {
        SubjectList catalogue;
        catalogue.rebuildCatalogue(folder);
        benchmark::DoNotOptimize(catalogue.subjectCount());
        if (catalogue.subjectCount() != 27)
            state.SkipWithError("catalogue incomplete");
    }
}
BENCHMARK(BM_RebuildCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
