// Packages written by other tools (their scripts beside them in tests/fixtures/anki).
#include "interchange/ankipackage.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "interchange/support/ankimaker.h"

using namespace brainlark;

namespace
{

std::string fixture(const char* name)
{
    return std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/anki/" + name;
}

struct Expected {
    std::string question, answer, deck, sound, picture;
};

TEST(AnkiFixturesTest, ReadsDecksOfOtherTools)
{
    const struct {
        const char* file;
        std::string collection;
        std::vector<std::string> noteTypeFields; // of the last note type
        std::vector<std::string> decks;
        std::vector<Expected> pairs;
        std::vector<std::string> media; // copied, with the start of their bytes
    } cases[] = {
        {"export-tool.apkg",
         "collection.anki2",
         {"Front", "Back"},
         {"V\xc3\xb6gel \xf0\x9f\x90\xa6"},
         {{"robin", "Rotkehlchen\nErithacus rubecula", "V\xc3\xb6gel \xf0\x9f\x90\xa6", "chirp.wav", ""},
          {"\xe7\x8c\xab & \xe7\x8a\xac", "cat & dog", "V\xc3\xb6gel \xf0\x9f\x90\xa6", "", "bird.bmp"}},
         {"quiz_sounds/chirp.wav:RIFF", "quiz_pictures/bird.bmp:BM"}},
        {"newest.apkg",
         "collection.anki21b",
         {"Word", "Reading", "Meaning"},
         {"Languages", "Languages::German", "Languages::Japanese"},
         {{"der Hund", "the dog", "Languages::German", "hund.wav", ""},
          {"Stra\xc3\x9f"
           "e",
           "street", "Languages::German", "", "strasse.gif"},
          {"\xe7\x8c\xab", "\xe3\x81\xad\xe3\x81\x93", "Languages::Japanese", "", ""},
          {"\xe7\x8a\xac", "\xe3\x81\x84\xe3\x81\xac", "Languages::Japanese", "", ""},
          {"Hello", "\xe3\x81\x93\xe3\x82\x93\xe3\x81\xab\xe3\x81\xa1\xe3\x81\xaf / Hallo", "Languages", "",
           ""}},
         {"quiz_sounds/hund.wav:RIFF", "quiz_pictures/strasse.gif:GIF89a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir program;
        AnkiPackage package;
        std::string error;
        ASSERT_TRUE(package.open(fixture(c.file), &error)) << error;
        EXPECT_EQ(package.collectionName(), c.collection);
        ASSERT_FALSE(package.noteTypes().empty());
        EXPECT_EQ(package.noteTypes().back().fields, c.noteTypeFields);
        AnkiImportOptions options;
        options.programFolder = program.path().toStdString();
        ImportResult result;
        ASSERT_TRUE(package.read(options, result, {}, &error)) << error;
        EXPECT_EQ(result.decks, c.decks);
        ASSERT_EQ(result.pairs.size(), c.pairs.size());
        for (size_t i = 0; i < c.pairs.size(); ++i) {
            const ImportedPair& pair = result.pairs[i];
            EXPECT_EQ(pair.question, c.pairs[i].question);
            EXPECT_EQ(pair.answer, c.pairs[i].answer);
            EXPECT_EQ(pair.deck, c.pairs[i].deck);
            EXPECT_EQ(pair.questionSound, c.pairs[i].sound);
            EXPECT_EQ(pair.picturePath, c.pairs[i].picture);
        }
        for (const std::string& media : c.media) {
            const size_t colon = media.find(':');
            const std::string bytes =
                ankimaker::fileBytes(options.programFolder + "/" + media.substr(0, colon));
            EXPECT_EQ(bytes.substr(0, media.size() - colon - 1), media.substr(colon + 1)) << media;
        }
        EXPECT_TRUE(result.missingMedia.empty());
    }
}

} // namespace
