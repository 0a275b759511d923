#include "core/flyarchive.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "core/cp1252.h"
#include "core/utf16.h"

namespace brainlark
{
namespace
{

const std::string Zhe = "\xD0\xB6"; // ж, one UTF-16 unit

std::string repeated(const std::string& text, size_t times)
{
    std::string out;
    out.reserve(text.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

// The stored notes: a list without pairs writes 00 00, the version, then the notes.
std::string storedNotes(const std::string& notes)
{
    PairList list;
    list.setNotes(notes);
    return FlyArchive::write(list, "S").substr(6);
}

// A file without pairs whose notes are the given string bytes.
std::string fileWithNotes(const std::string& storedString)
{
    return bytesOf({0x00, 0x00, 0x0A, 0x00, 0x00, 0x00}) + storedString +
           bytesOf({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
}

LoadResult readNotes(const std::string& storedString, std::string& notes)
{
    PairList list;
    const LoadResult result = FlyArchive::read(fileWithNotes(storedString), list);
    notes = list.notes();
    return result;
}

TEST(FlyArchiveWide, WriterUsesTheWideFormOnlyBeyondTheCodePageWithLengthsInUnits)
{
    struct Case {
        size_t units;
        std::string prefix; // after the wide marker FF FE FF
    };
    const Case cases[] = {
        {1, bytesOf({0x01})},
        {254, bytesOf({0xFE})},
        {255, bytesOf({0xFF, 0xFF, 0x00})},
        {0xFFFD, bytesOf({0xFF, 0xFD, 0xFF})},
        {0xFFFE, bytesOf({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {0xFFFF, bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {0x10000, bytesOf({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        const std::string stored = storedNotes(repeated(Zhe, c.units));
        const std::string head = bytesOf({0xFF, 0xFE, 0xFF}) + c.prefix;
        ASSERT_EQ(stored.substr(0, head.size()), head) << c.units;
        EXPECT_EQ(stored.substr(head.size(), 2), bytesOf({0x36, 0x04})) << c.units;
        EXPECT_EQ(stored.size(), head.size() + 2 * c.units + 11) << c.units; // + the fields after the notes
    }
    // What the code page holds stays in it, byte for byte: é as E9, the euro sign as 80.
    EXPECT_EQ(storedNotes("caf\xC3\xA9 \xE2\x82\xAC").substr(0, 8),
              bytesOf({0x06, 'c', 'a', 'f', 0xE9, ' ', 0x80, 0x00}));
    EXPECT_EQ(storedNotes(repeated("\xC3\xA9", 255)).substr(0, 4), bytesOf({0xFF, 0xFF, 0x00, 0xE9}));
}

TEST(FlyArchiveWide, ReaderTakesEveryLengthFormOfTheWideString)
{
    struct Case {
        std::string prefix; // after FF FE FF
        size_t units;
    };
    const Case cases[] = {
        {bytesOf({0x00}), 0},
        {bytesOf({0xFE}), 254},
        {bytesOf({0xFF, 0xFF, 0x00}), 255},
        {bytesOf({0xFF, 0xFD, 0xFF}), 0xFFFD},
        {bytesOf({0xFF, 0xFE, 0xFF}), 0xFFFE}, // 16 bits: no second marker here, a length
        {bytesOf({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}), 0xFFFE},
        {bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}), 0xFFFF},
        {bytesOf({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}), 0x10000},
        {bytesOf({0x01}), 1},
    };
    for (const Case& c : cases) {
        std::string notes;
        const std::string units = repeated(bytesOf({0x36, 0x04}), c.units);
        ASSERT_TRUE(readNotes(bytesOf({0xFF, 0xFE, 0xFF}) + c.prefix + units, notes)) << c.units;
        EXPECT_EQ(notes, repeated(Zhe, c.units)) << c.units;
    }
}

TEST(FlyArchiveWide, EveryScriptSurvivesAWriteAndRead)
{
    const char* texts[] = {
        "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", // Москва
        "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",         // Αθήνα
        "\xE6\x9D\xB1\xE4\xBA\xAC",                         // 東京
        "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7",         // مرحبا
        "T\xC5\x8Dky\xC5\x8D",                              // Tōkyō
        "\xF0\x9F\x98\x80 e\xCC\x81",                       // emoji, e + combining acute
        "\xC3\xA9t\xC3\xA9 \xC2\x81",                       // 1252 with an undefined byte
    };
    for (const char* text : texts) {
        PairList list;
        list.pairs().emplace_back(text, std::string(text) + "!");
        list.pairs()[0].setHint(text);
        list.setSubject(text);
        list.wrongAnswers().emplace_back(text, text).setKind(Pair::WrongAnswer);
        list.setCreatedStamp(text);
        const std::string bytes = FlyArchive::write(list, "S");
        PairList back;
        ASSERT_TRUE(FlyArchive::read(bytes, back)) << text;
        EXPECT_EQ(back.pairs()[0].question(), text);
        EXPECT_EQ(back.pairs()[0].answer(), std::string(text) + "!");
        EXPECT_EQ(back.pairs()[0].hint(), text);
        EXPECT_EQ(back.subject(), text);
        EXPECT_EQ(back.wrongAnswers()[0].answer(), text);
        EXPECT_EQ(FlyArchive::write(back, "S"), bytes) << text;
    }
}

// A load keeps the texts in the file's own bytes, converted where they lie, as long as each fits in what was
// read before it; the rest go elsewhere. Texts of every width at every offset, long ones that cannot fit at
// the very start of the file among them, come back whole from a load and a scan and are written back alike.
TEST(FlyArchiveWide, TextsOfEveryWidthAtEveryPlaceComeBackWhole)
{
    const std::vector<std::string> letters = {
        "a",                // ASCII
        "\xC3\xA9",         // é: 1252, two bytes in UTF-8
        "\xE2\x82\xAC",     // €: 1252, three bytes
        "\xD0\xB6",         // ж: wide, two bytes
        "\xE6\x9D\xB1",     // 東: wide, three bytes
        "\xF0\x9F\x98\x80", // emoji: a surrogate pair
        "\xD9\x85",         // م
    };
    const auto text = [&letters](size_t seed, size_t length, size_t kinds) {
        std::string out;
        for (size_t i = 0; i < length; ++i)
            out += letters[(seed + i * i / 3) % kinds];
        return out;
    };
    PairList list;
    list.pairs().emplace_back(repeated(letters[2], 300), repeated(letters[4], 300)); // no room at the start
    list.pairs().emplace_back(repeated(letters[2], 40), "");
    for (size_t i = 0; i < 400; ++i) {
        // Runs of one script (1252 only, wide only) and every script mixed.
        const size_t kinds = i % 3 == 0 ? 3 : letters.size();
        const size_t first = i % 3 == 1 ? 3 : 0;
        list.pairs().emplace_back(text(first + i, i % 37, kinds - first),
                                  text(first + i * 7, (i * 5) % 41, kinds - first));
    }
    list.wrongAnswers()
        .emplace_back(repeated(letters[4], 500), text(1, 20, letters.size()))
        .setKind(Pair::WrongAnswer);
    list.setCreatedStamp("S");
    const std::string bytes = FlyArchive::write(list, "S");

    const auto expectSame = [&list](const std::vector<std::pair<std::string, std::string>>& seen) {
        ASSERT_EQ(seen.size(), list.pairs().size() + list.wrongAnswers().size());
        for (size_t i = 0; i < seen.size(); ++i) {
            const Pair& pair =
                i < list.pairs().size() ? list.pairs()[i] : list.wrongAnswers()[i - list.pairs().size()];
            EXPECT_EQ(seen[i].first, pair.question()) << i;
            EXPECT_EQ(seen[i].second, pair.answer()) << i;
        }
    };
    PairList back;
    ASSERT_TRUE(FlyArchive::read(bytes, back));
    std::vector<std::pair<std::string, std::string>> loaded;
    for (const auto* pairs : {&back.pairs(), &back.wrongAnswers()})
        for (const Pair& pair : *pairs)
            loaded.emplace_back(pair.question(), pair.answer());
    expectSame(loaded);
    EXPECT_TRUE(FlyArchive::write(back, "S") == bytes); // (a difference would print 40 KB)

    TextStore store;
    store.append(bytes);
    std::vector<std::pair<std::string, std::string>> scanned;
    PairList fields;
    ASSERT_TRUE(FlyArchive::scan(store, fields, [&scanned](FlyArchive::PairArray, const Pair& pair) {
        scanned.emplace_back(pair.question(), pair.answer());
    }));
    expectSame(scanned);
    EXPECT_EQ(store.view(), bytes); // a scan leaves the caller's bytes alone
}

TEST(FlyArchiveWide, ScanHandsOverConvertedTextsToo)
{
    PairList list;
    list.pairs().emplace_back("plain", "text");
    list.pairs().emplace_back("\xD0\xB4\xD0\xB0", "yes");
    list.pairs().emplace_back("caf\xC3\xA9", "coffee");
    TextStore bytes;
    bytes.append(FlyArchive::write(list, "S"));
    std::vector<std::string> seen;
    PairList fields;
    ASSERT_TRUE(FlyArchive::scan(bytes, fields, [&seen](FlyArchive::PairArray, const Pair& pair) {
        seen.push_back(std::string(pair.question()) + "|" + std::string(pair.answer()));
    }));
    EXPECT_EQ(seen, (std::vector<std::string>{"plain|text", "\xD0\xB4\xD0\xB0|yes", "caf\xC3\xA9|coffee"}));
}

TEST(FlyArchiveWide, UnpairedSurrogatesFailTheLoad)
{
    const std::string cases[] = {
        bytesOf({0x01, 0x00, 0xD8}),             // a high surrogate at the end
        bytesOf({0x01, 0x00, 0xDC}),             // a low surrogate alone
        bytesOf({0x02, 0x00, 0xD8, 0x41, 0x00}), // a high surrogate before a letter
        bytesOf({0x02, 0x00, 0xDC, 0x00, 0xD8}), // the pair the wrong way round
    };
    for (const std::string& units : cases) {
        std::string notes;
        const LoadResult result = readNotes(bytesOf({0xFF, 0xFE, 0xFF}) + units, notes);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, "unpaired surrogate in wide string");
    }
    std::string notes;
    ASSERT_TRUE(readNotes(bytesOf({0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}), notes));
    EXPECT_EQ(notes, "\xF0\x9F\x98\x80");
}

TEST(FlyArchiveWide, WideStringsOfCodePageTextAreWrittenBackInTheCodePage)
{
    std::string notes;
    ASSERT_TRUE(readNotes(bytesOf({0xFF, 0xFE, 0xFF, 0x02, 'o', 0x00, 0xE9, 0x00}), notes));
    EXPECT_EQ(notes, "o\xC3\xA9");
    EXPECT_EQ(storedNotes(notes).substr(0, 3), bytesOf({0x02, 'o', 0xE9}));
}

TEST(FlyArchiveWide, EveryCodePageByteSurvivesAReadAndWrite)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    std::string notes;
    ASSERT_TRUE(readNotes(bytesOf({0xFF, 0xFF, 0x00}) + all, notes));
    EXPECT_EQ(notes, Cp1252::toUtf8(all));
    EXPECT_EQ(storedNotes(notes).substr(0, 3 + all.size()), bytesOf({0xFF, 0xFF, 0x00}) + all);
}

// Every shipped sample, Windows-1252 and wide alike, comes back byte for byte from open, answer and save once
// the answer's statistics are taken back: nothing on the way touches a text.
TEST(FlyArchiveWide, ShippedSamplesKeepTheirBytesThroughOpenAnswerAndSave)
{
    size_t samples = 0;
    size_t wide = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(BRAINLARK_SOURCE_DIR) + "/data/data")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string original((std::istreambuf_iterator<char>(in)), {});
        PairList list;
        ASSERT_TRUE(FlyArchive::read(original, list)) << entry.path();
        const std::string stamp = list.savedStamp();
        Pair& asked = list.pairs().at(0);
        const Pair before = asked;
        asked.addRight(1);
        asked.updateRating(2.5, false);
        const std::string answered = FlyArchive::write(list, stamp);
        EXPECT_NE(answered, original) << entry.path();
        PairList back;
        ASSERT_TRUE(FlyArchive::read(answered, back)) << entry.path();
        back.pairs()[0] = before;
        EXPECT_EQ(FlyArchive::write(back, stamp), original) << entry.path();
        ++samples;
        wide += original.find("\xFF\xFE\xFF") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(samples, 7u);
    EXPECT_GE(wide, 2u); // the Russian and Japanese samples
}

} // namespace
} // namespace brainlark
