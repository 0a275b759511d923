#pragma once

#include "options/optionspage.h"

namespace brainlark
{

/// "Type-in Mode": what happens after a wrong typed answer, how answers are compared, centred text and
/// how much of the answer is filled in beforehand.
class TypeinPage : public OptionsPage
{
    Q_OBJECT
public:
    TypeinPage(const OptionsValues& values, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

private:
    QCheckBox* m_keepTrying = nullptr;
    QCheckBox* m_clear = nullptr;
    QCheckBox* m_reminder = nullptr;
    QCheckBox* m_case = nullptr;
    QCheckBox* m_spaces = nullptr;
    QCheckBox* m_punctuation = nullptr;
    QCheckBox* m_center = nullptr;
    QButtonGroup* m_preFill = nullptr;
};

} // namespace brainlark
