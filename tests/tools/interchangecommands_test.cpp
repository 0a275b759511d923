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

TEST(ImportCommand, WritesEachDeckAsAListOfItsOwn)
{
    const fs::path dir = fs::temp_directory_path() / ("brainlark-each-deck-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string entries, animals, food;
    const char* words[][2] = {{"cat", "Katze"}, {"dog", "Hund"}, {"cow", "Kuh"}, {"pig", "Schwein"},
                              {"hen", "Huhn"},  {"tea", "Tee"},  {"egg", "Ei"}};
    for (int i = 0; i < 7; ++i) {
        entries += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" + words[i][0] +
                   "</text></translation><translation id=\"1\"><text>" + words[i][1] +
                   "</text></translation></entry>";
        (i < 5 ? animals : food) += "<entry id=\"" + std::to_string(i) + "\"/>";
    }
    const std::string path = (dir / "farm.kvtml").string();
    std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kvtml version=\"2.0\"><identifiers>"
                           "<identifier id=\"0\"><name>English</name></identifier><identifier id=\"1\"><name>"
                           "German</name></identifier></identifiers><entries>"
                        << entries << "</entries><lessons><container><name>Farm/Animals</name>" << animals
                        << "</container><container><name>Food</name>" << food
                        << "</container></lessons></kvtml>";
    const Outcome made = run({"import", path, "--each-deck", dir.string(), "--stamp", "S"});
    EXPECT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.out, (dir / "Farm_Animals.fly").string() + ": 5 pairs, 0 wrong answers\n");
    EXPECT_NE(made.err.find("deck \"Food\" not written: 2 pairs, a quiz needs at least 5"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "Farm_Animals.fly"));
    EXPECT_FALSE(fs::exists(dir / "Food.fly"));
    fs::remove_all(dir);
}

#endif
