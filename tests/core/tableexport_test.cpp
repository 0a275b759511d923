#include "core/tableexport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/importreader.h"
#include "core/pairlist.h"

using namespace brainlark;

namespace
{

struct Row {
    std::string question;
    std::string answer;
    std::vector<std::string> wrong;
};

PairList listOf(const std::vector<Row>& rows)
{
    PairList list;
    for (const Row& row : rows) {
        list.pairs().emplace_back(row.question, row.answer);
        for (const std::string& wrong : row.wrong)
            list.wrongAnswers().emplace_back(row.question, wrong).setKind(Pair::WrongAnswer);
    }
    return list;
}

} // namespace

TEST(TableExport, CsvQuotesWhatNeedsItAndEndsRowsWithCrLf)
{
    const PairList list =
        listOf({{"plain", "text", {}}, {"say \"hi\"", "a, b", {"x", "line\nbreak"}}, {"#1", " padded", {}}});
    EXPECT_EQ(TableExport::csv(list), "Question,Answer,Wrong answer,Wrong answer\r\n"
                                      "plain,text,,\r\n"
                                      "\"say \"\"hi\"\"\",\"a, b\",x,\"line\nbreak\"\r\n"
                                      "\"#1\",\" padded\",,\r\n");
    EXPECT_EQ(TableExport::tsv(list), "Question\tAnswer\tWrong answer\tWrong answer\n"
                                      "plain\ttext\t\t\n"
                                      "say \"hi\"\ta, b\tx\tline<br>break\n"
                                      "&#35;1\t padded\t\t\n");
}

// What is exported reads back, with the format detected as the import wizard detects it, to the same pairs
// and wrong answers.
TEST(TableExport, BothTablesReadBackToTheSamePairsAndWrongAnswers)
{
    const std::vector<Row> rows = {
        {"кошка", "cat", {"dog", "mouse", "a much, much longer wrong answer than the answer"}},
        {"お茶", "tea \"green\"", {"\"coffee\""}},
        {"two\nlines", "one, two; three", {}},
        {"#hashtag", "x < y & <b>not bold</b>", {"5"}},
        {"Ünïcödé €", "👍 ok", {}},
        {"tab\tinside", "café", {"thé", "lait"}},
    };
    const PairList list = listOf(rows);
    struct Table {
        const char* name;
        std::string bytes;
        ImportFormat format;
    };
    const Table tables[] = {{"csv", TableExport::csv(list), ImportFormat::Csv},
                            {"tsv", TableExport::tsv(list), ImportFormat::Tsv}};
    for (const Table& table : tables) {
        SCOPED_TRACE(table.name);
        const ImportOptions options = ImportReader::detect(table.bytes);
        EXPECT_EQ(options.format, table.format);
        EXPECT_EQ(options.encoding, ImportEncoding::Utf8);
        const ImportResult result = ImportReader::read(table.bytes, options);
        EXPECT_TRUE(result.headerSkipped);
        EXPECT_EQ(result.skippedCount, 1u); // the header line
        ASSERT_EQ(result.pairs.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            // TSV cannot hold a tab in a text: it comes back as a space.
            std::string question = rows[i].question;
            if (table.format == ImportFormat::Tsv && question == "tab\tinside")
                question = "tab inside";
            EXPECT_EQ(result.pairs[i].question, question);
            EXPECT_EQ(result.pairs[i].answer, rows[i].answer);
            EXPECT_EQ(result.pairs[i].wrongAnswers, rows[i].wrong);
        }
    }
}
