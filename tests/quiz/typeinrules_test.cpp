#include "quiz/engine/typeinrules.h"

#include <gtest/gtest.h>

#include <string>

namespace brainlark
{
namespace
{

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
        {"\xC9T\xC9", "\xE9t\xE9", options(true, true, true), false}, // accents keep their case
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
        EXPECT_FALSE(TypeinRules::matches("cafe", "caf\xE9", o)) << bits;
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
    EXPECT_EQ(TypeinRules::preFill("\xE9l ni\xF1o", 2), "\xE9l n**o");
    // Upper-case accented letters separate words: "ÉXITO" → É, then X…O as a word.
    EXPECT_EQ(TypeinRules::preFill("\xC9XITO", 2), "\xC9X**O");
    EXPECT_EQ(TypeinRules::preFill("one-two three", 2), "o*e-t*o t***e");
}

TEST(TypeinRules, PreFillKeepsTheLength)
{
    const std::string answer = "Der \xDF-Laut, f\xFCr alle!";
    for (int pattern = 0; pattern <= 5; ++pattern)
        EXPECT_EQ(TypeinRules::preFill(answer, pattern).size(), answer.size()) << pattern;
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
    EXPECT_EQ(TypeinRules::cycleAccent("a", 1, +1), "\xE1");
    EXPECT_EQ(TypeinRules::cycleAccent("a", 1, -1), "\xE6");
    EXPECT_EQ(TypeinRules::cycleAccent("\xE6", 1, +1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent("\xE1", 1, -1), "a");
    EXPECT_EQ(TypeinRules::cycleAccent("ano", 2, +1), "a\xF1o");
    EXPECT_EQ(TypeinRules::cycleAccent("a\xF1o", 2, +1), "ano");
    EXPECT_EQ(TypeinRules::cycleAccent("si!", 3, +1), "si\xA1");
    EXPECT_EQ(TypeinRules::cycleAccent("?", 1, -1), "\xBF");
    EXPECT_EQ(TypeinRules::cycleAccent("s", 1, +1), "s");
    EXPECT_EQ(TypeinRules::cycleAccent("b", 1, +1), "\xDF");
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
    EXPECT_EQ(TypeinRules::cycleAccent("e", 1, +7), "\xE8"); // steps larger than the group wrap
}

} // namespace
} // namespace brainlark
