#pragma once

#include <string>
#include <string_view>

#include "quiz/engine/hslcolor.h"
#include "quiz/engine/rect.h"

namespace brainlark
{

/// The data of one drawn box of the quiz screen (question, answer, button, counter): its text, look and
/// rectangle. The UI layer draws it; this class only holds it and answers geometry questions.
class TextBox
{
public:
    /// Text format bits, with the meanings of the platform's text-drawing flags.
    enum Format : unsigned {
        AlignLeft = 0x0,
        AlignCenter = 0x1,
        AlignRight = 0x2,
        VCenter = 0x4,
        WordBreak = 0x10,
        SingleLine = 0x20,
        ExpandTabs = 0x40,
    };
    static constexpr unsigned DefaultFormat = AlignCenter | WordBreak | ExpandTabs;
    static constexpr int RoundCornerRadius = 10;

    TextBox() = default;
    explicit TextBox(std::string_view text) : m_text(text) {}
    virtual ~TextBox() = default;

    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }

    int insetX() const { return m_insetX; }
    int insetY() const { return m_insetY; }
    /// Added to the rectangle before the text is drawn; negative values keep the text off the border.
    void setInsets(int x, int y)
    {
        m_insetX = x;
        m_insetY = y;
    }
    /// The rectangle the text is drawn in.
    Rect textRect() const { return m_rect.inflated(m_insetX, m_insetY); }

    const HslColor& outlineColor() const { return m_outline; }
    const HslColor& borderColor() const { return m_border; }
    const HslColor& fillColor() const { return m_fill; }
    void setColors(const HslColor& outline, const HslColor& border, const HslColor& fill);
    const HslColor& textColor() const { return m_textColor; }
    void setTextColor(const HslColor& color) { m_textColor = color; }

    /// 0 (square) or 10 (round corners).
    int cornerRadius() const { return m_cornerRadius; }
    void setRoundCorners(bool round) { m_cornerRadius = round ? RoundCornerRadius : 0; }
    bool isFramed() const { return m_framed; }
    void setFramed(bool framed) { m_framed = framed; }
    unsigned format() const { return m_format; }
    void setFormat(unsigned format) { m_format = format; }

    const std::string& fontFace() const { return m_fontFace; }
    int fontHeight() const { return m_fontHeight; }
    int fontWeight() const { return m_fontWeight; }
    void setFont(std::string face, int height, int weight = 400);

    const Rect& rect() const { return m_rect; }
    void setRect(const Rect& rect) { m_rect = rect; }
    /// Sets the rectangle to the measured text size at (0, 0) and marks the box fitted.
    void fitTo(int textWidth, int textHeight);
    bool isFitted() const { return m_fitted; }
    /// Keeps the size and puts the centre at p.
    void moveCenterTo(Point p);
    /// The rectangle grown by the shadow depth on every side: what drawing the box touches.
    Rect bounds() const { return m_rect.inflated(m_shadowDepth, m_shadowDepth); }

    /// Number of shadow layers; 0 draws the box pressed.
    int shadowDepth() const { return m_shadowDepth; }
    /// -1 means the normal depth 1; other negative values mean 0.
    void setShadowDepth(int depth);
    /// Offset right and down of shadow layer i: font height / 15 + i.
    int shadowOffset(int layer) const;

private:
    std::string m_text;
    int m_insetX = 0;
    int m_insetY = 0;
    HslColor m_outline;
    HslColor m_border;
    HslColor m_fill;
    int m_cornerRadius = 0;
    bool m_framed = false;
    unsigned m_format = DefaultFormat;
    Rect m_rect;
    HslColor m_textColor{22, 22, 222};
    int m_fontHeight = 15;
    std::string m_fontFace = "Verdana";
    int m_fontWeight = 400;
    bool m_fitted = false;
    int m_shadowDepth = 1;
};

} // namespace brainlark
