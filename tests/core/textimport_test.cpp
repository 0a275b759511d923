#include "core/textimport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "core/cp1252.h"
#include "core/pairlist.h"

using brainlark::TextImport;
using brainlark::Pair;
using brainlark::PairList;

namespace
{

using Lines = std::vector<std::string>;

// Pairs as "question|answer" (plus "|picture" when there is one), wrong answers as "question>answer".
Lines pairsOf(const PairList& list)
{
    Lines out;
    for (const Pair& w : list.pairs())
        out.push_back(std::string(w.question()) + "|" + std::string(w.answer()) +
                      (w.picturePath().empty() ? "" : "|" + w.picturePath()));
    return out;
}

Lines wrongsOf(const PairList& list)
{
    Lines out;
    for (const Pair& w : list.wrongAnswers())
        out.push_back(std::string(w.question()) + ">" + std::string(w.answer()));
    return out;
}

struct Case {
    const char* name;
    std::string input;
    Lines pairs;
    Lines wrongs;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class TextImportRules : public testing::TestWithParam<Case>
{
};

TEST_P(TextImportRules, ImportsAsExpected)
{
    const Case& c = GetParam();
    PairList list;
    const int count = TextImport::importText(list, c.input);
    EXPECT_EQ(pairsOf(list), c.pairs);
    EXPECT_EQ(wrongsOf(list), c.wrongs);
    EXPECT_EQ(count, static_cast<int>(c.pairs.size()));
}

const Case FieldCases[] = {
    {"wrong answers",
     "Capital of Peru @ Lima @ Quito @ Bogota\n",
     {"Capital of Peru|Lima"},
     {"Capital of Peru>Quito", "Capital of Peru>Bogota"}},
    {"picture", "Texas @ Austin @ [pic1] texas\n", {"Texas|Austin|states_game\\texas.bmp"}, {}},
    {"picture among wrong answers", "Q@A@W1@[pic1]p@W2", {"Q|A|states_game\\p.bmp"}, {"Q>W1", "Q>W2"}},
    {"last picture wins", "Q@A@[pic1]one@[pic1] two ", {"Q|A|states_game\\two.bmp"}, {}},
    {"picture after blanks", "Q@A@   [pic1]  x y  ", {"Q|A|states_game\\x y.bmp"}, {}},
    {"picture without name", "Q@A@[pic1]", {"Q|A|states_game\\.bmp"}, {}},
    {"picture tag is case-sensitive", "Q@A@[PIC1]x", {"Q|A"}, {"Q>[PIC1]x"}},
    {"picture tag only at the start", "Q@A@x[pic1]y", {"Q|A"}, {"Q>x[pic1]y"}},
    {"empty wrong answer between separators",
     "Peru @ Lima @ @ Quito",
     {"Peru|Lima"},
     {"Peru>", "Peru>Quito"}},
    {"two separators after the answer", "Peru@Lima@@Quito", {"Peru|Lima"}, {"Peru>", "Peru>Quito"}},
    {"trailing separator", "Peru@Lima@", {"Peru|Lima"}, {"Peru>"}},
    {"no separator", "just some text\nQ@A", {"Q|A"}, {}},
    {"empty question", "@Lima@Quito\nQ@A", {"Q|A"}, {}},
    {"empty answer", "Peru@ \t @Quito\nQ@A", {"Q|A"}, {}},
    {"blank question", "   @Lima", {}, {}},
    {"duplicates are kept", "Q@A\nQ@B", {"Q|A", "Q|B"}, {}},
    {"blank inside fields kept", "  New York  @  N Y  ", {"New York|N Y"}, {}},
    {"other white space trimmed", "\v\fQ\f@\vA\v", {"Q|A"}, {}},
    {"NUL is an ordinary byte", std::string("a\0b@c\0", 6), {std::string("a\0b|c\0", 6)}, {}},
};
INSTANTIATE_TEST_SUITE_P(Fields, TextImportRules, testing::ValuesIn(FieldCases));

const Case ConversionCases[] = {
    {"n tilde",
     "Espan~a@Spain",
     {"Espa\xC3\xB1"
      "a|Spain"},
     {}},
    {"a acute", "Bogota''@Colombia", {"Bogot\xC3\xA1|Colombia"}, {}},
    {"all vowels", "i'' a'' e'' u'' o''@x", {"\xC3\xAD \xC3\xA1 \xC3\xA9 \xC3\xBA \xC3\xB3|x"}, {}},
    {"every occurrence", "n~n~a''a''@n~", {"\xC3\xB1\xC3\xB1\xC3\xA1\xC3\xA1|\xC3\xB1"}, {}},
    {"in wrong answers and pictures",
     "Q@A@Pen~a@[pic1]man~ana",
     {"Q|A|states_game\\ma\xC3\xB1"
      "ana.bmp"},
     {"Q>Pe\xC3\xB1"
      "a"}},
    {"capitals are not converted", "N~A''E''@x", {"N~A''E''|x"}, {}},
    {"a single apostrophe stays", "a'b@x", {"a'b|x"}, {}},
    {"three apostrophes leave one", "a'''@x", {"\xC3\xA1'|x"}, {}},
    {"other letters keep their apostrophes", "y''@x", {"y''|x"}, {}},
    {"tilde after other letters stays", "m~@x", {"m~|x"}, {}},
    {"n at the end of the line", "Q@an", {"Q|an"}, {}},
    {"apostrophes at the end of the line", "Q@a'", {"Q|a'"}, {}},
    {"conversion before splitting", "n~@a''", {"\xC3\xB1|\xC3\xA1"}, {}},
    {"tab between question and separator", "Peru\t@\tLima", {"Peru|Lima"}, {}},
    {"tab inside a field", "New\tYork@NY", {"New York|NY"}, {}},
    {"tabs break no conversion", "n\t~@x", {"n ~|x"}, {}},
};
INSTANTIATE_TEST_SUITE_P(Conversions, TextImportRules, testing::ValuesIn(ConversionCases));

const Case LineCases[] = {
    {"empty line ends the import", "a@1\n\nb@2\n", {"a|1"}, {}},
    {"empty CR LF line ends the import", "a@1\r\n\r\nb@2\r\n", {"a|1"}, {}},
    {"empty first line imports nothing", "\na@1\n", {}, {}},
    {"blank line does not end the import", "a@1\n   \nb@2\n", {"a|1", "b|2"}, {}},
    {"tab line does not end the import", "a@1\n\t\nb@2\n", {"a|1", "b|2"}, {}},
    {"comment with separator", "#x@y\na@1", {"a|1"}, {}},
    {"comment does not end the import", "#\na@1", {"a|1"}, {}},
    {"blank before hash is no comment", " #x@y", {"#x|y"}, {}},
    {"hash later in the line", "a#@1#", {"a#|1#"}, {}},
    {"LF", "a@1\nb@2\n", {"a|1", "b|2"}, {}},
    {"CR LF", "a@1\r\nb@2\r\n", {"a|1", "b|2"}, {}},
    {"CR only", "a@1\rb@2\r", {"a|1", "b|2"}, {}},
    {"CR only, empty line", "a@1\r\rb@2\r", {"a|1"}, {}},
    {"CR CR LF from a double conversion", "a@1\r\r\nb@2\r\r\n", {"a|1", "b|2"}, {}},
    {"mixed line ends", "a@1\nb@2\r\nc@3\rd@4", {"a|1", "b|2", "c|3", "d|4"}, {}},
    {"last line without line end", "a@1\nb@2", {"a|1", "b|2"}, {}},
    {"last line ends in a lone CR", "a@1\nb@2\r", {"a|1", "b|2"}, {}},
    {"empty input", "", {}, {}},
};
INSTANTIATE_TEST_SUITE_P(Lines, TextImportRules, testing::ValuesIn(LineCases));

const Case Utf8Cases[] = {
    {"UTF-8 without mark",
     "Espa\xC3\xB1"
     "a@Spain",
     {"Espa\xC3\xB1"
      "a|Spain"},
     {}},
    {"UTF-8 with mark",
     "\xEF\xBB\xBF"
     "Espa\xC3\xB1"
     "a@Spain",
     {"Espa\xC3\xB1"
      "a|Spain"},
     {}},
    {"mark before ASCII is dropped",
     "\xEF\xBB\xBF"
     "a@1",
     {"a|1"},
     {}},
    {"mark then an empty line", "\xEF\xBB\xBF\r\na@1", {}, {}},
    {"characters outside Windows-1252", "\xE4\xB8\xAD@\xE2\x82\xAC", {"\xE4\xB8\xAD|\xE2\x82\xAC"}, {}},
    {"accent spelling still works in UTF-8",
     "Espan~a@\xC3\xA9t\xC3\xA9",
     {"Espa\xC3\xB1"
      "a|\xC3\xA9t\xC3\xA9"},
     {}},
    {"ASCII stays as it is", "plain@text", {"plain|text"}, {}},
    {"Windows-1252 is read as such",
     "Espa\xF1"
     "a@Espa\xF1"
     "ol",
     {"Espa\xC3\xB1"
      "a|Espa\xC3\xB1"
      "ol"},
     {}},
    {"one bad sequence keeps the file Windows-1252",
     "Espa\xC3\xB1"
     "a@x\n\xE9t\xE9@y",
     {"Espa\xC3\x83\xC2\xB1"
      "a|x",
      "\xC3\xA9t\xC3\xA9|y"},
     {}},
};
INSTANTIATE_TEST_SUITE_P(Utf8, TextImportRules, testing::ValuesIn(Utf8Cases));

// The conversion written the plain way: six whole-line replacements in a row, then tabs to blanks.
std::string replacedOneByOne(std::string text)
{
    const std::pair<const char*, const char*> rules[] = {{"n~", "\xC3\xB1"},  {"i''", "\xC3\xAD"},
                                                         {"a''", "\xC3\xA1"}, {"e''", "\xC3\xA9"},
                                                         {"u''", "\xC3\xBA"}, {"o''", "\xC3\xB3"}};
    for (const auto& [from, to] : rules) {
        const std::string what = from;
        for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
            text.replace(pos, what.size(), to);
    }
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

TEST(TextImportTest, ConversionMatchesReplacingRuleByRule)
{
    std::mt19937 random(99);
    const std::string alphabet = "naeiouy~'\t x";
    for (int round = 0; round < 5000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        PairList list;
        TextImport::importText(list, "q@[" + text + "]");
        ASSERT_EQ(list.count(), 1);
        ASSERT_EQ(list.pairs()[0].answer(), "[" + replacedOneByOne(text) + "]") << text;
    }
}

// The whole format the plain way: cut lines, convert each with the replacements above, split at '@', trim.
// The reader classifies sixteen bytes at a time and converts in place; this has none of that.
struct Imported {
    Lines pairs;
    Lines wrongs;
};

std::string trimmedCopy(const std::string& text)
{
    const char* white = " \t\n\r\v\f";
    const size_t first = text.find_first_not_of(white);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(white) - first + 1);
}

Imported importedPlainly(const std::string& text)
{
    Imported result;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lineEnd = std::min(text.find_first_of("\r\n", pos), text.size());
        size_t next = lineEnd == text.size() ? lineEnd : lineEnd + 1;
        if (lineEnd < text.size() && text[lineEnd] == '\r') {
            size_t k = lineEnd;
            while (k < text.size() && text[k] == '\r')
                ++k;
            if (k == text.size())
                next = k;
            else if (text[k] == '\n')
                next = k + 1;
        }
        const std::string line = text.substr(pos, lineEnd - pos);
        pos = next;
        if (line.empty())
            break;
        if (line[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::string converted = replacedOneByOne(line);
        for (size_t start = 0;;) {
            const size_t at = converted.find('@', start);
            fields.push_back(trimmedCopy(converted.substr(start, at == std::string::npos ? at : at - start)));
            if (at == std::string::npos)
                break;
            start = at + 1;
        }
        if (fields.size() < 2 || fields[0].empty() || fields[1].empty())
            continue;
        std::string picture;
        for (size_t i = 2; i < fields.size(); ++i) {
            if (fields[i].compare(0, 6, "[pic1]") == 0)
                picture = "|states_game\\" + trimmedCopy(fields[i].substr(6)) + ".bmp";
            else
                result.wrongs.push_back(fields[0] + ">" + fields[i]);
        }
        result.pairs.push_back(fields[0] + "|" + fields[1] + picture);
    }
    return result;
}

TEST(TextImportTest, RandomTextsImportLikeThePlainReading)
{
    // Pieces chosen to put line ends, separators, rules and runs of white space at every distance from
    // the sixteen-byte blocks the reader classifies. Line ends are rarer than the rest, so most texts hold
    // several lines before an empty one ends the import.
    const std::vector<std::string> pieces = {"a",
                                             "n",
                                             "e",
                                             "o",
                                             "x",
                                             "Q",
                                             "~",
                                             "'",
                                             "''",
                                             "\t",
                                             " ",
                                             "\v",
                                             "                 \t  ",
                                             "@",
                                             "@",
                                             "@ ",
                                             " @",
                                             "\xE9",
                                             "word",
                                             "a longer run of words",
                                             "[pic1]",
                                             "#"};
    const std::vector<std::string> lineEnds = {"\n", "\n", "\n", "\r\n", "\r\n", "\r", "\r\r\n"};
    std::mt19937 random(4711);
    size_t pairs = 0;
    size_t wrongs = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const size_t count = 1 + random() % 160;
        for (size_t i = 0; i < count; ++i)
            text +=
                random() % 8 == 0 ? lineEnds[random() % lineEnds.size()] : pieces[random() % pieces.size()];
        const Imported expected = importedPlainly(brainlark::Cp1252::toUtf8(text)); // read as Windows-1252
        PairList list;
        const int imported = TextImport::importText(list, text);
        ASSERT_EQ(pairsOf(list), expected.pairs) << testing::PrintToString(text);
        ASSERT_EQ(wrongsOf(list), expected.wrongs) << testing::PrintToString(text);
        ASSERT_EQ(imported, static_cast<int>(expected.pairs.size()));
        pairs += expected.pairs.size();
        wrongs += expected.wrongs.size();
    }
    // The texts did exercise the reader.
    EXPECT_GT(pairs, 3000u);
    EXPECT_GT(wrongs, 3000u);
}

TEST(TextImportTest, PairsBeforeALongIgnoredTailKeepTheirTexts)
{
    // The unread rest after the empty line is given back; the pairs before it must not notice.
    std::string text = "first @ one @ wrong\r\nsecond @ two\n\n";
    text += std::string(300000, 'x') + "@y\n";
    PairList list;
    EXPECT_EQ(TextImport::importText(list, text), 2);
    EXPECT_EQ(pairsOf(list), (Lines{"first|one", "second|two"}));
    EXPECT_EQ(wrongsOf(list), (Lines{"first>wrong"}));
}

TEST(TextImportTest, PairsAndWrongAnswersCarryTheirKindAndNoStatistics)
{
    PairList list;
    TextImport::importText(list, "Peru @ Lima @ Quito");
    ASSERT_EQ(list.count(), 1);
    const Pair& pair = list.pairs()[0];
    EXPECT_EQ(pair.kind(), Pair::QuestionAnswer);
    EXPECT_EQ(pair.right() + pair.wrong() + pair.total() + pair.timesInQuestion(), 0);
    EXPECT_EQ(pair.rating(), 0.0f);
    ASSERT_EQ(list.wrongAnswers().size(), 1u);
    EXPECT_EQ(list.wrongAnswers()[0].kind(), Pair::WrongAnswer);
    std::vector<const Pair*> found;
    EXPECT_EQ(list.collectWrongAnswersFor(pair, found), 1);
}

TEST(TextImportTest, AppendsAndCountsWhatWasThere)
{
    PairList list;
    list.pairs().emplace_back("old", "pair");
    list.wrongAnswers().emplace_back("old", "wrong");
    EXPECT_EQ(TextImport::importText(list, "a@1@x\nb@2\n"), 3);
    EXPECT_EQ(pairsOf(list), (Lines{"old|pair", "a|1", "b|2"}));
    EXPECT_EQ(wrongsOf(list), (Lines{"old>wrong", "a>x"}));
}

TEST(TextImportTest, CommentsAndLinesWithoutAnswerAreSkippedAndTheEmptyLineEndsTheImport)
{
    PairList list;
    EXPECT_EQ(TextImport::importText(list, "# comment @ not a pair\nnothing here\na@1\n\nb@2\n"), 1);
    EXPECT_EQ(pairsOf(list), (Lines{"a|1"}));
}

class TextImportFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("brainlark-textimport-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path m_dir;
};

TEST_F(TextImportFileTest, ImportsAFileThroughTheList)
{
    PairList list;
    list.pairs().emplace_back("old", "pair");
    EXPECT_EQ(
        list.importText(write("capitals.txt", "# capitals\r\nPeru @ Lima @ Quito\r\nChile @ Santiago\r\n")),
        3);
    EXPECT_EQ(pairsOf(list), (Lines{"old|pair", "Peru|Lima", "Chile|Santiago"}));
    EXPECT_EQ(wrongsOf(list), (Lines{"Peru>Quito"}));
}

TEST_F(TextImportFileTest, UnopenableFilesGiveZeroAndChangeNothing)
{
    PairList list;
    list.pairs().emplace_back("old", "pair");
    EXPECT_EQ(list.importText((m_dir / "missing.txt").string()), 0);
    EXPECT_EQ(list.importText(m_dir.string()), 0);
    const std::string fifo = (m_dir / "fifo").string();
    if (::mkfifo(fifo.c_str(), 0600) == 0) {
        EXPECT_EQ(list.importText(fifo), 0); // would block forever if it were opened
    }
    EXPECT_EQ(pairsOf(list), (Lines{"old|pair"}));
}

TEST_F(TextImportFileTest, EmptyFileGivesTheOldCount)
{
    PairList list;
    list.pairs().emplace_back("old", "pair");
    EXPECT_EQ(list.importText(write("empty.txt", "")), 1);
}

// Binary input: no crash, no hang, and whatever comes out still obeys the line format.
void expectSanePairs(const PairList& list)
{
    for (const Pair& pair : list.pairs()) {
        ASSERT_FALSE(pair.question().empty());
        ASSERT_FALSE(pair.answer().empty());
        EXPECT_NE(pair.question().front(), ' ');
        EXPECT_NE(pair.answer().back(), ' ');
        EXPECT_EQ(pair.question().find_first_of("@\n\r\t"), std::string::npos);
    }
}

TEST(TextImportBinaryTest, RandomBytesImportWithoutHarm)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(64 * 1024, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 256);
        PairList list;
        const int count = TextImport::importText(list, bytes);
        EXPECT_EQ(count, list.count());
        expectSanePairs(list);
    }
}

