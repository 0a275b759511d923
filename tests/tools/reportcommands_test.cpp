#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "../exports/pdbreader.h"
#include "../exports/rtfquiz.h"
#include "../exports/tempfolder.h"
#include "core/flyarchive.h"
#include "tools/builtinfiles.h"
#include "tools/clicommand.h"
#include "clirun.h"

using namespace brainlark;
using namespace std::string_literals;

namespace
{

using Outcome = brainlark::testing::CliOutcome;

Outcome runCommand(const std::string& name, const std::vector<std::string>& args)
{
    return brainlark::testing::runCommandOf(cli::reportCommands(), name, args);
}

PairList sampleList(int pairs)
{
    PairList list;
    for (int i = 1; i <= pairs; ++i)
        list.pairs().emplace_back("question " + std::to_string(i), "answer " + std::to_string(i));
    Pair wrong("question 1", "wrong <1>");
    wrong.setKind(Pair::WrongAnswer);
    list.wrongAnswers().push_back(wrong);
    return list;
}

class ReportCommandsTest : public ::testing::Test
{
protected:
    std::string writeList(const std::string& name, PairList list)
    {
        const std::string path = folder.file(name);
        std::string error;
        if (!FlyArchive::writeFile(path, list, "stamp", &error))
            ADD_FAILURE() << error;
        return path;
    }

    test::TempFolder folder;
};

} // namespace

TEST_F(ReportCommandsTest, EveryCommandHasUsageHelp)
{
    const std::vector<cli::CliCommand> commands = cli::reportCommands();
    ASSERT_EQ(commands.size(), 3u);
    for (const cli::CliCommand& c : commands) {
        EXPECT_EQ(c.help.rfind("usage: brainlark-cli " + c.name + " LIST.fly OUT.", 0), 0u) << c.name;
        EXPECT_FALSE(c.summary.empty());
    }
}

