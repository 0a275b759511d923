// Replays the text-import fuzzer's corpus, so the fuzz target's checks run with every test run.
#include "fuzz/fuzz_textimport.cpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace
{

TEST(FuzzCorpusTextImportTest, EveryCorpusFileImportsWithinTheRules)
{
    const std::filesystem::path corpus =
        std::filesystem::path(BRAINLARK_SOURCE_DIR) / "fuzz/corpus/textimport";
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(textImportViolation(bytes), "") << entry.path();
        ++files;
    }
    EXPECT_GE(files, 10u);
}

TEST(FuzzCorpusTextImportTest, TheChecksCatchABrokenImport)
{
    brainlark::Pair untrimmed(" q", "a");
    EXPECT_NE(pairViolation(untrimmed), "");
    brainlark::Pair withPicture("q", "a");
    withPicture.setPicturePath("elsewhere.bmp");
    EXPECT_NE(pairViolation(withPicture), "");
    EXPECT_EQ(pairViolation(brainlark::Pair("q", "a")), "");
    EXPECT_NE(fieldViolation("a@b", true), "");
    EXPECT_EQ(fieldViolation("", true), "");
    EXPECT_NE(fieldViolation("", false), "");
}

} // namespace
