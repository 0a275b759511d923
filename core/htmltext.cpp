#include "core/htmltext.h"

#include <cstdint>

#include "core/cp1252.h"

namespace brainlark
{

namespace
{

constexpr char32_t Replacement = 0xFFFD;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Tags whose end (or, for br and hr, the tag itself) starts a new line.
constexpr std::string_view BreakTags[] = {"br", "hr"};
constexpr std::string_view BlockTags[] = {"div", "p",  "li", "tr",    "h1",         "h2",  "h3", "h4", "h5",
                                          "h6",  "ul", "ol", "table", "blockquote", "pre", "dd", "dt"};
constexpr std::string_view InlineTags[] = {
    "b",     "i",   "u",    "s",    "em", "strong", "span",   "font", "sub", "sup",   "img",   "a",
    "small", "big", "mark", "code", "td", "th",     "strike", "del",  "ins", "tbody", "thead", "center"};
// Tags whose content is no text.
constexpr std::string_view HiddenTags[] = {"script", "style", "head", "title"};

template <size_t N> bool isOneOf(std::string_view name, const std::string_view (&names)[N])
{
    for (std::string_view n : names) {
        if (equalsIgnoringCase(name, n))
            return true;
    }
    return false;
}

bool isKnownTag(std::string_view name)
{
    return isOneOf(name, BreakTags) || isOneOf(name, BlockTags) || isOneOf(name, InlineTags) ||
           isOneOf(name, HiddenTags);
}

struct Tag {
    std::string_view name;
    bool closing = false;
    size_t end = 0; ///< just past the '>'
};

// The tag starting at text[pos] == '<', when it is one of the known tags and closed by '>'.
bool readTag(std::string_view text, size_t pos, Tag& tag)
{
    size_t i = pos + 1;
    tag.closing = i < text.size() && text[i] == '/';
    if (tag.closing)
        ++i;
    const size_t nameBegin = i;
    while (i < text.size() && (isAlpha(text[i]) || isDigit(text[i])))
        ++i;
    tag.name = text.substr(nameBegin, i - nameBegin);
    if (tag.name.empty() || !isKnownTag(tag.name))
        return false;
    if (i < text.size() && !isSpace(text[i]) && text[i] != '>' && text[i] != '/')
        return false;
    // Attributes may hold '>' inside quotes. A '<' before the end means this was no tag; stopping there keeps
    // a text of many "<b " linear, as no byte is looked at by two tags.
    char quote = 0;
    for (; i < text.size() && text[i] != '<'; ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.end = i + 1;
            return true;
        }
    }
    return false;
}

struct Entity {
    std::string_view name;
    char32_t codePoint;
};
constexpr Entity Entities[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},      {"apos", '\''},
    {"nbsp", ' '},     {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026}, {"rarr", 0x2192},
    {"larr", 0x2190},  {"laquo", 0xAB},   {"raquo", 0xBB},   {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"euro", 0x20AC},  {"copy", 0xA9},     {"deg", 0xB0},
    {"middot", 0xB7},  {"times", 0xD7},   {"divide", 0xF7},  {"shy", 0xAD},
};

// The character reference at text[pos] == '&'; `used` is its length including ';'.
bool readEntity(std::string_view text, size_t pos, char32_t& codePoint, size_t& used)
{
    constexpr size_t MaxLength = 12;
    const size_t semicolon = text.substr(pos, MaxLength).find(';');
    if (semicolon == std::string_view::npos || semicolon < 2)
        return false;
    const std::string_view body = text.substr(pos + 1, semicolon - 1);
    used = semicolon + 1;
    if (body[0] == '#') {
        const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty())
            return false;
        uint32_t value = 0;
        for (char c : digits) {
            uint32_t digit = 0;
            if (isDigit(c))
                digit = uint32_t(c - '0');
            else if (hex && lower(c) >= 'a' && lower(c) <= 'f')
                digit = uint32_t(lower(c) - 'a' + 10);
            else
                return false;
            value = value * (hex ? 16 : 10) + digit; // at most 8 digits fit the bound below
        }
        const bool valid = value > 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        codePoint = valid ? char32_t(value) : Replacement;
        return true;
    }
    for (const Entity& e : Entities) {
        if (body == e.name) {
            codePoint = e.codePoint;
            return true;
        }
    }
    return false;
}

// Collects the text: white space becomes one blank, never at a line's start or end.
class PlainWriter
{
public:
    void text(std::string_view s)
    {
        for (char c : s) {
            if (isSpace(c))
                m_pendingBlank = true;
            else
                character(c);
        }
    }
    void character(char c)
    {
        if (m_pendingBlank && !m_out.empty() && m_out.back() != '\n')
            m_out += ' ';
        m_pendingBlank = false;
        m_out += c;
    }
    void codePoint(char32_t cp)
    {
        if (cp == ' ') {
            m_pendingBlank = true;
            return;
        }
        std::string bytes;
        Cp1252::appendUtf8(bytes, cp);
        for (char c : bytes)
            character(c);
    }
    // A <br>: always a new line, so that two make an empty one.
    void lineBreak()
    {
        m_out += '\n';
        m_pendingBlank = false;
    }
    // A block's start or end: a new line unless one was just begun.
    void blockEdge()
    {
        if (!m_out.empty() && m_out.back() != '\n')
            m_out += '\n';
        m_pendingBlank = false;
    }
    std::string finish()
    {
        size_t end = m_out.size();
        while (end > 0 && m_out[end - 1] == '\n')
            --end;
        m_out.resize(end);
        return std::move(m_out);
    }

private:
    std::string m_out;
    bool m_pendingBlank = false;
};

} // namespace

