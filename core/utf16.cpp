#include "core/utf16.h"

#include <cstdint>
#include <cstring>

#include "core/cp1252.h"

namespace brainlark
{

namespace
{

char16_t unitAt(const char* unitsLe)
{
    return static_cast<char16_t>(static_cast<unsigned char>(unitsLe[0]) |
                                 (static_cast<unsigned char>(unitsLe[1]) << 8));
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool LittleEndian = true;
#else
constexpr bool LittleEndian = false;
#endif

// Four units at a time, for the common runs of one script: all below 0x80 (one byte each) or all from 0x80
// to 0x7FF (two bytes each: Latin beyond ASCII, Greek, Cyrillic, Hebrew, Arabic). The four units are the
// 16-bit lanes of a little-endian word. Returns the end of what was written, or nullptr for a mixed run.
char* fourUnits(const char* in, char* out)
{
    uint64_t units;
    std::memcpy(&units, in, sizeof units);
    constexpr uint64_t Lanes = 0x0001000100010001ull;
    if ((units & (0xFF80 * Lanes)) == 0) {
        uint64_t bytes = units & (0x00FF * Lanes);
        bytes = (bytes | (bytes >> 8)) & (0x0000FFFF0000FFFFull);
        bytes = (bytes | (bytes >> 16)) & 0xFFFFFFFFull;
        const auto four = static_cast<uint32_t>(bytes);
        std::memcpy(out, &four, sizeof four);
        return out + 4;
    }
    // Below 0x800 and, with a bit of 0x780 set in every lane, at least 0x80; adding 0x7F80 to a lane of at
    // most 0x780 sets its top bit exactly when the lane is not zero, and never carries into the next.
    const uint64_t middle = units & (0x0780 * Lanes);
    if ((units & (0xF800 * Lanes)) != 0 || ((middle + 0x7F80 * Lanes) & (0x8000 * Lanes)) != 0x8000 * Lanes)
        return nullptr;
    const uint64_t bytes =
        (0x80C0 * Lanes) | ((units >> 6) & (0x001F * Lanes)) | ((units & (0x003F * Lanes)) << 8);
    std::memcpy(out, &bytes, sizeof bytes);
    return out + 8;
}

} // namespace

char* Utf16::toUtf8(std::string_view unitsLe, char* out)
{
    const char* in = unitsLe.data();
    const char* const end = in + (unitsLe.size() & ~size_t(1));
    while (in != end) {
        if (LittleEndian && end - in >= 8) {
            if (char* next = fourUnits(in, out)) {
                out = next;
                in += 8;
                continue;
            }
        }
        const char32_t unit = unitAt(in);
        in += 2;
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
        } else if (unit < 0x800) {
            *out++ = static_cast<char>(0xC0 | (unit >> 6));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (unit < 0xD800 || unit > 0xDFFF) {
            *out++ = static_cast<char>(0xE0 | (unit >> 12));
            *out++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            const char32_t low = in != end ? unitAt(in) : 0;
            if (unit >= 0xDC00 || low < 0xDC00 || low > 0xDFFF)
                return nullptr;
            in += 2;
            const char32_t codePoint = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            *out++ = static_cast<char>(0xF0 | (codePoint >> 18));
            *out++ = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
            *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return out;
}

// Four units at a time: a lane counts when its top five bits are neither all clear (below U+0800) nor
// 11011 (a surrogate). A lane is not zero exactly when its low 15 bits plus 0x7FFF, or the lane itself, has
// the top bit set; the sum never carries into the next lane.
size_t Utf16::threeByteUnits(std::string_view unitsLe)
{
    const size_t count = unitsLe.size() / 2;
    size_t threeBytes = 0;
    size_t i = 0;
    if (LittleEndian) {
        constexpr uint64_t Lanes = 0x0001000100010001ull;
        const auto nonZero = [](uint64_t lanes) {
            return (((lanes & (0x7FFF * Lanes)) + 0x7FFF * Lanes) | lanes) & (0x8000 * Lanes);
        };
        for (; count - i >= 4; i += 4) {
            uint64_t units;
            std::memcpy(&units, unitsLe.data() + 2 * i, sizeof units);
            const uint64_t top = units & (0xF800 * Lanes);
            const uint64_t counted = (nonZero(top) & nonZero(top ^ (0xD800 * Lanes))) >> 15;
            threeBytes += static_cast<size_t>((counted * Lanes) >> 48);
        }
    }
    for (; i < count; ++i) {
        const char16_t top = unitAt(unitsLe.data() + 2 * i) & 0xF800;
        threeBytes += top != 0 && top != 0xD800;
    }
    return threeBytes;
}

bool Utf16::appendUtf8(std::string_view unitsLe, std::string& out)
{
    const size_t start = out.size();
    out.resize(start + maxUtf8Size(unitsLe));
    char* const end = toUtf8(unitsLe, out.data() + start);
    if (end == nullptr) {
        out.resize(start);
        return false;
    }
    out.resize(static_cast<size_t>(end - out.data()));
    return true;
}

// Written straight into a string of the largest size (two bytes for every byte of UTF-8), cut at the end.
std::string Utf16::fromUtf8(std::string_view utf8)
{
    std::string out(utf8.size() * 2, '\0');
    char* p = out.data();
    const auto unit = [&p](char32_t value) {
        *p++ = static_cast<char>(value & 0xFF);
        *p++ = static_cast<char>(value >> 8);
    };
    while (!utf8.empty()) {
        const auto lead = static_cast<unsigned char>(utf8[0]);
        if (lead < 0x80) {
            unit(lead);
            utf8.remove_prefix(1);
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF && utf8.size() >= 2 &&
            (static_cast<unsigned char>(utf8[1]) & 0xC0) == 0x80) {
            unit(((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[1]) & 0x3Fu));
            utf8.remove_prefix(2);
            continue;
        }
        char32_t codePoint = 0;
        bool ok = false;
        utf8.remove_prefix(Cp1252::decodeUtf8(utf8, codePoint, ok));
        if (!ok)
            codePoint = 0xFFFD;
        if (codePoint < 0x10000) {
            unit(codePoint);
        } else {
            codePoint -= 0x10000;
            unit(0xD800 + (codePoint >> 10));
            unit(0xDC00 + (codePoint & 0x3FF));
        }
    }
    out.resize(static_cast<size_t>(p - out.data()));
    return out;
}

} // namespace brainlark
