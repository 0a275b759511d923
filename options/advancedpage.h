#pragma once

#include "options/optionspage.h"
#include "settings/appsettings.h"

class QSpinBox;

namespace brainlark
{

/// "Advanced": the slideshow (automatic with a delay, or manual), the picture window and the HTML
/// export's statistics.
class AdvancedPage : public OptionsPage
{
    Q_OBJECT
public:
    /// The longest slideshow delay the settings keep.
    static constexpr int MaxSeconds = AppSettings::MaxSlideshowDelay;

    AdvancedPage(const OptionsValues& values, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

private:
    QWidget* buildSlideshow(const OptionsValues& v);

    QSpinBox* m_seconds = nullptr;
    QButtonGroup* m_mode = nullptr;
    QCheckBox* m_random = nullptr;
    QCheckBox* m_questionSounds = nullptr;
    QCheckBox* m_answerSounds = nullptr;
    QCheckBox* m_animations = nullptr;
    QCheckBox* m_title = nullptr;
    QCheckBox* m_delayAnswer = nullptr;
    QCheckBox* m_showPictures = nullptr;
    QCheckBox* m_autoresize = nullptr;
    QCheckBox* m_statistics = nullptr;
};

} // namespace brainlark