bool HtmlText::looksLikeHtml(std::string_view text)
{
    for (size_t pos = text.find_first_of("<&"); pos != std::string_view::npos;
         pos = text.find_first_of("<&", pos + 1)) {
        Tag tag;
        char32_t cp = 0;
        size_t used = 0;
        if (text[pos] == '<' ? readTag(text, pos, tag) : readEntity(text, pos, cp, used))
            return true;
    }
    return false;
}

std::string HtmlText::toPlainText(std::string_view html)
{
    PlainWriter out;
    size_t pos = 0;
    while (pos < html.size()) {
        const size_t next = html.find_first_of("<&", pos);
        out.text(html.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos));
        if (next == std::string_view::npos)
            break;
        pos = next;
        if (html[pos] == '&') {
            char32_t cp = 0;
            size_t used = 0;
            if (readEntity(html, pos, cp, used)) {
                out.codePoint(cp);
                pos += used;
            } else {
                out.character('&');
                ++pos;
            }
            continue;
        }
        if (html.substr(pos, 4) == "<!--") {
            const size_t end = html.find("-->", pos + 4);
            pos = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        Tag tag;
        if (!readTag(html, pos, tag)) {
            out.character('<');
            ++pos;
            continue;
        }
        pos = tag.end;
        if (isOneOf(tag.name, BreakTags)) {
            out.lineBreak();
        } else if (isOneOf(tag.name, BlockTags)) {
            out.blockEdge();
        } else if (!tag.closing && isOneOf(tag.name, HiddenTags)) {
            // Skip to the matching end tag; one search, so the whole text is still read once.
            std::string closing = "</";
            closing.append(tag.name);
            size_t end = pos;
            for (;;) {
                end = html.find("</", end);
                if (end == std::string_view::npos ||
                    equalsIgnoringCase(html.substr(end, closing.size()), closing))
                    break;
                end += 2;
            }
            Tag endTag;
            pos = end == std::string_view::npos ? html.size()
                  : readTag(html, end, endTag)  ? endTag.end
                                                : end + closing.size();
        }
    }
    return out.finish();
}

namespace
{

constexpr std::string_view SoundMark = "[sound:";

// The value of the src attribute of a tag (its text up to the '>'), references replaced; empty when it has
// none.
std::string sourceOf(std::string_view tag)
{
    for (size_t i = 1; i + 3 < tag.size(); ++i) {
        if (!isSpace(tag[i - 1]) || !equalsIgnoringCase(tag.substr(i, 3), "src"))
            continue;
        size_t at = i + 3;
        while (at < tag.size() && isSpace(tag[at]))
            ++at;
        if (at >= tag.size() || tag[at] != '=')
            continue;
        ++at;
        while (at < tag.size() && isSpace(tag[at]))
            ++at;
        if (at >= tag.size())
            return {};
        size_t end;
        if (tag[at] == '"' || tag[at] == '\'') {
            end = tag.find(tag[at], at + 1);
            if (end == std::string_view::npos)
                return {};
            ++at;
        } else {
            end = at;
            while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '/')
                ++end;
        }
        // The name may be written with references ("a&amp;b.jpg").
        return HtmlText::toPlainText(tag.substr(at, end - at));
    }
    return {};
}

} // namespace

HtmlText::MediaNames HtmlText::mediaNames(std::string_view field)
{
    MediaNames media;
    for (size_t at = field.find(SoundMark); at != std::string_view::npos;
         at = field.find(SoundMark, at + 1)) {
        const size_t end = field.find(']', at);
        if (end == std::string_view::npos)
            break;
        std::string name = toPlainText(field.substr(at + SoundMark.size(), end - at - SoundMark.size()));
        if (!name.empty())
            media.sounds.push_back(std::move(name));
    }
    for (size_t at = field.find('<'); at != std::string_view::npos; at = field.find('<', at + 1)) {
        if (!equalsIgnoringCase(field.substr(at + 1, 3), "img") || at + 4 >= field.size() ||
            !isSpace(field[at + 4]))
            continue;
        const size_t end = field.find('>', at);
        if (end == std::string_view::npos)
            break;
        std::string source = sourceOf(field.substr(at, end - at));
        if (!source.empty())
            media.pictures.push_back(std::move(source));
        at = end;
    }
    return media;
}

std::string HtmlText::withoutSounds(std::string_view field)
{
    std::string text;
    size_t from = 0;
    for (size_t at = field.find(SoundMark); at != std::string_view::npos; at = field.find(SoundMark, from)) {
        const size_t end = field.find(']', at);
        if (end == std::string_view::npos)
            break;
        text.append(field.substr(from, at - from));
        from = end + 1;
    }
    text.append(field.substr(from));
    return text;
}

bool HtmlText::takeMedia(std::string& field, Media& media)
{
    const MediaNames names = mediaNames(field);
    const std::string kept = withoutSounds(field);
    const bool found = kept.size() != field.size() || !names.pictures.empty();
    if (kept.size() != field.size()) {
        // The marker usually stood alone or after the text: no blank is left at either end.
        const size_t first = kept.find_first_not_of(" \t");
        const size_t last = kept.find_last_not_of(" \t");
        field = first == std::string::npos ? std::string() : kept.substr(first, last - first + 1);
    }
    if (media.sound.empty() && !names.sounds.empty())
        media.sound = names.sounds.front();
    if (media.picture.empty() && !names.pictures.empty())
        media.picture = names.pictures.front();
    return found;
}

} // namespace brainlark
