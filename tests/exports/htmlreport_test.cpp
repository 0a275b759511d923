#include "exports/htmlreport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

#include "core/clock.h"
#include "core/pairlist.h"
#include "tempfolder.h"
#include "utctimezone.h"

using namespace brainlark;

namespace
{

const std::string AllPlaceholders = "<h1>[header]</h1>\r\n"
                                    "<p>[time_stamp][student_name]</p>\r\n"
                                    "<table><tr>[table_header]</tr>[rows]</table>\r\n"
                                    "[font1]1[/font1][font2]2[/font2][font3]3[/font3][font4]4[/font4]\r\n"
                                    "<a href=\"[main_url]\">main</a><a href=\"[faq_url]\">faq</a>[buy_now]";

Pair pairWith(const std::string& question, const std::string& answer, int right, int wrong, float rating)
{
    Pair pair(question, answer);
    pair.setRight(right);
    pair.setWrong(wrong);
    pair.recalculateTotal();
    pair.setRating(rating);
    return pair;
}

void addWrongAnswer(PairList& list, const std::string& question, const std::string& answer)
{
    Pair wrong(question, answer);
    wrong.setKind(Pair::WrongAnswer);
    list.wrongAnswers().push_back(wrong);
}

bool isAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

class HtmlReportTest : public ::testing::Test
{
protected:
    std::string generate(const PairList& list, bool statistics, const std::string& student = "",
                         const std::string& templateText = AllPlaceholders)
    {
        HtmlReportOptions options;
        options.includeStatistics = statistics;
        options.studentName = student;
        options.mainUrl = "https://main.example/";
        options.faqUrl = "https://main.example/faq/";
        return HtmlReport::generate(list, "Birds", templateText, clock, options);
    }

    test::UtcTimeZone utc;
    ManualClock clock{1700000000}; // 2023-11-14 22:13:20 UTC
};

} // namespace

TEST_F(HtmlReportTest, WholePageWithStatistics)
{
    PairList list;
    list.pairs().push_back(pairWith("owl", "hibou", 9, 1, 2.5f));
    list.pairs().push_back(pairWith("crow", "corbeau", 0, 0, 0.0f));
    addWrongAnswer(list, "owl", "chouette");
    addWrongAnswer(list, "owl", "aigle");
    const std::string f1 = "<font face=verdana size=2 color=#000033>";
    const std::string f2 = "<font face=verdana size=1 color=#8888dd>";
    const std::string f3 = "<font face=verdana size=1 color=#3f7099>";
    const std::string expected =
        "<h1>Brainlark > Birds</h1>\n"
        "<p>22:13:20 - November 14, 2023<br>Student Name: <i>Ann</i></p>\n"
        "<table><tr><th nowrap>" +
        f3 + "#</font></th><th nowrap>" + f3 + "Question</font></th><th nowrap>" + f3 +
        "Answer</font></th><th>" + f3 + "Rating</font></th><th nowrap>" + f3 +
        "Right<br>Answers</font></th><th nowrap>" + f3 + "Wrong<br>Answers</font></th><th nowrap>" + f3 +
        "Accuracy</font></th></tr>"
        "<tr align=right bgcolor=white><td align=left>" +
        f1 + "1</font></td><td align=left>" + f1 + "owl</font></td><td align=left>" + f1 + "hibou<br>" + f2 +
        "<br>chouette<br>aigle</font></font></td>"
        "<td align=center>" +
        f1 + "2.500</font></td><td align=center>" + f1 + "9</font></td><td align=center>" + f1 +
        "1</font></td><td align=center>" + f1 +
        "<font color='green'>90 %</font></font></td></tr>"
        "<tr align=right bgcolor=white><td align=left>" +
        f1 + "2</font></td><td align=left>" + f1 + "crow</font></td><td align=left>" + f1 + "corbeau<br>" +
        f2 +
        "</font></font></td>"
        "<td align=center>" +
        f1 + "0.000</font></td><td align=center>" + f1 + "0</font></td><td align=center>" + f1 +
        "0</font></td><td align=center>" + f1 + " - </font></td></tr></table>\n" + f1 + "1</font>" + f2 +
        "2</font>" + f3 + "3</font>" + f3 +
        "<b>4</b></font>\n"
        "<a href=\"https://main.example/\">main</a><a href=\"https://main.example/faq/\">faq</a>\n";
    EXPECT_EQ(generate(list, true, "Ann"), expected);
}

