#include "core/cp1252.h"

#include <gtest/gtest.h>

#include <string>

using brainlark::Cp1252;

namespace
{

struct Mapping {
    unsigned char byte;
    char32_t codePoint;
    const char* utf8;
};

// Samples from each region of the code page: ASCII, the 0x80..0x9F block, the undefined bytes, Latin-1.
const Mapping Mappings[] = {
    {0x41, U'A', "A"},          {0x80, 0x20AC, "\xE2\x82\xAC"}, {0x81, 0x0081, "\xC2\x81"},
    {0x8A, 0x0160, "\xC5\xA0"}, {0x8D, 0x008D, "\xC2\x8D"},     {0x8F, 0x008F, "\xC2\x8F"},
    {0x90, 0x0090, "\xC2\x90"}, {0x92, 0x2019, "\xE2\x80\x99"}, {0x99, 0x2122, "\xE2\x84\xA2"},
    {0x9D, 0x009D, "\xC2\x9D"}, {0x9F, 0x0178, "\xC5\xB8"},     {0xA0, 0x00A0, "\xC2\xA0"},
    {0xE9, 0x00E9, "\xC3\xA9"}, {0xF1, 0x00F1, "\xC3\xB1"},     {0xFF, 0x00FF, "\xC3\xBF"},
};

TEST(Cp1252Test, MapsBytesToCodePointsAndBack)
{
    for (const Mapping& m : Mappings) {
        SCOPED_TRACE(static_cast<int>(m.byte));
        EXPECT_EQ(Cp1252::toUnicode(m.byte), m.codePoint);
        EXPECT_EQ(static_cast<unsigned char>(Cp1252::fromUnicode(m.codePoint)), m.byte);
        EXPECT_TRUE(Cp1252::canEncode(m.codePoint));
        const std::string byte(1, static_cast<char>(m.byte));
        EXPECT_EQ(Cp1252::toUtf8(byte), m.utf8);
        EXPECT_EQ(Cp1252::fromUtf8(m.utf8), byte);
    }
}

TEST(Cp1252Test, NulIsJustAByte)
{
    const std::string nul("a\0b", 3);
    EXPECT_EQ(Cp1252::toUtf8(nul), nul);
    EXPECT_EQ(Cp1252::fromUtf8(nul), nul);
}

TEST(Cp1252Test, EveryByteSurvivesTheTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252::toUtf8(all);
    EXPECT_TRUE(Cp1252::isValidUtf8WithMultibyte(utf8));
    EXPECT_EQ(Cp1252::fromUtf8(utf8), all);
}

TEST(Cp1252Test, TheFiveUndefinedBytesKeepTheirValue)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252::toUnicode(b), static_cast<char32_t>(b));
        EXPECT_EQ(static_cast<unsigned char>(Cp1252::fromUnicode(b)), b);
    }
    // The other C1 controls have their place taken by printable characters.
    EXPECT_EQ(Cp1252::fromUnicode(0x0080), '?');
    EXPECT_EQ(Cp1252::fromUnicode(0x009F), '?');
    EXPECT_FALSE(Cp1252::canEncode(0x0080));
}

TEST(Cp1252Test, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    for (char32_t cp : {char32_t(0x0100), char32_t(0x4E2D), char32_t(0x1F600), char32_t(0xFFFD)}) {
        EXPECT_EQ(Cp1252::fromUnicode(cp), '?');
        EXPECT_FALSE(Cp1252::canEncode(cp));
    }
    EXPECT_EQ(Cp1252::fromUtf8("Espa\xC3\xB1"
                               "a \xE4\xB8\xAD \xF0\x9F\x98\x80!"),
              "Espa\xF1"
              "a ? ?!");
    EXPECT_EQ(Cp1252::fromUtf8("5 \xE2\x82\xAC"), "5 \x80");
}

struct Malformed {
    const char* name;
    std::string utf8;
    std::string bytes;
};

TEST(Cp1252Test, MalformedUtf8BecomesOneQuestionMarkPerMaximalRun)
{
    const Malformed cases[] = {
        {"lone continuation", "a\x80z", "a?z"},         {"truncated at end", "a\xE2\x82", "a?"},
        {"truncated before ASCII", "\xE2\x82x", "?x"},  {"overlong slash", "\xC0\xAF", "??"},
        {"overlong three-byte", "\xE0\x80\xAF", "???"}, {"surrogate", "\xED\xA0\x80", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"}, {"invalid lead", "\xFF\xFE", "??"},
        {"four-byte truncated", "\xF0\x9F\x98", "?"},
    };
    for (const Malformed& m : cases) {
        SCOPED_TRACE(m.name);
        EXPECT_EQ(Cp1252::fromUtf8(m.utf8), m.bytes);
        EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte(m.utf8));
    }
}

TEST(Cp1252Test, DecodeReportsLengthAndValidity)
{
    char32_t cp = 0;
    bool ok = false;
    EXPECT_EQ(Cp1252::decodeUtf8("\xF0\x9F\x98\x80tail", cp, ok), 4u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(cp, char32_t(0x1F600));
    EXPECT_EQ(Cp1252::decodeUtf8("\xE2\x82", cp, ok), 2u);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Cp1252::decodeUtf8("", cp, ok), 0u);
    EXPECT_FALSE(ok);
}

TEST(Cp1252Test, AppendUtf8NeverWritesMalformedBytes)
{
    std::string out;
    Cp1252::appendUtf8(out, 0xD800);
    Cp1252::appendUtf8(out, 0x110000);
    Cp1252::appendUtf8(out, 0x10FFFF);
    EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD\xF4\x8F\xBF\xBF");
}

TEST(Cp1252Test, RecognisesUtf8Text)
{
    EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte(""));
    EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte("plain ASCII text, long enough for blocks"));
    EXPECT_TRUE(Cp1252::isValidUtf8WithMultibyte("Espa\xC3\xB1"
                                                 "a"));
    EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte("Espa\xF1"
                                                  "a"));
    // Past the eight-byte fast path, in both directions.
    const std::string ascii(37, 'x');
    EXPECT_TRUE(Cp1252::isValidUtf8WithMultibyte(ascii + "\xC3\xA9"));
    EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte(ascii + "\xC3\xA9" + ascii + "\xE9"));
    EXPECT_FALSE(Cp1252::isValidUtf8WithMultibyte(ascii + "\xC3"));
}

TEST(Cp1252Test, RecognisesTheByteOrderMark)
{
    EXPECT_TRUE(Cp1252::hasUtf8Bom("\xEF\xBB\xBF"));
    EXPECT_TRUE(Cp1252::hasUtf8Bom("\xEF\xBB\xBFq@a"));
    EXPECT_FALSE(Cp1252::hasUtf8Bom("\xEF\xBB"));
    EXPECT_FALSE(Cp1252::hasUtf8Bom("q@a\xEF\xBB\xBF"));
    EXPECT_FALSE(Cp1252::hasUtf8Bom(""));
}

} // namespace
