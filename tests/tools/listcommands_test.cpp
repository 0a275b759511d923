#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/backups.h"
#include "core/cp1252.h"
#include "core/flyarchive.h"
#include "tools/clicommand.h"
#include "tools/listjson.h"

namespace fs = std::filesystem;
using brainlark::cli::runCli;

namespace
{

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

CliResult run(std::vector<std::string> args)
{
    args.insert(args.begin(), "brainlark-cli");
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("brainlark-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

const char* kOnePair = R"({"notes":"","createdStamp":"","savedStamp":"","password":"","subject":"",
  "lastIndex":-1,"pairs":[{"question":"a","answer":"b"}],"wrongAnswers":[]})";

} // namespace

TEST_F(CliTest, BuildWritesTheOnePairExampleByteForByte)
{
    writeBytes(path("one.json"), kOnePair);
    const CliResult r = run({"build", path("one.json"), path("one.fly"), "--stamp", "S"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string expected("\x01\x00\xFF\xFF\x0A\x00\x04\x00Word"
                               "\x01"
                               "a\x01"
                               "b"
                               "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                               "\x00\x00\x00\x00\x00\x00\x00\x00"
                               "\x0A\x00\x00\x00\x00\x00\x00"
                               "\x01S"
                               "\x00\x00\x00\xFF\xFF\xFF\xFF",
                               56);
    EXPECT_EQ(readBytes(path("one.fly")), expected);
}

TEST_F(CliTest, DumpAndBuildRoundTripEveryFieldAndOddBytes)
{
    nlohmann::json doc = nlohmann::json::parse(kOnePair);
    doc["notes"] = "caf\u00e9 \u20ac \u0081\u008d\u008f\u0090\u009d";
    doc["subject"] = "Espa\u00f1ol";
    doc["password"] = "secret";
    doc["createdStamp"] = "created";
    doc["savedStamp"] = "saved";
    doc["lastIndex"] = 1;
    doc["pairs"][0] = {{"question", "ni\u00f1o"},
                       {"answer", "child"},
                       {"timesInQuestion", 7},
                       {"rating", 0.1},
                       {"right", 3},
                       {"wrong", 4},
                       {"soundPathOne", "a.wav"},
                       {"soundPathTwo", "b.wav"},
                       {"hint", "note"},
                       {"kind", 0},
                       {"picturePathOne", "states_game\\texas.bmp"}};
    doc["pairs"][1] = {{"question", "\u041c\u043e\u0441\u043a\u0432\u0430"},
                       {"answer", "\u6771\u4eac \U0001F600"}};
    doc["wrongAnswers"] = {{{"question", "ni\u00f1o"}, {"answer", "dog"}, {"kind", 1}}};
    writeBytes(path("in.json"), doc.dump());
    ASSERT_EQ(run({"build", path("in.json"), path("a.fly"), "--stamp", "S"}).code, 0);

    const CliResult first = run({"dump", path("a.fly")});
    ASSERT_EQ(first.code, 0) << first.err;
    const nlohmann::json dumped = nlohmann::json::parse(first.out);
    EXPECT_EQ(dumped["notes"], doc["notes"]);
    EXPECT_EQ(dumped["subject"], "Espa\u00f1ol");
    EXPECT_EQ(dumped["savedStamp"], "S"); // the created stamp was set, so the save fills the saved stamp
    EXPECT_EQ(dumped["pairs"][0]["question"], "ni\u00f1o");
    EXPECT_EQ(dumped["pairs"][0]["total"], 7);
    EXPECT_EQ(dumped["pairs"][0]["picturePathOne"], "states_game\\texas.bmp");
    EXPECT_EQ(static_cast<float>(dumped["pairs"][0]["rating"].get<double>()), 0.1f);
    EXPECT_EQ(dumped["wrongAnswers"][0]["answer"], "dog");
    // Beyond Windows-1252 the list holds the wide form, and check and dump read it.
    EXPECT_EQ(dumped["pairs"][1]["question"], "\u041c\u043e\u0441\u043a\u0432\u0430");
    EXPECT_EQ(dumped["pairs"][1]["answer"], "\u6771\u4eac \U0001F600");
    EXPECT_NE(readBytes(path("a.fly")).find(std::string("\xFF\xFE\xFF\x06\x1C\x04", 6)), std::string::npos);
    EXPECT_NE(readBytes(path("a.fly"))
                  .find("\x0C"
                        "caf\xE9 \x80 \x81\x8D\x8F\x90\x9D"),
              std::string::npos);
    EXPECT_EQ(run({"check", path("a.fly")}).code, 0);

    // Dumping, building and dumping again gives the same bytes: nothing is lost on the way through JSON.
    writeBytes(path("again.json"), first.out);
    ASSERT_EQ(run({"build", path("again.json"), path("b.fly"), "--stamp", "S"}).code, 0);
    EXPECT_EQ(readBytes(path("a.fly")), readBytes(path("b.fly")));
}

TEST_F(CliTest, ExitCodesAndMessages)
{
    EXPECT_EQ(run({}).code, 1);
    EXPECT_EQ(run({"--help"}).code, 0);
    const CliResult version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "brainlark-cli " BRAINLARK_VERSION "\n");
    EXPECT_EQ(run({"frobnicate"}).code, 1);
    for (const char* command : {"dump", "build", "import-text", "export-text", "export-bl", "check"}) {
        const CliResult help = run({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_NE(help.out.find("usage: brainlark-cli"), std::string::npos) << command;
    }
    EXPECT_EQ(run({"dump"}).code, 1);
    EXPECT_EQ(run({"build", "x.json", "y.fly", "--bogus"}).code, 1);
    EXPECT_EQ(run({"build", "x.json", "y.fly", "--stamp"}).code, 1);

    const CliResult missing = run({"check", path("nope.fly")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);

    writeBytes(path("truncated.fly"), std::string("\x05\x00\xFF\xFF\x0A\x00", 6));
    const CliResult bad = run({"dump", path("truncated.fly")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1);

    writeBytes(path("bad.json"), "{ not json");
    EXPECT_EQ(run({"build", path("bad.json"), path("out.fly")}).code, 2);
    EXPECT_FALSE(fs::exists(path("out.fly")));
    writeBytes(path("typed.json"), R"({"pairs":[{"question":1,"answer":"x"}]})");
    const CliResult typed = run({"build", path("typed.json"), path("out.fly")});
    EXPECT_EQ(typed.code, 2);
    EXPECT_NE(typed.err.find("pairs[0]"), std::string::npos);
}

TEST_F(CliTest, BuildIntoAMissingFolderFailsWithoutWriting)
{
    writeBytes(path("one.json"), kOnePair);
    const CliResult r = run({"build", path("one.json"), path("no/such/folder/x.fly")});
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(fs::exists(path("no")));
}

TEST_F(CliTest, ImportTextThenExportsAndCheck)
{
    writeBytes(path("capitals.txt"), "# capitals\r\n"
                                     "France @ Paris\r\n"
                                     "Peru @ Lima @ Quito @ Bogota\r\n"
                                     "Espa\xC3\xB1"
                                     "a @ Madrid\r\n"
                                     "Japan @ Tokyo\r\n"
                                     "Kenya @ Nairobi\r\n");
    const CliResult imported =
        run({"import-text", path("capitals.txt"), path("Capitals.fly"), "--stamp", "S"});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "5 pairs, 2 wrong answers\n");

    const CliResult check = run({"check", path("Capitals.fly")});
    EXPECT_EQ(check.code, 0);
    EXPECT_NE(check.out.find("5 pairs, 2 wrong answers"), std::string::npos);

    ASSERT_EQ(run({"export-text", path("Capitals.fly"), path("out.txt")}).code, 0);
    const std::string text = readBytes(path("out.txt"));
    EXPECT_EQ(text.rfind("=== Capitals ===\r\n\r\nQuestions:\r\n", 0), 0u);
    EXPECT_NE(text.find("3. Espa\xF1"
                        "a \r\n"),
              std::string::npos);

    ASSERT_EQ(run({"export-bl", path("Capitals.fly"), path("bl.txt")}).code, 0);
    EXPECT_NE(readBytes(path("bl.txt")).find("Peru \t\t@ Lima  @ Quito @ Bogota\r\n"), std::string::npos);

    // The BL export is made to be imported again: same pairs, same wrong answers.
    const CliResult again = run({"import-text", path("bl.txt"), path("Again.fly")});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out, "5 pairs, 2 wrong answers\n");
    EXPECT_EQ(again.err.find("skipped"), std::string::npos) << again.err;
    const nlohmann::json first = nlohmann::json::parse(run({"dump", path("Capitals.fly")}).out);
    const nlohmann::json second = nlohmann::json::parse(run({"dump", path("Again.fly")}).out);
    EXPECT_EQ(second["pairs"], first["pairs"]);
    EXPECT_EQ(second["wrongAnswers"], first["wrongAnswers"]);
}

TEST_F(CliTest, ImportTextRefusesFilesWithFewerThanFivePairs)
{
    writeBytes(path("short.txt"), "a @ b\nc @ d\n");
    const CliResult r = run({"import-text", path("short.txt"), path("short.fly")});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("does not contain a valid Q&A-list."), std::string::npos);
    EXPECT_FALSE(fs::exists(path("short.fly")));
}

TEST_F(CliTest, DumpReportsTheVersionTheFileWasWrittenWith)
{
    // Pairs only: the oldest files stop right after them and count as version 1.
    writeBytes(path("old.fly"), std::string("\x01\x00\xFF\xFF\x01\x00\x04\x00Word\x01q\x01"
                                            "a\x00\x00\x00\x00\x00\x00\x80\x3F",
                                            24));
    const CliResult r = run({"dump", path("old.fly")});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json dumped = nlohmann::json::parse(r.out);
    EXPECT_EQ(dumped["version"], 1);
    EXPECT_EQ(dumped["notes"], "no description available");
    EXPECT_EQ(dumped["pairs"][0]["rating"], 1.0);

    writeBytes(path("one.json"), kOnePair);
    ASSERT_EQ(run({"build", path("one.json"), path("new.fly")}).code, 0);
    EXPECT_EQ(nlohmann::json::parse(run({"dump", path("new.fly")}).out)["version"], 10);
}

TEST_F(CliTest, ImportTextReadsEachFormatAndReportsSkippedLines)
{
    const struct {
        const char* format; // nullptr: detected
        std::string text;
        const char* expectedReport;
    } cases[] = {
        {nullptr, "one\tuno\ntwo\tdos\nthree\ttres\nfour\tcuatro\nfive\tcinco\nsix without tab\n",
         ":6: skipped (no separator): six without tab"},
        {"csv", "one,uno\n\"two, too\",dos\nthree,tres\nfour,cuatro\nfive,cinco\n,empty question\n",
         ":6: skipped (empty question)"},
        {"at", "one@uno\ntwo@dos\nthree@tres\nfour@cuatro\nfive@cinco\n\nsix@seis\n",
         ":7: skipped (after the empty line that ends the file)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedReport);
        writeBytes(path("in.txt"), c.text);
        std::vector<std::string> args{"import-text", path("in.txt"), path("out.fly")};
        if (c.format)
            args.insert(args.end(), {"--format", c.format});
        const CliResult r = run(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, "5 pairs, 0 wrong answers\n");
        EXPECT_NE(r.err.find(c.expectedReport), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"import-text", path("in.txt"), path("out.fly"), "--format", "xls"}).code, 1);
}

TEST_F(CliTest, ImportTextHeaderHtmlAndColumnsFollowTheOptions)
{
    std::string text = "Front\tBack\tTags\n";
    for (const char* row : {"<b>one</b>\tuno", "two\tdos", "three\ttres", "four\tcuatro", "five\tcinco"})
        text += std::string(row) + "\tnumbers\n";
    writeBytes(path("in.txt"), text);
    const struct {
        std::vector<std::string> options;
        int code;
        const char* out;
        std::vector<const char*> report; // in standard error
        bool tagsKept;
    } cases[] = {
        {{},
         0,
         "5 pairs, 0 wrong answers\n",
         {":1: skipped (header line)", ": column 3 ignored", ": 1 fields turned"},
         false},
        {{"--header", "no"}, 0, "6 pairs, 0 wrong answers\n", {": column 3 ignored"}, false},
        {{"--html", "keep", "--columns", "q,a,w"},
         0,
         "5 pairs, 5 wrong answers\n",
         {":1: skipped (header line)"},
         true},
        {{"--header", "maybe"}, 1, "", {"--header takes yes, no or auto"}, false},
        {{"--html", "strip"}, 1, "", {"--html takes keep or text"}, false},
        {{"--columns", "q,q"}, 1, "", {"--columns takes a list"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"import-text", path("in.txt"), path("out.fly")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(args.back());
        std::filesystem::remove(path("out.fly"));
        const CliResult r = run(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_EQ(r.out, c.out);
        for (const char* expected : c.report)
            EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        if (c.code == 0) {
            EXPECT_EQ(run({"dump", path("out.fly")}).out.find("<b>one</b>") != std::string::npos, c.tagsKept);
        }
    }
}

TEST_F(CliTest, BackupsListsTheKeptVersionsOfAList)
{
    fs::create_directories(m_dir / "data");
    const std::string list = (m_dir / "data" / "Greek.fly").string();
    const CliResult none = run({"backups", list});
    EXPECT_EQ(none.code, 0);
    EXPECT_NE(none.out.find("no backups"), std::string::npos);
    writeBytes(path("one.json"), kOnePair);
    ASSERT_EQ(run({"build", path("one.json"), list}).code, 0);
    // The folder the program would use for this list: found through the command's own message.
    const std::string message = run({"backups", list}).out;
    const std::string folder =
        message.substr(message.find(" in ") + 4, message.size() - message.find(" in ") - 5);
    fs::create_directories(folder);
    fs::copy_file(list, fs::path(folder) / "000003 2024-05-01 13-22-05.fly");
    const CliResult listed = run({"backups", list, "--program-folder", m_dir.string()});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.out.rfind("2024-05-01 13:22:05  1 pair  ", 0), 0u) << listed.out;
}

// A folder that cannot be listed says why (it printed "no backups" with exit 0); names reach the terminal
// escaped; without HOME and XDG_DATA_HOME there is no folder to look in (it became ./backups).
TEST_F(CliTest, BackupsSaysWhyItListsNothingAndPrintsNamesEscaped)
{
    fs::create_directories(m_dir / "data");
    const std::string list = (m_dir / "data" /
                              "Gr\x1b]0;x\x07"
                              "eek.fly")
                                 .string();
    writeBytes(path("one.json"), kOnePair);
    ASSERT_EQ(run({"build", path("one.json"), list}).code, 0);
    const std::string folder = brainlark::Backups(m_dir.string()).folderFor(list);
    fs::create_directories(folder);
    fs::copy_file(list, fs::path(folder) / "000003 2024-05-01 13-22-05.fly");
    const CliResult listed = run({"backups", list});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.out.find('\x1b'), std::string::npos);
    EXPECT_NE(listed.out.find("Gr\\x1B]0;x\\x07eek-"), std::string::npos) << listed.out;

    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder should be";
    const CliResult broken = run({"backups", list});
    EXPECT_EQ(broken.code, 2);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find(": not a folder"), std::string::npos) << broken.err;

    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string data = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ::unsetenv("HOME");
    ::unsetenv("XDG_DATA_HOME");
    const CliResult homeless = run({"backups", path("Loose.fly")});
    if (!home.empty())
        ::setenv("HOME", home.c_str(), 1);
    if (!data.empty())
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_EQ(homeless.code, 2);
    EXPECT_NE(homeless.err.find("neither XDG_DATA_HOME nor HOME is set"), std::string::npos) << homeless.err;
}

TEST_F(CliTest, BuildRefusesValuesAListCannotHoldNamingTheField)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"("right": 18446744073709551615)", R"(pairs[0]: "right" is out of the 32-bit range)"},
        {R"("wrong": 2147483648)", R"(pairs[0]: "wrong" is out of the 32-bit range)"},
        {R"("timesInQuestion": -2147483649)", R"(pairs[0]: "timesInQuestion" is out of the 32-bit range)"},
        {R"("kind": 12345)", R"(pairs[0]: "kind" must be 0 (a pair) or 1 (a wrong answer))"},
        {R"("kind": -1)", R"(pairs[0]: "kind" must be 0 (a pair) or 1 (a wrong answer))"},
        {R"("rating": 1e300)", R"(pairs[0]: "rating" must be a number from -3.4e38 to 1000000)"},
        {R"("rating": -1e39)", R"(pairs[0]: "rating" must be a number from -3.4e38 to 1000000)"},
        {R"("rating": 1000001)", R"(pairs[0]: "rating" must be a number from -3.4e38 to 1000000)"},
    };
    for (const auto& [member, message] : cases) {
        SCOPED_TRACE(member);
        writeBytes(path("in.json"),
                   std::string(R"({"pairs":[{"question":"q","answer":"a",)") + member + "}]}");
        const CliResult r = run({"build", path("in.json"), path("out.fly")});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, "brainlark-cli: " + path("in.json") + ": " + message + "\n");
        EXPECT_FALSE(fs::exists(path("out.fly")));
    }
    // The edges themselves are kept.
    writeBytes(path("edge.json"),
               R"({"pairs":[{"question":"q","answer":"a","right":2147483647,"rating":1000000,
        "kind":1}]})");
    ASSERT_EQ(run({"build", path("edge.json"), path("edge.fly")}).code, 0);
    const nlohmann::json back = nlohmann::json::parse(run({"dump", path("edge.fly")}).out);
    EXPECT_EQ(back["pairs"][0]["right"], 2147483647);
    EXPECT_EQ(back["pairs"][0]["rating"], 1000000.0);
    EXPECT_EQ(back["pairs"][0]["kind"], 1);
}

