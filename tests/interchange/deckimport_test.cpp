#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/filereader.h"
#include "interchange/deckimport.h"

using namespace brainlark;

namespace
{

const std::string FixtureFolder = std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/kvtml/";

} // namespace

TEST(DeckImport, TheFormatIsToldByTheContentAndTheNameOnlyBreaksATie)
{
    struct Case {
        std::string bytes;
        const char* name;
        DeckFormat format;
    };
    const std::string kvtml = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml>\n<kvtml version=\"2.0\">";
    const Case cases[] = {
        {kvtml, "list.txt", DeckFormat::Kvtml},
        {"\xEF\xBB\xBF" + kvtml, "x", DeckFormat::Kvtml},
        {"  <kvtml version=\"2.0\">", "x.csv", DeckFormat::Kvtml},
        {"<?xml version=\"1.0\"?>\n<!-- " + std::string(5000, '-') + " -->\n<kvtml>", "a.kvtml",
         DeckFormat::Kvtml},
        {"<?xml version=\"1.0\"?><kvtmlish/>", "a.txt", DeckFormat::At},
        {std::string("PK\x03\x04", 4) + "collection.anki2", "deck.zip", DeckFormat::Apkg},
        {"cat\tKatze\ndog\tHund\n", "words.csv", DeckFormat::Tsv},
        {"cat,Katze\ndog,Hund\n", "words.tsv", DeckFormat::Csv},
        {"cat @ Katze\ndog @ Hund\n", "words.csv", DeckFormat::At},
        {"cat\ndog\n", "words.csv", DeckFormat::Csv},
        {"cat\ndog\n", "WORDS.TSV", DeckFormat::Tsv},
        {"cat\ndog\n", "words.txt", DeckFormat::At},
        {"ann@example.org,Ann\nbob@example.org,Bob\n", "people.csv", DeckFormat::Csv},
        {"ann@example.org,Ann\nbob@example.org,Bob\n", "people.txt", DeckFormat::At},
        {"ann@example.org\tAnn\nbob@example.org\tBob\n", "people.tsv", DeckFormat::Tsv},
        {"Paris @ France\nRome @ Italy\n", "capitals.csv", DeckFormat::At},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40) + " " + c.name);
        EXPECT_EQ(DeckImport::detect(c.bytes, c.name), c.format);
    }
    for (DeckFormat format :
         {DeckFormat::Tsv, DeckFormat::Csv, DeckFormat::At, DeckFormat::Kvtml, DeckFormat::Apkg}) {
        DeckFormat parsed = DeckFormat::Tsv;
        EXPECT_TRUE(DeckImport::parseFormat(DeckImport::formatName(format), parsed));
        EXPECT_EQ(parsed, format);
    }
    DeckFormat unchanged = DeckFormat::Csv;
    EXPECT_FALSE(DeckImport::parseFormat("xml", unchanged));
}

TEST(DeckImport, ADeckFilterKeepsOneLessonAndAnUnknownNameListsTheDecks)
{
    struct Case {
        const char* deck;
        size_t pairs;
        const char* error;
    };
    const Case cases[] = {
        {"", 6, ""},
        {"Food", 3, ""},
        {"Animals", 3, ""},
        {"Plants", 0, "no deck or lesson \"Plants\" (its decks: \"Animals\", \"Food\")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deck);
        DeckImportOptions options;
        options.deck = c.deck;
        const ImportResult result = DeckImport::importDeck(FixtureFolder + "lessons.kvtml", options);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
        EXPECT_EQ(result.pairs.size(), c.pairs);
        for (const ImportedPair& pair : result.pairs)
            EXPECT_TRUE(*c.deck == '\0' || pair.deck == c.deck);
        if (*c.deck && c.pairs > 0) {
            EXPECT_EQ(result.decks, std::vector<std::string>{c.deck});
        }
    }
}

TEST(DeckImport, TextFilesGoThroughTheTextReaderAndMissingFilesSayWhy)
{
    DeckImportOptions options;
    const ImportResult text =
        DeckImport::importBytes("Front\tBack\ncat\tKatze\ndog\tHund\nbird\tVogel\n", "a.txt", options);
    EXPECT_TRUE(text.headerSkipped);
    ASSERT_EQ(text.pairs.size(), 3u);
    EXPECT_EQ(text.pairs[2].answer, "Vogel");
    options.deck = "Animals";
    EXPECT_NE(DeckImport::importBytes("cat\tKatze\n", "a.txt", options).error.find("it has no decks"),
              std::string::npos);
    const ImportResult missing = DeckImport::importDeck(FixtureFolder + "no-such-file.kvtml", {});
    EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
}

TEST(DeckImport, APackageTakesTheFieldsChosenForEachNoteType)
{
    const std::string package = std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/anki/newest.apkg";
    struct Case {
        std::unordered_map<int64_t, AnkiFieldChoice> fields;
        std::string question, answer, notes;
    };
    const Case cases[] = {
        {{}, "\xe7\x8c\xab", "\xe3\x81\xad\xe3\x81\x93", ""},
        {{{2, {0, 2, 1}}}, "\xe7\x8c\xab", "cat", "\xe3\x81\xad\xe3\x81\x93"},
    };
    for (const Case& c : cases) {
        DeckImportOptions options;
        options.deck = "Languages::Japanese";
        options.noteTypeFields = c.fields;
        const ImportResult result = DeckImport::importDeck(package, options);
        ASSERT_EQ(result.pairs.size(), 2u) << result.error;
        EXPECT_EQ(result.pairs[0].question, c.question);
        EXPECT_EQ(result.pairs[0].answer, c.answer);
        EXPECT_EQ(result.pairs[0].notes, c.notes);
    }
}
