#include "core/textexport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/textimport.h"
#include "core/pairlist.h"

using brainlark::TextExport;
using brainlark::TextImport;
using brainlark::Pair;
using brainlark::PairList;

namespace
{

Pair wrongAnswer(const std::string& question, const std::string& answer, int32_t kind = Pair::WrongAnswer)
{
    Pair w(question, answer);
    w.setKind(kind);
    return w;
}

PairList capitals()
{
    PairList list;
    list.pairs().emplace_back("France", "Paris");
    list.pairs().emplace_back("Peru", "Lima");
    return list;
}

TEST(TextExportTest, QuestionSheetNumbersQuestionsThenAnswers)
{
    EXPECT_EQ(TextExport::questionSheet(capitals(), "Capitals"), "=== Capitals ===\n\n"
                                                                 "Questions:\n----------\n\n"
                                                                 "1. France \n2. Peru \n"
                                                                 "\n\n"
                                                                 "Correct Answers:\n----------------\n\n"
                                                                 "1. Paris \n2. Lima \n");
}

TEST(TextExportTest, QuestionSheetOfAnEmptyList)
{
    EXPECT_EQ(TextExport::questionSheet(PairList(), "Empty"),
              "=== Empty ===\n\nQuestions:\n----------\n\n\n\nCorrect Answers:\n----------------\n\n");
}

TEST(TextExportTest, BlTextWritesOneImportableLinePerPair)
{
    PairList list = capitals();
    list.pairs().emplace_back("Capital of Ecuador", "Quito");
    list.wrongAnswers().push_back(wrongAnswer("Peru", "Quito"));
    list.wrongAnswers().push_back(wrongAnswer("Capital of Ecuador", "Lima"));
    list.wrongAnswers().push_back(wrongAnswer("Peru", "Bogota"));
    EXPECT_EQ(TextExport::blText(list), "France \t\t@ Paris \n"
                                        "Peru \t\t@ Lima  @ Quito @ Bogota\n"
                                        "Capital of Ecuador \t\t@ Quito  @ Lima\n");
}

TEST(TextExportTest, BlTextLeavesOutEntriesThatAreNoWrongAnswers)
{
    PairList list = capitals();
    list.wrongAnswers().push_back(wrongAnswer("Peru", "gone", Pair::MarkedForDeletion));
    list.wrongAnswers().push_back(wrongAnswer("Peru", "", Pair::WrongAnswer));
    list.wrongAnswers().push_back(wrongAnswer("Nowhere", "orphan"));
    EXPECT_EQ(TextExport::blText(list), "France \t\t@ Paris \nPeru \t\t@ Lima  @ \n");
    EXPECT_EQ(TextExport::blText(PairList()), "");
}

TEST(TextExportTest, ReversedListIsExportedReversedWithItsWrongAnswers)
{
    PairList list = capitals();
    list.wrongAnswers().push_back(wrongAnswer("Peru", "Quito"));
    list.toggleReverse();
    EXPECT_EQ(TextExport::blText(list), "Paris \t\t@ France \nLima \t\t@ Peru  @ Quito\n");
    EXPECT_EQ(TextExport::questionSheet(list, "T"),
              "=== T ===\n\nQuestions:\n----------\n\n1. Paris \n2. Lima \n\n\n"
              "Correct Answers:\n----------------\n\n1. France \n2. Peru \n");
}

// A list with duplicate questions and wrong answers scattered through the array, to hold the export's
// lookup against the list's own join.
PairList scrambledList(unsigned seed)
{
    std::mt19937 random(seed);
    PairList list;
    for (int i = 0; i < 300; ++i)
        list.pairs().emplace_back("q" + std::to_string(random() % 200), "a" + std::to_string(i));
    for (int i = 0; i < 500; ++i) {
        const int32_t kind = random() % 10 == 0 ? Pair::MarkedForDeletion : Pair::WrongAnswer;
        list.wrongAnswers().push_back(
            wrongAnswer("q" + std::to_string(random() % 220), "w" + std::to_string(i), kind));
    }
    return list;
}

TEST(TextExportTest, BlTextJoinsWrongAnswersLikeTheList)
{
    const PairList list = scrambledList(7);
    std::string expected;
    for (const Pair& pair : list.pairs())
        expected += std::string(pair.shownQuestion()) + " \t\t@ " + std::string(pair.shownAnswer()) + " " +
                    list.joinWrongAnswers(pair, " @ ") + "\n";
    EXPECT_EQ(TextExport::blText(list), expected);
}

TEST(TextExportTest, LineFeedsBecomeCrLf)
{
    EXPECT_EQ(TextExport::withCrLf("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(TextExport::withCrLf(""), "");
    EXPECT_EQ(TextExport::withCrLf("\r\n"), "\r\r\n"); // as a text-mode write does
}

TEST(TextExportTest, ExportPathLiesInTheExportFolder)
{
    EXPECT_EQ(TextExport::exportPath("/home/me/brainlark", "Capitals"),
              "/home/me/brainlark/export_text/Capitals.txt");
}

class TextExportFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("brainlark-textexport-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_dir);
    }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    size_t entries() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_dir), {}));
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::filesystem::path m_dir;
};

