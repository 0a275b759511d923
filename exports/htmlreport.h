#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brainlark
{

class Clock;
class PairList;

/// What the report shows besides the list.
struct HtmlReportOptions {
    bool includeStatistics = false; ///< rating, right, wrong and accuracy columns
    std::string studentName;        ///< shown under the header when not empty
    std::string mainUrl;
    std::string faqUrl;
};

/// The list as an HTML page: a template whose placeholders are filled with the table rows, the header and
/// a few texts. List texts are escaped, and their characters beyond ASCII written as character references,
/// so the page is plain ASCII and shows the same whatever encoding a browser assumes.
class HtmlReport
{
public:
    /// "fun flags" bit of the "Include statistics" option.
    static constexpr uint32_t IncludeStatisticsFlag = 0x01000000;
    static constexpr const char* MainUrl = "https://www.brainlark.example/";
    static constexpr const char* FaqUrl = "https://www.brainlark.example/faq/";
    static constexpr const char* TemplateName = "reports_template.html";
    static constexpr const char* OutputName = "report1.html";

    /// The options as the settings give them; the web addresses are the program's own.
    static HtmlReportOptions optionsFrom(uint32_t funFlags, const std::string& studentName);

    /// Fills the raw template text (read line by line: every line ends in a line feed).
    static std::string generate(const PairList& list, const std::string& title,
                                const std::string& templateText, const Clock& clock,
                                const HtmlReportOptions& options);

    /// One table row per pair, in list order.
    static std::string rows(const PairList& list, bool includeStatistics);
    static std::string tableHeader(bool includeStatistics);
    /// A list text as HTML text: & < > " ' escaped, '[' as a reference so that it can never start one of
    /// the placeholders filled later, characters beyond ASCII as their references.
    static std::string escape(std::string_view text);
};

} // namespace brainlark
