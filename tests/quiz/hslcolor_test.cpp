#include "quiz/engine/hslcolor.h"

#include <gtest/gtest.h>

namespace brainlark
{
namespace
{

TEST(HslColor, ConvertsRgbToHsl)
{
    const HslColor red(255, 0, 0);
    EXPECT_FLOAT_EQ(red.hue(), 0.0f);
    EXPECT_FLOAT_EQ(red.saturation(), 1.0f);
    EXPECT_FLOAT_EQ(red.lightness(), 0.5f);

    const HslColor grey(200, 200, 200);
    EXPECT_FLOAT_EQ(grey.saturation(), 0.0f);
    EXPECT_FLOAT_EQ(grey.lightness(), 400.0f / 510.0f);

    const HslColor blue(0, 0, 255);
    EXPECT_FLOAT_EQ(blue.hue(), 240.0f);
    const HslColor magenta(255, 0, 128);
    EXPECT_NEAR(magenta.hue(), 330.0f, 0.2f);

    // Light colour: saturation uses the 510 - max - min branch.
    const HslColor pink(255, 200, 200);
    EXPECT_FLOAT_EQ(pink.saturation(), 55.0f / 55.0f);
    const HslColor dusty(200, 150, 150);
    EXPECT_FLOAT_EQ(dusty.saturation(), 50.0f / (510.0f - 350.0f));
}

TEST(HslColor, RoundTripsThroughHsl)
{
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 85) {
                HslColor c(r, g, b);
                c.setHue(c.hue()); // forces RGB to be recomputed from HSL
                EXPECT_NEAR(c.red(), r, 1);
                EXPECT_NEAR(c.green(), g, 1);
                EXPECT_NEAR(c.blue(), b, 1);
            }
        }
    }
}

TEST(HslColor, ChangingHueKeepsLightnessAndSaturation)
{
    HslColor gold = HslColor::fromColorRef(0x0000D7FF);
    EXPECT_EQ(gold.red(), 255);
    EXPECT_EQ(gold.green(), 215);
    EXPECT_EQ(gold.blue(), 0);
    const float lightness = gold.lightness();
    gold.setHue(90.0f);
    EXPECT_FLOAT_EQ(gold.lightness(), lightness);
    EXPECT_LT(gold.red(), gold.green());
    EXPECT_EQ(gold.blue(), 0);
    gold.setHue(-30.0f);
    EXPECT_FLOAT_EQ(gold.hue(), 330.0f);
    gold.setHue(720.0f);
    EXPECT_FLOAT_EQ(gold.hue(), 0.0f);
}

TEST(HslColor, ParsesHexText)
{
    HslColor c;
    EXPECT_TRUE(c.setFromText("ff8000"));
    EXPECT_EQ(c.toColorRef(), 0x000080FFu);
    EXPECT_TRUE(c.setFromText("C8c8C8"));
    EXPECT_EQ(c, HslColor(200, 200, 200));
    EXPECT_TRUE(c.setFromText(" 1 2 3"));
    EXPECT_EQ(c, HslColor(1, 2, 3));

    for (const char* bad : {"", "ff", "ff80", "zz0000", "-10000", "ff 80 zz"}) {
        c = HslColor(9, 9, 9);
        EXPECT_FALSE(c.setFromText(bad)) << bad;
        EXPECT_EQ(c.toColorRef(), 0u) << bad;
    }
}

TEST(HslColor, SaturationAndLightnessAreClamped)
{
    HslColor c(10, 120, 200);
    c.setSaturation(1.7f);
    EXPECT_FLOAT_EQ(c.saturation(), 1.0f);
    c.setSaturation(-0.5f);
    EXPECT_FLOAT_EQ(c.saturation(), 0.0f);
    EXPECT_EQ(c.red(), c.green());
    c.setLightness(2.0f);
    EXPECT_EQ(c, HslColor(255, 255, 255));
}

TEST(HslColor, ScalesLightnessWithALimit)
{
    HslColor c(100, 100, 100);
    const float l = c.lightness();
    c.scaleLightness(1.1f);
    EXPECT_FLOAT_EQ(c.lightness(), l * 1.1f);
    c.scaleLightness(10.0f, 1.0f);
    EXPECT_FLOAT_EQ(c.lightness(), 1.0f);
    c.scaleLightness(0.5f, 0.3f);
    EXPECT_FLOAT_EQ(c.lightness(), 0.3f);
    c.scaleLightness(-1.0f);
    EXPECT_FLOAT_EQ(c.lightness(), 0.0f);
}

TEST(HslColor, PaleCopyForShadows)
{
    const HslColor base(22, 22, 222);
    const HslColor pale = base.pale();
    EXPECT_FLOAT_EQ(pale.lightness(), base.lightness() * 0.8f);
    EXPECT_FLOAT_EQ(pale.saturation(), 0.1f);
    EXPECT_NEAR(pale.hue(), base.hue(), 1.0f);
    EXPECT_EQ(base, HslColor(22, 22, 222)); // the original is untouched
}

TEST(HslColor, ColorRefLayoutIsBlueGreenRed)
{
    const HslColor c(0x12, 0x34, 0x56);
    EXPECT_EQ(c.toColorRef(), 0x00563412u);
    EXPECT_EQ(HslColor::fromColorRef(0xFF563412u), c); // the top byte is not a colour
}

} // namespace
} // namespace brainlark
