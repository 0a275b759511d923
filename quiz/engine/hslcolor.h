#pragma once

#include <cstdint>
#include <string>

namespace brainlark
{

/// A colour held as RGB and as hue/saturation/lightness; each form is computed from the other on first use.
/// Hue in degrees 0-360, saturation and lightness 0-1.
class HslColor
{
public:
    /// Black.
    HslColor() = default;
    HslColor(int red, int green, int blue);

    /// From the platform's colour value 0x00BBGGRR.
    static HslColor fromColorRef(uint32_t value);
    uint32_t toColorRef() const;

    void setRgb(int red, int green, int blue);
    /// Reads "%2x%2x%2x" (red, green, blue as hexadecimal pairs). On a parse failure the colour becomes
    /// black and false is returned.
    bool setFromText(const std::string& text);

    int red() const;
    int green() const;
    int blue() const;
    float hue() const;
    float saturation() const;
    float lightness() const;

    /// Wrapped into 0-360.
    void setHue(float degrees);
    /// Clamped to 0-1.
    void setSaturation(float value);
    /// Clamped to 0-1.
    void setLightness(float value);
    /// Lightness × factor, clamped to 0 and limit.
    void scaleLightness(float factor, float limit = 1.0f);
    /// The shadow colour of a scheme: lightness × 0.8, saturation 0.1.
    HslColor pale() const;

    bool operator==(const HslColor& other) const { return toColorRef() == other.toColorRef(); }
    bool operator!=(const HslColor& other) const { return !(*this == other); }

private:
    void ensureRgb() const;
    void ensureHsl() const;

    mutable uint8_t m_red = 0;
    mutable uint8_t m_green = 0;
    mutable uint8_t m_blue = 0;
    mutable float m_hue = 0.0f;
    mutable float m_saturation = 0.0f;
    mutable float m_lightness = 0.0f;
    mutable bool m_rgbValid = true;
    mutable bool m_hslValid = true;
};

} // namespace brainlark
