// `brainlark-cli import`: only in builds with Qt (elsewhere the command says it is not there).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/clicommand.h"

namespace fs = std::filesystem;

#ifdef BRAINLARK_CLI_INTERCHANGE

namespace
{

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args)
{
    args.insert(args.begin(), "brainlark-cli");
    std::ostringstream out, err;
    const int code = brainlark::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(ImportCommand, PicksTheFormatFromTheContentAndOneDeckWhenAsked)
{
    const fs::path dir = fs::temp_directory_path() / ("brainlark-import-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string fixtures = std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/kvtml/";
    const std::string lessons = fixtures + "lessons.kvtml";
    const std::string package = std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/anki/newest.apkg";
    const std::string tsv = (dir / "words.txt").string();
    std::ofstream(tsv) << "Front\tBack\ncat\tKatze\ndog\tHund\nbird\tVogel\nfish\tFisch\ncow\tKuh\n";
    const std::string out = (dir / "out.fly").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* out;
        std::vector<const char*> err;
    };
    const Case cases[] = {
        {{lessons},
         0,
         "6 pairs, 3 wrong answers\n",
         {"lessons.kvtml:51: skipped (", "read as kvtml\n", "deck \"Animals\": 3 pairs\n",
          "deck \"Food\": 3 pairs\n"}},
        {{fixtures + "three-languages.kvtml", "--deck", "Basics"}, 0, "5 pairs, 0 wrong answers\n", {}},
        {{fixtures + "three-languages.kvtml", "--languages", "2,1"}, 0, "5 pairs, 0 wrong answers\n", {}},
        {{fixtures + "three-languages.kvtml", "--languages", "2,3"}, 2, "", {"its languages: 0 (English)"}},
        {{fixtures + "three-languages.kvtml", "--languages", "2"}, 1, "", {"--languages takes"}},
        {{lessons, "--deck", "Plants"}, 2, "", {"its decks: \"Animals\", \"Food\""}},
        {{lessons, "--deck", "Food"}, 2, "", {"3 pairs found, at least 5 are needed"}},
        {{package, "--program-folder", dir.string()},
         0,
         "5 pairs, 0 wrong answers\n",
         {"read as apkg\n", "deck \"Languages::German\": 2 pairs\n"}},
        {{package, "--deck", "Languages"}, 0, "5 pairs, 0 wrong answers\n", {}},
        {{package, "--deck", "Nope"},
         2,
         "",
         {"its decks: \"Default\", \"Languages\", \"Languages::German\""}},
        {{tsv}, 0, "5 pairs, 0 wrong answers\n", {"skipped (header line", "read as tsv, UTF-8"}},
        {{tsv, "--header", "no"}, 0, "6 pairs, 0 wrong answers\n", {}},
        {{tsv, "--format", "kvtml"}, 2, "", {"damaged: line 1"}},
        {{lessons, "--format", "xml"}, 1, "", {"unknown format 'xml'"}},
        {{lessons, "--header", "maybe"}, 1, "", {"--header takes yes, no or auto"}},
        {{fixtures + "none.kvtml"}, 2, "", {"No such file"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"import", c.args[0], out, "--stamp", "S"};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        SCOPED_TRACE(c.args.back());
        fs::remove(out);
        const Outcome r = run(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_EQ(r.out, c.out);
        for (const char* part : c.err)
            EXPECT_NE(r.err.find(part), std::string::npos) << part << " in " << r.err;
        EXPECT_EQ(fs::exists(out), c.code == 0);
    }
    EXPECT_TRUE(fs::exists(dir / "quiz_sounds/hund.wav"));
    // What was written holds the comment as the pair's notes and the choices as wrong answers.
    ASSERT_EQ(run({"import", lessons, out}).code, 0);
    const Outcome dump = run({"dump", out});
    for (const char* text : {"a loyal friend", "птица", "tea (お茶)"})
        EXPECT_NE(dump.out.find(text), std::string::npos) << text;
    fs::remove_all(dir);
}

#endif
