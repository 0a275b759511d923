// Replays the deck package fields fuzzer's corpus, so the fuzz target's checks run with every test run.
// Its entry point is renamed: this test program holds another fuzz target's too.
#define LLVMFuzzerTestOneInput fuzzAnkiFieldsEntry
#include "fuzz/fuzz_ankifields.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

TEST(FuzzCorpusAnkiFields, EveryCorpusFileReadsWithinTheRules)
{
    const std::filesystem::path corpus =
        std::filesystem::path(BRAINLARK_SOURCE_DIR) / "fuzz/corpus/ankifields";
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(violation(bytes), "") << entry.path();
        ++files;
    }
    EXPECT_GE(files, 4u);
}
