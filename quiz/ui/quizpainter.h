#pragma once

#include <QImage>
#include <QPoint>

#include "quiz/engine/rect.h"
#include "quiz/ui/quizlook.h"

class QPainter;
class QRect;

namespace brainlark
{

class QuizScreen;
class TextBox;

/// Paints the quiz screen from its laid-out boxes: background, question, answers, buttons, typing
/// field, icons, the Boxes-4 picture and the Smart Counter. Only draws; every rectangle comes from
/// QuizScreen.
class QuizPainter
{
public:
    /// What the screen shows besides the boxes.
    struct State {
        bool counterShown = false;
        int rightCount = 0;
        bool alert = false;     ///< the counter in the alert colours
        bool alertSide = false; ///< the counter moved to the question box's left edge
        bool centreTypein = false;
    };

    static QRect toQRect(const Rect& r);

    static void paintBackground(QPainter& painter, const QRect& area, const QuizLook& look,
                                const QImage& picture, double lightness = 1.0);
    /// Everything of a question over the background, each box at its place.
    static void paintScreen(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                            const State& state);

    static void paintQuestionBox(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                                 const QPoint& offset = {});
    static void paintAnswerBox(QPainter& painter, const QuizScreen& screen, const QuizLook& look, int i,
                               const QPoint& offset = {});
    /// The True/False or Try/Skip buttons and the typing field.
    static void paintControls(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                              const State& state);
    static void paintIcons(QPainter& painter, const QuizScreen& screen);
    static void paintCounter(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                             const State& state, const QPoint& offset = {});
    static void paintPicture(QPainter& painter, const QuizScreen& screen);

    static void drawSoundIcon(QPainter& painter, const QRect& area);
    static void drawPictureIcon(QPainter& painter, const QRect& area);

private:
    static void paintBox(QPainter& painter, const TextBox& box, const QFont& font, const ColourScheme& scheme,
                         const QuizLook& look, const QPoint& offset);
};

} // namespace brainlark
