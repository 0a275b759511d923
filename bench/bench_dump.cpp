// Peak memory of `brainlark-cli dump` on a list of 1,000,000 short pairs (about 33 MB). Short pairs are the
// hard case: a pair held in memory is larger than its bytes in the file. The dump runs as a child process;
// its peak is the maximum resident set size the kernel reports when it ends (wait4), which also counts the
// pages it shared with this process before exec (a few megabytes): a slight overestimate. Target: at most
// 3 times the file's size.
//
// Peak memory of `brainlark-cli import-text`: on 1,000,000 tiny lines, at most 3 times the peak of checking
// the list it writes (the memory of the pairs kept); on a 1 GB file of NUL bytes (no pair at all), at most
// 64 MB.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/flyarchive.h"

using namespace brainlark;

namespace
{

constexpr int PairCount = 1000000;

// The list file, made once per process and removed at exit.
class ListFile
{
public:
    ListFile()
    {
        char pattern[] = "/tmp/brainlark-bench-dump-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        m_folder = pattern;
        // Made by a child of its own: a forked process starts with its parent's resident pages, and the
        // kernel counts them in the dump's peak although exec drops them at once. Building the list here
        // would add it to every measurement.
        const pid_t child = ::fork();
        if (child == 0) {
            PairList list;
            list.pairs().reserve(PairCount);
            for (int i = 0; i < PairCount; ++i)
                list.pairs().emplace_back("q" + std::to_string(i % 1000), "a");
            ::_exit(FlyArchive::writeFile(path(), list, "bench", nullptr) ? 0 : 1);
        }
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            std::abort();
        struct stat st;
        if (::stat(path().c_str(), &st) != 0)
            std::abort();
        m_size = static_cast<double>(st.st_size);
    }
    ~ListFile()
    {
        ::unlink(path().c_str());
        ::rmdir(m_folder.c_str());
    }
    std::string path() const { return m_folder + "/short pairs.fly"; }
    double size() const { return m_size; }

private:
    std::string m_folder;
    double m_size = 0;
};

// Runs the dump with its output drained through a pipe; returns the child's peak resident set in bytes, or
// -1 when it failed.
double dumpPeakBytes(const std::string& list, size_t& printed)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execl(BRAINLARK_CLI, "brainlark-cli", "dump", list.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    static char buffer[1 << 16];
    printed = 0;
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            printed += static_cast<size_t>(n);
    }
    ::close(pipeEnds[0]);
    int status = 0;
    struct rusage usage {
    };
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) * 1024.0; // Linux reports kilobytes
}

void BM_DumpPeakMemory(benchmark::State& state)
{
    static ListFile file;
    double peak = 0;
    size_t printed = 0;
    for (auto _ : state) {
        peak = dumpPeakBytes(file.path(), printed);
        if (peak < 0) {
            state.SkipWithError("brainlark-cli dump failed");
            return;
        }
    }
    state.counters["file_MB"] = file.size() / 1e6;
    state.counters["json_MB"] = static_cast<double>(printed) / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file_size"] = peak / file.size();
}
BENCHMARK(BM_DumpPeakMemory)->Unit(benchmark::kMillisecond);

// Runs brainlark-cli with the arguments, its output dropped; returns its peak resident set in bytes, or -1
// when it did not end with `expectedStatus`.
double cliPeakBytes(std::vector<std::string> args, int expectedStatus)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>("brainlark-cli")};
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(BRAINLARK_CLI, argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {
    };
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != expectedStatus)
        return -1;
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// A folder of its own, removed with what it holds at exit.
class Folder
{
public:
    Folder()
    {
        char pattern[] = "/tmp/brainlark-bench-import-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~Folder()
    {
        for (const std::string& name : m_files)
            ::unlink((m_path + "/" + name).c_str());
        ::rmdir(m_path.c_str());
    }
    std::string file(const std::string& name)
    {
        m_files.push_back(name);
        return m_path + "/" + name;
    }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

void BM_ImportPeakMemory(benchmark::State& state)
{
    static Folder folder;
    static const std::string text = [] {
        const std::string path = folder.file("tiny lines.txt");
        FILE* f = std::fopen(path.c_str(), "w");
        for (int i = 0; f && i < PairCount; ++i)
            std::fprintf(f, "q%d\ta\n", i);
        if (!f || std::fclose(f) != 0)
            std::abort();
        return path;
    }();
    static const std::string list = folder.file("tiny lines.fly");
    double peak = 0;
    for (auto _ : state) {
        peak = cliPeakBytes({"import-text", text, list}, 0);
        if (peak < 0) {
            state.SkipWithError("brainlark-cli import-text failed");
            return;
        }
    }
    const double kept = cliPeakBytes({"check", list}, 0);
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["list_peak_MB"] = kept / 1e6;
    state.counters["peak_per_list_peak"] = peak / kept;
}
BENCHMARK(BM_ImportPeakMemory)->Unit(benchmark::kMillisecond);

void BM_ImportNothingPeakMemory(benchmark::State& state)
{
    static Folder folder;
    static const std::string text = [] {
        const std::string path = folder.file("zeros.txt");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || ::ftruncate(fd, off_t(1) << 30) != 0)
            std::abort();
        ::close(fd);
        return path;
    }();
    static const std::string list = folder.file("zeros.fly");
    double peak = 0;
    for (auto _ : state) {
        peak = cliPeakBytes({"import-text", text, list}, 2); // no pair: refused
        if (peak < 0) {
            state.SkipWithError("brainlark-cli import-text did not refuse the file");
            return;
        }
    }
    state.counters["peak_MB"] = peak / 1e6;
}
BENCHMARK(BM_ImportNothingPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
