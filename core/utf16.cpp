#include "core/utf16.h"

#include "core/cp1252.h"

namespace brainlark
{

namespace
{

char16_t unitAt(std::string_view unitsLe, size_t i)
{
    return static_cast<char16_t>(static_cast<unsigned char>(unitsLe[2 * i]) |
                                 (static_cast<unsigned char>(unitsLe[2 * i + 1]) << 8));
}

} // namespace

// Written straight into the grown string: a unit gives at most three bytes, a surrogate pair four.
bool Utf16::appendUtf8(std::string_view unitsLe, std::string& out)
{
    const size_t count = unitsLe.size() / 2;
    const size_t start = out.size();
    out.resize(start + count * 3);
    char* p = out.data() + start;
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(unitsLe, i);
        if (unit < 0x80) {
            *p++ = static_cast<char>(unit);
        } else if (unit < 0x800) {
            *p++ = static_cast<char>(0xC0 | (unit >> 6));
            *p++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (unit < 0xD800 || unit > 0xDFFF) {
            *p++ = static_cast<char>(0xE0 | (unit >> 12));
            *p++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            const char32_t low = i + 1 < count ? unitAt(unitsLe, i + 1) : 0;
            if (unit >= 0xDC00 || low < 0xDC00 || low > 0xDFFF) {
                out.resize(static_cast<size_t>(p - out.data()));
                return false;
            }
            const char32_t codePoint = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            *p++ = static_cast<char>(0xF0 | (codePoint >> 18));
            *p++ = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (codePoint & 0x3F));
            ++i;
        }
    }
    out.resize(static_cast<size_t>(p - out.data()));
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
