#pragma once

#include "quiz/engine/hslcolor.h"

#include <QColor>
#include <QString>

namespace brainlark
{

/// One of the eight colour palettes that go with the skins: 26 colours that paint the quiz screen and
/// the grid. The palette index follows the skin name (exact, case-sensitive comparison).
class SkinPalette
{
public:
    static constexpr int kPaletteCount = 8;
    static constexpr int kSlotCount = 26;

    /// Slot roles used outside the quiz screen's own drawing.
    enum Slot : int {
        Background = 0, ///< quiz screen background (custom colour when that option is on)
        Box1 = 1,
        Box2 = 2,
        Box3 = 3,
        Box4 = 4,
        Right = 5,
        Wrong = 6,
        Counter1 = 13,
        Counter2 = 14,
        Counter3 = 15,
        ViewerGridLines = 20,
        ViewerGridBackground = 21,
        EditorGridLines = 23,
        EditorGridBackground = 24,
    };

    /// Palette 0 (no skin).
    SkinPalette() = default;
    /// Index outside 0..7 gives palette 0.
    explicit SkinPalette(int index);

    /// "" 0, "green.skn" 1, "studio.skn" 2, "winaqua.skn" 3, "hardware.skn" 4, "galaxy.skn" 5,
    /// "media.skn" 6, "cosmo.skn" 7, anything else 0.
    static int indexForSkin(const QString& skinName);
    static SkinPalette forSkin(const QString& skinName) { return SkinPalette(indexForSkin(skinName)); }

    int index() const { return m_index; }
    /// Slot outside 0..25 gives black.
    QColor color(int slot) const;
    /// The colour as 0xRRGGBB.
    unsigned rgb(int slot) const;
    /// The colour for the quiz screen's drawing, which works in hue/saturation/lightness.
    HslColor hsl(int slot) const;

private:
    int m_index = 0;
};

} // namespace brainlark