TEST_F(TextExportFileTest, WritesBothExportsWithCrLf)
{
    PairList list = capitals();
    list.wrongAnswers().push_back(wrongAnswer("Peru", "Quito"));
    const std::string file = path("Capitals.txt");
    std::string error;
    ASSERT_TRUE(TextExport::writeText(file, TextExport::blText(list), &error)) << error;
    EXPECT_EQ(read(file), "France \t\t@ Paris \r\nPeru \t\t@ Lima  @ Quito\r\n");
    ASSERT_TRUE(TextExport::writeText(file, TextExport::questionSheet(list, "Capitals"), &error)) << error;
    EXPECT_EQ(read(file),
              "=== Capitals ===\r\n\r\nQuestions:\r\n----------\r\n\r\n1. France \r\n2. Peru \r\n\r\n\r\n"
              "Correct Answers:\r\n----------------\r\n\r\n1. Paris \r\n2. Lima \r\n");
    EXPECT_EQ(entries(), 1u); // no temporary file left behind
}

TEST_F(TextExportFileTest, MissingFolderFailsWithAReason)
{
    const std::string file = path("export_text/Capitals.txt");
    std::string error;
    EXPECT_FALSE(TextExport::writeText(file, "x\n", &error));
    EXPECT_NE(error.find(file), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(TextExport::writeText(file, "x\n", nullptr));
}

TEST_F(TextExportFileTest, TargetThatIsAFolderStaysIntact)
{
    std::filesystem::create_directory(path("Capitals.txt"));
    std::string error;
    EXPECT_FALSE(TextExport::writeText(path("Capitals.txt"), "x\n", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path("Capitals.txt")));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(TextExportFileTest, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string file = path("Capitals.txt");
    std::ofstream(file, std::ios::binary) << "old";
    std::filesystem::permissions(m_dir,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(TextExport::writeText(file, "new\n", &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(read(file), "old");
}

// The export is ANSI while Windows-1252 holds the list and UTF-8 with a byte-order mark beyond it; the
// import reads both back.
TEST_F(TextExportFileTest, BlExportImportsBackToTheSameListInEveryScript)
{
    struct Case {
        const char* name;
        const char* word;    // one text of the list, the rest is ASCII
        std::string fileHas; // how the word lies in the file
    };
    const Case cases[] = {
        {"Spanish",
         "Espa\xC3\xB1"
         "a",
         "Espa\xF1"
         "a"},
        {"Russian", "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
         "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},
        {"Japanese", "\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
    };
    for (const Case& c : cases) {
        PairList list;
        list.pairs().emplace_back("Capital of Peru", "Lima");
        list.pairs().emplace_back(c.word, "Bogot\xC3\xA1");
        list.pairs().emplace_back("two words", "and more words");
        list.pairs().emplace_back("no wrong answers", "here");
        list.wrongAnswers().push_back(wrongAnswer("Capital of Peru", "Quito"));
        list.wrongAnswers().push_back(wrongAnswer(c.word, "Sevilla"));
        list.wrongAnswers().push_back(wrongAnswer("Capital of Peru", c.word));
        list.wrongAnswers().push_back(wrongAnswer("two words", ""));
        const std::string file = path(std::string(c.name) + ".txt");
        ASSERT_TRUE(TextExport::writeText(file, TextExport::blText(list), nullptr));
        const std::string bytes = read(file);
        const bool ansi = std::string(c.name) == "Spanish";
        EXPECT_EQ(bytes.substr(0, 3) == "\xEF\xBB\xBF", !ansi) << c.name;
        EXPECT_NE(bytes.find(c.fileHas), std::string::npos) << c.name;

        PairList back;
        ASSERT_EQ(back.importText(file), list.count()) << c.name;
        for (int i = 0; i < list.count(); ++i) {
            EXPECT_EQ(back.pairs()[i].question(), list.pairs()[i].question()) << c.name;
            EXPECT_EQ(back.pairs()[i].answer(), list.pairs()[i].answer()) << c.name;
            EXPECT_EQ(back.joinWrongAnswers(back.pairs()[i], "|"),
                      list.joinWrongAnswers(list.pairs()[i], "|"));
        }
        EXPECT_EQ(back.wrongAnswers().size(), list.wrongAnswers().size()) << c.name;
    }
}

TEST(TextExportRoundTripTest, SeparatorInsideATextDoesNotSurvive)
{
    PairList list;
    list.pairs().emplace_back("mail", "me@example.org");
    PairList back;
    TextImport::importText(back, TextExport::withCrLf(TextExport::blText(list)));
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back.pairs()[0].answer(), "me");
    ASSERT_EQ(back.wrongAnswers().size(), 1u);
    EXPECT_EQ(back.wrongAnswers()[0].answer(), "example.org");
}

} // namespace
