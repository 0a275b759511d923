#pragma once

#include <QColor>
#include <QPoint>

#include "quiz/engine/matchlayout.h"
#include "quiz/engine/matchline.h"

class QPainter;

namespace brainlark
{

class MatchGame;
class MatchKeyboard;
class PairList;
class QuizLook;

/// Paints the matching board over the background: the question and answer boxes in the style of the quiz
/// screen's answer boxes, the "Try" and "Skip" buttons, every line with its own pen, and the keyboard
/// focus. Only draws; the rectangles come from MatchLayout.
class MatchPainter
{
public:
    /// The three line colours of the settings.
    struct LineColours {
        QColor initial;
        QColor right;
        QColor wrong;

        QColor of(MatchLine::Colour colour) const;
    };
    /// What is painted besides the boxes' texts.
    struct Scene {
        const MatchGame* game = nullptr;
        const PairList* list = nullptr;
        const MatchKeyboard* keyboard = nullptr; ///< null: no focus shown
        MatchLayout layout{0, 0, 0};
        LineColours colours;
    };

    static void paint(QPainter& painter, const Scene& scene, const QuizLook& look);
    static void paintBoxes(QPainter& painter, const Scene& scene, const QuizLook& look);
    static void paintButtons(QPainter& painter, const Scene& scene, const QuizLook& look);
    static void paintLines(QPainter& painter, const Scene& scene);
    static void paintFocus(QPainter& painter, const Scene& scene, const QuizLook& look);
    /// The line being dragged: 1 pixel, inverting what is under it.
    static void paintRubberBand(QPainter& painter, const QPoint& from, const QPoint& to);
};

} // namespace brainlark