TEST_F(ReportCommandsTest, HtmlWithTheShippedTemplateAndStatistics)
{
    const std::string list = writeList("Birds.fly", sampleList(3));
    const Outcome r = runCommand("export-html", {list, folder.file("out.html"), "--student", "Zo\xC3\xAB"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string page = test::readBytes(folder.file("out.html"));
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("Brainlark > Birds"), std::string::npos);
    EXPECT_NE(page.find("Right<br>Answers"), std::string::npos);
    EXPECT_NE(page.find("<br>wrong &lt;1&gt;"), std::string::npos);
    EXPECT_NE(page.find("<br>Student Name: <i>Zo&#235;</i>"), std::string::npos);
    EXPECT_EQ(page.find("[rows]"), std::string::npos);
}

TEST_F(ReportCommandsTest, HtmlWithoutStatisticsAndOwnTemplate)
{
    const std::string list = writeList("\xC3\x89t\xC3\xA9.fly", sampleList(2)); // UTF-8 file name
    test::writeBytes(folder.file("t.html"), "[header]\r\n[table_header]\r\n[rows]");
    const Outcome r = runCommand(
        "export-html", {list, folder.file("out.html"), "--no-stats", "--template", folder.file("t.html")});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string page = test::readBytes(folder.file("out.html"));
    EXPECT_EQ(page.substr(0, 33), "Brainlark > &#201;t&#233;\n<th now");
    EXPECT_EQ(page.find("Rating"), std::string::npos);
    EXPECT_EQ(page.back(), '\n');
}

TEST_F(ReportCommandsTest, HtmlFailuresGiveExitCodesAndOneLine)
{
    const std::string list = writeList("L.fly", sampleList(2));
    Outcome r = runCommand("export-html", {list});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("usage: brainlark-cli export-html", 0), 0u);
    r = runCommand("export-html", {list, folder.file("o.html"), "--colour", "red"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("unknown option --colour"), std::string::npos);
    r = runCommand("export-html", {list, folder.file("o.html"), "--template", folder.file("none.html")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "brainlark-cli: Could not open file " + folder.file("none.html") + " (cannot open " +
                         folder.file("none.html") + ": No such file or directory)\n");
    test::writeBytes(folder.file("bad.fly"), "not a list");
    r = runCommand("export-html", {folder.file("bad.fly"), folder.file("o.html")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    r = runCommand("export-html", {list, folder.file("missing/o.html")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.rfind("brainlark-cli: Could not open file " + folder.file("missing/o.html"), 0), 0u);
    EXPECT_EQ(folder.entries().size(), 2u); // L.fly, bad.fly and nothing else
}

TEST_F(ReportCommandsTest, RtfWithSeedIsRepeatableAndItsKeyIsRight)
{
    const PairList source = sampleList(7);
    const std::string list = writeList("Quiz.fly", source);
    const Outcome first = runCommand("export-rtf", {list, folder.file("a.rtf"), "--seed", "42"});
    ASSERT_EQ(first.code, 0) << first.err;
    const Outcome second = runCommand("export-rtf", {list, folder.file("b.rtf"), "--seed", "42"});
    ASSERT_EQ(second.code, 0) << second.err;
    const std::string a = test::readBytes(folder.file("a.rtf"));
    EXPECT_EQ(a.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    const auto questions = test::readRtfQuestions(a);
    ASSERT_EQ(questions.size(), 7u);
    const auto again = test::readRtfQuestions(test::readBytes(folder.file("b.rtf")));
    ASSERT_EQ(again.size(), 7u);
    for (size_t i = 0; i < questions.size(); ++i)
        EXPECT_EQ(questions[i].answers, again[i].answers);
    const size_t keyStart = a.find("{\\par }", a.rfind("Answer key"));
    const auto key = test::readRtfKey(a.substr(keyStart, a.rfind("\\par\n}") - keyStart));
    ASSERT_EQ(key.size(), 7u);
    for (size_t i = 0; i < key.size(); ++i) {
        const auto& answers = questions[i].answers;
        const size_t right =
            std::find(answers.begin(), answers.end(), source.pairs()[i].answer()) - answers.begin();
        EXPECT_EQ(key[i].letter, static_cast<char>('A' + right));
    }
}

TEST_F(ReportCommandsTest, RtfRefusesShortListsBadSeedsAndEmptyTemplates)
{
    const std::string small = writeList("Small.fly", sampleList(3));
    Outcome r = runCommand("export-rtf", {small, folder.file("s.rtf")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "brainlark-cli: A printable test needs at least 4 Q&A pairs.\n");
    const std::string list = writeList("Four.fly", sampleList(4));
    r = runCommand("export-rtf", {list, folder.file("s.rtf"), "--seed", "-3"});
    EXPECT_EQ(r.code, 1);
    r = runCommand("export-rtf", {list, folder.file("s.rtf"), "--seed", "99999999999"});
    EXPECT_EQ(r.code, 1);
    test::writeBytes(folder.file("short.rtf"), "{\\rtf1 }");
    r = runCommand("export-rtf", {list, folder.file("s.rtf"), "--template", folder.file("short.rtf")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_TRUE(test::readBytes(folder.file("s.rtf")).empty());
    r = runCommand("export-rtf", {list, folder.file("s.rtf")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::readRtfQuestions(test::readBytes(folder.file("s.rtf"))).size(), 4u);
}

TEST_F(ReportCommandsTest, PdbIsWrittenAndReadsBack)
{
    const std::string list = writeList("Palm.fly", sampleList(2));
    const Outcome r = runCommand("export-pdb", {list, folder.file("Palm.pdb")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const test::PdbFile pdb = test::parsePdb(test::readBytes(folder.file("Palm.pdb")));
    EXPECT_EQ(pdb.name(), "Palm_s2");
    EXPECT_EQ(pdb.type, "data");
    EXPECT_EQ(pdb.creator, "ZRPW");
    ASSERT_EQ(pdb.records.size(), 4u);
    EXPECT_EQ(pdb.records[0].bytes, "2\0"s
                                    "1\0"s
                                    "extra info string\0"s);
    EXPECT_EQ(pdb.records[2].bytes, "1\0question 1\0wrong <1>\0"s + std::string(6, '\0'));
}

TEST_F(ReportCommandsTest, PdbMessagesGoToTheErrorStreamOneLineEach)
{
    const std::string longName = writeList("A list with a rather long name.fly", sampleList(1));
    Outcome r = runCommand("export-pdb", {longName, folder.file("long.pdb")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err,
              "brainlark-cli: Due to Palm OS limitations, the name of this Q&A-list will be truncated to "
              "A list with a rather long na. We apologize for the inconvenience.\n");

    PairList twins = sampleList(2);
    twins.pairs()[1].setQuestion("question 1");
    r = runCommand("export-pdb", {writeList("Twins.fly", twins), folder.file("twins.pdb")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err,
              "brainlark-cli: Found a duplicate question: question 1 Please rephrase or remove it from the "
              "quiz and export to Palm again.\n");

    const std::string shortList = writeList("Short.fly", sampleList(1));
    r = runCommand("export-pdb", {shortList, folder.file("palm/x.pdb")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err,
              "brainlark-cli: Sorry, could not create Palm Database file. The most likely reason: folder " +
                  folder.file("palm/") + " does not exist.\n");
    // A folder that is there is not blamed: the real reason is given.
    r = runCommand("export-pdb", {shortList, folder.path()});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "brainlark-cli: Sorry, could not create Palm Database file. Cannot save " +
                         folder.path() + ": Is a directory.\n");
    EXPECT_EQ(runCommand("export-pdb", {longName}).code, 1);
}

TEST_F(ReportCommandsTest, EmptyTemplatesAreRefusedByBothReports)
{
    const std::string list = writeList("Four.fly", sampleList(4));
    for (const char* empty : {"", " \r\n\t\n"}) {
        test::writeBytes(folder.file("empty.tpl"), empty);
        for (const char* command : {"export-html", "export-rtf"}) {
            SCOPED_TRACE(command);
            const Outcome r =
                runCommand(command, {list, folder.file("out"), "--template", folder.file("empty.tpl")});
            EXPECT_EQ(r.code, 2);
            EXPECT_EQ(r.err, "brainlark-cli: " + folder.file("empty.tpl") + ": the template is empty\n");
        }
    }
    EXPECT_EQ(folder.entries().size(), 2u); // the list and the template
}

// The program itself, copied away from the source tree and its build folder and run from /, as an installed
// or moved program runs: the shipped templates come from the share folder beside it, else from within.
TEST_F(ReportCommandsTest, ShippedTemplatesAreFoundWhereverTheProgramRuns)
{
    const std::string list = writeList("Birds.fly", sampleList(4));
    const std::string program = folder.file("bin/brainlark-cli");
    std::filesystem::create_directories(folder.file("bin"));
    std::filesystem::copy_file(BRAINLARK_CLI, program);
    const auto runFromRoot = [&](const std::string& command, const std::string& out) {
        const std::string line = "cd / && '" + program + "' " + command + " '" + list + "' '" + out + "'";
        return std::system(line.c_str());
    };
    for (const char* shipped : {"browser/reports_template.html", "paperTests_template.rtf"})
        EXPECT_EQ(cli::builtInCopy(shipped),
                  test::readBytes(std::string(BRAINLARK_SOURCE_DIR "/data/") + shipped));
    // Nothing beside the program: the built-in copies.
    ASSERT_EQ(runFromRoot("export-html", folder.file("a.html")), 0);
    EXPECT_NE(test::readBytes(folder.file("a.html")).find("Brainlark > Birds"), std::string::npos);
    ASSERT_EQ(runFromRoot("export-rtf", folder.file("a.rtf")), 0);
    EXPECT_EQ(test::readRtfQuestions(test::readBytes(folder.file("a.rtf"))).size(), 4u);
    // An installed share folder is preferred.
    std::filesystem::create_directories(folder.file("share/brainlark/browser"));
    test::writeBytes(folder.file("share/brainlark/browser/reports_template.html"), "installed [header]\n");
    ASSERT_EQ(runFromRoot("export-html", folder.file("b.html")), 0);
    EXPECT_EQ(test::readBytes(folder.file("b.html")), "installed Brainlark > Birds\n");
}
