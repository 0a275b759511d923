#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

#include "quiz/engine/animationpacer.h"
#include "quiz/ui/quizpainter.h"

namespace brainlark
{

class Clock;
class Congratulation;
class FlashCard;
class NewQuestionAnimation;
class Timeline;
class QuizScreen;

/// The animations of the quiz screen, each added to a timeline as its frames. Each frame is composed in
/// the view's back buffer over a saved picture and put on the screen in one copy; frame pacing goes
/// through one AnimationPacer. Cancelling the timeline stops an animation between two frames.
class QuizAnimator
{
public:
    static constexpr int BannerSlideMs = 2500;
    static constexpr int BannerStayMs = 2000;
    static constexpr int CardSlideMs = 500;
    static constexpr int PulseFrameMs = 100;
    static constexpr int BannerFontPixels = 22;

    /// buffer is the view's back buffer; present shows it.
    QuizAnimator(QImage& buffer, std::function<void()> present, const Clock& clock);

    int frameRate() const { return m_pacer.frameRate(); }

    /// The question glides in (500 ms), then the answers (600 ms); base holds the background.
    void newQuestion(Timeline& timeline, const QImage& base, const QuizScreen& screen, const QuizLook& look,
                     const QuizPainter::State& state, const NewQuestionAnimation& animation);
    /// The congratulation band slides from the counter across the screen carrying the counter (2500 ms)
    /// and stays (2000 ms).
    void banner(Timeline& timeline, const QImage& base, const QuizScreen& screen, const QuizLook& look,
                const QuizPainter::State& state, const Congratulation& congratulation);
    /// The Classic counter flash: frames outlines round the counter, each followed by frameMs.
    void counterFlash(Timeline& timeline, const QImage& base, const QRect& counter, int frames, int frameMs);
    /// The card slides in from direction 0 (left), 1 (top) or 2 (right), stays 500 ms, then middle()
    /// (the pair's sound or a 500 ms pause, added by middle), stays 1000 ms and slides out in 500 ms.
    void reminderCard(Timeline& timeline, const QImage& base, const FlashCard& card, int direction,
                      const std::function<void(Timeline&)>& middle);
    /// The card moves on a straight line from one top-left corner to another over durationMs, drawn over
    /// base; the last frame shows it at `to`.
    void slideCard(Timeline& timeline, const QImage& base, const FlashCard& card, const QPoint& from,
                   const QPoint& to, int durationMs);
    /// The answer shown 14 times in white scaled by the pulse's lightness, 100 ms apart. The base is put
    /// back afterwards.
    void pulse(Timeline& timeline, const QImage& base, const QString& text, const QRect& area, const QFont& font);

    /// Lightness factors of the grey-to-white pulse.
    static const std::vector<float>& pulseLevels();

private:
    using Draw = std::function<void(QPainter&, int frame, int frames)>;
    void frame(const QImage& base, const std::function<void(QPainter&)>& draw);
    void paced(Timeline& timeline, int durationMs, Draw draw, const QImage& base);

    QImage& m_buffer;
    std::function<void()> m_present;
    const Clock& m_clock;
    AnimationPacer m_pacer;
};

} // namespace brainlark
