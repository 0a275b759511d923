#include "quiz/engine/typeinrules.h"

#include <algorithm>
#include <cstring>

#include "core/cp1252.h"
#include "core/utf8.h"

namespace brainlark
{

namespace
{

// a á à â ã ä å æ e é è ê ë i í ì î ï o ó ò ô õ ö u ú ù û ü n ñ c ç b ß (Latin-1 values, which are also the
// code points)
const char32_t kWordCharacters[] = U"a\u00E1\u00E0\u00E2\u00E3\u00E4\u00E5\u00E6"
                                   U"e\u00E9\u00E8\u00EA\u00EB"
                                   U"i\u00ED\u00EC\u00EE\u00EF"
                                   U"o\u00F3\u00F2\u00F4\u00F5\u00F6"
                                   U"u\u00FA\u00F9\u00FB\u00FC"
                                   U"n\u00F1"
                                   U"c\u00E7"
                                   U"b\u00DF";

// Searched in this order; the first group holding the character wins.
const std::u32string_view kAccentGroups[] = {
    U"a\u00E1\u00E0\u00E2\u00E3\u00E4\u00E5\u00E6", // a á à â ã ä å æ
    U"e\u00E9\u00E8\u00EA\u00EB",                   // e é è ê ë
    U"i\u00ED\u00EC\u00EE\u00EF",                   // i í ì î ï
    U"o\u00F3\u00F2\u00F4\u00F5\u00F6",             // o ó ò ô õ ö
    U"u\u00FA\u00F9\u00FB\u00FC",                   // u ú ù û ü
    U"n\u00F1",                                     // n ñ
    U"c\u00E7",                                     // c ç
    U"b\u00DF",                                     // b ß
    U"!\u00A1",                                     // ! ¡
    U"?\u00BF",                                     // ? ¿
};

bool isTrimmedWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trimmed(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isTrimmedWhitespace(text[begin]))
        ++begin;
    while (end > begin && isTrimmedWhitespace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool isRemovedPunctuation(char32_t c)
{
    return c == ',' || c == '!' || c == '?';
}

bool inRange(char32_t c, char32_t low, char32_t high)
{
    return c >= low && c <= high;
}

// Upper case in blocks where capitals and small letters alternate, the capital first (or second).
bool isEvenCapital(char32_t c, char32_t low, char32_t high)
{
    return inRange(c, low, high) && (c - low) % 2 == 0;
}

// Beyond Windows-1252: not punctuation, symbols, spaces, controls, marks or emoji.
bool isLetterBeyondCodePage(char32_t c)
{
    if (c < 0x100)
        return false; // the C1 controls the code page lacks
    if (Utf8::isExtending(c))
        return false;
    const std::pair<char32_t, char32_t> notLetters[] = {
        {0x02C2, 0x02C5}, {0x02D2, 0x02DF}, {0x037E, 0x037E}, {0x0384, 0x0385},   {0x0387, 0x0387},
        {0x055A, 0x055F}, {0x0589, 0x058A}, {0x05BE, 0x05BE}, {0x05C0, 0x05C0},   {0x05C3, 0x05C3},
        {0x05C6, 0x05C6}, {0x05F3, 0x05F4}, {0x0600, 0x060F}, {0x061B, 0x061F},   {0x066A, 0x066D},
        {0x06D4, 0x06D4}, {0x0964, 0x0965}, {0x0970, 0x0970}, {0x0E3F, 0x0E3F},   {0x0E4F, 0x0E4F},
        {0x0E5A, 0x0E5B}, {0x10FB, 0x10FB}, {0x2000, 0x206F}, {0x20A0, 0x20CF},   {0x2100, 0x2101},
        {0x2103, 0x2106}, {0x2108, 0x2109}, {0x2116, 0x2118}, {0x211E, 0x2123},   {0x2125, 0x2125},
        {0x2127, 0x2127}, {0x2129, 0x2129}, {0x212E, 0x212E}, {0x2140, 0x2144},   {0x214A, 0x214D},
        {0x2190, 0x2BFF}, {0x2E00, 0x2E7F}, {0x3000, 0x3004}, {0x3008, 0x3020},   {0x3030, 0x3030},
        {0x303D, 0x303F}, {0x30A0, 0x30A0}, {0x30FB, 0x30FB}, {0xD800, 0xF8FF},   {0xFD3E, 0xFD3F},
        {0xFE10, 0xFE1F}, {0xFE30, 0xFE6F}, {0xFEFF, 0xFEFF}, {0xFF01, 0xFF0F},   {0xFF1A, 0xFF20},
        {0xFF3B, 0xFF40}, {0xFF5B, 0xFF65}, {0xFFE0, 0xFFFF}, {0x1F000, 0x1FAFF}, {0xE0000, 0x10FFFF},
    };
    for (const auto& [low, high] : notLetters)
        if (inRange(c, low, high))
            return false;
    return true;
}

// The lower case of a capital beyond Windows-1252, in the scripts learners meet: Latin extensions, Greek,
// Cyrillic, Armenian, Georgian, Cherokee's small letters aside, the full-width Latin letters and Deseret.
char32_t lowerBeyondCodePage(char32_t c)
{
    if (c == 0x0130)
        return U'i'; // İ
    if (isEvenCapital(c, 0x0100, 0x012F) || isEvenCapital(c, 0x0132, 0x0137) ||
        isEvenCapital(c, 0x014A, 0x0177) || isEvenCapital(c, 0x01DE, 0x01EF) ||
        isEvenCapital(c, 0x01F8, 0x021F) || isEvenCapital(c, 0x0222, 0x0233) ||
        isEvenCapital(c, 0x0246, 0x024F) || isEvenCapital(c, 0x0370, 0x0373) ||
        isEvenCapital(c, 0x03D8, 0x03EF) || isEvenCapital(c, 0x0460, 0x0481) ||
        isEvenCapital(c, 0x048A, 0x04BF) || isEvenCapital(c, 0x04D0, 0x052F) ||
        isEvenCapital(c, 0x1E00, 0x1E95) || isEvenCapital(c, 0x1EA0, 0x1EFF) ||
        isEvenCapital(c, 0x2C80, 0x2CE3) || isEvenCapital(c, 0xA640, 0xA66D) ||
        isEvenCapital(c, 0xA680, 0xA69B) || isEvenCapital(c, 0xA722, 0xA72F) ||
        isEvenCapital(c, 0xA732, 0xA76F))
        return c + 1;
    if ((inRange(c, 0x0139, 0x0148) || inRange(c, 0x0179, 0x017E) || inRange(c, 0x01CD, 0x01DC) ||
         inRange(c, 0x04C1, 0x04CE)) &&
        (c % 2 == 1))
        return c + 1;
    if (inRange(c, 0x0391, 0x03AB) && c != 0x03A2)
        return c + 0x20; // Greek capitals
    if (c == 0x03C2)
        return 0x03C3; // final sigma folds with sigma
    if (c == 0x0386)
        return 0x03AC;
    if (inRange(c, 0x0388, 0x038A))
        return c + 0x25;
    if (c == 0x038C)
        return 0x03CC;
    if (inRange(c, 0x038E, 0x038F))
        return c + 0x3F;
    if (inRange(c, 0x0410, 0x042F))
        return c + 0x20; // Cyrillic capitals
    if (inRange(c, 0x0400, 0x040F))
        return c + 0x50;
    if (c == 0x04C0)
        return 0x04CF;
    if (inRange(c, 0x0531, 0x0556))
        return c + 0x30; // Armenian
    if (inRange(c, 0x10A0, 0x10C5))
        return c + 0x1C60; // Georgian
    if (inRange(c, 0x1F08, 0x1F0F) || inRange(c, 0x1F18, 0x1F1D) || inRange(c, 0x1F28, 0x1F2F) ||
        inRange(c, 0x1F38, 0x1F3F) || inRange(c, 0x1F48, 0x1F4D) || inRange(c, 0x1F68, 0x1F6F))
        return c - 8; // Greek with breathings
    if (c == 0x1F59 || c == 0x1F5B || c == 0x1F5D || c == 0x1F5F)
        return c - 8;
    if (inRange(c, 0x2160, 0x216F))
        return c + 0x10; // Roman numerals
    if (inRange(c, 0x24B6, 0x24CF))
        return c + 0x1A; // circled letters
    if (inRange(c, 0x2C00, 0x2C2F))
        return c + 0x30; // Glagolitic
    if (inRange(c, 0xFF21, 0xFF3A))
        return c + 0x20; // full-width Latin
    if (inRange(c, 0x10400, 0x10427))
        return c + 0x28; // Deseret
    return c;
}

// The characters and for each whether it is shown or hidden; restores first and last where asked.
std::string joined(const std::vector<std::string>& characters, const std::vector<bool>& hidden)
{
    std::string shown;
    for (size_t i = 0; i < characters.size(); ++i)
        shown += hidden[i] ? std::string("*") : characters[i];
    return shown;
}

char32_t firstCodePoint(const std::string& character)
{
    char32_t c = 0;
    bool ok = false;
    Cp1252::decodeUtf8(character, c, ok);
    return ok ? c : 0xFFFD;
}

bool isBlank(const std::string& character)
{
    return character == " ";
}

} // namespace

TypeinOptions TypeinOptions::fromFlags(const AppFlags& flags)
{
    TypeinOptions options;
    options.ignoreCase = flags.fun(AppFlags::IgnoreCase);
    options.ignoreSpaces = flags.fun(AppFlags::IgnoreSpaces);
    options.ignorePunctuation = flags.fun(AppFlags::IgnorePunctuation);
    return options;
}

char32_t TypeinRules::foldCase(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if (Cp1252::canEncode(c))
        return c;
    return lowerBeyondCodePage(c);
}

std::vector<std::string> TypeinRules::characters(std::string_view text)
{
    const std::u32string codePoints = Utf8::decode(text);
    const std::vector<size_t> starts = Utf8::characterStarts(codePoints);
    std::vector<std::string> result;
    result.reserve(starts.size());
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : codePoints.size();
        result.push_back(Utf8::encode(std::u32string_view(codePoints).substr(starts[i], end - starts[i])));
    }
    return result;
}

std::string TypeinRules::normalize(std::string_view text, const TypeinOptions& options)
{
    std::u32string kept;
    for (char32_t c : Utf8::decode(trimmed(text))) {
        if (options.ignoreCase)
            c = foldCase(c);
        if (options.ignoreSpaces && c == ' ')
            continue;
        if (options.ignorePunctuation && isRemovedPunctuation(c))
            continue;
        kept.push_back(c);
    }
    return Utf8::encode(kept);
}

bool TypeinRules::matches(std::string_view typed, std::string_view answer, const TypeinOptions& options)
{
    return normalize(typed, options) == normalize(answer, options);
}

std::string TypeinRules::preFill(std::string_view answer, int pattern)
{
    const std::vector<std::string> shown = characters(answer);
    const size_t n = shown.size();
    std::vector<bool> hidden(n, false);
    for (size_t i = 0; i < n; ++i)
        hidden[i] = !isBlank(shown[i]);
    switch (pattern) {
    case FirstAndLastOfEveryWord: {
        auto separator = [&shown](size_t i) { return !isWordCharacter(firstCodePoint(shown[i])); };
        for (size_t i = 0; i < n; ++i) {
            const bool nextIsSeparator = i + 1 < n && separator(i + 1);
            const bool previousIsSeparator = i > 0 && separator(i - 1);
            hidden[i] = !separator(i) && !nextIsSeparator && !previousIsSeparator;
        }
        [[fallthrough]];
    }
    case FirstAndLast:
        if (n > 0)
            hidden.front() = hidden.back() = false;
        break;
    case EveryOther:
    case EveryThird:
    case EveryFourth: {
        const size_t stride = static_cast<size_t>(pattern - EveryOther + 2);
        for (size_t i = 0; i < n; ++i)
            hidden[i] = i % stride != 0 && !isBlank(shown[i]);
        break;
    }
    default:
        break;
    }
    return joined(shown, hidden);
}

bool TypeinRules::isWordCharacter(char32_t c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    if (c == 0)
        return false;
    if (!Cp1252::canEncode(c))
        return isLetterBeyondCodePage(c);
    return std::u32string_view(kWordCharacters).find(c) != std::u32string_view::npos;
}

std::string TypeinRules::cycleAccent(const std::string& text, int position, int direction)
{
    std::vector<std::string> shown = characters(text);
    if (position <= 0 || static_cast<size_t>(position) > shown.size())
        return text;
    std::string& character = shown[static_cast<size_t>(position) - 1];
    const std::u32string x = Utf8::decode(character);
    if (x.size() != 1 || x[0] == 0)
        return text;
    for (const std::u32string_view group : kAccentGroups) {
        const size_t found = group.find(x[0]);
        if (found == std::u32string_view::npos)
            continue;
        const int n = static_cast<int>(group.size());
        int m = static_cast<int>(found);
        if (m == 0)
            m = n;
        const int next = ((m + direction) % n + n) % n;
        character = Utf8::encode(group.substr(static_cast<size_t>(next), 1));
        std::string result;
        for (const std::string& c : shown)
            result += c;
        return result;
    }
    return text;
}

} // namespace brainlark
