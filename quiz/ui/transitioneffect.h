#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

#include "quiz/ui/screenstate.h"

class QPainter;

namespace brainlark
{

class Timeline;
class RandomSource;
class TransitionPlan;

/// What a transition draws on and reports to; the quiz view provides these.
struct TransitionTarget {
    /// The picture on the screen now (the old frame); its size is the effect area.
    std::function<QImage()> grabScreen;
    /// Paints the background at full lightness into the given rectangle.
    std::function<void(QPainter&, const QRect&)> paintBackground;
    /// True when the background is a flat colour (no pattern, no picture).
    std::function<bool()> backgroundIsPlain;
    /// Puts a whole frame on the screen.
    std::function<void(const QImage&)> present;
    /// The view's screen state: TransitionRunning while a transition runs, TransitionEnded after it.
    std::function<void(ScreenState)> setScreenState;
    /// Event sound 3, "tranz" (it plays on while the transition runs).
    std::function<void()> playSound;
};

/// The wipes between questions and between matching rounds. A run adds its steps to a timeline: each draws
/// a step and waits, until the screen shows the background (kinds 4-7) or the effect colour (kinds 1-3). Steps, sizes and pauses come from the engine's TransitionPlan;
/// kinds 4-7 compose each step off-screen and present whole frames.
class TransitionEffect
{
public:
    TransitionEffect(TransitionTarget target, RandomSource& random);

    /// −1 picks 0 or 1 at random; any other value becomes the direction. Returns the direction.
    int chooseDirection(int value);
    /// Runs effect kind 1-7 (−1: a random one) in colour over about durationMs.
    void run(Timeline& timeline, int kind, const QColor& colour, int durationMs);
    /// Fills the whole area with the colour of the last run.
    void clear();

    int direction() const { return m_direction; }
    /// The kind the last run actually drew (after the random choice and the replacement of bars).
    int lastKind() const { return m_lastKind; }
    bool isRunning() const { return m_running; }

private:
    void begin(Timeline& timeline, int kind, int durationMs);
    void addBars(Timeline& timeline, const TransitionPlan& plan);
    void addBandReveal(Timeline& timeline, const TransitionPlan& plan);
    void addSlideOut(Timeline& timeline, const TransitionPlan& plan);
    void addTileDissolve(Timeline& timeline, const TransitionPlan& plan);
    void addCentreZoom(Timeline& timeline, const TransitionPlan& plan);

    QImage grab() const;
    QImage paintedBackground() const;
    void present(const QImage& frame);

    TransitionTarget m_target;
    RandomSource& m_random;
    QImage m_screen; // the frame last presented
    QColor m_colour;
    int m_direction = 0;
    int m_lastKind = 0;
    bool m_running = false;
};

} // namespace brainlark
