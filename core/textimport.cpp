#include "core/textimport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/cp1252.h"

namespace brainlark
{

namespace
{

constexpr char Separator = '@';
constexpr std::string_view PictureTag = "[pic1]";

bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isWhite(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isWhite(text.back()))
        text.remove_suffix(1);
    return text;
}

// The bytes that start or end a conversion.
bool isSpecial(char c)
{
    return c == '\t' || c == '~' || c == '\'';
}

// Whether any byte of the word equals the byte repeated in `pattern`.
bool hasByte(uint64_t word, uint64_t pattern)
{
    const uint64_t x = word ^ pattern;
    return ((x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull) != 0;
}

// The first tab, '~' or apostrophe in [p, end), or end. Eight bytes at a time, as most lines hold none.
const char* nextSpecial(const char* p, const char* end)
{
    constexpr uint64_t Tabs = 0x0909090909090909ull;
    constexpr uint64_t Tildes = 0x7E7E7E7E7E7E7E7Eull;
    constexpr uint64_t Apostrophes = 0x2727272727272727ull;
    uint64_t word = 0;
    while (end - p >= 8) {
        std::memcpy(&word, p, sizeof word);
        if (hasByte(word, Tabs) || hasByte(word, Tildes) || hasByte(word, Apostrophes))
            break;
        p += 8;
    }
    while (p < end && !isSpecial(*p))
        ++p;
    return p;
}

// The accented letter that "x''" stands for, or 0.
char accentFor(char letter)
{
    switch (letter) {
    case 'i':
        return '\xED';
    case 'a':
        return '\xE1';
    case 'e':
        return '\xE9';
    case 'u':
        return '\xFA';
    case 'o':
        return '\xF3';
    default:
        return 0;
    }
}

// Cuts a text into lines. A line ends at LF, at CR LF, or at a lone CR (old Mac files); a run of CRs right
// before an LF or the end belongs to the line end, as files that went through two text-mode conversions
// end their lines with CR CR LF. The next LF is remembered, so a file without any LF is still cut in linear
// time.
class LineCutter
{
public:
    explicit LineCutter(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line)
    {
        if (m_pos >= m_text.size())
            return false;
        if (m_lf == std::string_view::npos || m_lf < m_pos)
            m_lf = find('\n', m_pos, m_text.size());
        size_t end = m_lf;
        size_t next = m_lf < m_text.size() ? m_lf + 1 : m_lf;
        const size_t cr = find('\r', m_pos, end);
        if (cr < end) {
            size_t k = cr;
            while (k < end && m_text[k] == '\r')
                ++k;
            if (k < end)
                next = cr + 1;
            end = cr;
        }
        line = m_text.substr(m_pos, end - m_pos);
        m_pos = next;
        return true;
    }

private:
    // Position of c in [from, to), or `to`.
    size_t find(char c, size_t from, size_t to) const
    {
        const void* hit = std::memchr(m_text.data() + from, c, to - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_text.data()) : to;
    }

    std::string_view m_text;
    size_t m_pos = 0;
    size_t m_lf = std::string_view::npos; // position of the next LF, or the text size when there is none
};

} // namespace

bool TextImport::addLine(std::string_view line)
{
    if (line.empty())
        return false;
    if (line.front() == '#')
        return true;
    convertLine(line);
    splitFields();
    if (m_fields.size() >= 2 && !m_fields[0].empty() && !m_fields[1].empty())
        addPair();
    return true;
}

void TextImport::convertLine(std::string_view line)
{
    // All six replacements in one pass. Each yields a single non-ASCII byte that no rule reads, so one pass
    // gives what six whole-line replacements in a row give. The letter of a rule is always copied as it is,
    // so a rule is recognised at its '~' or apostrophes by looking back at the output. Tabs become blanks.
    m_line.clear();
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end) {
        const char* run = p;
        p = nextSpecial(p, end);
        m_line.append(run, p);
        if (p == end)
            break;
        const char c = *p++;
        const char before = m_line.empty() ? '\0' : m_line.back();
        if (c == '\t') {
            m_line += ' ';
        } else if (c == '~' && before == 'n') {
            m_line.back() = '\xF1';
        } else if (c == '\'' && p < end && *p == '\'' && accentFor(before)) {
            m_line.back() = accentFor(before);
            ++p;
        } else {
            m_line += c;
        }
    }
}

void TextImport::splitFields()
{
    m_fields.clear();
    const std::string_view text(m_line);
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(Separator, start);
        m_fields.push_back(trimmed(text.substr(start, at == std::string_view::npos ? at : at - start)));
        if (at == std::string_view::npos)
            break;
        start = at + 1;
    }
}

void TextImport::addPair()
{
    Word& pair = m_list.pairs().emplace_back(std::string(m_fields[0]), std::string(m_fields[1]));
    for (size_t i = 2; i < m_fields.size(); ++i) {
        const std::string_view field = m_fields[i];
        if (field.substr(0, PictureTag.size()) == PictureTag) {
            pair.SetPicturePath(picturePathFor(trimmed(field.substr(PictureTag.size()))));
            continue;
        }
        Word& wrong = m_list.wrongAnswers().emplace_back(pair.question(), std::string(field));
        wrong.setKind(Word::WrongAnswer);
    }
    pair.RecalcTotal();
}

std::string TextImport::picturePathFor(std::string_view name)
{
    std::string path = "states_game\\";
    path += name;
    path += ".bmp";
    return path;
}

int TextImport::importText(WordList& list, std::string_view bytes)
{
    std::string converted;
    if (Cp1252::hasUtf8Bom(bytes)) {
        converted = Cp1252::fromUtf8(bytes.substr(3));
        bytes = converted;
    } else if (Cp1252::isValidUtf8WithMultibyte(bytes)) {
        converted = Cp1252::fromUtf8(bytes);
        bytes = converted;
    }
    // Room for every line that could be a pair, so 100,000 pairs are not moved again and again as the array
    // grows; a pair needs some bytes, which caps what junk with many line ends can make us reserve.
    const size_t lineCount = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    list.pairs().reserve(list.pairs().size() + std::min(lineCount, bytes.size() / 16 + 1));
    TextImport importer(list);
    LineCutter lines(bytes);
    std::string_view line;
    while (lines.next(line) && importer.addLine(line)) {
    }
    return list.GetCount();
}

int TextImport::importFile(WordList& list, const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        return 0;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return 0;
    const auto size = std::filesystem::file_size(fileName, ec);
    std::string bytes(ec ? 0 : static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return importText(list, bytes);
}

} // namespace brainlark
