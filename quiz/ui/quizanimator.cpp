#include "quiz/ui/quizanimator.h"

#include <QPainter>
#include <algorithm>

#include "quiz/ui/congratulation.h"
#include "services/timeline.h"
#include "core/clock.h"
#include "quiz/engine/counterflash.h"
#include "quiz/engine/newquestionanimation.h"
#include "quiz/ui/flashcard.h"
#include "quiz/ui/qtcolor.h"
#include "quiz/ui/quizscreen.h"

namespace brainlark
{

namespace
{

constexpr int kCardStayMs = 500;
constexpr int kCardLingerMs = 1000;
constexpr int kBannerPadding = 8;
constexpr int kBannerMinHeight = 50;

QPoint offsetOf(const Rect& from, const Rect& to)
{
    return QPoint(to.left - from.left, to.top - from.top);
}

Rect fromQRect(const QRect& r)
{
    return Rect::fromSize(r.x(), r.y(), r.width(), r.height());
}

} // namespace

QuizAnimator::QuizAnimator(QImage& buffer, std::function<void()> present, const Clock& clock)
    : m_buffer(buffer), m_present(std::move(present)), m_clock(clock)
{
}

const std::vector<float>& QuizAnimator::pulseLevels()
{
    static const std::vector<float> levels = {0.75f, 0.78f, 0.79f, 0.8f, 0.9f,  1.0f, 1.0f,
                                              1.0f,  1.0f,  0.9f,  0.9f, 0.85f, 0.8f, 0.75f};
    return levels;
}

void QuizAnimator::frame(const QImage& base, const std::function<void(QPainter&)>& draw)
{
    m_buffer = base.copy();
    {
        QPainter painter(&m_buffer);
        draw(painter);
    }
    m_present();
}

void QuizAnimator::paced(Timeline& timeline, int durationMs, Draw draw, const QImage& base)
{
    // Frame i is drawn, the pacer's pause follows; the time a frame took, its pause included, tunes the
    // next pause, and the whole run tunes the frame rate of the next animation.
    struct Run {
        int frame = 0;
        int64_t begin = 0;
        int64_t frameStart = 0;
    };
    auto run = std::make_shared<Run>();
    timeline.frames([this, run, durationMs, draw = std::move(draw), base]() -> int {
        if (run->frame == 0) {
            m_pacer.start(durationMs);
            run->begin = m_clock.ticksMs();
        } else {
            m_pacer.frameDone(m_clock.ticksMs() - run->frameStart);
        }
        if (run->frame == m_pacer.frameCount()) {
            m_pacer.finish(m_clock.ticksMs() - run->begin);
            return Timeline::Finished;
        }
        run->frameStart = m_clock.ticksMs();
        const int i = run->frame++;
        const int frames = m_pacer.frameCount();
        frame(base, [&](QPainter& painter) { draw(painter, i + 1, frames); });
        return m_pacer.pauseMs();
    });
}

void QuizAnimator::newQuestion(Timeline& timeline, const QImage& base, const QuizScreen& screen,
                               const QuizLook& look, const QuizPainter::State& state,
                               const NewQuestionAnimation& animation)
{
    const int w = base.width();
    const int h = base.height();
    const Rect question = screen.question().rect();
    const Rect questionStart = animation.questionStart(question, w, h);
    QImage withPicture = base.copy();
    {
        QPainter painter(&withPicture);
        QuizPainter::paintPicture(painter, screen);
        QuizPainter::paintCounter(painter, screen, look, state);
    }
    paced(
        timeline, NewQuestionAnimation::QuestionMs,
        [&screen, &look, question, questionStart](QPainter& painter, int i, int frames) {
            const Rect at = NewQuestionAnimation::between(questionStart, question, i, frames);
            QuizPainter::paintQuestionBox(painter, screen, look, offsetOf(question, at));
        },
        withPicture);
    std::vector<Rect> starts(4);
    for (int box = 0; box < 4; ++box)
        starts[size_t(box)] = animation.answerStart(box, screen.answer(box).rect(), question, w, h);
    // The answers glide in over the picture the question's last frame left.
    timeline.call([this, &timeline, &screen, &look, starts] {
        paced(
            timeline, NewQuestionAnimation::AnswersMs,
            [&screen, &look, starts](QPainter& painter, int i, int frames) {
                for (int box = 0; box < 4; ++box) {
                    const Rect place = screen.answer(box).rect();
                    if (place.isEmpty())
                        continue;
                    const Rect at = NewQuestionAnimation::between(starts[size_t(box)], place, i, frames);
                    QuizPainter::paintAnswerBox(painter, screen, look, box, offsetOf(place, at));
                }
            },
            m_buffer.copy());
    });
}

void QuizAnimator::banner(Timeline& timeline, const QImage& base, const QuizScreen& screen, const QuizLook& look,
                          const QuizPainter::State& state, const Congratulation& congratulation)
{
    const TextBox counter = screen.counter(state.rightCount, state.alertSide, look);
    const QRect box = QuizPainter::toQRect(counter.rect());
    const int bandHeight = std::max(box.height() + 2 * kBannerPadding, kBannerMinHeight);
    const int top = box.center().y() - bandHeight / 2;
    const int farEdge = state.alertSide ? base.width() - 10 : 10;
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(BannerFontPixels);
    paced(
        timeline, BannerSlideMs,
        [=, &screen, &look](QPainter& painter, int i, int frames) {
            // The counter travels at the band's leading edge.
            const int travel = state.alertSide ? (farEdge - box.right()) : (box.left() - farEdge);
            const int moved = travel * i / frames;
            const int dx = state.alertSide ? moved : -moved;
            const QRect carried = box.translated(dx, 0);
            const QRect band =
                state.alertSide ? QRect(QPoint(box.left(), top), QPoint(carried.right(), top + bandHeight))
                                : QRect(QPoint(carried.left(), top), QPoint(box.right(), top + bandHeight));
            painter.fillRect(band, congratulation.backgroundColor);
            painter.fillRect(band, QBrush(congratulation.backgroundColor.darker(125), Qt::BDiagPattern));
            painter.setPen(QPen(congratulation.textColor.darker(110), 2));
            painter.drawRect(band.adjusted(1, 1, -1, -1));
            painter.setFont(font);
            painter.setPen(congratulation.textColor);
            const QRect textArea = state.alertSide ? band.adjusted(4, 0, -(box.width() + 8), 0)
                                                   : band.adjusted(box.width() + 8, 0, -4, 0);
            painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, congratulation.text);
            QuizPainter::paintCounter(painter, screen, look, state, QPoint(dx, 0));
        },
        base);
    timeline.wait(BannerStayMs);
}

