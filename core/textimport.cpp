#include "core/textimport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/cp1252.h"
#include "core/filereader.h"
#include "core/savefile.h"
#include "core/utf8.h"

namespace brainlark
{

namespace
{

constexpr char Separator = '@';
constexpr std::string_view PictureTag = "[pic1]";
constexpr size_t KeptTail = 64 * 1024; // unread bytes not worth giving back

bool isWhite(char c)
{
    return ImportScanner::isWhite(c);
}

constexpr size_t Block = ImportScanner::BlockSize;

// The number of white bytes at the start of [begin, end) in text (size bytes in all).
size_t leadingWhite(const char* text, size_t size, size_t begin, size_t end)
{
    size_t n = 0;
    while (begin + n < end) {
        const size_t at = begin + n;
        if (size - at < Block) {
            while (begin + n < end && isWhite(text[begin + n]))
                ++n;
            return n;
        }
        const uint32_t other = ~ImportScanner::whiteMask(text + at) & 0xFFFFu;
        if (other != 0)
            return std::min(n + static_cast<size_t>(__builtin_ctz(other)), end - begin);
        n += Block;
    }
    return end - begin;
}

// The number of white bytes at the end of [begin, end). Reads whole blocks ending at `end`, which may start
// before `begin`: the count is cut to the field.
size_t trailingWhite(const char* text, size_t begin, size_t end)
{
    size_t n = 0;
    while (end - n > begin) {
        const size_t stop = end - n;
        if (stop < Block) {
            while (end - n > begin && isWhite(text[end - n - 1]))
                ++n;
            return n;
        }
        const uint32_t other = ~ImportScanner::whiteMask(text + stop - Block) & 0xFFFFu;
        if (other != 0)
            return std::min(n + static_cast<size_t>(__builtin_clz(other << 16)), end - begin);
        n += Block;
    }
    return end - begin;
}

// Tabs inside a field become blanks.
void blankTabs(char* text, size_t size, size_t begin, size_t end)
{
    for (size_t at = begin; at < end; at += Block) {
        if (size - at < Block) {
            std::replace(text + at, text + end, '\t', ' ');
            return;
        }
        uint32_t tabs = ImportScanner::tabMask(text + at);
        if (end - at < Block)
            tabs &= (1u << (end - at)) - 1;
        for (; tabs != 0; tabs &= tabs - 1)
            text[at + static_cast<size_t>(__builtin_ctz(tabs))] = ' ';
    }
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isWhite(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isWhite(text.back()))
        text.remove_suffix(1);
    return text;
}

// The second UTF-8 byte of the accented letter that "x''" stands for (all start with 0xC3), or 0.
char accentFor(char letter)
{
    switch (letter) {
    case 'i':
        return '\xAD'; // í
    case 'a':
        return '\xA1'; // á
    case 'e':
        return '\xA9'; // é
    case 'u':
        return '\xBA'; // ú
    case 'o':
        return '\xB3'; // ó
    default:
        return 0;
    }
}

} // namespace

// One line from pos: converts it in place, cuts it into trimmed fields and returns where the next line
// starts. The accent rules turn two or three bytes into the two of a UTF-8 letter, so the converted line
// never overtakes the bytes still to read. Each yields non-ASCII bytes that no rule reads, so one pass gives
// what the replacements one after the other give; the letter of a rule is copied as it is, so a rule is
// recognised at its '~' or apostrophes by looking back at the output. A line ends at LF, at CR LF, or at a
// lone CR (old Mac files); a run of CRs right before an LF or the end belongs to the line end, as files that
// went through two text-mode conversions end their lines with CR CR LF.
size_t TextImport::readLine(size_t pos)
{
    char* const text = m_text.data();
    const size_t size = m_text.size();
    const size_t lineBegin = pos;
    size_t out = pos;        // where the converted line is written; never ahead of pos
    size_t fieldBegin = pos; // of the field being read, in converted bytes
    m_fieldCount = 0;
    for (;;) {
        const size_t at = m_scanner.next(pos);
        if (out != pos)
            std::memmove(text + out, text + pos, at - pos);
        out += at - pos;
        if (at == size) {
            addField(fieldBegin, out);
            return size;
        }
        const char c = text[at];
        pos = at + 1;
        switch (c) {
        case '\n':
            addField(fieldBegin, out);
            return pos;
        case '\r': {
            addField(fieldBegin, out);
            size_t k = pos;
            while (k < size && text[k] == '\r')
                ++k;
            return k == size ? size : text[k] == '\n' ? k + 1 : pos;
        }
        case Separator:
            addField(fieldBegin, out);
            keep(c, at, out);
            fieldBegin = out;
            break;
        case '~':
            if (out > lineBegin && text[out - 1] == 'n') {
                text[out - 1] = '\xC3'; // ñ
                text[out++] = '\xB1';
            } else
                keep(c, at, out);
            break;
        default: // apostrophe
            if (pos < size && text[pos] == '\'' && out > lineBegin && accentFor(text[out - 1])) {
                text[out] = accentFor(text[out - 1]);
                text[out - 1] = '\xC3';
                ++out;
                ++pos;
            } else {
                keep(c, at, out);
            }
            break;
        }
    }
}

// Copies the byte at `at` to the converted line; most lines are never shifted, and there it already is.
void TextImport::keep(char c, size_t at, size_t& out)
{
    if (out != at)
        m_text.data()[out] = c;
    ++out;
}

// Trims the field [begin, end) and turns its tabs into blanks. Tabs are left alone while the line is read:
// only those inside a trimmed field are ever seen, and most are not (" \t\t@ " is the usual separator).
// Leaving them is safe for the accent rules, which see a tab like the blank it would be.
void TextImport::addField(size_t begin, size_t end)
{
    char* const text = m_text.data();
    const size_t size = m_text.size();
    begin += leadingWhite(text, size, begin, end);
    end -= trailingWhite(text, begin, end);
    blankTabs(text, size, begin, end);
    // Member by member: a field built whole on the stack and copied into the array stalls the processor.
    if (m_fieldCount == m_fields.size())
        m_fields.resize(m_fields.size() * 2 + 8);
    Field& field = m_fields[m_fieldCount++];
    field.begin = begin;
    field.end = end;
}

void TextImport::addPair()
{
    const TextSpan question = span(m_fields[0]);
    Pair& pair = m_list.pairs().emplace_back(m_text, question, span(m_fields[1]));
    for (size_t i = 2; i < m_fieldCount; ++i) {
        const TextSpan field = span(m_fields[i]);
        const std::string_view text = m_text.view(field);
        if (text.substr(0, PictureTag.size()) == PictureTag) {
            pair.setPicturePath(picturePathFor(trimmed(text.substr(PictureTag.size()))));
            continue;
        }
        m_list.wrongAnswers().emplace_back(m_text, question, field).setKind(Pair::WrongAnswer);
    }
}

void TextImport::run()
{
    const std::string_view bytes = m_text.view();
    // Room for every line that could be a pair, so 100,000 pairs are not moved again and again as the array
    // grows; a pair needs some bytes, which caps what junk with many line ends can make us reserve.
    const size_t lineCount = ImportScanner::countLineFeeds(bytes.data(), bytes.size()) + 1;
    m_list.pairs().reserve(m_list.pairs().size() + std::min(lineCount, bytes.size() / 4 + 1));
    size_t pos = 0;
    while (pos < bytes.size()) {
        const char first = bytes[pos];
        if (first == '\n' || first == '\r')
            break; // the first empty line ends the import
        pos = readLine(pos);
        if (first != '#' && m_fieldCount >= 2 && !m_fields[0].empty() && !m_fields[1].empty())
            addPair();
    }
    // What follows the empty line is never read: the pairs need not keep it in memory.
    if (bytes.size() - pos > KeptTail)
        m_text.shrink(pos);
}

std::string TextImport::picturePathFor(std::string_view name)
{
    std::string path = "states_game\\";
    path += name;
    path += ".bmp";
    return path;
}

int TextImport::importStore(PairList& list, TextStore text)
{
    const std::string_view bytes = text.view();
    // Texts in memory are UTF-8: a text in Windows-1252 (anything but well-formed UTF-8) is converted,
    // a byte-order mark dropped; plain ASCII and UTF-8 without a mark are read where they lie.
    const bool hasBom = Cp1252::hasUtf8Bom(bytes);
    if (hasBom) {
        TextStore converted;
        converted.append(Utf8::sanitized(bytes.substr(3)));
        text = std::move(converted);
    } else if (!Cp1252::isAscii(bytes) && !Cp1252::isValidUtf8WithMultibyte(bytes)) {
        TextStore converted;
        converted.append(Cp1252::toUtf8(bytes));
        text = std::move(converted);
    }
    TextImport importer(list, std::move(text));
    importer.run();
    return list.count();
}

int TextImport::importText(PairList& list, std::string_view bytes)
{
    if (bytes.size() > TextStore::MaxSize)
        return list.count();
    TextStore text;
    text.append(bytes);
    return importStore(list, std::move(text));
}

int TextImport::importFile(PairList& list, const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        return 0;
    TextStore text;
    if (!FileReader::read(fileName, text, nullptr))
        return 0;
    return importStore(list, std::move(text));
}

} // namespace brainlark
