// Every command of the tool given what a careless or hostile user names: pipes without a writer, endless
// devices, folders, missing files as input; pipes, read-only files, folders and links as output. Each is
// refused at once, in one line that keeps the system's reason, and nothing is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <sys/stat.h>

#include "../exports/tempfolder.h"
#include "core/flyarchive.h"
#include "tools/clicommand.h"

namespace brainlark
{
namespace
{

namespace fs = std::filesystem;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args)
{
    args.insert(args.begin(), "brainlark-cli");
    std::ostringstream out, err;
    const int code = cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

bool isOneLine(const std::string& text)
{
    return text.rfind("brainlark-cli: ", 0) == 0 && std::count(text.begin(), text.end(), '\n') == 1 &&
           text.back() == '\n';
}

// The import reports how it read its input ("IN.txt: read as ..."), before any error.
std::string withoutImportReport(const std::string& err)
{
    std::istringstream lines(err);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(".txt: ") == std::string::npos || line.rfind("brainlark-cli: ", 0) == 0)
            kept += line + '\n';
    }
    return kept;
}

class HostileFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PairList list;
        for (int i = 0; i < 6; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        ASSERT_TRUE(FlyArchive::writeFile(folder.file("list.fly"), list, "S", nullptr));
        test::writeBytes(folder.file("list.json"), R"({"pairs":[{"question":"a","answer":"b"}]})");
        test::writeBytes(folder.file("list.txt"), "a @ 1\nb @ 2\nc @ 3\nd @ 4\ne @ 5\n");
        ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0644), 0);
    }

    // Each command with its input and its output; PLACE marks the argument under test.
    std::vector<std::vector<std::string>> commandsReading(const std::string& place) const
    {
        const std::string list = folder.file("list.fly");
        const std::string out = folder.file("out");
        return {{"check", place},
                {"dump", place},
                {"build", place, out},
                {"import-text", place, out},
                {"export-text", place, out},
                {"export-bl", place, out},
                {"export-html", place, out},
                {"export-rtf", place, out},
                {"export-pdb", place, out},
                {"export-html", list, out, "--template", place},
                {"export-rtf", list, out, "--template", place}};
    }
    std::vector<std::vector<std::string>> commandsWriting(const std::string& place) const
    {
        const std::string list = folder.file("list.fly");
        return {{"build", folder.file("list.json"), place},
                {"import-text", folder.file("list.txt"), place},
                {"export-text", list, place},
                {"export-bl", list, place},
                {"export-html", list, place},
                {"export-rtf", list, place},
                {"export-pdb", list, place}};
    }

    test::TempFolder folder;
};

TEST_F(HostileFilesTest, InputsThatAreNoRegularFilesAreRefusedInOneLine)
{
    const std::pair<std::string, std::string> inputs[] = {
        {folder.file("pipe"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {folder.path(), "Is a directory"},
        {folder.file("missing"), "No such file or directory"},
    };
    for (const auto& [input, reason] : inputs) {
        for (const std::vector<std::string>& command : commandsReading(input)) {
            SCOPED_TRACE(command[0] + " " + input);
            const Outcome r = run(command);
            EXPECT_EQ(r.code, cli::FileError);
            EXPECT_TRUE(isOneLine(r.err)) << r.err;
            EXPECT_NE(r.err.find(input + ": " + reason), std::string::npos) << r.err;
            EXPECT_EQ(r.out, "");
            EXPECT_FALSE(fs::exists(folder.file("out")));
        }
    }
}

TEST_F(HostileFilesTest, OutputsThatMustNotBeReplacedAreRefusedInOneLine)
{
    struct Place {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* reason;
    };
    const Place places[] = {
        {"pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, "not a regular file"},
        {"folder", [](const std::string& p) { fs::create_directory(p); }, "Is a directory"},
        {"read-only file",
         [](const std::string& p) {
             test::writeBytes(p, "old");
             ::chmod(p.c_str(), 0444);
         },
         "Permission denied"},
        {"missing folder", [](const std::string&) {}, "No such file or directory"},
    };
    for (const Place& place : places) {
        const std::string target =
            std::string(place.name) == "missing folder" ? folder.file("none/out") : folder.file("target");
        for (const std::vector<std::string>& command : commandsWriting(target)) {
            SCOPED_TRACE(command[0] + " to a " + place.name);
            fs::remove_all(target);
            place.make(target);
            const size_t entries = folder.entries().size();
            const Outcome r = run(command);
            EXPECT_EQ(r.code, cli::FileError);
            EXPECT_TRUE(isOneLine(withoutImportReport(r.err))) << r.err;
            // The handheld export explains a missing folder in its own words.
            const bool named =
                r.err.find(place.reason) != std::string::npos ||
                (command[0] == "export-pdb" && r.err.find("does not exist") != std::string::npos);
            EXPECT_TRUE(named) << r.err;
            EXPECT_EQ(folder.entries().size(), entries);
            if (std::string(place.name) == "pipe") {
                EXPECT_TRUE(fs::is_fifo(target));
            } else if (std::string(place.name) == "read-only file") {
                EXPECT_EQ(test::readBytes(target), "old");
            }
        }
    }
}

TEST_F(HostileFilesTest, EveryWriterKeepsModesFollowsLinksAndTakesLongNames)
{
    const std::string real = folder.file("real");
    const std::string link = folder.file("link");
    fs::create_symlink(real, link);
    const std::string longName = folder.file(std::string(251, 'n') + ".out");
    for (const std::vector<std::string>& command : commandsWriting(link)) {
        SCOPED_TRACE(command[0]);
        test::writeBytes(real, "old");
        ::chmod(real.c_str(), 0600);
        const Outcome r = run(command);
        EXPECT_EQ(r.code, cli::Success) << r.err;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_NE(test::readBytes(real), "old");
        struct stat st;
        ASSERT_EQ(::stat(real.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u);

        std::vector<std::string> toLongName = command;
        toLongName[2] = longName;
        EXPECT_EQ(run(toLongName).code, cli::Success);
        EXPECT_TRUE(fs::exists(longName));
        fs::remove(longName);
        EXPECT_EQ(folder.entries().size(), 6u); // the inputs, the pipe, link and real: no temporary files
    }
}

} // namespace
} // namespace brainlark
