#include "quiz/engine/typeinrules.h"

#include <cstring>

namespace brainlark
{

namespace
{

// Windows-1252 bytes: a á à â ã ä å æ e é è ê ë i í ì î ï o ó ò ô õ ö u ú ù û ü n ñ c ç b ß
const char kWordCharacters[] = "a\xE1\xE0\xE2\xE3\xE4\xE5\xE6"
                               "e\xE9\xE8\xEA\xEB"
                               "i\xED\xEC\xEE\xEF"
                               "o\xF3\xF2\xF4\xF5\xF6"
                               "u\xFA\xF9\xFB\xFC"
                               "n\xF1"
                               "c\xE7"
                               "b\xDF";

// Searched in this order; the first group holding the character wins.
const char* const kAccentGroups[] = {
    "a\xE1\xE0\xE2\xE3\xE4\xE5\xE6", // a á à â ã ä å æ
    "e\xE9\xE8\xEA\xEB",             // e é è ê ë
    "i\xED\xEC\xEE\xEF",             // i í ì î ï
    "o\xF3\xF2\xF4\xF5\xF6",         // o ó ò ô õ ö
    "u\xFA\xF9\xFB\xFC",             // u ú ù û ü
    "n\xF1",                         // n ñ
    "c\xE7",                         // c ç
    "b\xDF",                         // b ß
    "!\xA1",                         // ! ¡
    "?\xBF",                         // ? ¿
};

bool isTrimmedWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string trimmed(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isTrimmedWhitespace(text[begin]))
        ++begin;
    while (end > begin && isTrimmedWhitespace(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool isRemovedPunctuation(char c)
{
    return c == ',' || c == '!' || c == '?';
}

std::string wordPreFill(std::string_view answer)
{
    std::string shown(answer);
    const size_t n = answer.size();
    auto separator = [&answer](size_t i) {
        return !TypeinRules::isWordCharacter(static_cast<unsigned char>(answer[i]));
    };
    for (size_t i = 0; i < n; ++i) {
        if (separator(i))
            continue;
        const bool nextIsSeparator = i + 1 < n && separator(i + 1);
        const bool previousIsSeparator = i > 0 && separator(i - 1);
        if (!nextIsSeparator && !previousIsSeparator)
            shown[i] = '*';
    }
    return shown;
}

std::string stridePreFill(std::string_view answer, size_t stride)
{
    std::string shown(answer);
    for (size_t i = 0; i < answer.size(); ++i) {
        if (i % stride != 0 && answer[i] != ' ')
            shown[i] = '*';
    }
    return shown;
}

std::string hideAllButSpaces(std::string_view answer)
{
    std::string shown(answer);
    for (char& c : shown) {
        if (c != ' ')
            c = '*';
    }
    return shown;
}

void restoreEnds(std::string& shown, std::string_view answer)
{
    if (answer.empty())
        return;
    shown.front() = answer.front();
    shown.back() = answer.back();
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

std::string TypeinRules::normalize(std::string_view text, const TypeinOptions& options)
{
    std::string result = trimmed(text);
    if (options.ignoreCase) {
        for (char& c : result) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
    }
    std::string kept;
    kept.reserve(result.size());
    for (char c : result) {
        if (options.ignoreSpaces && c == ' ')
            continue;
        if (options.ignorePunctuation && isRemovedPunctuation(c))
            continue;
        kept.push_back(c);
    }
    return kept;
}

bool TypeinRules::matches(std::string_view typed, std::string_view answer, const TypeinOptions& options)
{
    return normalize(typed, options) == normalize(answer, options);
}

std::string TypeinRules::preFill(std::string_view answer, int pattern)
{
    std::string shown;
    switch (pattern) {
    case FirstAndLast:
        shown = hideAllButSpaces(answer);
        restoreEnds(shown, answer);
        return shown;
    case FirstAndLastOfEveryWord:
        shown = wordPreFill(answer);
        restoreEnds(shown, answer);
        return shown;
    case EveryOther:
        return stridePreFill(answer, 2);
    case EveryThird:
        return stridePreFill(answer, 3);
    case EveryFourth:
        return stridePreFill(answer, 4);
    default:
        return hideAllButSpaces(answer);
    }
}

bool TypeinRules::isWordCharacter(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return c != 0 && std::strchr(kWordCharacters, static_cast<char>(c)) != nullptr;
}

std::string TypeinRules::cycleAccent(const std::string& text, int position, int direction)
{
    if (position <= 0 || static_cast<size_t>(position) > text.size())
        return text;
    const char x = text[static_cast<size_t>(position) - 1];
    if (x == '\0')
        return text;
    for (const char* group : kAccentGroups) {
        const char* found = std::strchr(group, x);
        if (found == nullptr)
            continue;
        const int n = static_cast<int>(std::strlen(group));
        int m = static_cast<int>(found - group);
        if (m == 0)
            m = n;
        const int next = ((m + direction) % n + n) % n;
        std::string result = text;
        result[static_cast<size_t>(position) - 1] = group[next];
        return result;
    }
    return text;
}

} // namespace brainlark
