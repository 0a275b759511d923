#pragma once

#include "options/optionspage.h"

class QSpinBox;

namespace brainlark
{

class ColorSwatch;

/// "Matching Mode": the number of rows, the wrong line growing wider, and the line colours.
class MatchingPage : public OptionsPage
{
    Q_OBJECT
public:
    MatchingPage(const OptionsValues& values, OptionsContext& context, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

private:
    ColorSwatch* addSwatch(const QColor& color, const char* name);

    OptionsContext& m_context;
    QSpinBox* m_rows = nullptr;
    QCheckBox* m_wider = nullptr;
    ColorSwatch* m_init = nullptr;
    ColorSwatch* m_wrong = nullptr;
    ColorSwatch* m_right = nullptr;
};

} // namespace brainlark
