#pragma once

#include "options/optionspage.h"

class QComboBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace brainlark
{

/// "General": start-up, Smart Counter, automatic answers, question and answer selection, spaced
/// repetition (the desired retention, and fitting its weights to the study history), reading aloud, the
/// sound scheme, and
/// Show All / Hide All for the tips. The fit and the tips' buttons act at once (also when the sheet is
/// cancelled).
class GeneralPage : public OptionsPage
{
    Q_OBJECT
public:
    GeneralPage(const OptionsValues& values, OptionsContext& context, QWidget* parent = nullptr);
    void store(OptionsValues& values) const override;

private:
    void showAll();
    void hideAll();
    void updateTipButtons();

    OptionsContext& m_context;
    QCheckBox* m_loadLast = nullptr;
    QCheckBox* m_callGo = nullptr;
    QCheckBox* m_smartCounter = nullptr;
    QCheckBox* m_showHint = nullptr;
    QCheckBox* m_continue = nullptr;
    QCheckBox* m_autoPlay = nullptr;
    QCheckBox* m_funny = nullptr;
    QButtonGroup* m_selection = nullptr;
    QSpinBox* m_retention = nullptr;
    QCheckBox* m_readQuestions = nullptr;
    QCheckBox* m_readAnswers = nullptr;
    QSlider* m_speechRate = nullptr;
    QButtonGroup* m_answers = nullptr;
    QComboBox* m_scheme = nullptr;
    QComboBox* m_language = nullptr;
    QPushButton* m_showAll = nullptr;
    QPushButton* m_hideAll = nullptr;
};

} // namespace brainlark
