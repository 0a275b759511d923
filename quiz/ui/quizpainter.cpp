#include "quiz/ui/quizpainter.h"

#include <QPainter>
#include <QPainterPath>

#include "quiz/engine/textbox.h"
#include "quiz/ui/imagelayer.h"
#include "quiz/ui/quizscreen.h"
#include "quiz/ui/textboxpainter.h"

namespace brainlark
{

QRect QuizPainter::toQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

void QuizPainter::paintBackground(QPainter& painter, const QRect& area, const QuizLook& look,
                                  const QImage& picture, double lightness)
{
    BackgroundPainter::paint(painter, area, look.background, picture, lightness);
}

void QuizPainter::paintScreen(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                              const State& state)
{
    if (!screen.hasQuestion())
        return;
    paintPicture(painter, screen);
    paintQuestionBox(painter, screen, look);
    for (int i = 0; i < 4; ++i)
        paintAnswerBox(painter, screen, look, i);
    paintControls(painter, screen, look, state);
    paintIcons(painter, screen);
    paintCounter(painter, screen, look, state);
}

void QuizPainter::paintBox(QPainter& painter, const TextBox& box, const QFont& font,
                           const ColourScheme& scheme, const QuizLook& look, const QPoint& offset)
{
    TextBoxPainter::draw(painter, box, font, scheme, look.boxOptions(offset));
}

void QuizPainter::paintQuestionBox(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                                   const QPoint& offset)
{
    TextBoxPainter::draw(painter, screen.question(), look.questionFont, ColourScheme::from(look.questionFill),
                         look.boxOptions(offset));
}

void QuizPainter::paintAnswerBox(QPainter& painter, const QuizScreen& screen, const QuizLook& look, int i,
                                 const QPoint& offset)
{
    const TextBox& box = screen.answer(i);
    if (box.rect().isEmpty() || (screen.mode() == QuizMode::TypeIn && i == 0))
        return;
    const QuizLook::Feedback feedback =
        screen.mode() == QuizMode::MultipleChoice ? screen.answerFeedback(i) : QuizLook::Feedback::Normal;
    ColourScheme scheme = look.scheme(look.answerFill, feedback);
    if (!box.isFramed() && feedback != QuizLook::Feedback::Normal) {
        // Classic answers have no frame to colour: a soft band behind the text shows the feedback.
        QColor band = feedback == QuizLook::Feedback::Right
                          ? QColor(look.right.red(), look.right.green(), look.right.blue())
                          : QColor(look.wrong.red(), look.wrong.green(), look.wrong.blue());
        band.setAlpha(150);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(band);
        painter.drawRoundedRect(toQRect(box.rect()).adjusted(-8, -4, 8, 4).translated(offset), 6, 6);
        painter.restore();
        scheme = look.scheme(look.answerFill, QuizLook::Feedback::Normal);
    }
    paintBox(painter, box, look.answerFont, scheme, look, offset);
}

void QuizPainter::paintControls(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                                const State& state)
{
    if (screen.mode() == QuizMode::MultipleChoice)
        return;
    if (const TypeinField* field = screen.typein()) {
        TextBoxPainter::drawTypeIn(painter, *field, look.answerFont, ColourScheme::from(look.answerFill),
                                   state.centreTypein, look.boxOptions());
    }
    for (int i = 0; i < 2; ++i) {
        TextBoxPainter::draw(painter, screen.button(i), look.buttonFont,
                             look.scheme(look.buttonFill, screen.buttonFeedback(i)), look.boxOptions());
    }
}

void QuizPainter::paintIcons(QPainter& painter, const QuizScreen& screen)
{
    if (screen.questionHasSound())
        drawSoundIcon(painter, toQRect(screen.questionSoundIcon()));
    if (screen.questionHasPicture())
        drawPictureIcon(painter, toQRect(screen.pictureIcon()));
    for (int i = 0; i < 4; ++i) {
        if (!screen.answerSound(i).isEmpty() && !screen.answer(i).rect().isEmpty())
            drawSoundIcon(painter, toQRect(screen.answerSoundIcon(i)));
    }
}

void QuizPainter::paintCounter(QPainter& painter, const QuizScreen& screen, const QuizLook& look,
                               const State& state, const QPoint& offset)
{
    if (!state.counterShown)
        return;
    TextBox box = screen.counter(state.rightCount, state.alertSide, look);
    ColourScheme scheme = ColourScheme::from(look.counterFill);
    TextBoxDrawOptions options = look.boxOptions(offset);
    if (state.alert) {
        // The alert is there to be noticed: it keeps its fill also among transparent boxes.
        scheme = ColourScheme::from(look.alertFill);
        box.setTextColor(look.alertText);
        options.fill = TextBoxDrawOptions::Fill::Opaque;
    }
    TextBoxPainter::draw(painter, box, look.counterFont, scheme, options);
}

void QuizPainter::paintPicture(QPainter& painter, const QuizScreen& screen)
{
    const QImage& picture = screen.picture();
    const Rect area = screen.layout().pictureArea();
    if (picture.isNull() || area.isEmpty())
        return;
    // Fitted into the area without distortion, centred.
    const QRect target = toQRect(area);
    QSize size = picture.size().scaled(target.size(), Qt::KeepAspectRatio);
    if (picture.width() <= target.width() && picture.height() <= target.height())
        size = picture.size();
    const QRect placed(target.center() - QPoint(size.width() / 2, size.height() / 2), size);
    ImageLayer::drawStretched(painter, placed, picture);
}

void QuizPainter::drawSoundIcon(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 110), 1.2));
    painter.setBrush(QColor(255, 214, 90));
    const qreal x = area.left(), y = area.top(), w = area.width(), h = area.height();
    QPainterPath speaker;
    speaker.moveTo(x + 1, y + h * 0.35);
    speaker.lineTo(x + w * 0.3, y + h * 0.35);
    speaker.lineTo(x + w * 0.55, y + 1);
    speaker.lineTo(x + w * 0.55, y + h - 1);
    speaker.lineTo(x + w * 0.3, y + h * 0.65);
    speaker.lineTo(x + 1, y + h * 0.65);
    speaker.closeSubpath();
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(x + w * 0.45, y + h * 0.25, w * 0.35, h * 0.5), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(x + w * 0.45, y + h * 0.05, w * 0.55, h * 0.9), -60 * 16, 120 * 16);
    painter.restore();
}

void QuizPainter::drawPictureIcon(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 110), 1));
    painter.setBrush(QColor(235, 245, 255));
    painter.drawRect(QRectF(area).adjusted(0.5, 1.5, -0.5, -1.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 160, 70));
    QPainterPath hill;
    hill.moveTo(area.left() + 1, area.bottom() - 1);
    hill.lineTo(area.left() + area.width() * 0.4, area.top() + area.height() * 0.45);
    hill.lineTo(area.right(), area.bottom() - 1);
    painter.drawPath(hill);
    painter.setBrush(QColor(255, 190, 40));
    painter.drawEllipse(QPointF(area.left() + area.width() * 0.72, area.top() + area.height() * 0.35), 1.8,
                        1.8);
    painter.restore();
}

} // namespace brainlark
