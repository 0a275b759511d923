#include "quiz/engine/textbox.h"

#include <cstdlib>

namespace brainlark
{

void TextBox::setColors(const HslColor& outline, const HslColor& border, const HslColor& fill)
{
    m_outline = outline;
    m_border = border;
    m_fill = fill;
}

void TextBox::setFont(std::string face, int height, int weight)
{
    m_fontFace = std::move(face);
    m_fontHeight = height;
    m_fontWeight = weight;
}

void TextBox::fitTo(int textWidth, int textHeight)
{
    m_rect = Rect::fromSize(0, 0, textWidth, textHeight);
    m_fitted = true;
}

void TextBox::moveCenterTo(Point p)
{
    const int w = m_rect.width();
    const int h = m_rect.height();
    m_rect = Rect::fromSize(p.x - w / 2, p.y - h / 2, w, h);
}

void TextBox::setShadowDepth(int depth)
{
    if (depth == -1)
        depth = 1;
    m_shadowDepth = depth < 0 ? 0 : depth;
}

int TextBox::shadowOffset(int layer) const
{
    // Font heights from the settings are negative (character height); the size is what matters.
    return std::abs(m_fontHeight) / 15 + layer;
}

} // namespace brainlark