TEST_F(HtmlReportTest, WithoutStatisticsHeaderAndRowsHaveThreeColumns)
{
    PairList list;
    list.pairs().push_back(pairWith("owl", "hibou", 3, 1, 1.0f));
    const std::string page = generate(list, false);
    EXPECT_NE(
        page.find(
            "<tr><th nowrap><font face=verdana size=1 color=#3f7099>#</font></th><th nowrap><font "
            "face=verdana size=1 color=#3f7099>Question</font></th><th nowrap><font face=verdana size=1 "
            "color=#3f7099>Answer</font></th></tr>"),
        std::string::npos);
    const std::string rows = HtmlReport::rows(list, false);
    EXPECT_EQ(rows,
              "<tr align=right bgcolor=white><td align=left>[font1]1</font></td><td align=left>[font1]owl"
              "</font></td><td align=left>[font1]hibou<br>[font2][/font2][/font1]</td></tr>");
    EXPECT_EQ(page.find("Rating"), std::string::npos);
    EXPECT_EQ(page.find("<td align=center>"), std::string::npos);
}

TEST_F(HtmlReportTest, AccuracyCellsAreColouredByThreshold)
{
    PairList list;
    list.pairs().push_back(pairWith("a", "1", 9, 1, 0));
    list.pairs().push_back(pairWith("b", "2", 7, 3, 0));
    list.pairs().push_back(pairWith("c", "3", 1, 1, 0));
    list.pairs().push_back(pairWith("d", "4", 0, 3, 0));
    list.pairs().push_back(pairWith("e", "5", 0, 0, 0));
    const std::string rows = HtmlReport::rows(list, true);
    for (const char* cell :
         {"[font1]<font color='green'>90 %</font>[/font1]", "[font1]<font color='blue'>70 %</font>[/font1]",
          "[font1]<font color='orange'>50 %</font>[/font1]", "[font1]<font color='red'>0 %</font>[/font1]",
          "[font1] - [/font1]"})
        EXPECT_NE(rows.find(cell), std::string::npos) << cell;
}

