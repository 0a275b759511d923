#include "quiz/engine/typeinfield.h"

#include "quiz/engine/typeinrules.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace brainlark
{
namespace
{

// A Windows-1252 literal as the UTF-8 the rules take.
std::string A(const char* cp1252)
{
    return Cp1252::toUtf8(cp1252);
}

TypeinField fieldWith(const std::string& text, int caret)
{
    TypeinField field;
    for (char c : text)
        field.handleChar(c);
    while (field.caret() > caret)
        field.handleArrow(TypeinField::Arrow::Left);
    return field;
}

TEST(TypeinField, StartsWithThePreFill)
{
    const TypeinField field("la casa", 3, Rect{10, 100, 410, 200});
    EXPECT_EQ(field.typedText(), "l* *a*a");
    EXPECT_EQ(field.caret(), 0);
    EXPECT_EQ(field.rect(), (Rect{10, 100, 410, 200}));
    EXPECT_EQ(field.textRect(), (Rect{30, 120, 390, 180}));
    EXPECT_EQ(field.redrawArea(), (Rect{12, 102, 408, 198}));
    EXPECT_TRUE(TypeinField("", 0, Rect{}).typedText().empty());
}

TEST(TypeinField, TypingOverwritesOrAppends)
{
    TypeinField atEnd = fieldWith("ab", 2);
    EXPECT_EQ(atEnd.handleChar('x'), TypeinField::Input::Changed);
    EXPECT_EQ(atEnd.typedText(), "abx");
    EXPECT_EQ(atEnd.caret(), 3);

    TypeinField inside = fieldWith("ab", 1);
    inside.handleChar('x');
    EXPECT_EQ(inside.typedText(), "ax");
    EXPECT_EQ(inside.caret(), 2);

    TypeinField overPreFill("cat", 0, Rect{});
    for (char c : std::string("dog"))
        overPreFill.handleChar(c);
    EXPECT_EQ(overPreFill.typedText(), "dog");
}

TEST(TypeinField, BackspaceDeletesBeforeTheCaret)
{
    TypeinField field = fieldWith("abc", 2);
    EXPECT_EQ(field.handleChar(TypeinField::Backspace), TypeinField::Input::Changed);
    EXPECT_EQ(field.typedText(), "ac");
    EXPECT_EQ(field.caret(), 1);
    field.handleChar(TypeinField::Backspace);
    EXPECT_EQ(field.typedText(), "c");
    EXPECT_EQ(field.handleChar(TypeinField::Backspace), TypeinField::Input::Ignored);
    EXPECT_EQ(field.typedText(), "c");
}

TEST(TypeinField, ControlCharacters)
{
    TypeinField field = fieldWith("abc", 3);
    EXPECT_EQ(field.handleChar(TypeinField::Enter), TypeinField::Input::Try);
    EXPECT_EQ(field.typedText(), "abc");
    for (char c : {'\x01', '\t', '\x1B', '\x7F'})
        EXPECT_EQ(field.handleChar(c), TypeinField::Input::Ignored) << int(c);
    EXPECT_EQ(field.typedText(), "abc");
    EXPECT_EQ(field.handleChar(TypeinField::CtrlR), TypeinField::Input::Changed);
    EXPECT_EQ(field.typedText(), "");
    EXPECT_EQ(field.caret(), 0);
    EXPECT_EQ(field.handleChar(0xE9), TypeinField::Input::Changed); // é is text, not a control
    EXPECT_EQ(field.typedText(), "\xC3\xA9");
}

TEST(TypeinField, ArrowKeysMoveTheCaretWithinTheText)
{
    TypeinField field = fieldWith("ab", 2);
    field.handleArrow(TypeinField::Arrow::Right);
    EXPECT_EQ(field.caret(), 2);
    field.handleArrow(TypeinField::Arrow::Left);
    field.handleArrow(TypeinField::Arrow::Left);
    field.handleArrow(TypeinField::Arrow::Left);
    EXPECT_EQ(field.caret(), 0);
    field.handleArrow(TypeinField::Arrow::Right);
    EXPECT_EQ(field.caret(), 1);
}

TEST(TypeinField, UpAndDownCycleTheAccentBeforeTheCaret)
{
    TypeinField field = fieldWith("an", 2);
    field.handleArrow(TypeinField::Arrow::Up);
    EXPECT_EQ(field.typedText(), A("a\xF1"));
    field.handleArrow(TypeinField::Arrow::Up);
    EXPECT_EQ(field.typedText(), "an");
    field.handleArrow(TypeinField::Arrow::Left);
    field.handleArrow(TypeinField::Arrow::Down);
    EXPECT_EQ(field.typedText(), A("\xE6n"));
    EXPECT_EQ(field.caret(), 1);

    TypeinField z = fieldWith("z", 1);
    z.handleArrow(TypeinField::Arrow::Up);
    EXPECT_EQ(z.typedText(), "z");
    TypeinField start = fieldWith("a", 0);
    start.handleArrow(TypeinField::Arrow::Up);
    EXPECT_EQ(start.typedText(), "a");
}

TEST(TypeinField, DisplayTextMarksTheCaret)
{
    EXPECT_EQ(fieldWith("abc", 1).displayText(), "a&bc");
    EXPECT_EQ(fieldWith("abc", 0).displayText(), "&abc");
    EXPECT_EQ(fieldWith("abc", 3).displayText(), "abc&");
    EXPECT_EQ(fieldWith("R&B", 3).displayText(), "R&&B&"); // a typed ampersand shows as itself
    EXPECT_EQ(fieldWith("R&B", 1).displayText(), "R&&B");  // never underlines the wrong character
}

} // namespace
} // namespace brainlark

