#include "quiz/ui/matchpainter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include "core/pairlist.h"
#include "quiz/engine/matchgame.h"
#include "quiz/engine/matchkeyboard.h"
#include "quiz/engine/textbox.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/qtcolor.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/quizpainter.h"
#include "quiz/ui/textboxpainter.h"

namespace brainlark
{

namespace
{

constexpr int kTextInsetX = 6;
constexpr int kTextInsetY = 3;
constexpr int kSmallestFontPixels = 9;
constexpr int kFocusGap = 3;

// A long text shrinks until it fits its box (down to a still readable size).
QFont fittedFont(const QFont& font, const QString& text, const Rect& rect)
{
    QFont fitted = font;
    const QRect area(0, 0, std::max(rect.width() - 2 * kTextInsetX, 1), std::max(rect.height() - 2 * kTextInsetY, 1));
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    while (pixels > kSmallestFontPixels) {
        fitted.setPixelSize(pixels);
        const QRect need = QFontMetrics(fitted).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.height() <= area.height() && need.width() <= area.width())
            break;
        --pixels;
    }
    fitted.setPixelSize(pixels);
    return fitted;
}

TextBox boardBox(const std::string_view text, const Rect& rect, const QuizLook& look)
{
    TextBox box(text);
    box.setFramed(true);
    box.setColors(look.outline, look.border, look.answerFill);
    box.setRoundCorners(look.roundCorners);
    box.setTextColor(look.boxText(look.answerText));
    box.setFormat(TextBox::AlignCenter | TextBox::VCenter | TextBox::WordBreak | TextBox::ExpandTabs);
    box.setRect(rect);
    box.setInsets(-kTextInsetX, -kTextInsetY);
    return box;
}

TextBox buttonBox(const char* label, const Rect& rect, bool pressed, const QuizLook& look)
{
    TextBox box(ListText::fromQString(QCoreApplication::translate("brainlark::QuizScreen", label)));
    box.setFramed(true);
    box.setColors(look.buttonBorder, look.buttonBorder, look.buttonFill);
    box.setRoundCorners(look.roundCorners);
    box.setTextColor(look.boxText(look.buttonText));
    box.setFormat(TextBox::AlignCenter | TextBox::VCenter | TextBox::SingleLine);
    box.setRect(rect);
    box.setShadowDepth(pressed ? 0 : 1);
    return box;
}

QuizLook::Feedback feedbackOf(MatchGame::TryLook look)
{
    switch (look) {
    case MatchGame::TryLook::Right:
        return QuizLook::Feedback::Right;
    case MatchGame::TryLook::Wrong:
        return QuizLook::Feedback::Wrong;
    case MatchGame::TryLook::Normal:
        break;
    }
    return QuizLook::Feedback::Normal;
}

} // namespace

QColor MatchPainter::LineColours::of(MatchLine::Colour colour) const
{
    switch (colour) {
    case MatchLine::Colour::Right:
        return right;
    case MatchLine::Colour::Wrong:
        return wrong;
    case MatchLine::Colour::Initial:
        break;
    }
    return initial;
}

void MatchPainter::paint(QPainter& painter, const Scene& scene, const QuizLook& look)
{
    if (!scene.game || !scene.list)
        return;
    paintBoxes(painter, scene, look);
    paintButtons(painter, scene, look);
    paintLines(painter, scene);
    paintFocus(painter, scene, look);
}

void MatchPainter::paintBoxes(QPainter& painter, const Scene& scene, const QuizLook& look)
{
    const MatchBoard& board = scene.game->board();
    const TextBoxDrawOptions options = look.boxOptions();
    for (int row = 0; row < board.rows(); ++row) {
        for (int column : {MatchBox::Questions, MatchBox::Answers}) {
            const std::string_view text = column == MatchBox::Questions ? board.questionText(*scene.list, row)
                                                                        : board.answerText(*scene.list, row);
            const TextBox box = boardBox(text, scene.layout.box({column, row}), look);
            const QFont font = fittedFont(look.answerFont, ListText::toQString(text), box.rect());
            TextBoxPainter::draw(painter, box, font, ColourScheme::from(look.answerFill), options);
        }
    }
}

void MatchPainter::paintButtons(QPainter& painter, const Scene& scene, const QuizLook& look)
{
    const MatchGame& game = *scene.game;
    const TextBoxDrawOptions options = look.boxOptions();
    const TextBox tryButton = buttonBox("Try", scene.layout.tryButton(), game.tryPressed(), look);
    TextBoxPainter::draw(painter, tryButton, look.buttonFont, look.scheme(look.buttonFill, feedbackOf(game.tryLook())),
                         options);
    const TextBox skipButton = buttonBox("Skip", scene.layout.skipButton(), game.skipPressed(), look);
    TextBoxPainter::draw(painter, skipButton, look.buttonFont, look.scheme(look.buttonFill, QuizLook::Feedback::Normal),
                         options);
}

void MatchPainter::paintLines(QPainter& painter, const Scene& scene)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const MatchLine& line : scene.game->lines()) {
        const MatchLayout::Segment s = scene.layout.segment(line.from, line.to);
        painter.setPen(QPen(scene.colours.of(line.colour), line.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPoint(s.question.x, s.question.y), QPoint(s.answer.x, s.answer.y));
    }
    painter.restore();
}

void MatchPainter::paintFocus(QPainter& painter, const Scene& scene, const QuizLook& look)
{
    if (!scene.keyboard || !scene.keyboard->isVisible())
        return;
    painter.save();
    const MatchBox picked = scene.keyboard->picked();
    if (picked.isValid()) {
        // The question waiting for its answer keeps a solid frame in the colour of a new line.
        painter.setPen(QPen(scene.colours.initial, 3));
        painter.drawRect(QuizPainter::toQRect(scene.layout.box(picked)).adjusted(-2, -2, 1, 1));
    }
    const QRect focus = QuizPainter::toQRect(scene.layout.box(scene.keyboard->focus()))
                            .adjusted(-kFocusGap, -kFocusGap, kFocusGap - 1, kFocusGap - 1);
    painter.setPen(QPen(toQColor(look.questionText), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(focus);
    painter.restore();
}

void MatchPainter::paintRubberBand(QPainter& painter, const QPoint& from, const QPoint& to)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(from, to);
    painter.restore();
}

} // namespace brainlark
