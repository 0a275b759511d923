#include "quiz/engine/typeinrules.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

#include <string>

namespace brainlark
{
namespace
{

// A Windows-1252 literal as the UTF-8 the rules take.
std::string A(const char* cp1252)
{
    return Cp1252::toUtf8(cp1252);
}

TypeinOptions options(bool ignoreCase, bool ignoreSpaces, bool ignorePunctuation)
{
    TypeinOptions o;
    o.ignoreCase = ignoreCase;
    o.ignoreSpaces = ignoreSpaces;
    o.ignorePunctuation = ignorePunctuation;
    return o;
}

struct CompareCase {
    const char* answer;
    const char* typed;
    TypeinOptions options;
    bool right;
};

TEST(TypeinRules, ComparisonTable)
{
    const TypeinOptions none;
    const CompareCase cases[] = {
        {"  Paris ", "paris", options(true, false, false), true},
        {"  Paris ", "paris", none, false},
        {"  Paris ", "Paris", none, true},
        {"New York", "NewYork", options(false, true, false), true},
        {"New York", "NewYork", none, false},
        {"New\tYork", "NewYork", options(false, true, false), false}, // only blanks go
        {"Hello, world!", "Hello world", options(false, false, true), true},
        {"Hello, world.", "Hello world", options(false, false, true), false},
        {"Why?", "why", options(true, false, true), true},
        {"a;b", "ab", options(true, true, true), false},
        {"\r\n\t\v\fx\f", "x", none, true},
        {"\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9", options(true, true, true),
         false}, // accents keep their case
        {"ab*d", "ab*d", none, true},
        {"abcd", "ab*d", options(true, true, true), false},
        {"", "", none, true},
        {"x", "", options(true, true, true), false},
    };
    for (const CompareCase& c : cases)
        EXPECT_EQ(TypeinRules::matches(c.typed, c.answer, c.options), c.right)
            << c.answer << " / " << c.typed;
}

TEST(TypeinRules, AccentsAreNeverFolded)
{
    for (int bits = 0; bits < 8; ++bits) {
        const TypeinOptions o = options(bits & 1, bits & 2, bits & 4);
        EXPECT_FALSE(TypeinRules::matches("cafe", A("caf\xE9"), o)) << bits;
    }
}

TEST(TypeinRules, OptionsComeFromTheFunFlags)
{
    const TypeinOptions o =
        TypeinOptions::fromFlags(AppFlags(AppFlags::IgnoreCase | AppFlags::IgnorePunctuation, 0));
    EXPECT_TRUE(o.ignoreCase);
    EXPECT_FALSE(o.ignoreSpaces);
    EXPECT_TRUE(o.ignorePunctuation);
}

TEST(TypeinRules, PreFillPatterns)
{
    EXPECT_EQ(TypeinRules::preFill("la casa", 0), "** ****");
    EXPECT_EQ(TypeinRules::preFill("la casa", 1), "l* ***a");
    EXPECT_EQ(TypeinRules::preFill("la casa", 2), "la c**a");
    EXPECT_EQ(TypeinRules::preFill("la casa", 3), "l* *a*a");
    EXPECT_EQ(TypeinRules::preFill("la casas", 4), "l* c**a*");
    EXPECT_EQ(TypeinRules::preFill("la casas", 5), "l* *a***");
    EXPECT_EQ(TypeinRules::preFill("", 1), "");
    EXPECT_EQ(TypeinRules::preFill("x", 1), "x");
    EXPECT_EQ(TypeinRules::preFill("ab", 9), "**");
    EXPECT_EQ(TypeinRules::preFill("ab", -1), "**");
}

TEST(TypeinRules, WordPatternTreatsAccentedLowerCaseAsLetters)
{
    // "él niño" : é and ñ are word characters, so only the word edges show.
    EXPECT_EQ(TypeinRules::preFill(A("\xE9l ni\xF1o"), 2), A("\xE9l n**o"));
    // Upper-case accented letters separate words: "ÉXITO" → É, then X…O as a word.
    EXPECT_EQ(TypeinRules::preFill(A("\xC9XITO"), 2), A("\xC9X**O"));
    EXPECT_EQ(TypeinRules::preFill("one-two three", 2), "o*e-t*o t***e");
}

TEST(TypeinRules, PreFillKeepsTheLength)
{
    const std::string answer = A("Der \xDF-Laut, f\xFCr alle!");
    for (int pattern = 0; pattern <= 5; ++pattern)
        EXPECT_EQ(TypeinRules::characters(TypeinRules::preFill(answer, pattern)).size(),
                  TypeinRules::characters(answer).size())
            << pattern;
}

TEST(TypeinRules, WordCharacterTable)
{
    for (unsigned char c : std::string("azAZ09"))
        EXPECT_TRUE(TypeinRules::isWordCharacter(c));
    for (unsigned char c :
         std::string("a\xE1\xE0\xE2\xE3\xE4\xE5\xE6\xE9\xE8\xEA\xEB\xED\xEC\xEE\xEF\xF3\xF2\xF4"
                     "\xF5\xF6\xFA\xF9\xFB\xFC\xF1\xE7\xDF"))
        EXPECT_TRUE(TypeinRules::isWordCharacter(c)) << int(c);
    for (unsigned char c : std::string(" -,'*\xC9\xD1\xC7\xA1\xBF\xFF\xF8"))
        EXPECT_FALSE(TypeinRules::isWordCharacter(c)) << int(c);
    EXPECT_FALSE(TypeinRules::isWordCharacter(0));
}

TEST(TypeinRules, CycleAccentWalksTheGroup)
{
    EXPECT_EQ(TypeinRules::cycleAccent("a", 1, +1), A("\xE1"));
    EXPECT_EQ(TypeinRules::cycleAccent("a", 1, -1), A("\xE6"));
    EXPECT_EQ(TypeinRules::cycleAccent(A("\xE6"), 1, +1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent(A("\xE1"), 1, -1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent("ano", 2, +1), A("a\xF1o"));
    EXPECT_EQ(TypeinRules::cycleAccent(A("a\xF1o"), 2, +1), "ano");
    EXPECT_EQ(TypeinRules::cycleAccent("si!", 3, +1), A("si\xA1"));
    EXPECT_EQ(TypeinRules::cycleAccent("?", 1, -1), A("\xBF"));
    EXPECT_EQ(TypeinRules::cycleAccent("s", 1, +1), "s");
    EXPECT_EQ(TypeinRules::cycleAccent("b", 1, +1), A("\xDF"));
}

TEST(TypeinRules, CycleAccentFullRoundTrips)
{
    const std::string text = "ueoi";
    for (int position = 1; position <= 4; ++position) {
        std::string cycled = text;
        for (int step = 0; step < 60; ++step)
            cycled = TypeinRules::cycleAccent(cycled, position, +1);
        EXPECT_EQ(cycled, text) << position; // 60 is a multiple of every group size here (5 and 6)
    }
}

TEST(TypeinRules, CycleAccentLeavesOtherInputAlone)
{
    EXPECT_EQ(TypeinRules::cycleAccent("z", 1, +1), "z");
    EXPECT_EQ(TypeinRules::cycleAccent("a", 0, +1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent("a", 2, +1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent("", 1, +1), "");
    EXPECT_EQ(TypeinRules::cycleAccent("A", 1, +1), "A"); // upper case has no group
    EXPECT_EQ(TypeinRules::cycleAccent(std::string("\0", 1), 1, +1), std::string("\0", 1));
    EXPECT_EQ(TypeinRules::cycleAccent("e", 1, +7), A("\xE8")); // steps larger than the group wrap
}

} // namespace
} // namespace brainlark

namespace brainlark
{
namespace
{

TEST(TypeinRulesUnicode, IgnoreCaseFoldsEveryCasedScriptBeyondTheCodePage)
{
    const TypeinOptions caseless = options(true, false, false);
    const struct {
        const char* answer;
        const char* typed;
        bool right;
    } cases[] = {
        {"\xD0\x96", "\xD0\xB6", true}, // Ж = ж
        {"\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90",
         "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", true}, // МОСКВА
        {"\xD0\x81", "\xD1\x91", true},                             // Ё = ё
        {"\xCE\xA3", "\xCF\x83", true},                             // Σ = σ
        {"\xCE\xA3", "\xCF\x82", true},                             // Σ = ς
        {"\xCE\x86", "\xCE\xAC", true},                             // Ά = ά
        {"\xC4\x80", "\xC4\x81", true},                             // Ā = ā
        {"\xD4\xB1", "\xD5\xA1", true},                             // Armenian Ա = ա
        {"\xC3\x89", "\xC3\xA9", false},                            // É ≠ é: within the code page as ever
        {"\xC5\x92", "\xC5\x93", false},                            // Œ ≠ œ likewise
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC", true}, // 東京 has no case
        {"\xD0\x96", "\xD0\xB7", false},                                // Ж ≠ з
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypeinRules::matches(c.typed, c.answer, caseless), c.right) << c.answer << " / " << c.typed;
    EXPECT_FALSE(TypeinRules::matches("\xD0\xB6", "\xD0\x96", TypeinOptions{}));
}

TEST(TypeinRulesUnicode, LettersOfEveryScriptAreWordCharacters)
{
    for (char32_t c :
         {U'\u0436', U'\u03C3', U'\u05E9', U'\u0645', U'\u6771', U'\u3042', U'\u0915', U'\u0107'})
        EXPECT_TRUE(TypeinRules::isWordCharacter(c)) << uint32_t(c);
    for (char32_t c : {U'\u2014', U'\u3001', U'\u060C', U'\u0964', U'\u00BF', U'\u0301', U'\U0001F600'})
        EXPECT_FALSE(TypeinRules::isWordCharacter(c)) << uint32_t(c);
    // "добрый день": two words, each shown at its edges.
    EXPECT_EQ(TypeinRules::preFill(
                  "\xD0\xB4\xD0\xBE\xD0\xB1\xD1\x80\xD1\x8B\xD0\xB9 \xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C", 2),
              "\xD0\xB4****\xD0\xB9 \xD0\xB4**\xD1\x8C");
}

TEST(TypeinRulesUnicode, HintsCountCharactersAndNeverSplitOne)
{
    const std::string eAcute = "e\xCC\x81";       // e + combining acute
    const std::string smile = "\xF0\x9F\x98\x80"; // one character, two UTF-16 units
    const std::string family = "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9"; // man ZWJ woman
    const std::string answer = eAcute + "t" + eAcute + " " + smile + family + "x";
    EXPECT_EQ(TypeinRules::characters(answer).size(), 7u);
    EXPECT_EQ(TypeinRules::preFill(answer, 3), eAcute + "*" + eAcute + " " + smile + "*x");
    EXPECT_EQ(TypeinRules::preFill(answer, 1), eAcute + "** **x");
    EXPECT_EQ(TypeinRules::preFill("\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD", 4), "\xE6\x9D\xB1**"); // 東京都
}

} // namespace
} // namespace brainlark
