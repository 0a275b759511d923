#include "core/tableexport.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/htmltext.h"

namespace brainlark
{

namespace
{

struct Row {
    std::string_view question;
    std::string_view answer;
    const std::vector<std::string_view>* wrong;
};

// The text as HTML that reads back as itself: markup escaped, line breaks as <br>.
std::string asHtml(std::string_view text)
{
    std::string html;
    html.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '#':
            html += i == 0 ? "&#35;" : "#";
            break;
        case '\t':
            html += ' ';
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                break;
            html += "<br>";
            break;
        case '\n':
            html += "<br>";
            break;
        default:
            html += c;
        }
    }
    return html;
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void appendCsvField(std::string& out, std::string_view text)
{
    const std::string html = HtmlText::looksLikeHtml(text) ? asHtml(text) : std::string();
    const std::string_view field = html.empty() ? text : std::string_view(html);
    const bool quote =
        field.find_first_of(",\"\r\n") != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.front() == '\t' || field.front() == '#' ||
                            field.back() == ' ' || field.back() == '\t'));
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendTsvField(std::string& out, std::string_view text)
{
    if (HtmlText::looksLikeHtml(text) || holdsLineBreak(text) || (!text.empty() && text.front() == '#')) {
        out += asHtml(text);
        return;
    }
    for (char c : text)
        out += c == '\t' ? ' ' : c;
}

template <typename AppendField>
std::string table(const PairList& list, char separator, const char* lineEnd, AppendField appendField)
{
    std::unordered_map<std::string_view, std::vector<std::string_view>> wrongAnswers;
    for (const Pair& wrong : list.wrongAnswers())
        if (wrong.kind() == Pair::WrongAnswer)
            wrongAnswers[wrong.question()].push_back(wrong.answer());
    static const std::vector<std::string_view> none;
    size_t wrongColumns = 0;
    size_t size = 0;
    std::vector<Row> rows;
    rows.reserve(list.pairs().size());
    for (const Pair& pair : list.pairs()) {
        const auto found = wrongAnswers.find(pair.question());
        const std::vector<std::string_view>& wrong = found == wrongAnswers.end() ? none : found->second;
        wrongColumns = std::max(wrongColumns, wrong.size());
        rows.push_back({pair.shownQuestion(), pair.shownAnswer(), &wrong});
        size += pair.question().size() + pair.answer().size() + 8;
    }
    std::string out;
    out.reserve(size + 64);
    out += "Question";
    out += separator;
    out += "Answer";
    for (size_t i = 0; i < wrongColumns; ++i) {
        out += separator;
        out += "Wrong answer";
    }
    out += lineEnd;
    for (const Row& row : rows) {
        appendField(out, row.question);
        out += separator;
        appendField(out, row.answer);
        for (size_t i = 0; i < wrongColumns; ++i) {
            out += separator;
            if (i < row.wrong->size())
                appendField(out, (*row.wrong)[i]);
        }
        out += lineEnd;
    }
    return out;
}

} // namespace

std::string TableExport::csv(const PairList& list)
{
    return table(list, ',', "\r\n", appendCsvField);
}

std::string TableExport::tsv(const PairList& list)
{
    return table(list, '\t', "\n", appendTsvField);
}

} // namespace brainlark
