#include "quiz/engine/screenlayout.h"

#include <algorithm>

#include "quiz/engine/textbox.h"

namespace brainlark
{

namespace
{

constexpr int kClassicQuestionLeft = 62;
constexpr int kClassicQuestionBottom = 88;
constexpr int kClassicAnswerX = 40;
constexpr int kClassicAnswerY = 100;
constexpr int kClassicAnswerStep = 70;

int counterWidth(int base, int step, int rightCount)
{
    if (rightCount > 999)
        return base + 2 * step;
    if (rightCount > 99)
        return base + step;
    return base;
}

} // namespace

ScreenLayout::ScreenLayout(int width, int height, BoxLayout layout, QuizMode mode)
    : m_width(width), m_height(height), m_layout(layout), m_mode(mode)
{
}

BoxLayout ScreenLayout::layoutForStyle(int visualStyle, RandomSource& random)
{
    if (visualStyle == 0)
        return static_cast<BoxLayout>(1 + random.below(4));
    if (visualStyle >= 1 && visualStyle <= 5)
        return static_cast<BoxLayout>(visualStyle - 1);
    return BoxLayout::Boxes1;
}

int ScreenLayout::questionBand() const
{
    return std::max(m_height / 3, MinimumQuestionBand);
}

int ScreenLayout::questionBoxHeight() const
{
    const int h = questionBand() - 15;
    return isTrueFalseOrTypeIn() ? static_cast<int>(h * 1.2) : h;
}

Rect ScreenLayout::questionBox() const
{
    const int h = questionBoxHeight();
    int top = TopMargin;
    if (!isTrueFalseOrTypeIn() && m_layout == BoxLayout::Boxes2)
        top = (m_height - h) / 2;
    return Rect::fromSize(LeftMargin, top, m_width - 2 * LeftMargin, h);
}

Rect ScreenLayout::classicQuestionBox(int textHeight) const
{
    return {kClassicQuestionLeft, kClassicQuestionBottom - std::max(textHeight, 0), m_width - 10,
            kClassicQuestionBottom};
}

Rect ScreenLayout::answerBox(int i) const
{
    if (i < 0 || i > 3)
        return {};
    const int q = questionBand();
    if (isTrueFalseOrTypeIn()) {
        if (i != 0)
            return {};
        const Rect question = questionBox();
        return question.translated(0, question.height() + 20);
    }
    switch (m_layout) {
    case BoxLayout::Boxes1:
    case BoxLayout::Boxes2:
        return boxesAnswer(i, (m_width - 25) / 2, (m_height - q - 15) / 2, q);
    case BoxLayout::Boxes3:
    case BoxLayout::Boxes4: {
        // One column; Boxes-4 leaves the right part to the picture.
        const int w = m_layout == BoxLayout::Boxes3 ? m_width - 20
                                                    : static_cast<int>(m_width - m_width * PictureShare - 30);
        const int h = (m_height - q - 25) / 4;
        return Rect::fromSize(ColumnMargin, q + 5 + i * (h + RowGap), w, h);
    }
    case BoxLayout::Classic:
        break;
    }
    return {}; // Classic boxes are fitted to their texts: classicAnswerBox()
}

Rect ScreenLayout::boxesAnswer(int i, int w, int h, int band) const
{
    const int x = i < 2 ? ColumnMargin : w + 15;
    const bool lowerRow = i % 2 == 1;
    int y;
    if (m_layout == BoxLayout::Boxes2)
        y = lowerRow ? band + h + 10 : TopMargin; // the question sits between the two rows
    else
        y = lowerRow ? band + h + 10 : band + 5;
    return Rect::fromSize(x, y, w, h);
}

std::array<Rect, 4> ScreenLayout::answerBoxes() const
{
    return {answerBox(0), answerBox(1), answerBox(2), answerBox(3)};
}

Rect ScreenLayout::classicAnswerBox(int i, int fittedWidth, int fittedHeight)
{
    return Rect::fromSize(kClassicAnswerX, kClassicAnswerY + kClassicAnswerStep * i, fittedWidth,
                          fittedHeight);
}

Rect ScreenLayout::pictureArea() const
{
    if (isTrueFalseOrTypeIn() || m_layout != BoxLayout::Boxes4)
        return {};
    const Rect firstBox = answerBox(0);
    return {firstBox.right + ColumnMargin, firstBox.top, m_width - 10, answerBox(3).bottom};
}

Rect ScreenLayout::trueTryButton() const
{
    const Rect box = answerBox(0);
    return Rect::fromSize(box.center().x - 70, box.bottom + 30, ButtonWidth, ButtonHeight);
}

Rect ScreenLayout::falseSkipButton() const
{
    const Rect box = answerBox(0);
    return Rect::fromSize(box.center().x + 10, box.bottom + 30, ButtonWidth, ButtonHeight);
}

Rect ScreenLayout::answerSoundIcon(int i, const Rect& box) const
{
    if (!usesBoxes())
        return Rect::fromSize(20, kClassicAnswerY + kClassicAnswerStep * i + 7, IconSize, IconSize);
    return Rect::fromSize(box.left + IconInset, box.bottom - 16, IconSize, IconSize);
}

Rect ScreenLayout::questionSoundIcon() const
{
    if (!usesBoxes())
        return Rect::fromSize(12, 50, IconSize, IconSize);
    const Rect question = questionBox();
    int top = 7;
    if (!isTrueFalseOrTypeIn() && m_layout == BoxLayout::Boxes2)
        top = question.center().y - IconSize / 2;
    return Rect::fromSize(question.right - IconInset - IconSize, top, IconSize, IconSize);
}

Rect ScreenLayout::counterBox(int rightCount, bool alertSide) const
{
    if (!usesBoxes())
        return Rect::fromSize(12, 12, counterWidth(30, 15, rightCount), 30);
    const int size = 35;
    const int w = counterWidth(size, 15, rightCount);
    int top = 22;
    if (!isTrueFalseOrTypeIn() && m_layout == BoxLayout::Boxes2)
        top = (m_height - size) / 2;
    const int left = alertSide ? questionBox().left : m_width - 10 - w;
    return Rect::fromSize(left, top, w, size);
}

std::string ScreenLayout::answerText(const Pair& choice, const AppFlags& flags) const
{
    if (m_mode == QuizMode::TypeIn)
        return {};
    const bool hasSound = !choice.soundPath(choice.isReversed() ? 1 : 2).empty();
    if (flags.fun(AppFlags::HideText) && hasSound)
        return {};
    std::string text = usesBoxes() ? "" : "\xE2\x80\xA2 ";
    return text.append(choice.shownAnswer());
}

unsigned ScreenLayout::boxFormat() const
{
    const bool left = !isTrueFalseOrTypeIn() && m_layout == BoxLayout::Boxes4;
    return (left ? TextBox::AlignLeft : TextBox::AlignCenter) | TextBox::WordBreak | TextBox::ExpandTabs;
}

unsigned ScreenLayout::questionFormat() const
{
    if (!usesBoxes())
        return TextBox::VCenter | TextBox::WordBreak;
    return boxFormat();
}

int ScreenLayout::hitTest(Point p, const std::array<Rect, 4>& boxes) const
{
    if (isTrueFalseOrTypeIn()) {
        if (falseSkipButton().contains(p))
            return 1;
        return trueTryButton().contains(p) ? 0 : -1;
    }
    for (int i = 0; i < 4; ++i) {
        if (boxes[static_cast<size_t>(i)].contains(p))
            return i;
    }
    return -1;
}

int ScreenLayout::hitTestAnswerSoundIcon(Point p, const std::array<Rect, 4>& boxes) const
{
    for (int i = 0; i < 4; ++i) {
        const Rect& box = boxes[static_cast<size_t>(i)];
        if (usesBoxes() && box.isEmpty())
            continue; // unused boxes of True/False and Type-in
        if (answerSoundIcon(i, box).contains(p))
            return i;
    }
    return -1;
}

} // namespace brainlark
