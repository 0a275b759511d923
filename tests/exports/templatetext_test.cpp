#include "exports/templatetext.h"

#include <gtest/gtest.h>

using brainlark::TemplateText;

TEST(TemplateTextTest, EveryLineEndsInOneLineFeed)
{
    EXPECT_EQ(TemplateText::normaliseLines(""), "");
    EXPECT_EQ(TemplateText::normaliseLines("a"), "a\n");
    EXPECT_EQ(TemplateText::normaliseLines("a\nb\n"), "a\nb\n");
    EXPECT_EQ(TemplateText::normaliseLines("a\r\nb"), "a\nb\n");
    EXPECT_EQ(TemplateText::normaliseLines("\n\n"), "\n\n");
    EXPECT_EQ(TemplateText::normaliseLines("\r\n"), "\n");
    // Only the carriage return of a CR LF pair goes; a lone one is text.
    EXPECT_EQ(TemplateText::normaliseLines("a\rb\r"), "a\rb\r\n");
}

TEST(TemplateTextTest, ReplacesEveryOccurrenceWithoutRescanning)
{
    std::string text = "[x] and [x][x] but not [y]";
    TemplateText::replaceAll(text, "[x]", "1");
    EXPECT_EQ(text, "1 and 11 but not [y]");

    std::string grows = "[x]";
    TemplateText::replaceAll(grows, "[x]", "[x][x]");
    EXPECT_EQ(grows, "[x][x]");

    std::string untouched = "nothing here";
    TemplateText::replaceAll(untouched, "", "boom");
    TemplateText::replaceAll(untouched, "[x]", "boom");
    EXPECT_EQ(untouched, "nothing here");
}
