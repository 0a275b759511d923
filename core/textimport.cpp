#include "core/textimport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/archivefile.h"
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

bool TextImport::addLine(size_t begin, size_t end)
{
    if (begin == end)
        return false;
    if (m_text.data()[begin] == '#')
        return true;
    splitFields(begin, convertLine(begin, end));
    if (m_fields.size() >= 2 && m_fields[0].size != 0 && m_fields[1].size != 0)
        addPair();
    return true;
}

size_t TextImport::convertLine(size_t begin, size_t end)
{
    // All six replacements in one pass, in place: each turns one or three bytes into one, so the output
    // never overtakes the input. Each yields a single non-ASCII byte that no rule reads, so one pass gives
    // what six whole-line replacements in a row give. The letter of a rule is always copied as it is, so
    // a rule is recognised at its '~' or apostrophes by looking back at the output. Tabs become blanks.
    char* const text = m_text.data();
    const char* p = nextSpecial(text + begin, text + end);
    const char* const stop = text + end;
    if (p == stop)
        return end; // the usual line: nothing to convert
    char* out = text + (p - text);
    while (p < stop) {
        const char* run = p;
        p = nextSpecial(p, stop);
        if (out != run)
            std::memmove(out, run, static_cast<size_t>(p - run));
        out += p - run;
        if (p == stop)
            break;
        const char c = *p++;
        const char before = out == text + begin ? '\0' : out[-1];
        if (c == '\t') {
            *out++ = ' ';
        } else if (c == '~' && before == 'n') {
            out[-1] = '\xF1';
        } else if (c == '\'' && p < stop && *p == '\'' && accentFor(before)) {
            out[-1] = accentFor(before);
            ++p;
        } else {
            *out++ = c;
        }
    }
    return static_cast<size_t>(out - text);
}

void TextImport::splitFields(size_t begin, size_t end)
{
    m_fields.clear();
    const char* const text = m_text.data();
    for (;;) {
        const void* hit = std::memchr(text + begin, Separator, end - begin);
        const size_t at = hit ? static_cast<size_t>(static_cast<const char*>(hit) - text) : end;
        size_t first = begin;
        size_t last = at;
        while (first < last && isWhite(text[first]))
            ++first;
        while (last > first && isWhite(text[last - 1]))
            --last;
        m_fields.push_back({static_cast<uint32_t>(first), static_cast<uint32_t>(last - first)});
        if (at == end)
            break;
        begin = at + 1;
    }
}

void TextImport::addPair()
{
    const TextSpan question = m_fields[0];
    Word& pair = m_list.pairs().emplace_back(m_text, question, m_fields[1]);
    for (size_t i = 2; i < m_fields.size(); ++i) {
        const std::string_view field = m_text.view(m_fields[i]);
        if (field.substr(0, PictureTag.size()) == PictureTag) {
            pair.SetPicturePath(picturePathFor(trimmed(field.substr(PictureTag.size()))));
            continue;
        }
        m_list.wrongAnswers().emplace_back(m_text, question, m_fields[i]).setKind(Word::WrongAnswer);
    }
}

void TextImport::run()
{
    const std::string_view bytes = m_text.view();
    // Room for every line that could be a pair, so 100,000 pairs are not moved again and again as the array
    // grows; a pair needs some bytes, which caps what junk with many line ends can make us reserve.
    const size_t lineCount = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    m_list.pairs().reserve(m_list.pairs().size() + std::min(lineCount, bytes.size() / 4 + 1));
    // Lines are cut on the original bytes: a conversion only rewrites bytes inside its own line.
    LineCutter lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
        const size_t begin = static_cast<size_t>(line.data() - bytes.data());
        if (!addLine(begin, begin + line.size()))
            break;
    }
}

std::string TextImport::picturePathFor(std::string_view name)
{
    std::string path = "states_game\\";
    path += name;
    path += ".bmp";
    return path;
}

int TextImport::importStore(WordList& list, TextStore text)
{
    const std::string_view bytes = text.view();
    const bool hasBom = Cp1252::hasUtf8Bom(bytes);
    if (hasBom || Cp1252::isValidUtf8WithMultibyte(bytes)) {
        TextStore converted;
        converted.append(Cp1252::fromUtf8(hasBom ? bytes.substr(3) : bytes));
        text = std::move(converted);
    }
    TextImport importer(list, std::move(text));
    importer.run();
    return list.GetCount();
}

int TextImport::importText(WordList& list, std::string_view bytes)
{
    if (bytes.size() > TextStore::MaxSize)
        return list.GetCount();
    TextStore text;
    text.append(bytes);
    return importStore(list, std::move(text));
}

int TextImport::importFile(WordList& list, const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        return 0;
    TextStore text;
    if (!ArchiveFile::readAll(fileName, text, nullptr))
        return 0;
    return importStore(list, std::move(text));
}

} // namespace brainlark
