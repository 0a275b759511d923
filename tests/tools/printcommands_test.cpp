// print-flashcards and print-list: page counts of the PDF they write, option and file errors. A build
// without Qt keeps the commands only to say that they are missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "../exports/tempfolder.h"
#include "core/flyarchive.h"
#ifdef BRAINLARK_CLI_PRINTING
#include <QImage>
#endif
#include "clirun.h"
#include "tools/clicommand.h"

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
        {"print-flashcards", 12, {"--page-size", "letter"}, 3},
        {"print-flashcards", 5, {"--page-size", "letter"}, 1},
        {"print-flashcards", 6, {"--page-size", "letter", "--margins", "0.25"}, 2},
        // A4 is taller: 11.19 printable inches hold 6 rows.
        {"print-flashcards", 12, {"--page-size", "a4"}, 2},
        {"print-flashcards", 12, {"--page-size", "letter", "--margins", "0"}, 2},
        {"print-list", 5, {}, 1},
        {"print-list", 0, {}, 1},
        {"print-list", 120, {"--page-size", "letter"}, 3},
        // 1.3-inch margins leave 5.9 of letter's 8.5 inches: the list still fits, in a smaller font.
        {"print-list", 5, {"--page-size", "letter", "--margins", "1.3"}, 1},
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

// The width of the first page in points, from its media box.
double pdfPageWidth(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::smatch box;
    if (!std::regex_search(bytes, box, std::regex("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)")))
        return -1;
    return std::stod(box[1]);
}

// Without --page-size the paper is the locale's, as the C library picks the locale for it.
TEST_F(PrintCommandsTest, DefaultPaperIsTheLocales)
{
    const struct {
        const char* all;
        const char* paper;
        const char* lang;
        std::vector<std::string> options;
        int width; // points
    } cases[] = {
        {nullptr, "en_US.UTF-8", "de_DE.UTF-8", {}, 612},
        {nullptr, "de_DE.UTF-8", "en_US.UTF-8", {}, 595},
        {"en_CA.UTF-8", "de_DE.UTF-8", nullptr, {}, 612},
        {nullptr, nullptr, "C", {}, 595},
        {nullptr, "en_US.UTF-8", nullptr, {"--page-size", "a4"}, 595},
    };
    const char* const names[] = {"LC_ALL", "LC_PAPER", "LANG"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* value = std::getenv(names[i]);
        had[i] = value != nullptr;
        saved[i] = value ? value : "";
    }
    const std::string list = writeList(5);
    for (const auto& c : cases) {
        const char* values[] = {c.all, c.paper, c.lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
        const std::string out = folder.file("paper.pdf");
        std::vector<std::string> args = {list, out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Outcome result = runPrint("print-list", args);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(static_cast<int>(pdfPageWidth(out)), c.width)
            << (c.paper ? c.paper : "") << " " << (c.lang ? c.lang : "");
    }
    for (int i = 0; i < 3; ++i)
        had[i] ? setenv(names[i], saved[i].c_str(), 1) : unsetenv(names[i]);
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

// A large card picture within the image reader's limit loads (6000 x 6000 pixels, 144 MB decoded); a
// larger one is refused as too large, not as "not a picture". The larger one is a bare BMP header, which
// is all the reader looks at before refusing.
TEST_F(PrintCommandsTest, LargeCardPicturesLoadUpToTheReadersLimit)
{
    const std::string list = writeList(1);
    const std::string large = folder.file("large.png");
    {
        QImage card(6000, 6000, QImage::Format_RGB32);
        card.fill(Qt::white);
        ASSERT_TRUE(card.save(QString::fromStdString(large)));
    }
    const Outcome printed = runPrint("print-flashcards", {list, folder.file("out.pdf"), "--card", large});
    EXPECT_EQ(printed.code, 0) << printed.err;

    auto le = [](uint32_t v, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i)
            out += char((v >> (8 * i)) & 0xFF);
        return out;
    };
    const std::string huge = folder.file("huge.bmp");
    std::ofstream(huge, std::ios::binary)
        << "BM" << le(54, 4) << le(0, 4) << le(54, 4) << le(40, 4) << le(9000, 4) << le(9000, 4) << le(1, 2)
        << le(24, 2) << le(0, 4) << le(0, 4) << le(2835, 4) << le(2835, 4) << le(0, 4) << le(0, 4);
    const Outcome refused = runPrint("print-flashcards", {list, folder.file("out.pdf"), "--card", huge});
    EXPECT_EQ(refused.code, cli::FileError);
    EXPECT_NE(refused.err.find("too large: 9000 x 9000 pixels"), std::string::npos) << refused.err;
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
