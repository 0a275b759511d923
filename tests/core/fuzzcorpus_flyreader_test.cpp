// Replays the list reader's fuzz corpus through the fuzz target's own check, so CTest covers it without
// libFuzzer.
// Renamed so that several replayed fuzz targets can share one test program.
#define LLVMFuzzerTestOneInput flyReaderFuzzOneInput
#include "fuzz/fuzz_flyreader.cpp"
#undef LLVMFuzzerTestOneInput

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace
{

std::vector<std::string> corpusFiles()
{
    const std::string folder = std::string(BRAINLARK_SOURCE_DIR) + "/fuzz/corpus/flyreader";
    std::vector<std::string> files;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] != '.')
                files.push_back(folder + "/" + e->d_name);
        }
        closedir(d);
    }
    return files;
}

TEST(FuzzCorpusFlyReader, EveryCorpusFileIsRefusedCleanlyOrRoundTrips)
{
    const std::vector<std::string> files = corpusFiles();
    ASSERT_GE(files.size(), 5u);
    size_t accepted = 0;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(checkFlyRoundTrip(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
            << file;
        brainlark::PairList list;
        accepted += brainlark::FlyArchive::read(bytes, list).ok ? 1 : 0;
    }
    // The corpus holds both kinds, so both paths of the check run.
    EXPECT_GT(accepted, 0u);
    EXPECT_LT(accepted, files.size());
}

} // namespace
