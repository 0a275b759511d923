#include "quiz/ui/quizlook.h"

#include "settings/appsettings.h"

namespace brainlark
{

namespace
{

// Palette slots of the quiz screen; 0-6 and 13-15 have fixed roles, the others are ours to give.
enum QuizSlot {
    SlotQuestionFill = 1,
    SlotQuestionText = 2,
    SlotAnswerText = 3,
    SlotAnswerFill = 4,
    SlotRight = 5,
    SlotWrong = 6,
    SlotOutline = 7,
    SlotBorder = 8,
    SlotButtonFill = 9,
    SlotButtonBorder = 10,
    SlotAlert = 13,
    SlotCounter = 14,
    SlotCounterText = 15,
    SlotCardQuestion = 16,
    SlotCardAnswer = 17,
    SlotCard = 18,
};

} // namespace

HslColor QuizLook::hsl(const QColor& colour)
{
    return HslColor(colour.red(), colour.green(), colour.blue());
}

QuizLook::QuizLook(const AppSettings& settings)
{
    questionFont = settings.font(AppSettings::Font::Question);
    answerFont = settings.font(AppSettings::Font::Answer);
    buttonFont = settings.font(AppSettings::Font::B);
    cardFont = settings.font(AppSettings::Font::Card);
    counterFont = buttonFont;
    counterFont.setBold(true);

    const SkinPalette& p = settings.palette();
    auto slot = [&p](int i) { return hsl(p.color(i)); };
    questionFill = slot(SlotQuestionFill);
    questionText = slot(SlotQuestionText);
    answerFill = slot(SlotAnswerFill);
    answerText = slot(SlotAnswerText);
    transparentText = slot(SlotQuestionText);
    outline = slot(SlotOutline);
    border = slot(SlotBorder);
    buttonFill = slot(SlotButtonFill);
    buttonText = slot(SlotQuestionText);
    buttonBorder = slot(SlotButtonBorder);
    right = slot(SlotRight);
    wrong = slot(SlotWrong);
    counterFill = slot(SlotCounter);
    counterText = slot(SlotCounterText);
    alertFill = slot(SlotAlert);
    alertText = slot(SlotCardQuestion);
    cardQuestion = slot(SlotCardQuestion);
    cardAnswer = slot(SlotCardAnswer);
    cardColour = slot(SlotCard);
    opaqueBoxes = settings.fillMode();
    roundCorners = settings.funFlag(funflags::kRoundCorners);

    background.type = settings.bkgType();
    background.hatch = settings.hatch();
    background.lineStep = settings.lineStep();
    background.lineWidth = settings.lineWidth();
    background.shadow3d = settings.funFlag(funflags::kBackground3D);
    background.colour = hsl(settings.quizBackgroundColor());
}

ColourScheme QuizLook::scheme(const HslColor& normalFill, Feedback feedback) const
{
    switch (feedback) {
    case Feedback::Right:
        return ColourScheme::from(right);
    case Feedback::Wrong:
        return ColourScheme::from(wrong);
    case Feedback::Normal:
        break;
    }
    return ColourScheme::from(normalFill);
}

} // namespace brainlark
