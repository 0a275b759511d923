#include "quiz/engine/hslcolor.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace brainlark
{

namespace
{

uint8_t toByte(int value)
{
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

float hueToChannel(float p, float q, float t)
{
    if (t < 0.0f)
        t += 1.0f;
    if (t > 1.0f)
        t -= 1.0f;
    if (t < 1.0f / 6.0f)
        return p + (q - p) * 6.0f * t;
    if (t < 0.5f)
        return q;
    if (t < 2.0f / 3.0f)
        return p + (q - p) * (2.0f / 3.0f - t) * 6.0f;
    return p;
}

uint8_t channelByte(float value)
{
    return toByte(static_cast<int>(std::lround(value * 255.0f)));
}

// Up to two hexadecimal digits after optional blanks, like one "%2x" conversion (no sign accepted).
bool readHexPair(const std::string& text, size_t& pos, int& value)
{
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    int digits = 0;
    value = 0;
    while (digits < 2 && pos < text.size() && std::isxdigit(static_cast<unsigned char>(text[pos]))) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
        value = value * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
        ++digits;
        ++pos;
    }
    return digits > 0;
}

} // namespace

HslColor::HslColor(int red, int green, int blue)
{
    setRgb(red, green, blue);
}

HslColor HslColor::fromColorRef(uint32_t value)
{
    return HslColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                    static_cast<int>((value >> 16) & 0xFF));
}

uint32_t HslColor::toColorRef() const
{
    ensureRgb();
    return static_cast<uint32_t>(m_red) | (static_cast<uint32_t>(m_green) << 8) |
           (static_cast<uint32_t>(m_blue) << 16);
}

void HslColor::setRgb(int red, int green, int blue)
{
    m_red = toByte(red);
    m_green = toByte(green);
    m_blue = toByte(blue);
    m_rgbValid = true;
    m_hslValid = false;
}

bool HslColor::setFromText(const std::string& text)
{
    size_t pos = 0;
    int r = 0;
    int g = 0;
    int b = 0;
    if (readHexPair(text, pos, r) && readHexPair(text, pos, g) && readHexPair(text, pos, b)) {
        setRgb(r, g, b);
        return true;
    }
    setRgb(0, 0, 0);
    return false;
}

int HslColor::red() const
{
    ensureRgb();
    return m_red;
}

int HslColor::green() const
{
    ensureRgb();
    return m_green;
}

int HslColor::blue() const
{
    ensureRgb();
    return m_blue;
}

float HslColor::hue() const
{
    ensureHsl();
    return m_hue;
}

float HslColor::saturation() const
{
    ensureHsl();
    return m_saturation;
}

float HslColor::lightness() const
{
    ensureHsl();
    return m_lightness;
}

void HslColor::setHue(float degrees)
{
    ensureHsl();
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped < 0.0f)
        wrapped += 360.0f;
    m_hue = std::isfinite(wrapped) ? wrapped : 0.0f;
    m_rgbValid = false;
}

void HslColor::setSaturation(float value)
{
    ensureHsl();
    m_saturation = std::clamp(std::isnan(value) ? 0.0f : value, 0.0f, 1.0f);
    m_rgbValid = false;
}

void HslColor::setLightness(float value)
{
    ensureHsl();
    m_lightness = std::clamp(std::isnan(value) ? 0.0f : value, 0.0f, 1.0f);
    m_rgbValid = false;
}

void HslColor::scaleLightness(float factor, float limit)
{
    ensureHsl();
    const float scaled = m_lightness * factor;
    m_lightness = std::clamp(std::isnan(scaled) ? 0.0f : scaled, 0.0f, std::clamp(limit, 0.0f, 1.0f));
    m_rgbValid = false;
}

HslColor HslColor::pale() const
{
    HslColor copy = *this;
    copy.setLightness(lightness() * 0.8f);
    copy.setSaturation(0.1f);
    return copy;
}

void HslColor::ensureHsl() const
{
    if (m_hslValid)
        return;
    const int largest = std::max({m_red, m_green, m_blue});
    const int smallest = std::min({m_red, m_green, m_blue});
    m_lightness = static_cast<float>(largest + smallest) / 510.0f;
    if (largest == smallest) {
        m_saturation = 0.0f;
        m_hue = 0.0f;
    } else {
        const float d = static_cast<float>(largest - smallest);
        m_saturation =
            m_lightness <= 0.5f ? d / static_cast<float>(largest + smallest) : d / static_cast<float>(510 - largest - smallest);
        float h;
        if (largest == m_red)
            h = 60.0f * static_cast<float>(m_green - m_blue) / d;
        else if (largest == m_green)
            h = 60.0f * static_cast<float>(m_blue - m_red) / d + 120.0f;
        else
            h = 60.0f * static_cast<float>(m_red - m_green) / d + 240.0f;
        m_hue = h < 0.0f ? h + 360.0f : h;
    }
    m_hslValid = true;
}

void HslColor::ensureRgb() const
{
    if (m_rgbValid)
        return;
    if (m_saturation <= 0.0f) {
        m_red = m_green = m_blue = channelByte(m_lightness);
    } else {
        const float l = m_lightness;
        const float s = m_saturation;
        const float q = l < 0.5f ? l * (1.0f + s) : l + s - l * s;
        const float p = 2.0f * l - q;
        const float h = m_hue / 360.0f;
        m_red = channelByte(hueToChannel(p, q, h + 1.0f / 3.0f));
        m_green = channelByte(hueToChannel(p, q, h));
        m_blue = channelByte(hueToChannel(p, q, h - 1.0f / 3.0f));
    }
    m_rgbValid = true;
}

} // namespace brainlark
