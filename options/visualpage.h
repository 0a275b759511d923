#pragma once

#include "options/optionspage.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace brainlark
{

class ColorSwatch;

/// "Visual": feedback effects, the quiz background (a picture, or a colour with a line pattern) and the
/// four fonts. The picture controls and the colour/pattern controls are enabled in turn.
class VisualPage : public OptionsPage
{
    Q_OBJECT
public:
    static constexpr const char* ImageFilter =
        QT_TR_NOOP("Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|");

    VisualPage(const OptionsValues& values, OptionsContext& context, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

    /// The fonts as the page holds them now.
    const std::array<OptionsValues::FontChoice, OptionsValues::FontSlotCount>& fonts() const
    {
        return m_fonts;
    }
    bool fontsChanged() const { return m_fontsChanged; }
    ColorSwatch* swatch() const { return m_swatch; }

private:
    QWidget* buildEffects(const OptionsValues& v);
    QWidget* buildBackground(const OptionsValues& v);
    QWidget* buildFonts();
    void updateEnabled();
    void browse();
    void chooseColor();
    void chooseFont(int slot);
    void resetFonts();

    OptionsContext& m_context;
    QCheckBox* m_transition = nullptr;
    QCheckBox* m_reminder = nullptr;
    QCheckBox* m_animate = nullptr;
    QCheckBox* m_hideText = nullptr;
    QCheckBox* m_picture = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_preview = nullptr;
    QGroupBox* m_patternBox = nullptr;
    QButtonGroup* m_pattern = nullptr;
    QCheckBox* m_3d = nullptr;
    QCheckBox* m_custom = nullptr;
    ColorSwatch* m_swatch = nullptr;
    std::array<OptionsValues::FontChoice, OptionsValues::FontSlotCount> m_fonts;
    bool m_fontsChanged = false;
};

} // namespace brainlark
