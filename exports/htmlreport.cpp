#include "exports/htmlreport.h"

#include <vector>

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/pairlist.h"
#include "exports/templatetext.h"

namespace brainlark
{

namespace
{

void appendStatisticsCells(std::string& row, const Pair& pair)
{
    for (const std::string& value :
         {pair.formatRatingPrecise(), pair.formatRight(), pair.formatWrong(), pair.formatAccuracyHtml()}) {
        row += "<td align=center>[font1]";
        row += value;
        row += "[/font1]</td>";
    }
}

} // namespace

HtmlReportOptions HtmlReport::optionsFrom(uint32_t funFlags, const std::string& studentName)
{
    HtmlReportOptions options;
    options.includeStatistics = (funFlags & IncludeStatisticsFlag) != 0;
    options.studentName = studentName;
    options.mainUrl = MainUrl;
    options.faqUrl = FaqUrl;
    return options;
}

std::string HtmlReport::escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const char c = text.front();
        if (static_cast<unsigned char>(c) > 0x7F) {
            char32_t codePoint = 0;
            bool ok = false;
            text.remove_prefix(Cp1252::decodeUtf8(text, codePoint, ok));
            out += "&#" + std::to_string(static_cast<uint32_t>(ok ? codePoint : 0xFFFD)) + ";";
            continue;
        }
        text.remove_prefix(1);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '[':
            out += "&#91;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string HtmlReport::tableHeader(bool includeStatistics)
{
    if (!includeStatistics)
        return "<th nowrap><font face=verdana size=1 color=#3f7099>#</font></th><th nowrap><font "
               "face=verdana "
               "size=1 color=#3f7099>Question</font></th><th nowrap><font face=verdana size=1 "
               "color=#3f7099>Answer</font></th>";
    return "<th nowrap>[font3]#[/font3]</th><th nowrap>[font3]Question[/font3]</th>"
           "<th nowrap>[font3]Answer[/font3]</th><th>[font3]Rating[/font3]</th>"
           "<th nowrap>[font3]Right<br>Answers[/font3]</th><th nowrap>[font3]Wrong<br>Answers[/font3]</th>"
           "<th nowrap>[font3]Accuracy[/font3]</th>";
}

std::string HtmlReport::rows(const PairList& list, bool includeStatistics)
{
    std::string rows;
    int position = 0;
    for (const Pair& pair : list.pairs()) {
        std::string row = "<tr align=right bgcolor=white>";
        row += "<td align=left>[font1]" + std::to_string(++position) + "</font></td>";
        row += "<td align=left>[font1]" + escape(pair.shownQuestion()) + "</font></td>";
        row += "<td align=left>[font1]" + escape(pair.shownAnswer()) + "<br>[font2]";
        std::vector<const Pair*> wrongAnswers;
        list.collectWrongAnswersFor(pair, wrongAnswers);
        for (const Pair* wrong : wrongAnswers)
            row += "<br>" + escape(wrong->answer());
        row += "[/font2][/font1]</td>";
        if (includeStatistics)
            appendStatisticsCells(row, pair);
        row += "</tr>";
        rows += row;
    }
    return rows;
}

std::string HtmlReport::generate(const PairList& list, const std::string& title,
                                 const std::string& templateText, const Clock& clock,
                                 const HtmlReportOptions& options)
{
    std::string page = TemplateText::normaliseLines(templateText);
    const std::string studentLine = options.studentName.empty()
                                        ? std::string()
                                        : "<br>Student Name: <i>" + escape(options.studentName) + "</i>";
    // The rows and the header carry font placeholders of their own, so the fonts come after them.
    const std::pair<const char*, std::string> fills[] = {
        {"[header]", "Brainlark > " + escape(title)},
        {"[time_stamp]", clock.formatLocal("%H:%M:%S - %B %d, %Y")},
        {"[table_header]", tableHeader(options.includeStatistics)},
        {"[rows]", rows(list, options.includeStatistics)},
        {"[font1]", "<font face=verdana size=2 color=#000033>"},
        {"[font2]", "<font face=verdana size=1 color=#8888dd>"},
        {"[font3]", "<font face=verdana size=1 color=#3f7099>"},
        {"[font4]", "<font face=verdana size=1 color=#3f7099><b>"},
        {"[/font1]", "</font>"},
        {"[/font2]", "</font>"},
        {"[/font3]", "</font>"},
        {"[/font4]", "</b></font>"},
        {"[main_url]", options.mainUrl},
        {"[faq_url]", options.faqUrl},
        {"[buy_now]", ""},
        {"[student_name]", studentLine},
    };
    for (const auto& [placeholder, value] : fills)
        TemplateText::replaceAll(page, placeholder, value);
    return page;
}

} // namespace brainlark