TEST_F(CliTest, DumpPrintsWhatTheWholeDocumentWouldPrint)
{
    using namespace brainlark;
    // Every byte that JSON escapes, characters of the code page and beyond it, in every text of the list.
    std::string odd = "\"quoted\" back\\slash \b\f\n\r\t \x01\x1F\x7F " +
                      Cp1252::toUtf8("caf\xE9 \x80\x81\x9D\xFF") + " \xD0\x96 \xE6\x9D\xB1 \xF0\x9F\x98\x80";
    PairList full;
    full.setNotes(odd);
    full.setSubject(odd);
    full.setPassword("p");
    Pair pair(odd, odd);
    pair.setHint(odd);
    pair.setSoundPath(odd, 1);
    pair.setPicturePath(odd);
    pair.setRating(0.1f);
    pair.setRight(-3);
    pair.recalculateTotal();
    full.pairs().push_back(pair);
    full.pairs().emplace_back("second", "");
    Pair wrong(odd, "w");
    wrong.setKind(Pair::WrongAnswer);
    full.wrongAnswers().push_back(wrong);
    PairList wrongOnly;
    wrongOnly.wrongAnswers().push_back(wrong);

    PairList empty;
    std::vector<std::string> files;
    for (PairList* list : {&full, &wrongOnly, &empty})
        files.push_back(FlyArchive::write(*list, "S"));
    // The oldest format: pairs only.
    files.emplace_back("\x01\x00\xFF\xFF\x01\x00\x04\x00Word\x01q\x01"
                       "a\x00\x00\x00\x00\xCD\xCC\xCC\x3D",
                       24);
    for (const std::string& bytes : files) {
        writeBytes(path("list.fly"), bytes);
        PairList read;
        const LoadResult loaded = FlyArchive::read(bytes, read);
        ASSERT_TRUE(loaded.ok);
        const CliResult r = run({"dump", path("list.fly")});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, cli::listToJson(read, loaded.version).dump(2) + "\n");
    }
}
