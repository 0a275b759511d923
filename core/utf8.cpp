#include "core/utf8.h"

#include "core/cp1252.h"

namespace brainlark
{

bool Utf8::isValid(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes.front()) < 0x80) {
            bytes.remove_prefix(1);
            continue;
        }
        char32_t codePoint = 0;
        bool ok = false;
        bytes.remove_prefix(Cp1252::decodeUtf8(bytes, codePoint, ok));
        if (!ok)
            return false;
    }
    return true;
}

std::string Utf8::sanitized(std::string_view bytes)
{
    if (isValid(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    while (!bytes.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        const size_t used = Cp1252::decodeUtf8(bytes, codePoint, ok);
        if (ok)
            out.append(bytes.substr(0, used));
        else
            Cp1252::appendUtf8(out, 0xFFFD);
        bytes.remove_prefix(used);
    }
    return out;
}

std::u32string Utf8::decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t codePoint = 0;
        bool ok = false;
        text.remove_prefix(Cp1252::decodeUtf8(text, codePoint, ok));
        out += ok ? codePoint : U'\uFFFD';
    }
    return out;
}

std::string Utf8::encode(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (const char32_t c : codePoints)
        Cp1252::appendUtf8(out, c);
    return out;
}

bool Utf8::isExtending(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) || (c >= 0x0591 && c <= 0x05BD) ||
           (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == 0x0670 ||
           (c >= 0x06D6 && c <= 0x06DC) || (c >= 0x06DF && c <= 0x06E4) || (c >= 0x0900 && c <= 0x0903) ||
           (c >= 0x093A && c <= 0x094F) || (c >= 0x0951 && c <= 0x0957) || (c >= 0x0962 && c <= 0x0963) ||
           (c >= 0x0E31 && c <= 0x0E3A && c != 0x0E32 && c != 0x0E33) || (c >= 0x0E47 && c <= 0x0E4E) ||
           (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) || c == 0x200D ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0x3099 && c <= 0x309A) || (c >= 0xFE00 && c <= 0xFE0F) ||
           (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0100 && c <= 0xE01EF);
}

std::vector<size_t> Utf8::characterStarts(std::u32string_view codePoints)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < codePoints.size(); ++i) {
        const bool joined = i > 0 && codePoints[i - 1] == 0x200D;
        if (starts.empty() || (!isExtending(codePoints[i]) && !joined))
            starts.push_back(i);
    }
    return starts;
}

} // namespace brainlark
