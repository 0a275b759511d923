// print-flashcards and print-list: page counts of the PDF they write, option and file errors. A build
// without Qt keeps the commands only to say that they are missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "../exports/tempfolder.h"
#include "core/flyarchive.h"
#include "tools/clicommand.h"
#include "clirun.h"

using namespace brainlark;

namespace
{

using Outcome = brainlark::testing::CliOutcome;

Outcome runPrint(const std::string& name, const std::vector<std::string>& args)
{
    return brainlark::testing::runCommandOf(cli::printCommands(), name, args);
}

class PrintCommandsTest : public ::testing::Test
{
protected:
    std::string writeList(int pairs)
    {
        PairList list;
        for (int i = 1; i <= pairs; ++i)
            list.pairs().emplace_back("question " + std::to_string(i), "answer " + std::to_string(i));
        const std::string path = folder.file(std::to_string(pairs) + " pairs.fly");
        std::string error;
        if (!FlyArchive::writeFile(path, list, "stamp", &error))
            ADD_FAILURE() << error;
        return path;
    }

    test::TempFolder folder;
};

#ifdef BRAINLARK_CLI_PRINTING

// Pages of a PDF file: its page objects (the page tree node is "/Pages").
int pdfPages(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.compare(0, 5, "%PDF-") != 0)
        return -1;
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

struct PageCase {
    const char* command;
    int pairs;
    std::vector<std::string> options;
    int pages;
};

TEST_F(PrintCommandsTest, PageCountsOfThePdf)
{
    const PageCase cases[] = {
        // Letter with 0.25-inch margins: 10.5 inches hold 5 rows of 1.8 + 1/32 inches.
        {"print-flashcards", 12, {}, 3},
        {"print-flashcards", 5, {}, 1},
        {"print-flashcards", 6, {"--page-size", "letter", "--margins", "0.25"}, 2},
        // A4 is taller: 11.19 printable inches hold 6 rows.
        {"print-flashcards", 12, {"--page-size", "a4"}, 2},
        {"print-flashcards", 12, {"--margins", "0"}, 2},
        {"print-list", 5, {}, 1},
        {"print-list", 0, {}, 1},
        {"print-list", 120, {}, 3},
    };
    for (const PageCase& c : cases) {
        const std::string out = folder.file("out.pdf");
        std::vector<std::string> args = {writeList(c.pairs), out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Outcome result = runPrint(c.command, args);
        SCOPED_TRACE(std::string(c.command) + " with " + std::to_string(c.pairs) + " pairs");
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(pdfPages(out), c.pages);
        EXPECT_NE(result.out.find(": " + std::to_string(c.pages) + " page"), std::string::npos) << result.out;
        std::filesystem::remove(out);
    }
}

TEST_F(PrintCommandsTest, RefusalsWriteNothing)
{
    const std::string list = writeList(5);
    const std::string out = folder.file("out.pdf");
    struct Refusal {
        const char* command;
        std::vector<std::string> args;
        int code;
        const char* says;
    } refusals[] = {
        {"print-flashcards", {list}, cli::UsageError, "usage:"},
        {"print-list", {list, out, "--page-size", "legal"}, cli::UsageError, "--page-size is letter or a4"},
        {"print-list", {list, out, "--margins", "-1"}, cli::UsageError, "--margins needs a number"},
        {"print-list", {list, out, "--margins", "1in"}, cli::UsageError, "--margins needs a number"},
        {"print-list", {list, out, "--margins", "nan"}, cli::UsageError, "--margins needs a number"},
        {"print-list", {list, out, "--margins", "5"}, cli::UsageError, "leave nothing of the page"},
        // Letter less 1.5 inches a side is 5.5 inches wide: no room for two 3-inch cards.
        {"print-flashcards", {list, out, "--margins", "1.5"}, cli::UsageError, "too small for flashcards"},
        {"print-flashcards",
         {list, out, "--card", folder.file("no card.bmp")},
         cli::FileError,
         "Could not open the card picture"},
        {"print-flashcards", {writeList(0), out}, cli::FileError, "no pairs to print"},
        {"print-list", {folder.file("missing.fly"), out}, cli::FileError, "missing.fly"},
        {"print-list", {list, folder.file("no folder/out.pdf")}, cli::FileError, "Could not open file"},
    };
    for (const Refusal& r : refusals) {
        const Outcome result = runPrint(r.command, r.args);
        SCOPED_TRACE(std::string(r.command) + " " + r.args.back());
        EXPECT_EQ(result.code, r.code);
        EXPECT_NE(result.err.find(r.says), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(PrintCommandsTest, ACardPictureOfOnesOwn)
{
    // Any picture Qt reads will do; a list file is not one.
    const std::string list = writeList(5);
    const Outcome refused = runPrint("print-flashcards", {list, folder.file("out.pdf"), "--card", list});
    EXPECT_EQ(refused.code, cli::FileError);
    const std::string shipped = std::string(BRAINLARK_SOURCE_DIR) + "/data/card.bmp";
    const Outcome printed = runPrint("print-flashcards", {list, folder.file("out.pdf"), "--card", shipped});
    EXPECT_EQ(printed.code, 0) << printed.err;
    EXPECT_EQ(pdfPages(folder.file("out.pdf")), 1);
}

#else

TEST_F(PrintCommandsTest, ABuildWithoutQtSaysSo)
{
    for (const char* command : {"print-flashcards", "print-list"}) {
        const Outcome result = runPrint(command, {writeList(5), folder.file("out.pdf")});
        EXPECT_EQ(result.code, cli::UsageError);
        EXPECT_NE(result.err.find("built without Qt"), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
    }
}

#endif

} // namespace
