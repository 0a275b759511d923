#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/filereader.h"
#include "interchange/deckimport.h"
#include "interchange/kvtmlreader.h"

using namespace brainlark;

namespace
{

std::string fixture(const std::string& name)
{
    std::string bytes;
    std::string error;
    const std::string path = std::string(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/kvtml/" + name;
    EXPECT_TRUE(FileReader::read(path, bytes, &error)) << error;
    return bytes;
}

std::string document(const std::string& doctype, const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype +
           "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>A</name></identifier>"
           "<identifier id=\"1\"><name>B</name></identifier></identifiers>\n" +
           body + "</kvtml>\n";
}

std::string entry(int id, const std::string& q, const std::string& a)
{
    return "<entry id=\"" + std::to_string(id) + "\"><translation id=\"0\"><text>" + q +
           "</text></translation><translation id=\"1\"><text>" + a + "</text></translation></entry>";
}

} // namespace

TEST(KvtmlReader, ReadsTheVocabularyProgramsFileWithLessonsChoicesCommentsAndAnEmptyTranslation)
{
    const ImportResult result = KvtmlReader::read(fixture("lessons.kvtml"), {});
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.decks, (std::vector<std::string>{"Animals", "Food"}));
    struct Expected {
        const char* question;
        const char* answer;
        const char* deck;
        std::vector<std::string> wrong;
        const char* notes;
    };
    const Expected expected[] = {
        {"cat", "кошка", "Animals", {"собака", "мышь", "птица"}, ""},
        {"dog", "собака", "Animals", {}, "a loyal friend"},
        {"mouse", "мышь", "Animals", {}, ""},
        {"bread", "хлеб", "Food", {}, ""},
        {"water", "вода", "Food", {}, ""},
        {"tea (お茶)", "чай", "Food", {}, ""},
    };
    ASSERT_EQ(result.pairs.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ImportedPair& pair = result.pairs[i];
        SCOPED_TRACE(pair.question);
        EXPECT_EQ(pair.question, expected[i].question);
        EXPECT_EQ(pair.answer, expected[i].answer);
        EXPECT_EQ(pair.deck, expected[i].deck);
        EXPECT_EQ(pair.wrongAnswers, expected[i].wrong);
        EXPECT_EQ(pair.notes, expected[i].notes);
    }
    // "bird" has no Russian: skipped, named with its line.
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skippedCount, 1u);
    EXPECT_EQ(result.skipped[0].reason, SkipReason::EmptyAnswer);
    EXPECT_EQ(result.skipped[0].text, "bird");
    EXPECT_EQ(result.skipped[0].line, 51);
    EXPECT_EQ(result.preview.size(), 6u);
    EXPECT_EQ(result.preview[0].fields.size(), 5u);
}

TEST(KvtmlReader, TheLanguagesOfQuestionAndAnswerCanBeChosen)
{
    const std::string bytes = fixture("three-languages.kvtml");
    struct Case {
        std::optional<int> question, answer;
        const char* firstQuestion;
        const char* firstAnswer;
        const char* error;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, "water", "水", ""},
        {2, 1, "Wasser", "水", ""},
        {1, std::nullopt, "水", "水", "two different languages"},
        {0, 2, "water", "Wasser", ""},
        {0, 7, "", "", "no language 7 (its languages: 0 (English), 1 (Japanese), 2 (German))"},
    };
    for (const Case& c : cases) {
        DeckImportOptions options;
        options.questionLanguage = c.question;
        options.answerLanguage = c.answer;
        std::vector<KvtmlLanguage> languages;
        const ImportResult result = KvtmlReader::read(bytes, options, {}, &languages);
        SCOPED_TRACE(c.firstQuestion);
        ASSERT_EQ(languages.size(), 3u);
        EXPECT_EQ(languages[1].locale, "ja");
        if (*c.error) {
            EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
            EXPECT_TRUE(result.pairs.empty());
            continue;
        }
        ASSERT_EQ(result.pairs.size(), 5u) << result.error;
        EXPECT_EQ(result.pairs[0].question, c.firstQuestion);
        EXPECT_EQ(result.pairs[0].answer, c.firstAnswer);
    }
}

