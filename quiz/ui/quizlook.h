#pragma once

#include <QColor>
#include <QFont>

#include "quiz/engine/hslcolor.h"
#include "quiz/ui/backgroundpainter.h"
#include "quiz/ui/textboxpainter.h"

namespace brainlark
{

class AppSettings;

/// The fonts and colours of the quiz screen, read from the settings and the skin palette once per
/// layout, so painting never looks settings up.
class QuizLook
{
public:
    /// How a box is coloured in one draw: its normal colours or the answer feedback.
    enum class Feedback { Normal, Right, Wrong };

    QuizLook() = default;
    explicit QuizLook(const AppSettings& settings);

    static HslColor hsl(const QColor& colour);

    QFont questionFont;
    QFont answerFont;
    QFont buttonFont;
    QFont cardFont;
    QFont counterFont;

    HslColor questionFill, questionText, answerFill, answerText, transparentText;
    HslColor outline, border, buttonFill, buttonText, buttonBorder;
    HslColor right, wrong;
    HslColor counterFill, counterText, alertFill, alertText;
    HslColor cardColour, cardQuestion, cardAnswer;
    bool opaqueBoxes = true;
    bool roundCorners = false;
    BackgroundStyle background;

    /// The scheme an answer or button box is drawn with.
    ColourScheme scheme(const HslColor& normalFill, Feedback feedback) const;

    /// The text colour of a framed box: its own on a filled box, one that reads on the background when
    /// the boxes are transparent.
    const HslColor& boxText(const HslColor& onFill) const { return opaqueBoxes ? onFill : transparentText; }

    /// How the framed boxes of the quiz screen are filled: as the "Transparent boxes" choice says.
    TextBoxDrawOptions boxOptions(const QPoint& offset = {}) const;
};

} // namespace brainlark