namespace brainlark
{
namespace
{

TEST(TypeinField, EnterOnAnUntouchedPreFillJudgesWrong)
{
    TypeinOptions all;
    all.ignoreCase = all.ignoreSpaces = all.ignorePunctuation = true;
    const TypeinField field("la casa", 3, Rect{});
    EXPECT_FALSE(TypeinRules::matches(field.typedText(), "la casa", all));
    // Unless the answer has asterisks at the hidden places.
    const TypeinField starred("a*c*e", 3, Rect{});
    EXPECT_EQ(starred.typedText(), "a*c*e");
    EXPECT_TRUE(TypeinRules::matches(starred.typedText(), "a*c*e", TypeinOptions{}));
}

} // namespace
} // namespace brainlark

namespace brainlark
{
namespace
{

TEST(TypeinFieldUnicode, InputMethodTextIsTypedCharacterByCharacter)
{
    TypeinField field("\xE6\x9D\xB1\xE4\xBA\xAC", 0, Rect{}); // 東京, hidden as "**"
    field.setPreedit("\xE3\x81\xA8\xE3\x81\x86");             // とう, still being composed
    EXPECT_EQ(field.shownText(), "\xE3\x81\xA8\xE3\x81\x86**");
    EXPECT_EQ(field.typedText(), "**");
    EXPECT_EQ(field.handleText("\xE6\x9D\xB1\xE4\xBA\xAC"), TypeinField::Input::Changed); // committed
    EXPECT_EQ(field.preedit(), "");
    EXPECT_EQ(field.typedText(), "\xE6\x9D\xB1\xE4\xBA\xAC");
    EXPECT_EQ(field.caret(), 2);
    EXPECT_EQ(field.byteOffset(1), 3u);
    EXPECT_EQ(field.handleText("\x01"), TypeinField::Input::Ignored);
}

TEST(TypeinFieldUnicode, CaretAndBackspaceTakeWholeCharacters)
{
    TypeinField field("e\xCC\x81t\xF0\x9F\x98\x80", 0, Rect{}); // é (two code points), t, emoji
    EXPECT_EQ(field.typedText(), "***");
    field.handleText("e\xCC\x81");
    field.handleChar(U't');
    field.handleChar(U'\U0001F600');
    EXPECT_EQ(field.typedText(), "e\xCC\x81t\xF0\x9F\x98\x80");
    EXPECT_EQ(field.caret(), 3);
    field.handleArrow(TypeinField::Arrow::Left);
    field.handleArrow(TypeinField::Arrow::Left);
    field.handleChar(TypeinField::Backspace);
    EXPECT_EQ(field.typedText(), "t\xF0\x9F\x98\x80");
    EXPECT_EQ(field.displayText(), "&t\xF0\x9F\x98\x80");
    EXPECT_TRUE(TypeinRules::matches(field.typedText(), "t\xF0\x9F\x98\x80", TypeinOptions{}));
}

} // namespace
} // namespace brainlark
