#include "core/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace brainlark
{

namespace
{

// 0x80..0x9F; the rest of the code page equals Latin-1. Undefined bytes keep their C1 value.
constexpr std::array<char32_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// Sequence length and the allowed range of the second byte for a lead byte (Unicode table 3-7); length 0
// marks a byte that can never start a sequence.
struct LeadInfo {
    size_t length;
    unsigned char low;
    unsigned char high;
};

LeadInfo leadInfo(unsigned char lead)
{
    if (lead < 0x80)
        return {1, 0, 0};
    if (inRange(lead, 0xC2, 0xDF))
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (inRange(lead, 0xE1, 0xEF))
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    if (inRange(lead, 0xF1, 0xF3))
        return {4, 0x80, 0xBF};
    return {0, 0, 0};
}

} // namespace

char32_t Cp1252::toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighTable[byte - 0x80];
    return byte;
}

bool Cp1252::canEncode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return true;
    for (char32_t mapped : HighTable) {
        if (mapped == codePoint)
            return true;
    }
    return false;
}

char Cp1252::fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

namespace
{

// The UTF-8 form of every byte in the low bytes of a word, its length in the top byte: stored whole, one
// word per byte, with no branch on the width.
constexpr std::array<uint32_t, 256> makeUtf8Forms()
{
    std::array<uint32_t, 256> forms{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        const uint32_t cp = byte >= 0x80 && byte <= 0x9F ? HighTable[byte - 0x80] : byte;
        if (cp < 0x80)
            forms[byte] = cp | 1u << 24;
        else if (cp < 0x800)
            forms[byte] = (0xC0 | (cp >> 6)) | (0x80 | (cp & 0x3F)) << 8 | 2u << 24;
        else
            forms[byte] = (0xE0 | (cp >> 12)) | (0x80 | ((cp >> 6) & 0x3F)) << 8 |
                          (0x80 | (cp & 0x3F)) << 16 | 3u << 24;
    }
    return forms;
}

constexpr std::array<uint32_t, 256> Utf8Forms = makeUtf8Forms();

char* put(unsigned char byte, char* out)
{
    const uint32_t form = Utf8Forms[byte];
    const unsigned char bytes[4] = {static_cast<unsigned char>(form), static_cast<unsigned char>(form >> 8),
                                    static_cast<unsigned char>(form >> 16), 0};
    std::memcpy(out, bytes, sizeof bytes);
    return out + (form >> 24);
}

} // namespace

// Eight bytes at a time: copied whole while they are ASCII, otherwise each byte's form from the table. A
// block is read before anything of it is written, so `out` may lie in the memory of the bytes when it stays
// far enough ahead of them (see toUtf8's contract).
char* Cp1252::toUtf8(std::string_view bytes, char* out)
{
    const char* in = bytes.data();
    const char* const end = in + bytes.size();
    for (; end - in >= 8; in += 8) {
        unsigned char block[8];
        std::memcpy(block, in, sizeof block);
        uint64_t word;
        std::memcpy(&word, block, sizeof word);
        if ((word & 0x8080808080808080ull) == 0) {
            std::memcpy(out, block, sizeof block);
            out += sizeof block;
            continue;
        }
        for (const unsigned char byte : block)
            out = put(byte, out);
    }
    for (; in != end; ++in)
        out = put(static_cast<unsigned char>(*in), out);
    return out;
}

size_t Cp1252::highBytes(std::string_view bytes)
{
    size_t count = 0;
    size_t i = 0;
    for (; bytes.size() - i >= 8; i += 8) {
        uint64_t block;
        std::memcpy(&block, bytes.data() + i, sizeof block);
        // The top bits moved to the bottom of each byte, summed into the top byte by the multiplication.
        count += static_cast<size_t>((((block & 0x8080808080808080ull) >> 7) * 0x0101010101010101ull) >> 56);
    }
    for (; i < bytes.size(); ++i)
        count += static_cast<unsigned char>(bytes[i]) >> 7;
    return count;
}

void Cp1252::appendAsUtf8(std::string_view bytes, std::string& out)
{
    const size_t start = out.size();
    out.resize(start + maxUtf8Size(bytes));
    out.resize(static_cast<size_t>(toUtf8(bytes, out.data() + start) - out.data()));
}

std::string Cp1252::toUtf8(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            appendUtf8(out, toUnicode(byte));
    }
    return out;
}

std::string Cp1252::fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        const size_t used = decodeUtf8(utf8, codePoint, ok);
        out += ok ? fromUnicode(codePoint) : '?';
        utf8.remove_prefix(used);
    }
    return out;
}

bool Cp1252::isAscii(std::string_view bytes)
{
    size_t i = 0;
    uint64_t seen = 0;
    for (; bytes.size() - i >= sizeof seen; i += sizeof seen) {
        uint64_t block;
        std::memcpy(&block, bytes.data() + i, sizeof block);
        seen |= block;
    }
    for (; i < bytes.size(); ++i)
        seen |= static_cast<unsigned char>(bytes[i]);
    return (seen & 0x8080808080808080ull) == 0;
}

bool Cp1252::encode(std::string_view utf8, std::string& bytes)
{
    bytes.clear();
    if (isAscii(utf8)) {
        bytes.assign(utf8);
        return true;
    }
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        const size_t used = decodeUtf8(utf8, codePoint, ok);
        if (!ok || !canEncode(codePoint))
            return false;
        bytes += fromUnicode(codePoint);
        utf8.remove_prefix(used);
    }
    return true;
}

bool Cp1252::holds(std::string_view utf8)
{
    return firstUnheld(utf8) == 0;
}

char32_t Cp1252::firstUnheld(std::string_view utf8, size_t* charIndex)
{
    size_t index = 0;
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        const size_t used = decodeUtf8(utf8, codePoint, ok);
        if (!ok || !canEncode(codePoint)) {
            if (charIndex)
                *charIndex = index;
            return ok ? codePoint : 0xFFFD;
        }
        utf8.remove_prefix(used);
        ++index;
    }
    return 0;
}

bool Cp1252::isValidUtf8WithMultibyte(std::string_view bytes)
{
    bool multibyte = false;
    size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII eight bytes at a time: most import files are mostly ASCII.
        uint64_t block = 0;
        if (bytes.size() - i >= sizeof block) {
            std::memcpy(&block, bytes.data() + i, sizeof block);
            if ((block & 0x8080808080808080ull) == 0) {
                i += sizeof block;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        bool ok = false;
        i += decodeUtf8(bytes.substr(i), codePoint, ok);
        if (!ok)
            return false;
        multibyte = true;
    }
    return multibyte;
}

bool Cp1252::hasUtf8Bom(std::string_view bytes)
{
    return bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

size_t Cp1252::decodeUtf8(std::string_view text, char32_t& codePoint, bool& ok)
{
    ok = false;
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const LeadInfo info = leadInfo(lead);
    if (info.length == 0)
        return 1;
    char32_t value = info.length == 1 ? lead : lead & (0xFF >> (info.length + 1));
    for (size_t i = 1; i < info.length; ++i) {
        if (i >= text.size())
            return i;
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool fits = i == 1 ? inRange(byte, info.low, info.high) : inRange(byte, 0x80, 0xBF);
        if (!fits)
            return i;
        value = (value << 6) | (byte & 0x3F);
    }
    codePoint = value;
    ok = true;
    return info.length;
}

void Cp1252::appendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD; // not a character: never write malformed UTF-8
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace brainlark