TEST(TextImportBinaryTest, DegenerateFilesImportNothing)
{
    const std::string cases[] = {
        std::string(1 << 20, '\0'),       std::string(1 << 20, '@'),
        std::string(1 << 20, '\r'), // one empty line after the first
        std::string(1 << 20, '#') + "\n", std::string(1 << 20, 'n') + std::string(1 << 20, '~'),
    };
    for (const std::string& bytes : cases) {
        PairList list;
        EXPECT_EQ(TextImport::importText(list, bytes), 0);
        EXPECT_TRUE(list.wrongAnswers().empty());
    }
}

TEST(TextImportBinaryTest, LongCrOnlyTextIsCutIntoLines)
{
    std::string bytes;
    for (int i = 0; i < 50000; ++i)
        bytes += "q" + std::to_string(i) + "@a\r";
    PairList list;
    EXPECT_EQ(TextImport::importText(list, bytes), 50000);
    EXPECT_EQ(list.pairs().back().question(), "q49999");
}

} // namespace

namespace
{

TEST(TextImportSampleTest, ShippedSampleShowsEveryFeature)
{
    PairList list;
    ASSERT_EQ(list.importText(std::string(BRAINLARK_SOURCE_DIR) + "/data/text/sample_import.txt"), 17);
    const Lines pairs = pairsOf(list);
    EXPECT_EQ(pairs.front(), "Capital of Peru|Lima");
    EXPECT_EQ(pairs[3], "Capital of Paraguay|Asunci\xC3\xB3n");
    EXPECT_EQ(pairs[7], "Capital of Chile|Santiago|states_game\\chile.bmp");
    EXPECT_EQ(pairs[8], "Capital of Argentina|Buenos Aires|states_game\\argentina.bmp");
    EXPECT_EQ(pairs[10], "year|a\xC3\xB1o");
    EXPECT_EQ(pairs[12], "tomorrow|ma\xC3\xB1"
                         "ana");
    EXPECT_EQ(pairs.back(), "bus|autob\xC3\xBAs");
    std::vector<const Pair*> wrongs;
    list.collectWrongAnswers("Capital of Uruguay", wrongs);
    ASSERT_EQ(wrongs.size(), 2u);
    EXPECT_EQ(wrongs[0]->answer(), "");
    list.collectWrongAnswers("Capital of Chile", wrongs);
    EXPECT_EQ(wrongs.size(), 4u); // Valparaiso and Lima; the picture is no wrong answer
    EXPECT_EQ(wrongs[2]->answer(), "Valpara\xC3\xADso");
}

} // namespace
