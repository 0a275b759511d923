#pragma once

#include "options/optionspage.h"

#include <QImage>
#include <QTimer>
#include <array>

class QLabel;

namespace brainlark
{

/// "Layout": the multiple-choice layout with a preview of each, transparent boxes and round corners.
/// While "Random Boxes" is chosen the preview changes every second among the layouts it draws from. In
/// True/False mode the layout cannot be chosen (the preview still shows).
class LayoutPage : public OptionsPage
{
    Q_OBJECT
public:
    static constexpr int PreviewIntervalMs = 1000;
    /// The pictures Random Boxes cycles through: its own and Boxes-1..Boxes-4.
    static constexpr std::array<int, 5> CyclePictures = {0, 2, 3, 4, 5};

    LayoutPage(const OptionsValues& values, OptionsContext& context, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

    int selectedStyle() const;
    /// The layout whose picture the preview shows.
    int shownPicture() const { return m_shown; }
    const QImage& preview(int style) const { return m_previews[size_t(style)]; }
    bool previewTimerActive() const { return m_timer.isActive(); }
    /// The previous pick of the Random Boxes cycle, kept for the whole run (an index into CyclePictures).
    static int previousPick();

public slots:
    /// One step of the Random Boxes cycle (the timer calls it every second).
    void tick();

private:
    void chooseStyle(int style);
    void renderPreviews();
    void showPicture(int style);

    OptionsContext& m_context;
    QButtonGroup* m_styles = nullptr;
    QCheckBox* m_transparent = nullptr;
    QCheckBox* m_round = nullptr;
    QLabel* m_preview = nullptr;
    std::array<QImage, 6> m_previews;
    int m_shown = 0;
    QTimer m_timer;
};

} // namespace brainlark
