#include "quiz/ui/transitioneffect.h"

#include "services/timeline.h"

#include <QPainter>
#include <algorithm>

#include "core/randomsource.h"
#include "quiz/engine/transitionplan.h"

namespace brainlark
{

namespace
{

/// A sunken-and-raised double edge round the picture, so the sliding screen reads as a card.
void drawEtchedFrame(QImage& image)
{
    if (image.width() < 4 || image.height() < 4)
        return;
    QPainter painter(&image);
    const QRect outer = image.rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto edge = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    edge(outer, QColor(128, 128, 128), Qt::white);
    edge(inner, Qt::white, QColor(128, 128, 128));
}

/// Line k of a bar effect: a pen of width w centred on edge + k·w, so neighbours meet without gaps.
/// The outermost line reaches the far edge: with closing bars the last position can fall short of it
/// and would leave a strip of the old screen.
QRect barRect(int kind, int k, int w, bool outermost, const QSize& area)
{
    const int extent = kind == TransitionPlan::HorizontalBars ? area.height() : area.width();
    const int start = k * w - w / 2;
    const int length = outermost ? std::max(w, extent - start) : w;
    return kind == TransitionPlan::HorizontalBars ? QRect(0, start, area.width(), length)
                                                  : QRect(start, 0, length, area.height());
}

void copyPiece(QImage& onto, const QImage& from, const QRect& piece)
{
    QPainter painter(&onto);
    painter.drawImage(piece, from, piece);
}

} // namespace

TransitionEffect::TransitionEffect(TransitionTarget target, RandomSource& random)
    : m_target(std::move(target)), m_random(random)
{
}

int TransitionEffect::chooseDirection(int value)
{
    m_direction = TransitionPlan::chooseDirection(value, m_random);
    return m_direction;
}

void TransitionEffect::run(Timeline& timeline, int kind, const QColor& colour, int durationMs)
{
    // The old frame is the one on the screen when the transition's turn comes.
    timeline.call([this, &timeline, kind, colour, durationMs] {
        m_colour = colour;
        begin(timeline, kind, durationMs);
    });
}

void TransitionEffect::begin(Timeline& timeline, int kind, int durationMs)
{
    const bool plain = !m_target.backgroundIsPlain || m_target.backgroundIsPlain();
    kind = TransitionPlan::chooseKind(kind, plain, m_random);
    m_running = true;
    if (m_target.setScreenState)
        m_target.setScreenState(ScreenState::TransitionRunning);
    if (m_target.playSound)
        m_target.playSound();
    m_screen = grab();
    if (!m_screen.isNull()) {
        const TransitionPlan plan =
            TransitionPlan::make(kind, durationMs, m_screen.width(), m_screen.height(), m_random);
        switch (kind) {
        case TransitionPlan::BandReveal:
            addBandReveal(timeline, plan);
            break;
        case TransitionPlan::SlideOut:
            addSlideOut(timeline, plan);
            break;
        case TransitionPlan::TileDissolve:
            addTileDissolve(timeline, plan);
            break;
        case TransitionPlan::CentreZoom:
            addCentreZoom(timeline, plan);
            break;
        default:
            addBars(timeline, plan);
            break;
        }
    }
    timeline.call([this, kind] {
        m_running = false;
        if (m_target.setScreenState)
            m_target.setScreenState(ScreenState::TransitionEnded);
        m_lastKind = kind;
    });
}

void TransitionEffect::clear()
{
    m_screen = grab();
    if (m_screen.isNull())
        return;
    m_screen.fill(m_colour);
    present(m_screen);
}

void TransitionEffect::addBars(Timeline& timeline, const TransitionPlan& plan)
{
    const std::vector<int> order = plan.lineOrder();
    const int outermost = order.empty() ? 0 : *std::max_element(order.begin(), order.end());
    for (int k : order) {
        timeline.call([this, plan, k, outermost] {
            {
                QPainter painter(&m_screen);
                painter.fillRect(barRect(plan.kind(), k, plan.size(), k == outermost, m_screen.size()), m_colour);
            }
            present(m_screen);
        });
        timeline.wait(plan.pauseMs());
    }
}

void TransitionEffect::addBandReveal(Timeline& timeline, const TransitionPlan& plan)
{
    const QImage background = paintedBackground();
    const int height = m_screen.height();
    const int advance = plan.size() - 1;
    // Bands of s rows advance by s − 1; the last one reaches the far edge, so no old rows remain
    // when the height is not a multiple of the advance (or smaller than one band).
    const int bands = std::max(plan.steps(), 1);
    for (int i = 0; i < bands; ++i) {
        int top = i * advance;
        int bottom = i == bands - 1 ? height : std::min(top + plan.size(), height);
        if (m_direction != 1) { // from the bottom up
            top = height - bottom;
            bottom = height - i * advance;
        }
        const QRect piece(0, top, m_screen.width(), bottom - top);
        timeline.call([this, background, piece] {
            copyPiece(m_screen, background, piece);
            present(m_screen);
        });
        timeline.wait(plan.pauseMs());
    }
}

void TransitionEffect::addSlideOut(Timeline& timeline, const TransitionPlan& plan)
{
    QImage old = m_screen;
    drawEtchedFrame(old);
    const QImage background = paintedBackground();
    const int sign = m_direction == 0 ? -1 : 1;
    for (int i = 1; i <= plan.steps(); ++i) {
        const QPoint at(0, sign * i * plan.size());
        timeline.call([this, old, background, at] {
            QImage frame = background;
            {
                QPainter painter(&frame);
                painter.drawImage(at, old);
            }
            present(frame);
        });
        timeline.wait(plan.pauseMs());
    }
}

void TransitionEffect::addTileDissolve(Timeline& timeline, const TransitionPlan& plan)
{
    const QImage background = paintedBackground();
    const int t = plan.size();
    for (int i = 0; i < plan.steps(); ++i) {
        timeline.call([this, background, plan, t, tiles = plan.tilesOfStep(i)] {
            {
                QPainter painter(&m_screen);
                for (int number : tiles) {
                    const QRect tile((number % plan.tileColumns()) * t, (number / plan.tileColumns()) * t, t, t);
                    painter.drawImage(tile, background, tile);
                }
            }
            present(m_screen);
        });
        timeline.wait(plan.pauseMs());
    }
    timeline.wait(plan.endPauseMs());
}

void TransitionEffect::addCentreZoom(Timeline& timeline, const TransitionPlan& plan)
{
    const QImage background = paintedBackground();
    const QImage old = m_screen;
    const int w = old.width();
    const int h = old.height();
    // Direction 0: the background grows from the centre; 1: the old picture shrinks into it.
    const bool grow = m_direction == 0;
    for (int i = 1; i <= plan.steps(); ++i) {
        const int size = grow ? i : plan.steps() - i;
        const int pieceWidth = w * size / 28;
        const int pieceHeight = h * size / 28;
        const QRect piece = QRect((w - pieceWidth) / 2, (h - pieceHeight) / 2, pieceWidth, pieceHeight).intersected(old.rect());
        timeline.call([this, background, old, grow, piece] {
            QImage frame = grow ? old : background;
            copyPiece(frame, grow ? background : old, piece);
            present(frame);
        });
        timeline.wait(plan.pauseMs());
    }
    timeline.wait(plan.endPauseMs());
}

QImage TransitionEffect::grab() const
{
    return m_target.grabScreen ? m_target.grabScreen().convertToFormat(QImage::Format_RGB32) : QImage();
}

QImage TransitionEffect::paintedBackground() const
{
    QImage background(m_screen.size(), QImage::Format_RGB32);
    background.fill(m_colour);
    if (m_target.paintBackground) {
        QPainter painter(&background);
        m_target.paintBackground(painter, background.rect());
    }
    return background;
}

void TransitionEffect::present(const QImage& frame)
{
    m_screen = frame;
    if (m_target.present)
        m_target.present(frame);
}

} // namespace brainlark