TEST(KvtmlReader, HostileOrDamagedDocumentsAreRefusedWithAReason)
{
    std::string laughs = "<!DOCTYPE kvtml [\n<!ENTITY l0 \"ha\">\n";
    for (int i = 1; i <= 9; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string ten;
            for (int k = 0; k < 10; ++k)
                ten += "&l" + std::to_string(i - 1) + ";";
            return ten;
        }() + "\">\n";
    laughs += "]>\n";
    std::string nested;
    for (int i = 0; i < 100; ++i)
        nested += "<container><name>n</name>";
    nested += "<entry id=\"0\"/>";
    for (int i = 0; i < 100; ++i)
        nested += "</container>";
    struct Case {
        const char* what;
        std::string bytes;
        const char* error;
    };
    const Case cases[] = {
        {"billion laughs in a text", document(laughs, "<entries>" + entry(0, "&l9;", "b") + "</entries>"),
         "declares entities"},
        {"billion laughs in an attribute", document(laughs, "<entries><entry id=\"&l9;\"/></entries>"),
         "declares entities"},
        {"an external entity",
         document("<!DOCTYPE kvtml [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n",
                  "<entries>" + entry(0, "&x;", "b") + "</entries>"),
         "declares entities"},
        {"a parameter entity",
         document("<!DOCTYPE kvtml [<!ENTITY % p \"<!ELEMENT x ANY>\"> %p; ]>\n",
                  "<entries>" + entry(0, "a", "b") + "</entries>"),
         "declares entities"},
        {"a closing tag that does not match",
         document("", "<entries>\n\n" + entry(0, "a", "b") + "</entry></entries>"), "damaged: line 5,"},
        {"a file cut short", document("", "<entries>" + entry(0, "a", "b")).substr(0, 200), "damaged: line"},
        {"lessons nested 100 deep",
         document("", "<entries>" + entry(0, "a", "b") + "</entries><lessons>" + nested + "</lessons>"),
         "nested more than 64 deep"},
        {"another XML document", "<?xml version=\"1.0\"?><html><body/></html>", "root is <html>"},
        {"the first version of the format", "<?xml version=\"1.0\"?><kvtml><e><o>a</o><t>b</t></e></kvtml>",
         "version 1;"},
        {"no XML at all", "cat\tкошка\n", "damaged: line 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportResult result = KvtmlReader::read(c.bytes, {});
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
        EXPECT_TRUE(result.pairs.empty());
    }
}

TEST(KvtmlReader, AProgressCallbackCanCancelALongRead)
{
    std::string entries;
    for (int i = 0; i < 5000; ++i)
        entries += entry(i, "q" + std::to_string(i), "a");
    const std::string bytes = document("", "<entries>" + entries + "</entries>");
    uint64_t lastDone = 0, total = 0;
    const ImportResult kept = KvtmlReader::read(bytes, {}, [&](uint64_t done, uint64_t all) {
        lastDone = done;
        total = all;
        return true;
    });
    EXPECT_EQ(kept.pairs.size(), 5000u);
    EXPECT_EQ(total, bytes.size());
    EXPECT_GT(lastDone, 0u);
    const ImportResult cancelled = KvtmlReader::read(bytes, {}, [](uint64_t, uint64_t) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.pairs.empty());
}

TEST(KvtmlReader, MarkupInsideATextIsReadAsItsText)
{
    const ImportResult result = KvtmlReader::read(
        document("", "<entries>" + entry(0, "<b>bold</b> cat", "<![CDATA[<i>]]>Katze") + "</entries>"), {});
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.pairs.size(), 1u);
    EXPECT_EQ(result.pairs[0].question, "bold cat");
    EXPECT_EQ(result.pairs[0].answer, "<i>Katze");
}
