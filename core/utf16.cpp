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

void appendUnit(std::string& out, char32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

bool Utf16::appendUtf8(std::string_view unitsLe, std::string& out)
{
    const size_t count = unitsLe.size() / 2;
    out.reserve(out.size() + count * 3);
    for (size_t i = 0; i < count; ++i) {
        const char16_t unit = unitAt(unitsLe, i);
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        char32_t codePoint = unit;
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            if (unit >= 0xDC00 || i + 1 >= count)
                return false;
            const char16_t low = unitAt(unitsLe, i + 1);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            codePoint = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        }
        Cp1252::appendUtf8(out, codePoint);
    }
    return true;
}

std::string Utf16::fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        const size_t used = Cp1252::decodeUtf8(utf8, codePoint, ok);
        utf8.remove_prefix(used);
        if (!ok)
            codePoint = 0xFFFD;
        if (codePoint < 0x10000) {
            appendUnit(out, codePoint);
        } else {
            codePoint -= 0x10000;
            appendUnit(out, 0xD800 + (codePoint >> 10));
            appendUnit(out, 0xDC00 + (codePoint & 0x3FF));
        }
    }
    return out;
}

} // namespace brainlark
