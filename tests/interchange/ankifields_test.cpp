#include "interchange/ankifields.h"

#include <gtest/gtest.h>

#include "core/htmltext.h"
#include "interchange/support/ankimaker.h"

using namespace brainlark;

namespace
{

TEST(AnkiFieldsTest, SplitsFieldsAtTheUnitSeparator)
{
    const struct {
        std::string stored;
        size_t max;
        std::vector<std::string_view> fields;
    } cases[] = {
        {"", 256, {""}},
        {"dog", 256, {"dog"}},
        {"dog\x1f"
         "Hund",
         256,
         {"dog", "Hund"}},
        {"a\x1f\x1f"
         "c\x1f",
         256,
         {"a", "", "c", ""}},
        // Beyond the fields asked for, the rest stays in the last one.
        {"a\x1f"
         "b\x1f"
         "c\x1f"
         "d",
         2,
         {"a", "b\x1f"
               "c\x1f"
               "d"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(AnkiFields::split(c.stored, c.max), c.fields);
    }
}

TEST(AnkiFieldsTest, FindsSoundsAndPicturesAndDropsSoundTags)
{
    const struct {
        std::string field;
        std::vector<std::string> sounds, pictures;
        std::string withoutSounds;
    } cases[] = {
        {"dog [sound:dog.wav]", {"dog.wav"}, {}, "dog "},
        {"[sound:a.mp3][sound:b.wav]x", {"a.mp3", "b.wav"}, {}, "x"},
        {"<img src=\"cat.jpg\">", {}, {"cat.jpg"}, "<img src=\"cat.jpg\">"},
        {"<IMG class=x SRC='a b.gif' />", {}, {"a b.gif"}, "<IMG class=x SRC='a b.gif' />"},
        {"<img src=plain.png>", {}, {"plain.png"}, "<img src=plain.png>"},
        {"<img src=\"salt&amp;pepper.jpg\">", {}, {"salt&pepper.jpg"}, "<img src=\"salt&amp;pepper.jpg\">"},
        // No attribute named exactly src, a tag that is no picture, unclosed references.
        {"<img data-src=\"x.jpg\"><imgx src=\"y.jpg\">",
         {},
         {},
         "<img data-src=\"x.jpg\"><imgx src=\"y.jpg\">"},
        {"[sound:open <img src=\"z.jpg", {}, {}, "[sound:open <img src=\"z.jpg"},
        {"[sound:]", {}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const HtmlText::MediaNames media = HtmlText::mediaNames(c.field);
        EXPECT_EQ(media.sounds, c.sounds);
        EXPECT_EQ(media.pictures, c.pictures);
        EXPECT_EQ(HtmlText::withoutSounds(c.field), c.withoutSounds);
    }
}

TEST(AnkiFieldsTest, TurnsClozeGapsIntoQuestionAndAnswer)
{
    const struct {
        std::string field;
        bool cloze;
        std::string question, answer;
    } cases[] = {
        {"{{c1::Paris}} is the capital of {{c2::France::country}}.", true,
         "[...] is the capital of [country].", "Paris, France"},
        {"<b>{{c1::H<sub>2</sub>O}}</b> is water", true, "<b>[...]</b> is water", "H<sub>2</sub>O"},
        {"no gap {{c::x}} {{cx::y}} {{c1::unclosed", false, "", ""},
        {"{{c12::}}", true, "[...]", ""},
        {"plain", false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        std::string question, answer;
        EXPECT_EQ(AnkiFields::splitCloze(c.field, question, answer), c.cloze);
        EXPECT_EQ(question, c.question);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(AnkiFieldsTest, ReadsMediaListsOfBothForms)
{
    using Map = std::unordered_map<std::string, std::string>;
    std::string legacyEntry = ankimaker::protobufMediaList({"a.jpg"});
    // An entry naming its own archive entry (field 255 = 7) instead of its position.
    legacyEntry += std::string("\x0a\x0a\x0a\x05"
                               "b.wav"
                               "\xf8\x0f\x07",
                               12);
    const struct {
        bool json;
        std::string bytes;
        bool ok;
        Map map;
    } cases[] = {
        {true, R"({"0": "dog.jpg", "1": "bark.wav"})", true, {{"dog.jpg", "0"}, {"bark.wav", "1"}}},
        {true, "{}", true, {}},
        {true, R"({"0": 5})", false, {}},
        {true, "[\"dog.jpg\"]", false, {}},
        {true, "{\"0\": \"do", false, {}},
        {false, ankimaker::protobufMediaList({"x.jpg", "y z.wav"}), true, {{"x.jpg", "0"}, {"y z.wav", "1"}}},
        {false, legacyEntry, true, {{"a.jpg", "0"}, {"b.wav", "7"}}},
        {false, "", true, {}},
        {false, std::string("\x0a\x05\x0a\x09", 4), false, {}}, // a length beyond the bytes
        {false, std::string("\x0b", 1), false, {}},             // a group, which the list never holds
        {false,
         std::string("\x08\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\x01", 12),
         false,
         {}}, // varint too long
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        Map map;
        std::string error;
        const bool ok = c.json ? AnkiFields::parseJsonMediaMap(c.bytes, map, &error)
                               : AnkiFields::parseProtobufMediaMap(c.bytes, map, &error);
        EXPECT_EQ(ok, c.ok) << error;
        if (c.ok)
            EXPECT_EQ(map, c.map);
        else
            EXPECT_NE(error.find("media list"), std::string::npos);
    }
}

TEST(AnkiFieldsTest, ReadsNoteTypesAndDecksOfTheOlderCollections)
{
    std::vector<AnkiNoteType> types;
    std::vector<AnkiDeck> decks;
    ASSERT_TRUE(AnkiFields::parseJsonNoteTypes(
        R"({"20": {"id": 20, "name": "Vocab", "flds": [{"name": "Word", "ord": 1}, {"name": "Picture", "ord": 2},
                                                      {"name": "Meaning", "ord": 0}]},
            "10": {"name": "Basic", "flds": [{"name": "Front"}, {"name": "Back"}]}, "bad": 3})",
        types, nullptr));
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].id, 10);
    EXPECT_EQ(types[0].fields, (std::vector<std::string>{"Front", "Back"}));
    EXPECT_EQ(types[1].name, "Vocab");
    EXPECT_EQ(types[1].fields, (std::vector<std::string>{"Meaning", "Word", "Picture"}));
    ASSERT_TRUE(AnkiFields::parseJsonDecks(
        R"({"5": {"id": 5, "name": "Lang::French"}, "1": {"name": "Default"}})", decks, nullptr));
    ASSERT_EQ(decks.size(), 2u);
    EXPECT_EQ(decks[0].name, "Default");
    EXPECT_EQ(decks[1].id, 5);
    EXPECT_EQ(AnkiFields::deckName("Lang\x1f"
                                   "French\x1f"
                                   "Verbs"),
              "Lang::French::Verbs");
    EXPECT_FALSE(AnkiFields::parseJsonDecks("nonsense", decks, nullptr));
}

TEST(AnkiFieldsTest, MakesSafeFileNames)
{
    const struct {
        std::string name, safe;
    } cases[] = {
        {"dog.jpg", "dog.jpg"},
        {"../../x", "_.._x"},
        {"/etc/passwd", "_etc_passwd"},
        {"..\\..\\boot.ini", "_.._boot.ini"},
        {std::string("a\0b.wav", 7), "a_b.wav"},
        {"..", "media"},
        {"", "media"},
        {" .hidden.jpg", "hidden.jpg"},
        {"C:x?.jpg", "C_x_.jpg"},
        {"caf\xc3\xa9 \xe7\x8c\xab.jpg", "caf\xc3\xa9 \xe7\x8c\xab.jpg"},
        {"bad\xff.jpg", "bad\xef\xbf\xbd.jpg"},
        {std::string(200, 'a') + ".jpeg", std::string(115, 'a') + ".jpeg"},
    };
    std::string cat;
    for (int i = 0; i < 60; ++i)
        cat += "\xe7\x8c\xab";
    // Cut at a character's start.
    const std::string longName = cat + ".gif";
    EXPECT_EQ(AnkiFields::safeFileName(longName), cat.substr(0, 38 * 3) + ".gif");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string safe = AnkiFields::safeFileName(c.name);
        EXPECT_EQ(safe, c.safe);
        EXPECT_LE(safe.size(), 120u);
        EXPECT_EQ(safe.find_first_of(std::string("/\\\0", 3)), std::string::npos);
        EXPECT_NE(safe.front(), '.');
    }
}

} // namespace
