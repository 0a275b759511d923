#include "interchange/ankipackage.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <thread>

#include "interchange/support/ankimaker.h"

using namespace brainlark;
using namespace brainlark::ankimaker;
using namespace std::string_literals;

namespace
{

const std::string Wav = "RIFF\x24\0\0\0WAVEfmt tiny sound"s;

class AnkiPackageTest : public ::testing::Test
{
protected:
    std::string folder() const { return m_dir.path().toStdString(); }
    std::string programFolder() const { return folder() + "/program"; }

    // Notes of two note types in a deck with a subdeck: HTML, a sound and a picture on each side, Unicode.
    static AnkiCollection vocabulary()
    {
        AnkiCollection c;
        c.noteTypes = {{1, "Basic", {"Front", "Back"}}, {7, "Vocab", {"Word", "Meaning", "Example"}}};
        c.noteTypes.push_back({8, "Cloze", {"Text", "Back Extra"}});
        c.decks = {{1, "Default"}, {3, "French"}, {4, "French::Verbs"}, {9, "Filtered Deck 1"}, {5, "Cloze"}};
        c.notes = {
            {{"<b>dog</b> [sound:dog.wav]", "chien<br>le chien <img src=\"dog.jpg\">"}, 3, 1},
            {{"\xe7\x8c\xab", "chat &amp; chaton", "Le chat dort."}, 4, 7},
            {{"<div>to eat</div>", "manger [sound:eat.wav]", "Je mange."}, 4, 7, 9},
            {{"{{c1::Paris}} is the capital of {{c2::France::country}}.", "Back extra"}, 5, 8},
        };
        return c;
    }

    static std::map<std::string, std::string> media()
    {
        return {{"dog.wav", Wav}, {"eat.wav", Wav + "2"}, {"dog.jpg", "\xff\xd8 jpeg"}};
    }