TEST_F(HtmlReportTest, ListTextsAreEscapedAndEveryCharacterBeyondAsciiBecomesAReference)
{
    PairList list;
    list.pairs().push_back(pairWith("<b>\"Tom\" & 'Jerry'</b>",
                                    "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xC2\x81 \xD0\x96 \xF0\x9F\x98\x80", 0,
                                    0, 0));
    list.pairs().push_back(pairWith("[rows] [font1] [header]", "x", 0, 0, 0));
    addWrongAnswer(list, "x", "nobody's");
    addWrongAnswer(list, "[rows] [font1] [header]", "<i>wrong</i>");
    HtmlReportOptions options;
    options.studentName = "Zo\xC3\xAB <O'Neil>";
    const std::string page =
        HtmlReport::generate(list, "Caf\xC3\xA9 & Co [rows]", AllPlaceholders, clock, options);
    EXPECT_NE(page.find("&lt;b&gt;&quot;Tom&quot; &amp; &#39;Jerry&#39;&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(page.find("caf&#233; &#8364; &#339; &#129; &#1046; &#128512;"), std::string::npos);
    EXPECT_NE(page.find("&#91;rows] &#91;font1] &#91;header]"), std::string::npos);
    EXPECT_NE(page.find("<br>&lt;i&gt;wrong&lt;/i&gt;"), std::string::npos);
    EXPECT_NE(page.find("<h1>Brainlark > Caf&#233; &amp; Co &#91;rows]</h1>"), std::string::npos);
    EXPECT_NE(page.find("<br>Student Name: <i>Zo&#235; &lt;O&#39;Neil&gt;</i>"), std::string::npos);
    EXPECT_TRUE(isAscii(page));
    EXPECT_EQ(HtmlReport::escape("plain text 123"), "plain text 123");
}

TEST_F(HtmlReportTest, ReversedListShowsTheOtherSide)
{
    PairList list;
    list.pairs().push_back(pairWith("owl", "hibou", 0, 0, 0));
    addWrongAnswer(list, "owl", "chouette");
    list.toggleReverse();
    EXPECT_EQ(
        HtmlReport::rows(list, false),
        "<tr align=right bgcolor=white><td align=left>[font1]1</font></td><td align=left>[font1]hibou</font>"
        "</td><td align=left>[font1]owl<br>[font2]<br>chouette[/font2][/font1]</td></tr>");
}

TEST_F(HtmlReportTest, EmptyListAndNoStudentLeaveThosePlacesEmpty)
{
    const std::string page = generate(PairList(), true, "", "a[rows]b[student_name]c[buy_now]d");
    EXPECT_EQ(page, "abcd\n");
}

TEST_F(HtmlReportTest, TemplateWithoutPlaceholdersIsCopiedWithLineFeeds)
{
    EXPECT_EQ(generate(PairList(), false, "x", "<p>one</p>\r\n<p>two</p>\n\n<p>three</p>"),
              "<p>one</p>\n<p>two</p>\n\n<p>three</p>\n");
    EXPECT_EQ(generate(PairList(), false, "x", ""), "");
}

TEST_F(HtmlReportTest, EveryOccurrenceIsReplaced)
{
    EXPECT_EQ(generate(PairList(), false, "", "[header]|[header]|[main_url][main_url]"),
              "Brainlark > Birds|Brainlark > Birds|https://main.example/https://main.example/\n");
}

TEST_F(HtmlReportTest, OptionsFollowTheStatisticsBit)
{
    EXPECT_TRUE(HtmlReport::optionsFrom(0x01000000, "").includeStatistics);
    EXPECT_TRUE(HtmlReport::optionsFrom(0xFFFFFFFF, "").includeStatistics);
    EXPECT_FALSE(HtmlReport::optionsFrom(0xFEFFFFFF, "").includeStatistics);
    const HtmlReportOptions options = HtmlReport::optionsFrom(0, "Ann");
    EXPECT_EQ(options.studentName, "Ann");
    EXPECT_EQ(options.mainUrl.rfind("https://", 0), 0u);
    EXPECT_EQ(options.faqUrl.rfind("https://", 0), 0u);
}

TEST_F(HtmlReportTest, ShippedTemplateUsesEveryPlaceholderAndDeclaresUtf8)
{
    const std::string templateText =
        test::readBytes(std::string(BRAINLARK_SOURCE_DIR) + "/data/browser/reports_template.html");
    ASSERT_FALSE(templateText.empty());
    for (const char* placeholder : {"[header]", "[time_stamp]", "[table_header]", "[rows]", "[font1]",
                                    "[font2]", "[font3]", "[font4]", "[/font1]", "[/font2]", "[/font3]",
                                    "[/font4]", "[main_url]", "[faq_url]", "[buy_now]", "[student_name]"})
        EXPECT_NE(templateText.find(placeholder), std::string::npos) << placeholder;
    EXPECT_NE(templateText.find("<meta charset=\"utf-8\">"), std::string::npos);

    PairList list;
    list.pairs().push_back(pairWith("\xC3\xA9t\xC3\xA9", "summer", 2, 1, 1.5f));
    const std::string page = generate(list, true, "Ann", templateText);
    EXPECT_TRUE(isAscii(page));
    EXPECT_FALSE(std::regex_search(page, std::regex(R"(\[/?[a-z_]+[0-9]?\])"))) << "placeholder left";
    EXPECT_NE(page.find("&#233;t&#233;"), std::string::npos);
}
