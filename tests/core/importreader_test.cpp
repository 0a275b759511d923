#include "core/importreader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/pairlist.h"
#include "core/textimport.h"

using namespace brainlark;

namespace
{

using Lines = std::vector<std::string>;

std::string utf16(const std::u16string& text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// Pairs as "line:question|answer" plus ">wrong" per wrong answer and "#picture".
Lines pairsOf(const ImportResult& result)
{
    Lines out;
    for (const ImportedPair& p : result.pairs) {
        std::string s = std::to_string(p.line) + ":" + p.question + "|" + p.answer;
        for (const std::string& w : p.wrongAnswers)
            s += ">" + w;
        if (!p.notes.empty())
            s += "~" + p.notes.str();
        if (!p.picturePath.empty())
            s += "#" + p.picturePath.str();
        if (!p.questionSound.empty() || !p.answerSound.empty())
            s += "!" + p.questionSound.str() + "/" + p.answerSound.str();
        out.push_back(s);
    }
    return out;
}

Lines skippedOf(const ImportResult& result)
{
    Lines out;
    for (const SkippedLine& s : result.skipped)
        out.push_back(std::to_string(s.line) + ":" + ImportReader::reasonText(s.reason));
    return out;
}

TEST(ImportReaderTest, DetectsEncodings)
{
    const struct {
        std::string bytes;
        ImportEncoding expected;
    } cases[] = {
        {"a\tb\n", ImportEncoding::Utf8},
        {"Espa\xC3\xB1" "a@Spain\n", ImportEncoding::Utf8},
        {"\xEF\xBB\xBFq@a\n", ImportEncoding::Utf8Bom},
        {utf16(u"q\tb", false), ImportEncoding::Utf16Le},
        {utf16(u"q\tb", true), ImportEncoding::Utf16Be},
        {utf16(u"Hund\tdog\n", false).substr(2), ImportEncoding::Utf16Le},
        {utf16(u"Hund\tdog\n", true).substr(2), ImportEncoding::Utf16Be},
        {std::string("question\tanswer\0 more\n", 22), ImportEncoding::Utf8},
        {"Espa\xF1" "a@Spain\n", ImportEncoding::Windows1252},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(ImportReader::detectEncoding(c.bytes), c.expected);
    }
}

TEST(ImportReaderTest, DecodesEveryEncodingToUtf8)
{
    const struct {
        std::string bytes;
        ImportEncoding encoding;
        std::string expected;
    } cases[] = {
        {"\xEF\xBB\xBF" "caf\xC3\xA9", ImportEncoding::Utf8Bom, "caf\xC3\xA9"},
        {"caf\xE9 \x80", ImportEncoding::Windows1252, "caf\xC3\xA9 \xE2\x82\xAC"},
        {utf16(u"\u0416\U0001F600", false), ImportEncoding::Utf16Le, "\xD0\x96\xF0\x9F\x98\x80"},
        {utf16(u"\u0416\U0001F600", true), ImportEncoding::Utf16Be, "\xD0\x96\xF0\x9F\x98\x80"},
        {utf16(u"a", false) + "x", ImportEncoding::Utf16Le, "a\xEF\xBF\xBD"},         // odd last byte
        {utf16(u"\xD800" "a", false), ImportEncoding::Utf16Le, "\xEF\xBF\xBD" "a"},  // lone surrogate
        {"ok\xFF", ImportEncoding::Utf8, "ok\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ImportReader::decode(c.bytes, c.encoding), c.expected);
    }
}

TEST(ImportReaderTest, DetectsFormatAndSeparator)
{
    const struct {
        std::string text;
        ImportFormat format;
        char separator;
    } cases[] = {
        {"hund\tdog\nkatze\tcat\n", ImportFormat::Tsv, '\t'},
        {"# comment, with, commas\nQ @ A, B @ W\nQ2 @ A2\n", ImportFormat::At, '@'},
        {"\"dog, the\",Hund\ncat,Katze\n", ImportFormat::Csv, ','},
        {"dog;Hund\ncat;Katze, die\nmouse;Maus\n", ImportFormat::Csv, ';'},
        {"no separator anywhere\n", ImportFormat::At, '@'},
        // The program's own BL export: tabs before a spaced '@'.
        {"France \t\t@ Paris \nPeru \t\t@ Lima  @ Quito @ Bogota\n", ImportFormat::At, '@'},
        {"mail\tme @ home\nhund\tdog\nkatze\tcat\n", ImportFormat::Tsv, '\t'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ImportOptions options = ImportReader::detectFormat(c.text);
        EXPECT_EQ(options.format, c.format);
        EXPECT_EQ(options.separator, c.separator);
    }
}

struct ReadCase {
    const char* name;
    ImportFormat format;
    char separator;
    std::string text;
    Lines pairs;
    Lines skipped;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImportReaderFormats : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ImportReaderFormats, ReadsPairsAndReportsSkippedLines)
{
    const ReadCase& c = GetParam();
    const ImportResult result = ImportReader::read(c.text, {ImportEncoding::Utf8, c.format, c.separator});
    EXPECT_EQ(pairsOf(result), c.pairs);
    EXPECT_EQ(skippedOf(result), c.skipped);
}

const ReadCase ReadCases[] = {
    {"tsv",
     ImportFormat::Tsv,
     '\t',
     "dog\tHund\r\n cat \t Katze \textra\n",
     {"1:dog|Hund", "2:cat|Katze>extra"},
     {}},
    {"tsv line without separator",
     ImportFormat::Tsv,
     '\t',
     "dog\tHund\njust one field\n\n\tonly answer\n",
     {"1:dog|Hund"},
     {"2:no separator", "4:empty question"}},
    {"tsv header comment",
     ImportFormat::Tsv,
     '\t',
     "#separator:tab\ndog\t\n",
     {},
     {"1:comment", "2:empty answer"}},
    {"csv quoted field with newline and comma",
     ImportFormat::Csv,
     ',',
     "\"line one,\r\nline two\",answer\nnext,\"say \"\"hi\"\"\"\n",
     {"1:line one,\nline two|answer", "3:next|say \"hi\""},
     {}},
    {"csv semicolon", ImportFormat::Csv, ';', "a;b\n\"x;y\";z\n", {"1:a|b", "2:x;y|z"}, {}},
    {"csv quote not closed",
     ImportFormat::Csv,
     ',',
     "a,b\n\"open,c\nd,e\n",
     {"1:a|b"},
     {"2:quote not closed"}},
    {"csv missing separator", ImportFormat::Csv, ',', "lonely\nq,a\n", {"2:q|a"}, {"1:no separator"}},
    {"at with wrong answers and picture",
     ImportFormat::At,
     '@',
     "Capital of Peru @ Lima @ Quito @ Bogota\nTexas@Austin@[pic1] texas\n",
     {"1:Capital of Peru|Lima>Quito>Bogota", "2:Texas|Austin#states_game\\texas.bmp"},
     {}},
    {"at accents, comment and end",
     ImportFormat::At,
     '@',
     "# list\nEspan~a @ Espa''\nno sep\n\nlater@x\n",
     {"2:Espa\xC3\xB1"
      "a|Esp\xC3\xA1"},
     {"1:comment", "3:no separator", "5:after the empty line that ends the file"}},
};

INSTANTIATE_TEST_SUITE_P(Formats, ImportReaderFormats, testing::ValuesIn(ReadCases));

ImportOptions optionsFor(ImportFormat format, HeaderLine header = HeaderLine::Auto)
{
    ImportOptions options{ImportEncoding::Utf8, format, ImportReader::defaultSeparator(format)};
    options.header = header;
    return options;
}

TEST(ImportReaderTest, FirstLineOfColumnNamesIsSkippedAsHeader)
{
    const std::string words = "dog\tHund\ncat\tKatze\nmouse\tMaus\nhouse\tHaus\n";
    const struct {
        std::string text;
        ImportFormat format;
        HeaderLine header;
        bool skipped;
    } cases[] = {
        {"Front\tBack\n" + words, ImportFormat::Tsv, HeaderLine::Auto, true},
        {"question,answer\ndog,Hund\n", ImportFormat::Csv, HeaderLine::Auto, true},
        {"TERM,Definition:\ndog,Hund\n", ImportFormat::Csv, HeaderLine::Auto, true},
        {"Word\tTranslation\tWrong answers\n" + words, ImportFormat::Tsv, HeaderLine::Auto, true},
        {"Front \xE2\x86\x92 Back\n" + words, ImportFormat::Tsv, HeaderLine::Auto, true},
        {"English\tGerman\n" + words, ImportFormat::Tsv, HeaderLine::Auto, true},
        // A first line unlike the rest: names over numbers, capitals over lower case.
        {"Year\tEvent\n1066\tHastings\n1492\tAmerica\n1789\tBastille\n1815\tWaterloo\n", ImportFormat::Tsv,
         HeaderLine::Auto, true},
        {"Animal\tTier\n" + words, ImportFormat::Tsv, HeaderLine::Auto, true},
        // Pairs that only look alike, or a list of such names, keep their first line.
        {"Hund\tdog\nKatze\tcat\nMaus\tmouse\nHaus\thouse\nBaum\ttree\n", ImportFormat::Tsv, HeaderLine::Auto,
         false},
        {"English\tEnglisch\nGerman\tDeutsch\nFrench\tFranz\xC3\xB6sisch\n", ImportFormat::Tsv,
         HeaderLine::Auto, false},
        {"Animal\tTier\ndog\tHund\n", ImportFormat::Tsv, HeaderLine::Auto, false}, // too few to compare
        {"Question @ Answer\nQ2 @ A2\n", ImportFormat::At, HeaderLine::Auto, false},
        // The learner's word stands.
        {"Front\tBack\n" + words, ImportFormat::Tsv, HeaderLine::No, false},
        {words, ImportFormat::Tsv, HeaderLine::Yes, true},
        {"Question @ Answer\nQ2 @ A2\n", ImportFormat::At, HeaderLine::Yes, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ImportResult result = ImportReader::read(c.text, optionsFor(c.format, c.header));
        EXPECT_EQ(result.headerSkipped, c.skipped);
        EXPECT_EQ(skippedOf(result), c.skipped ? Lines{"1:header line"} : Lines{});
        ASSERT_FALSE(result.pairs.empty());
        EXPECT_EQ(result.pairs.front().line, c.skipped ? 2 : 1);
    }
}

TEST(ImportReaderTest, FurtherColumnsBecomeWrongAnswersOrAreNamedAsIgnored)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<ColumnRole> columns;
        Lines pairs;
        std::vector<size_t> ignored;
    } cases[] = {
        {"answer-like",
         "dog\tHund\tKatze\ncat\tKatze\tMaus\nmouse\tMaus\t\n",
         {},
         {"1:dog|Hund>Katze", "2:cat|Katze>Maus", "3:mouse|Maus"},
         {}},
        {"a tag on every line",
         "dog\tHund\tvocab\ncat\tKatze\tvocab\nmouse\tMaus\tvocab\n",
         {},
         {"1:dog|Hund", "2:cat|Katze", "3:mouse|Maus"},
         {2}},
        {"long notes",
         "dog\tHund\tan animal that barks at strangers\ncat\tKatze\tan animal that purrs and sleeps\n",
         {},
         {"1:dog|Hund", "2:cat|Katze"},
         {2}},
        {"numbers beside words", "dog\tHund\t12\ncat\tKatze\t7\n", {}, {"1:dog|Hund", "2:cat|Katze"}, {2}},
        {"a column only later",
         "dog\tHund\ncat\tKatze\nmouse\tMaus\textra\n",
         {},
         {"1:dog|Hund", "2:cat|Katze", "3:mouse|Maus"},
         {2}},
        {"chosen columns",
         "1\tdog\tHund\tbarks\tKatze\n",
         {ColumnRole::Ignored, ColumnRole::Question, ColumnRole::Answer, ColumnRole::Notes,
          ColumnRole::WrongAnswer},
         {"1:dog|Hund>Katze~barks"},
         {0}},
        {"answer first", "Hund\tdog\n", {ColumnRole::Answer, ColumnRole::Question}, {"1:dog|Hund"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImportOptions options = optionsFor(ImportFormat::Tsv, HeaderLine::No);
        options.columns = c.columns;
        const ImportResult result = ImportReader::read(c.text, options);
        EXPECT_EQ(pairsOf(result), c.pairs);
        EXPECT_EQ(result.ignoredColumns, c.ignored);
    }
}

TEST(ImportReaderTest, ParsesColumnLists)
{
    using R = ColumnRole;
    const struct {
        const char* text;
        bool ok;
        std::vector<ColumnRole> columns;
    } cases[] = {
        {"q,a,w,n,-", true, {R::Question, R::Answer, R::WrongAnswer, R::Notes, R::Ignored}},
        {"-,a,q", true, {R::Ignored, R::Answer, R::Question}},
        {"q,w", false, {}},
        {"q,a,x", false, {}},
        {"q,,a", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<ColumnRole> columns;
        EXPECT_EQ(ImportReader::parseColumns(c.text, columns), c.ok);
        EXPECT_EQ(columns, c.columns);
    }
}

TEST(ImportReaderTest, HtmlFieldsBecomePlainTextUnlessKept)
{
    const std::string text = "<b>dog</b>\tder Hund<br>the dog\nsalt & pepper\tSalz &amp; Pfeffer\n";
    ImportOptions options = optionsFor(ImportFormat::Tsv, HeaderLine::No);
    const ImportResult plain = ImportReader::read(text, options);
    EXPECT_EQ(pairsOf(plain), (Lines{"1:dog|der Hund\nthe dog", "2:salt & pepper|Salz & Pfeffer"}));
    EXPECT_EQ(plain.htmlFields, 3u);
    options.keepHtml = true;
    const ImportResult kept = ImportReader::read(text, options);
    EXPECT_EQ(pairsOf(kept),
              (Lines{"1:<b>dog</b>|der Hund<br>the dog", "2:salt & pepper|Salz &amp; Pfeffer"}));
    EXPECT_EQ(kept.htmlFields, 0u);
}

// A file as another trainer exports it: a header, HTML in the fields and a third column of answers.
TEST(ImportReaderTest, ReadsAnExportWithHeaderHtmlAndThirdColumn)
{
    std::string text = "Front\tBack\tOther\n";
    for (int i = 1; i < 200; ++i) {
        const std::string n = std::to_string(i);
        text += "<b>word " + n + "</b>\tanswer&nbsp;" + n + "<br>more\twrong " + n + "\n";
    }
    const ImportResult result = ImportReader::read(text, ImportReader::detect(text));
    EXPECT_EQ(result.options.format, ImportFormat::Tsv);
    EXPECT_EQ(skippedOf(result), Lines{"1:header line"});
    ASSERT_EQ(result.pairs.size(), 199u);
    EXPECT_EQ(pairsOf(result)[199 - 1], "200:word 199|answer 199\nmore>wrong 199");
    EXPECT_EQ(result.columns,
              (std::vector<ColumnRole>{ColumnRole::Question, ColumnRole::Answer, ColumnRole::WrongAnswer}));
    EXPECT_TRUE(result.ignoredColumns.empty());
    ASSERT_EQ(result.preview.size(), ImportResult::PreviewRows);
    EXPECT_EQ(result.preview[0].fields, (Lines{"word 1", "answer 1\nmore", "wrong 1"}));
    PairList list;
    ImportReader::appendTo(result, list);
    EXPECT_EQ(list.wrongAnswers().size(), 199u);
}

TEST(ImportReaderTest, ReadsAUtf16TsvFile)
{
    const std::string bytes = utf16(u"\u0441\u043E\u0431\u0430\u043A\u0430\tdog\r\nchat\tcat\r\n", false);
    const ImportOptions options = ImportReader::detect(bytes);
    EXPECT_EQ(options.encoding, ImportEncoding::Utf16Le);
    EXPECT_EQ(options.format, ImportFormat::Tsv);
    const ImportResult result = ImportReader::read(bytes, options);
    EXPECT_EQ(pairsOf(result), (Lines{"1:\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0|dog", "2:chat|cat"}));
    // The list takes the Cyrillic as it stands.
    PairList list;
    ImportReader::appendTo(result, list);
    EXPECT_EQ(list.pairs()[0].question(), "\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0");
}

TEST(ImportReaderTest, AtFormatGivesTheSameListAsThePlainImport)
{
    const std::string text = "# c\nCapital of Peru @ Lima @ Quito\nTexas@Austin@[pic1] texas\nn~o@i''a@@x\n"
                             "no separator\n@answer only\nq\t@\ta\tb\n\nafter@end\n";
    PairList plain;
    TextImport::importText(plain, text);
    PairList read;
    ImportReader::appendTo(ImportReader::read(text, {ImportEncoding::Windows1252, ImportFormat::At, '@'}), read);
    ASSERT_EQ(read.count(), plain.count());
    for (int i = 0; i < plain.count(); ++i) {
        EXPECT_EQ(read.pairs()[i].question(), plain.pairs()[i].question());
        EXPECT_EQ(read.pairs()[i].answer(), plain.pairs()[i].answer());
        EXPECT_EQ(read.pairs()[i].picturePath(), plain.pairs()[i].picturePath());
    }
    ASSERT_EQ(read.wrongAnswers().size(), plain.wrongAnswers().size());
    for (size_t i = 0; i < plain.wrongAnswers().size(); ++i)
        EXPECT_EQ(read.wrongAnswers()[i].answer(), plain.wrongAnswers()[i].answer());
}

TEST(ImportReaderTest, NamesFormatsBothWays)
{
    for (ImportFormat f : {ImportFormat::Tsv, ImportFormat::Csv, ImportFormat::At}) {
        ImportFormat parsed = ImportFormat::At;
        EXPECT_TRUE(ImportReader::parseFormat(ImportReader::formatName(f), parsed));
        EXPECT_EQ(parsed, f);
    }
    ImportFormat unused = ImportFormat::Tsv;
    EXPECT_FALSE(ImportReader::parseFormat("xls", unused));
}

// Files no learner meant as a list: a line full of shorthands is read whole, millions of lines that are not
// pairs are counted but only the first are kept, and control bytes are shown escaped.
TEST(ImportReaderTest, HostileTextsAreReadInBoundedMemoryAndShownSafely)
{
    std::string shorthands;
    for (int i = 0; i < 100000; ++i)
        shorthands += "n~a''";
    const ImportResult accents =
        ImportReader::read(shorthands + " @ x\n", {ImportEncoding::Utf8, ImportFormat::At, '@'});
    ASSERT_EQ(accents.pairs.size(), 1u);
    std::string expected;
    for (int i = 0; i < 100000; ++i)
        expected += "\xC3\xB1\xC3\xA1";
    EXPECT_EQ(accents.pairs[0].question, expected);

    std::string tiny;
    for (int i = 0; i < 200000; ++i)
        tiny += "a\n";
    const ImportResult many = ImportReader::read(tiny, {ImportEncoding::Utf8, ImportFormat::Tsv, '\t'});
    EXPECT_EQ(many.skippedCount, 200000u);
    ASSERT_EQ(many.skipped.size(), ImportResult::ListedSkips);
    EXPECT_EQ(many.skipped.back().line, int64_t(ImportResult::ListedSkips));

    const ImportResult control = ImportReader::read(std::string("\x1B[2Jq\0\x7F\tz", 9) + "\n",
                                                    {ImportEncoding::Utf8, ImportFormat::At, '@'});
    ASSERT_EQ(control.skipped.size(), 1u);
    EXPECT_EQ(control.skipped[0].text, "\\x1B[2Jq\\x00\\x7F z");
}

} // namespace

// Sounds and pictures named in the fields ("[sound:x]", <img src>) or given as columns become the pair's.
TEST(ImportReaderTest, MediaNamedInFieldsOrColumnsBecomeThePairs)
{
    using R = ColumnRole;
    const struct {
        const char* name;
        std::string text;
        std::vector<ColumnRole> columns;
        Lines pairs;
        std::vector<ColumnRole> roles;
    } cases[] = {
        {"in the sides",
         "dog [sound:dog.wav]\t<img src=\"hund.jpg\">Hund [sound:hund.wav]\n",
         {},
         {"1:dog|Hund#hund.jpg!dog.wav/hund.wav"},
         {R::Question, R::Answer}},
        {"a column of sounds",
         "dog\tHund\t[sound:a.wav]\ncat\tKatze\t[sound:b.wav]\n",
         {},
         {"1:dog|Hund!a.wav/", "2:cat|Katze!b.wav/"},
         {R::Question, R::Answer, R::Sound}},
        {"a column of pictures",
         "dog\tHund\t<img src=a.png>\ncat\tKatze\t<img src=b.png>\n",
         {},
         {"1:dog|Hund#a.png", "2:cat|Katze#b.png"},
         {R::Question, R::Answer, R::Picture}},
        {"mapped file names",
         "dog\tHund\td.wav\th.wav\tdog.bmp\n",
         {R::Question, R::Answer, R::Sound, R::Sound, R::Picture},
         {"1:dog|Hund#dog.bmp!d.wav/h.wav"},
         {R::Question, R::Answer, R::Sound, R::Sound, R::Picture}},
        {"below a header line",
         "Front\tBack\tExtra\ndog\tHund\t[sound:a.wav]\ncat\tKatze\t\n",
         {},
         {"2:dog|Hund!a.wav/", "3:cat|Katze"},
         {R::Question, R::Answer, R::Sound}},
        {"named by the header line",
         "Front\tBack\tImage\ndog\tHund\tdog.jpg\n",
         {},
         {"2:dog|Hund#dog.jpg"},
         {R::Question, R::Answer, R::Picture}},
        {"an ignored column's media",
         "dog\tHund\t[sound:a.wav]\n",
         {R::Question, R::Answer, R::Ignored},
         {"1:dog|Hund"},
         {R::Question, R::Answer, R::Ignored}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImportOptions options = optionsFor(ImportFormat::Tsv);
        options.columns = c.columns;
        const ImportResult result = ImportReader::read(c.text, options);
        EXPECT_EQ(pairsOf(result), c.pairs);
        EXPECT_EQ(result.columns, c.roles);
    }
    // What an ignored column named is said, not dropped without a word.
    ImportOptions options = optionsFor(ImportFormat::Tsv, HeaderLine::No);
    options.columns = {R::Question, R::Answer, R::Ignored};
    EXPECT_EQ(ImportReader::read("dog\tHund\t[sound:a.wav]\n", options).ignoredColumns,
              std::vector<size_t>{2});
}

TEST(ImportReaderTest, ProgressIsHeardAndCanStopTheReading)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "q" + std::to_string(i) + "\ta\n";
    uint64_t lastDone = 0, total = 0;
    int calls = 0;
    const ImportResult all =
        ImportReader::read(text, optionsFor(ImportFormat::Tsv), [&](uint64_t done, uint64_t of) {
            EXPECT_GE(done, lastDone);
            lastDone = done;
            total = of;
            ++calls;
            return true;
        });
    EXPECT_FALSE(all.cancelled);
    EXPECT_EQ(all.pairs.size(), 20000u);
    EXPECT_GT(calls, 5);
    EXPECT_EQ(total, text.size());

    const ImportResult stopped = ImportReader::read(text, optionsFor(ImportFormat::Tsv),
                                                    [](uint64_t done, uint64_t) { return done < 50000; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_LT(stopped.pairs.size(), 20000u);
}

// A record longer than any pair is skipped unread in every format, so that a file of one huge line takes
// no more memory than the file.
TEST(ImportReaderTest, RecordsLongerThanAnyPairAreSkipped)
{
    const std::string huge(ImportReader::MaxRecordBytes + 1, 'x');
    const struct {
        ImportFormat format;
        std::string text;
    } cases[] = {
        {ImportFormat::Tsv, "uno\tone\n" + huge + "\tbig\ndos\ttwo\n"},
        {ImportFormat::Csv, "uno,one\n\"" + huge + "\",big\ndos,two\n"},
        {ImportFormat::At, "uno @ one\n" + huge + " @ big\ndos @ two\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ImportReader::formatName(c.format));
        const ImportResult result = ImportReader::read(c.text, optionsFor(c.format, HeaderLine::No));
        EXPECT_EQ(pairsOf(result), (Lines{"1:uno|one", "3:dos|two"}));
        EXPECT_EQ(skippedOf(result), Lines{"2:longer than 1 MB"});
        ASSERT_EQ(result.skipped.size(), 1u);
        EXPECT_LE(result.skipped[0].text.size(), 100u);
    }
}

TEST(ImportReaderTest, SplitsDecksIntoListsOfTheirOwn)
{
    ImportResult result;
    result.decks = {
        "Languages", "Languages::German", "Empty", "a/b", "a|b", "Sehr lange Namen deutscher Vokabeln::Teil"};
    for (const char* deck : {"Languages::German", "Languages", "a/b", "a|b", "Languages::German",
                             "Sehr lange Namen deutscher Vokabeln::Teil"}) {
        ImportedPair& pair = result.pairs.emplace_back();
        pair.question = std::string("q ") + deck;
        pair.answer = "a";
        pair.deck = deck;
    }
    const auto lists = ImportReader::splitByDeck(result);
    std::vector<std::string> seen;
    for (const auto& list : lists)
        seen.push_back(list.name + " | " + list.subject + " | " + std::to_string(list.result.pairs.size()));
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Languages | Languages | 1",
                        "Languages - German | Languages | 2",
                        "a_b | a/b | 1",
                        "a_b 2 | a|b | 1",
                        "Sehr lange Namen deutscher Vok | Sehr lange Namen deutscher Vokabeln | 1",
                    }));
    EXPECT_EQ(lists[1].result.pairs[1].question, "q Languages::German");
}

namespace
{

std::string repeated(const std::string& piece, size_t bytes)
{
    std::string out;
    while (out.size() < bytes)
        out += piece;
    return out;
}

Lines skippedWithText(const ImportResult& result)
{
    Lines out = skippedOf(result);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] += " " + result.skipped[i].text;
    out.push_back("count " + std::to_string(result.skippedCount));
    return out;
}

} // namespace

// A text fed a block at a time, as a large file is read, gives what it gives when read whole, wherever the
// blocks cut it: characters of any width, CR LF, quoted CSV records over several lines, records too long to
// keep that run over several blocks, and an '@' file's end.
TEST(ImportStreamTest, BlocksGiveWhatTheWholeTextGives)
{
    const std::string longLine(ImportReader::MaxRecordBytes + 300000, 'x');
    const struct {
        const char* name;
        std::string bytes;
        ImportOptions options;
    } cases[] = {
        {"tsv",
         repeated("Stra\xC3\x9F"
                  "e\tstreet\r\n# note\r\n\r\n\xF0\x9F\x90\xB1\tcat\tKatze\n  \nlonely\n",
                  1200000) +
             longLine + "\tz\r\n" + repeated("\xE2\x82\xAC\teuro\r\n", 1500000),
         {ImportEncoding::Utf8, ImportFormat::Tsv, '\t'}},
        {"csv",
         repeated("\"a, \"\"b\"\"\r\nc\",d\r\n  \"x\" y ,z,w\n#c\n", 1100000) + "\"" + longLine + "\r\n\"\"" +
             longLine + "\",q\n" + repeated("e,f\r\n", 1300000),
         {ImportEncoding::Utf8, ImportFormat::Csv, ','}},
        // A line too long to keep whose CR LF the third block of 1000003 bytes cuts in two.
        {"at, CR LF cut",
         repeated("a @ b\n", 1000000) + std::string(2000006, 'x') + "\r\n" + repeated("c @ d\n", 60),
         {ImportEncoding::Utf8, ImportFormat::At, '@'}},
        {"at",
         repeated("dog @ Hund @ Katze\r\n# c\n", 2500000) + "\n" + repeated("after @ end\n", 50000),
         {ImportEncoding::Utf8, ImportFormat::At, '@'}},
        {"utf-16",
         utf16(std::u16string(600000, u'\u00E9') + u"\t\U0001F600\r\n\u00E9t\u00E9\tsummer\n" +
                   std::u16string(700000, u'q') + u"\ta\n",
               false),
         {ImportEncoding::Utf16Le, ImportFormat::Tsv, '\t'}},
        {"windows-1252",
         repeated("caf\xE9\t\x80uro\r\n", 2500000),
         {ImportEncoding::Windows1252, ImportFormat::Tsv, '\t'}},
    };
    for (const auto& c : cases) {
        const ImportResult whole = ImportReader::read(c.bytes, c.options);
        for (const size_t block : {size_t(65537), size_t(1000003), size_t(4) << 20}) {
            SCOPED_TRACE(std::string(c.name) + ", blocks of " + std::to_string(block));
            ImportStream stream(c.options, {}, c.bytes.size());
            for (size_t pos = 0; pos < c.bytes.size(); pos += block)
                ASSERT_TRUE(stream.feed(std::string_view(c.bytes).substr(pos, block)));
            const ImportResult fed = stream.finish();
            EXPECT_EQ(pairsOf(fed), pairsOf(whole));
            EXPECT_EQ(skippedWithText(fed), skippedWithText(whole));
            EXPECT_EQ(fed.headerSkipped, whole.headerSkipped);
            EXPECT_EQ(fed.columns, whole.columns);
            EXPECT_EQ(fed.ignoredColumns, whole.ignoredColumns);
        }
    }
}

// A file is told and read a block at a time: a byte of Windows-1252 far below the start still makes the file
// Windows-1252, as it does when the bytes are read whole; the pairs are those of the whole bytes.
TEST(ImportStreamTest, FilesAreToldAndReadInBlocks)
{
    const std::string path = testing::TempDir() + "importstream.txt";
    const auto write = [&](const std::string& bytes) {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    };
    for (const std::string& bytes :
         {repeated("one\tuno\n", 5000000) + "caf\xE9\tcoffee\n",
          repeated("one,uno\n", 300000) + "\xE2\x82\xAC,euro\n", std::string("\xEF\xBB\xBFq\ta\n")}) {
        write(bytes);
        ImportOptions told;
        std::string error;
        ASSERT_TRUE(ImportReader::detectFile(path, told, &error)) << error;
        const ImportOptions expected = ImportReader::detect(bytes);
        EXPECT_EQ(told.encoding, expected.encoding);
        EXPECT_EQ(told.format, expected.format);
        EXPECT_EQ(told.separator, expected.separator);
        ImportResult read;
        ASSERT_TRUE(ImportReader::readFile(path, told, read, &error)) << error;
        EXPECT_EQ(pairsOf(read), pairsOf(ImportReader::read(bytes, expected)));
    }
    ImportOptions options;
    ImportResult result;
    std::string error;
    EXPECT_FALSE(ImportReader::readFile(path + ".none", options, result, &error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    std::remove(path.c_str());
}
