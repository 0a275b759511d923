#include "exports/templatetext.h"

namespace brainlark
{

std::string TemplateText::normaliseLines(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size() + 1);
    size_t start = 0;
    while (start < raw.size()) {
        size_t end = raw.find('\n', start);
        const size_t next = end == std::string_view::npos ? raw.size() : end + 1;
        if (end == std::string_view::npos)
            end = raw.size();
        std::string_view line = raw.substr(start, end - start);
        // A text-mode reader drops the carriage return of a CR LF pair.
        if (end < raw.size() && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        out.append(line);
        out.push_back('\n');
        start = next;
    }
    return out;
}

void TemplateText::replaceAll(std::string& text, std::string_view placeholder, std::string_view value)
{
    if (placeholder.empty())
        return;
    std::string out;
    size_t from = 0;
    size_t hit = text.find(placeholder);
    if (hit == std::string::npos)
        return;
    out.reserve(text.size() + value.size());
    while (hit != std::string::npos) {
        out.append(text, from, hit - from);
        out.append(value);
        from = hit + placeholder.size();
        hit = text.find(placeholder, from);
    }
    out.append(text, from, std::string::npos);
    text.swap(out);
}

} // namespace brainlark