    QTemporaryDir m_dir;
};

TEST_F(AnkiPackageTest, ReadsNotesDecksNoteTypesAndMediaOfEveryForm)
{
    const struct {
        AnkiForm form;
        std::string collection;
        int schema;
    } cases[] = {
        {AnkiForm::Legacy, "collection.anki2", 11},
        {AnkiForm::Anki21, "collection.anki21", 11},
        {AnkiForm::Newest, "collection.anki21b", 18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.collection);
        const std::string path = makePackage(folder(), c.collection + ".apkg", vocabulary(), c.form, media());
        AnkiPackage package;
        std::string error;
        ASSERT_TRUE(package.open(path, &error)) << error;
        EXPECT_EQ(package.collectionName(), c.collection);
        EXPECT_EQ(package.schemaVersion(), c.schema);
        EXPECT_EQ(package.noteCount(), 4u);
        ASSERT_EQ(package.noteTypes().size(), 3u);
        EXPECT_EQ(package.noteTypes()[1].fields, (std::vector<std::string>{"Word", "Meaning", "Example"}));
        std::vector<std::pair<std::string, uint64_t>> decks, types;
        for (const AnkiDeck& deck : package.decks())
            decks.emplace_back(deck.name, deck.notes);
        for (const AnkiNoteType& type : package.noteTypes())
            types.emplace_back(type.name, type.notes);
        // The filtered deck's card counts in its own deck.
        EXPECT_EQ(
            decks,
            (decltype(decks){
                {"Cloze", 1}, {"Default", 0}, {"Filtered Deck 1", 0}, {"French", 1}, {"French::Verbs", 2}}));
        EXPECT_EQ(types, (decltype(types){{"Basic", 1}, {"Vocab", 2}, {"Cloze", 1}}));

        const std::string program = programFolder() + c.collection;
        AnkiImportOptions options;
        options.programFolder = program;
        ImportResult result;
        ASSERT_TRUE(package.read(options, result, {}, &error)) << error;
        ASSERT_EQ(result.pairs.size(), 4u);
        EXPECT_EQ(result.decks, (std::vector<std::string>{"Cloze", "French", "French::Verbs"}));
        const ImportedPair& dog = result.pairs[0];
        EXPECT_EQ(dog.question, "dog");
        EXPECT_EQ(dog.answer, "chien\nle chien");
        EXPECT_EQ(dog.deck, "French");
        EXPECT_EQ(dog.questionSound, "dog.wav");
        EXPECT_EQ(dog.picturePath, "dog.jpg");
        EXPECT_EQ(fileBytes(program + "/quiz_sounds/dog.wav"), Wav);
        EXPECT_EQ(fileBytes(program + "/quiz_pictures/dog.jpg"), "\xff\xd8 jpeg");
        EXPECT_EQ(result.pairs[1].question, "\xe7\x8c\xab");
        EXPECT_EQ(result.pairs[1].answer, "chat & chaton");
        EXPECT_EQ(result.pairs[1].deck, "French::Verbs");
        EXPECT_EQ(result.pairs[2].answerSound, "eat.wav");
        EXPECT_EQ(result.pairs[2].deck, "French::Verbs");
        EXPECT_EQ(fileBytes(program + "/quiz_sounds/eat.wav"), Wav + "2");
        EXPECT_TRUE(result.missingMedia.empty());
    }
}

TEST_F(AnkiPackageTest, TakesTheChosenFieldsAndDeck)
{
    const std::string path = makePackage(folder(), "v.apkg", vocabulary(), AnkiForm::Newest, media());
    const struct {
        std::string deck;
        AnkiFieldChoice vocab;
        std::vector<std::string> questions, answers, notes;
    } cases[] = {
        {"",
         {2, 0, 1},
         {"dog", "Le chat dort.", "Je mange.", "[...] is the capital of [country]."},
         {"chien\nle chien", "\xe7\x8c\xab", "to eat", "Paris, France"},
         {"", "chat & chaton", "manger", "Back extra"}},
        {"French::Verbs", {1, 0, -1}, {"chat & chaton", "manger"}, {"\xe7\x8c\xab", "to eat"}, {"", ""}},
        // A parent deck takes its subdecks.
        {"French", {0, 1, -1}, {"dog", "\xe7\x8c\xab", "to eat"}, {}, {}},
        {"Fren", {0, 1, -1}, {}, {}, {}},
        {"Cloze", {0, 1, -1}, {"[...] is the capital of [country]."}, {"Paris, France"}, {"Back extra"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deck);
        AnkiImportOptions options;
        options.deck = c.deck;
        options.fields[7] = c.vocab;
        ImportResult result;
        std::string error;
        ASSERT_TRUE(AnkiPackage::importFile(path, options, result, {}, &error)) << error;
        std::vector<std::string> questions, answers, notes;
        for (const ImportedPair& pair : result.pairs) {
            questions.push_back(pair.question);
            answers.push_back(pair.answer);
            notes.push_back(pair.notes);
        }
        EXPECT_EQ(questions, c.questions);
        if (!c.answers.empty()) {
            EXPECT_EQ(answers, c.answers);
            EXPECT_EQ(notes, c.notes);
        }
    }
}

TEST_F(AnkiPackageTest, CopiesMediaUnderSafeNamesAndListsWhatTheQuizCannotUse)
{
    AnkiCollection c;
    c.notes = {
        {{"a [sound:../../evil.wav]", "b <img src=\"/etc/x.jpg\">"}},
        {{"c [sound:bark.mp3]", "d <img src=\"photo.png\">"}},
        {{"e <img src=\"gone.jpg\">", "f <img src=\"old.jpeg\">"}},
        {{"g <img src=\"clash.jpg\">", "h <img src=\"same.gif\">"}},
        {{"<img src=\"my%20cat.jpg\">", "i"}},
    };
    const std::string path = makePackage(folder(), "m.apkg", c, AnkiForm::Legacy,
                                         {{"../../evil.wav", Wav},
                                          {"/etc/x.jpg", "abs"},
                                          {"bark.mp3", "mp3"},
                                          {"photo.png", "png"},
                                          {"old.jpeg", "jpeg"},
                                          {"clash.jpg", "new"},
                                          {"same.gif", "gif"},
                                          {"my cat.jpg", "cat"}});
    const std::string pictures = programFolder() + "/quiz_pictures";
    std::filesystem::create_directories(pictures);
    writeFile(pictures + "/clash.jpg", "older picture");
    writeFile(pictures + "/same.gif", "gif");

    AnkiImportOptions options;
    options.programFolder = programFolder();
    ImportResult result;
    std::string error;
    ASSERT_TRUE(AnkiPackage::importFile(path, options, result, {}, &error)) << error;
    ASSERT_EQ(result.pairs.size(), 5u);
    EXPECT_EQ(result.pairs[0].questionSound, "_.._evil.wav");
    EXPECT_EQ(result.pairs[0].picturePath, "_etc_x.jpg");
    EXPECT_EQ(fileBytes(programFolder() + "/quiz_sounds/_.._evil.wav"), Wav);
    EXPECT_FALSE(std::filesystem::exists(folder() + "/evil.wav"));
    EXPECT_EQ(result.pairs[1].questionSound, "");
    EXPECT_EQ(result.pairs[1].picturePath, "");
    EXPECT_EQ(result.pairs[2].picturePath, "old.jpg"); // the question's picture is missing: the answer's
    EXPECT_EQ(result.pairs[3].picturePath, "clash-2.jpg");
    EXPECT_EQ(fileBytes(pictures + "/clash.jpg"), "older picture");
    EXPECT_EQ(fileBytes(pictures + "/clash-2.jpg"), "new");
    EXPECT_EQ(result.pairs[4].question, "?");
    EXPECT_EQ(result.pairs[4].picturePath, "my cat.jpg");
    EXPECT_EQ(result.missingMedia,
              (std::vector<std::string>{"bark.mp3: the quiz plays WAV sounds only",
                                        "photo.png: the quiz shows BMP, JPEG, GIF and PCX pictures only",
                                        "gone.jpg: not in the package"}));
    // The same picture already there is taken as it is.
    ImportResult again;
    ASSERT_TRUE(AnkiPackage::importFile(path, options, again, {}, &error)) << error;
    EXPECT_EQ(again.pairs[3].picturePath, "clash-2.jpg");
    EXPECT_FALSE(std::filesystem::exists(pictures + "/same-2.gif"));
    EXPECT_FALSE(std::filesystem::exists(pictures + "/clash-3.jpg"));
}

TEST_F(AnkiPackageTest, OpensOnOneThreadAndReadsOnOthers)
{
    const std::string path = makePackage(folder(), "t.apkg", vocabulary(), AnkiForm::Newest, media());
    AnkiPackage package;
    std::string error;
    bool opened = false;
    std::thread([&] { opened = package.open(path, &error); }).join();
    ASSERT_TRUE(opened) << error;
    ImportResult onWorker, onMain;
    bool read = false;
    std::thread([&] { read = package.read({}, onWorker, {}, &error); }).join();
    ASSERT_TRUE(read) << error;
    ASSERT_TRUE(package.read({}, onMain, {}, &error)) << error;
    ASSERT_EQ(onWorker.pairs.size(), 4u);
    EXPECT_EQ(onWorker.pairs.size(), onMain.pairs.size());
    EXPECT_EQ(onWorker.pairs[3].answer, onMain.pairs[3].answer);
}

TEST_F(AnkiPackageTest, ConvertsMediaTheQuizCannotUseWhenAConverterCan)
{
    AnkiCollection c;
    c.notes = {{{"c [sound:bark.mp3]", "d <img src=\"photo.png\">"}}};
    const std::string path =
        makePackage(folder(), "c.apkg", c, AnkiForm::Newest, {{"bark.mp3", "mp3"}, {"photo.png", "png"}});
    AnkiImportOptions options;
    options.programFolder = programFolder();
    options.convert = [](bool sound, std::string_view bytes, std::string& converted) {
        converted = "jpeg of " + std::string(bytes);
        return !sound;
    };
    ImportResult result;
    std::string error;
    ASSERT_TRUE(AnkiPackage::importFile(path, options, result, {}, &error)) << error;
    ASSERT_EQ(result.pairs.size(), 1u);
    EXPECT_EQ(result.pairs[0].picturePath, "photo.jpg");
    EXPECT_EQ(fileBytes(programFolder() + "/quiz_pictures/photo.jpg"), "jpeg of png");
    EXPECT_EQ(result.pairs[0].questionSound, "");
    EXPECT_EQ(
        result.missingMedia,
        (std::vector<std::string>{"bark.mp3: the quiz plays WAV sounds only; it could not be converted"}));
}

TEST_F(AnkiPackageTest, SaysWhichFormCannotBeReadAndHowToExportIt)
{
    AnkiCollection stub;
    stub.notes = {
        {{"This file requires a newer version of Anki. Please update to the latest Anki version, then "
          "import the .colpkg/.apkg file again.",
          ""}}};
    AnkiCollection future;
    future.schema = 99;
    future.notes = {{{"a", "b"}}};
    const std::string stubPath = makePackage(folder(), "stub.apkg", stub, AnkiForm::Legacy);
    const std::string futurePath = makePackage(folder(), "future.apkg", future, AnkiForm::Newest);
    writeZip(folder() + "/notsqlite.apkg", {{"collection.anki21", "this is no database, it is text"}});
    writeZip(folder() + "/empty.apkg", {{"media", "{}"}});
    writeZip(folder() + "/badzstd.apkg", {{"collection.anki21b", "\x28\xb5\x2f\xfd garbage"}});
    writeFile(folder() + "/text.apkg", "question\tanswer\n");
    const struct {
        std::string file;
        std::vector<std::string> said;
    } cases[] = {
        {"stub.apkg",
         {"collection.anki2 holds only a note asking for a newer Anki", "Support older Anki versions"}},
        {"future.apkg", {"collection.anki21b is of collection version 99", "Support older Anki versions"}},
        {"notsqlite.apkg", {"collection.anki21 is not an SQLite database", "Support older Anki versions"}},
        {"empty.apkg", {"holds no collection", "Support older Anki versions"}},
        {"badzstd.apkg", {"collection.anki21b: damaged compressed data"}},
        {"text.apkg", {"as a deck package: Not a zip archive"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        AnkiPackage package;
        std::string error;
        EXPECT_FALSE(package.open(folder() + "/" + c.file, &error));
        for (const std::string& part : c.said)
            EXPECT_NE(error.find(part), std::string::npos) << error;
        EXPECT_EQ(AnkiPackage::looksLikePackage(folder() + "/" + c.file),
                  c.file != "text.apkg" && c.file != "empty.apkg");
    }
}

} // namespace
