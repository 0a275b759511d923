// Replays the vocabulary reader fuzzer's corpus, so the fuzz target's checks run with every test run.
#include "fuzz/fuzz_kvtml.cpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

TEST(FuzzCorpusKvtml, EveryCorpusFileReadsWithinTheRules)
{
    const std::filesystem::path corpus = std::filesystem::path(BRAINLARK_SOURCE_DIR) / "fuzz/corpus/kvtml";
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(kvtmlViolation(bytes), "") << entry.path();
        ++files;
    }
    EXPECT_GE(files, 4u);
}
