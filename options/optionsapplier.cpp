#include "options/optionsapplier.h"

#include "settings/appsettings.h"

namespace brainlark
{

namespace ff = funflags;
namespace ff2 = funflags2;

namespace
{

constexpr int kDefaultScheme = 1;
constexpr int kLinesStep = 15, kLinesWidth = 1;
constexpr int kSquaresStep = 20, kSquaresWidth = 7;

using F = AppSettings::Font;
const F kFontOrder[OptionsValues::FontSlotCount] = {F::Question, F::Answer, F::Card, F::PrintedCard};

} // namespace

OptionsApplier::OptionsApplier(AppSettings& settings, Hooks hooks)
    : m_settings(settings), m_hooks(std::move(hooks))
{
}

bool OptionsApplier::changeFunFlag(uint32_t mask, bool on)
{
    const bool changed = m_settings.funFlag(mask) != on;
    m_settings.setFunFlag(mask, on);
    return changed;
}

bool OptionsApplier::changeFunFlag2(uint32_t mask, bool on)
{
    const bool changed = m_settings.funFlag2(mask) != on;
    m_settings.setFunFlag2(mask, on);
    return changed;
}

OptionsApplier::Outcome OptionsApplier::apply(const OptionsValues& v)
{
    Outcome outcome;
    applyGeneral(v, outcome);
    applyVisual(v, outcome);
    applyMatching(v, outcome);
    applyAdvanced(v);
    applyLayout(v, outcome);
    applyTypein(v, outcome);
    return outcome;
}

void OptionsApplier::applyGeneral(const OptionsValues& v, Outcome& outcome)
{
    m_settings.setSoundTheme(v.soundScheme >= 0 ? v.soundScheme : kDefaultScheme);
    m_settings.setCallGo(v.callGo);
    m_settings.setLoadLastFile(v.loadLastFile);
    m_settings.setShowHint(v.showHint);
    m_settings.setFunFlag(ff::kFunnySounds, v.funnySounds);
    m_settings.setFunFlag(ff::kAutoPlayQuestionSounds, v.autoPlayQuestionSounds);
    m_settings.setFunFlag(ff::kContinueAfterWrong, v.continueAfterWrong);
    m_settings.setQuestionSelectionMode(v.questionSelection);
    m_settings.setDesiredRetentionPercent(v.desiredRetentionPercent);
    m_settings.setUiLanguage(v.uiLanguage);
    m_settings.setReadQuestionsAloud(v.readQuestionsAloud);
    m_settings.setReadAnswersAloud(v.readAnswersAloud);
    m_settings.setSpeechRate(v.speechRate);
    if (changeFunFlag(ff::kPredefinedAnswers, v.predefinedAnswers) && m_hooks.checkAnswerSelection &&
        m_hooks.checkAnswerSelection())
        outcome.newQuestion = true;
}

void OptionsApplier::applyVisual(const OptionsValues& v, Outcome& outcome)
{
    m_settings.setFunFlag(ff::kTransition, v.transition);
    m_settings.setFunFlag(ff::kReminderCard, v.reminderCard);
    m_settings.setFunFlag(ff::kAnimateQuestion, v.animateQuestion);
    m_settings.setFunFlag(ff::kSmartCounter, v.smartCounter);
    if (changeFunFlag(ff::kHideText, v.hideText))
        outcome.redraw = true;
    if (v.customColor.isValid() && v.customColor.rgb() != m_settings.customBkgColor().rgb()) {
        m_settings.setCustomBkgColor(v.customColor);
        outcome.redraw = true;
    }
    if (changeFunFlag2(ff2::kCustomBkgColor, v.customColorOn))
        outcome.redraw = true;

    m_settings.setBkgType(v.picture ? 1 : 0);
    if (m_settings.bkgType() == 1 && m_hooks.setBackgroundPicture)
        m_hooks.setBackgroundPicture(v.picturePath);
    m_settings.setFunFlag(ff::kBackground3D, v.background3d);

    switch (v.pattern) {
    case OptionsValues::Pattern::None:
        m_settings.setHatch(false);
        break;
    case OptionsValues::Pattern::Lines:
        m_settings.setHatch(true);
        m_settings.setLineStep(kLinesStep);
        m_settings.setLineWidth(kLinesWidth);
        break;
    case OptionsValues::Pattern::Squares:
        m_settings.setHatch(true);
        m_settings.setLineStep(kSquaresStep);
        m_settings.setLineWidth(kSquaresWidth);
        break;
    case OptionsValues::Pattern::Unchanged:
        break;
    }

    if (v.fontsChanged) {
        for (int i = 0; i < OptionsValues::FontSlotCount; ++i)
            m_settings.setFont(kFontOrder[i], v.fonts[size_t(i)].height, v.fonts[size_t(i)].face);
    }
}

void OptionsApplier::applyMatching(const OptionsValues& v, Outcome& outcome)
{
    if (v.matchRows != m_settings.matchQuizRows()) {
        m_settings.setMatchQuizRows(v.matchRows);
        outcome.newQuestion = true;
    }
    m_settings.setFunFlag2(ff2::kMatchWiderLine, v.widerWrongLine);
    m_settings.setMatchColorInit(v.matchInit);
    m_settings.setMatchColorWrong(v.matchWrong);
    m_settings.setMatchColorRight(v.matchRight);
}

void OptionsApplier::applyAdvanced(const OptionsValues& v)
{
    m_settings.setSlideshowDelay(v.slideshowManual ? -v.slideshowSeconds : v.slideshowSeconds);
    m_settings.setFunFlag(ff::kSlideQuestionSounds, v.slideshowQuestionSounds);
    m_settings.setFunFlag(ff::kSlideAnswerSounds, v.slideshowAnswerSounds);
    m_settings.setFunFlag(ff::kSlideAnimations, v.slideshowAnimations);
    m_settings.setFunFlag(ff::kSlideRandomOrder, v.slideshowRandomOrder);
    m_settings.setFunFlag(ff::kSlideShowTitle, v.slideshowShowTitle);
    m_settings.setFunFlag(ff::kSlideDelayAnswer, v.slideshowDelayAnswer);
    m_settings.setFunFlag(ff::kShowPictures, v.showPictures);
    m_settings.setFunFlag(ff::kAutoresizePictureWindow, v.autoresizePictureWindow);
    m_settings.setFunFlag(ff::kHtmlStatistics, v.htmlStatistics);
}

void OptionsApplier::applyLayout(const OptionsValues& v, Outcome& outcome)
{
    if (v.visualStyle != m_settings.visualStyle()) {
        m_settings.setVisualStyle(v.visualStyle);
        outcome.redraw = true;
    }
    if (changeFunFlag(ff::kRoundCorners, v.roundCorners))
        outcome.redraw = true;
    m_settings.setFillMode(!v.transparentBoxes);
}

void OptionsApplier::applyTypein(const OptionsValues& v, Outcome& outcome)
{
    m_settings.setFunFlag(ff::kTypeinKeepTrying, v.keepTrying);
    m_settings.setFunFlag(ff::kTypeinIgnoreCase, v.ignoreCase);
    m_settings.setFunFlag(ff::kTypeinIgnorePunctuation, v.ignorePunctuation);
    m_settings.setFunFlag(ff::kTypeinIgnoreSpaces, v.ignoreSpaces);
    m_settings.setFunFlag(ff::kTypeinClearAfterWrong, v.clearAnswerField);
    m_settings.setFunFlag2(ff2::kTypeinReminderCard, v.typeinReminderCard);
    if (changeFunFlag2(ff2::kTypeinCenterText, v.centerText))
        outcome.redraw = true;
    if (v.preFill != m_settings.preFill()) {
        m_settings.setPreFill(v.preFill);
        outcome.newQuestion = true;
    }
}

} // namespace brainlark
