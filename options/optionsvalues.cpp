#include "options/optionsvalues.h"

#include "settings/appsettings.h"

#include <cstdlib>

namespace brainlark
{

namespace
{

using F = AppSettings::Font;
const F kFontOrder[OptionsValues::FontSlotCount] = {F::Question, F::Answer, F::Card, F::PrintedCard};

} // namespace

std::array<OptionsValues::FontChoice, OptionsValues::FontSlotCount> OptionsValues::defaultFonts()
{
    return {{{-24, QStringLiteral("Comic Sans MS")},
             {-19, QStringLiteral("Verdana")},
             {-20, QStringLiteral("Verdana")},
             {-64, QStringLiteral("Verdana")}}};
}

OptionsValues OptionsValues::fromSettings(const AppSettings& s)
{
    namespace ff = funflags;
    namespace ff2 = funflags2;
    OptionsValues v;
    v.loadLastFile = s.loadLastFile();
    v.callGo = s.callGo();
    v.smartCounter = s.funFlag(ff::kSmartCounter);
    v.showHint = s.showHint();
    v.continueAfterWrong = s.funFlag(ff::kContinueAfterWrong);
    v.autoPlayQuestionSounds = s.funFlag(ff::kAutoPlayQuestionSounds);
    v.funnySounds = s.funFlag(ff::kFunnySounds);
    v.questionSelection = s.questionSelectionMode();
    v.desiredRetentionPercent = s.desiredRetentionPercent();
    v.readQuestionsAloud = s.readQuestionsAloud();
    v.readAnswersAloud = s.readAnswersAloud();
    v.speechRate = s.speechRate();
    v.predefinedAnswers = s.funFlag(ff::kPredefinedAnswers);
    v.soundScheme = s.soundTheme();
    v.uiLanguage = s.uiLanguage();

    v.transition = s.funFlag(ff::kTransition);
    v.reminderCard = s.funFlag(ff::kReminderCard);
    v.animateQuestion = s.funFlag(ff::kAnimateQuestion);
    v.hideText = s.funFlag(ff::kHideText);
    v.picture = s.bkgType() == 1;
    v.picturePath = s.currentBkgFilePath();
    v.background3d = s.funFlag(ff::kBackground3D);
    v.customColorOn = s.funFlag2(ff2::kCustomBkgColor);
    v.customColor = s.customBkgColor();
    for (int i = 0; i < FontSlotCount; ++i)
        v.fonts[size_t(i)] = {s.fontHeight(kFontOrder[i]), s.fontFace(kFontOrder[i])};

    v.visualStyle = s.visualStyle();
    v.transparentBoxes = !s.fillMode();
    v.roundCorners = s.funFlag(ff::kRoundCorners);

    v.keepTrying = s.funFlag(ff::kTypeinKeepTrying);
    v.ignoreCase = s.funFlag(ff::kTypeinIgnoreCase);
    v.ignoreSpaces = s.funFlag(ff::kTypeinIgnoreSpaces);
    v.ignorePunctuation = s.funFlag(ff::kTypeinIgnorePunctuation);
    v.clearAnswerField = s.funFlag(ff::kTypeinClearAfterWrong);
    v.typeinReminderCard = s.funFlag2(ff2::kTypeinReminderCard);
    v.centerText = s.funFlag2(ff2::kTypeinCenterText);
    v.preFill = s.preFill();

    v.matchRows = s.matchQuizRows();
    v.widerWrongLine = s.funFlag2(ff2::kMatchWiderLine);
    v.matchInit = s.matchColorInit();
    v.matchWrong = s.matchColorWrong();
    v.matchRight = s.matchColorRight();

    v.slideshowSeconds = std::abs(s.slideshowDelay());
    // A delay of 0 steps by hand as a negative one does (the show waits for the learner below 1 second).
    v.slideshowManual = s.slideshowDelay() <= 0;
    v.slideshowRandomOrder = s.funFlag(ff::kSlideRandomOrder);
    v.slideshowQuestionSounds = s.funFlag(ff::kSlideQuestionSounds);
    v.slideshowAnswerSounds = s.funFlag(ff::kSlideAnswerSounds);
    v.slideshowAnimations = s.funFlag(ff::kSlideAnimations);
    v.slideshowShowTitle = s.funFlag(ff::kSlideShowTitle);
    v.slideshowDelayAnswer = s.funFlag(ff::kSlideDelayAnswer);
    v.showPictures = s.funFlag(ff::kShowPictures);
    v.autoresizePictureWindow = s.funFlag(ff::kAutoresizePictureWindow);
    v.htmlStatistics = s.funFlag(ff::kHtmlStatistics);
    return v;
}

} // namespace brainlark