void QuizAnimator::counterFlash(Timeline& timeline, const QImage& base, const QRect& counter, int frames,
                                int frameMs)
{
    timeline.call([this, base] { m_buffer = base.copy(); });
    for (int i = 0; i < frames; ++i) {
        timeline.call([this, counter, i] {
            {
                QPainter painter(&m_buffer);
                const int grow = CounterFlash::inflation(i);
                painter.setPen(QPen(toQColor(CounterFlash::color(i)), 1));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(counter.adjusted(-grow, -grow, grow - 1, grow - 1));
            }
            m_present();
        });
        timeline.wait(frameMs);
    }
}

void QuizAnimator::reminderCard(Timeline& timeline, const QImage& base, const FlashCard& card, int direction,
                                const std::function<void(Timeline&)>& middle)
{
    const QSize view = base.size();
    const QPoint centre = card.centredIn(view);
    const Rect place = fromQRect(QRect(centre, card.size()));
    Rect before = place;
    Rect after = place;
    switch (direction) {
    case 0: // from the left, out to the right
        before = place.movedTo(-card.size().width() - 10, place.top);
        after = place.movedTo(view.width() + 10, place.top);
        break;
    case 1: // from the top, out at the bottom
        before = place.movedTo(place.left, -card.size().height() - 10);
        after = place.movedTo(place.left, view.height() + 10);
        break;
    default: // from the right, out to the left
        before = place.movedTo(view.width() + 10, place.top);
        after = place.movedTo(-card.size().width() - 10, place.top);
        break;
    }
    slideCard(timeline, base, card, QPoint(before.left, before.top), QPoint(place.left, place.top), CardSlideMs);
    timeline.wait(kCardStayMs);
    middle(timeline);
    timeline.wait(kCardLingerMs);
    slideCard(timeline, base, card, QPoint(place.left, place.top), QPoint(after.left, after.top), CardSlideMs);
    timeline.call([this, base] {
        m_buffer = base.copy();
        m_present();
    });
}

void QuizAnimator::slideCard(Timeline& timeline, const QImage& base, const FlashCard& card, const QPoint& from,
                             const QPoint& to, int durationMs)
{
    const Rect start = Rect::fromSize(from.x(), from.y(), card.size().width(), card.size().height());
    const Rect end = start.movedTo(to.x(), to.y());
    paced(
        timeline, durationMs,
        [card, start, end](QPainter& painter, int i, int frames) {
            const Rect at = NewQuestionAnimation::between(start, end, i, frames);
            card.draw(painter, QPoint(at.left, at.top));
        },
        base);
}

void QuizAnimator::pulse(Timeline& timeline, const QImage& base, const QString& text, const QRect& area,
                         const QFont& font)
{
    for (float level : pulseLevels()) {
        timeline.call([this, base, text, area, font, level] {
            HslColor colour(255, 255, 255);
            colour.scaleLightness(level);
            frame(base, [&](QPainter& painter) {
                painter.setFont(font);
                painter.setPen(QColor(0, 0, 0, 90)); // a soft shadow keeps white text readable on light fills
                painter.drawText(area.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text);
                painter.setPen(toQColor(colour));
                painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
            });
        });
        timeline.wait(PulseFrameMs);
    }
    timeline.call([this, base] {
        m_buffer = base.copy();
        m_present();
    });
}

} // namespace brainlark
