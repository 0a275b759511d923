#include "quiz/ui/quizlook.h"

#include "settings/appsettings.h"
#include "settings/contrast.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

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

// Several palettes give a box a text slot that nearly matches its fill (white on white, blue on the same
// blue); the text then takes the first of the other text colours that can be read on that fill.
HslColor readableText(const SkinPalette& p, const QColor& fill, std::initializer_list<int> candidates)
{
    QColor best;
    double bestContrast = -1.0;
    for (int slot : candidates) {
        const QColor text = p.color(slot);
        const double c = Contrast::ratio(text, fill);
        if (c >= Contrast::ReadableLargeText) // the boxes' text is large
            return QuizLook::hsl(text);
        if (c > bestContrast) {
            bestContrast = c;
            best = text;
        }
    }
    return QuizLook::hsl(best);
}

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
    const std::initializer_list<int> darkAndLight = {SlotQuestionText, SlotQuestionFill, SlotOutline,
                                                     SlotCardQuestion};
    questionFill = slot(SlotQuestionFill);
    questionText =
        readableText(p, p.color(SlotQuestionFill), {SlotQuestionText, SlotOutline, SlotCardQuestion});
    answerFill = slot(SlotAnswerFill);
    answerText =
        readableText(p, p.color(SlotAnswerFill),
                     {SlotAnswerText, SlotQuestionText, SlotQuestionFill, SlotOutline, SlotCardQuestion});
    transparentText = readableText(p, settings.quizBackgroundColor(), darkAndLight);
    outline = slot(SlotOutline);
    border = slot(SlotBorder);
    buttonFill = slot(SlotButtonFill);
    buttonText = readableText(p, p.color(SlotButtonFill), darkAndLight);
    buttonBorder = slot(SlotButtonBorder);
    right = slot(SlotRight);
    wrong = slot(SlotWrong);
    counterFill = slot(SlotCounter);
    // The count is ordinary-sized text: it takes black or white where its own colour does not read.
    counterText = hsl(Contrast::readableOn(p.color(SlotCounter), p.color(SlotCounterText)));
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

TextBoxDrawOptions QuizLook::boxOptions(const QPoint& offset) const
{
    TextBoxDrawOptions options;
    options.offset = offset;
    options.opaqueSetting = opaqueBoxes;
    return options;
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
