#pragma once

#include <QImage>
#include <QString>

#include "quiz/ui/quizlook.h"
#include "quiz/ui/quizpainter.h"

class QPainter;
class QRect;
class QSize;

namespace brainlark
{

class AppSettings;
class QuizScreen;

/// The quiz screen's back buffer. Every picture of the quiz is painted here first; the view's paintEvent
/// only copies it, so animations and feedback sequences can draw frame by frame between pauses.
class QuizCanvas
{
public:
    explicit QuizCanvas(const AppSettings& settings) : m_settings(settings) {}

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    /// Gives the buffer the size of the widget (at least 1×1); the contents are undefined after a change.
    void fit(const QSize& size);

    /// The background (pattern, colour or picture) over an area of any painter.
    void paintBackground(QPainter& painter, const QRect& area, const QuizLook& look) const;
    /// A picture of the background alone, the size of the buffer.
    QImage backgroundOnly(const QuizLook& look) const;
    /// Replaces the buffer's contents with the background alone.
    void clearToBackground(const QuizLook& look);
    /// The background and a question with its boxes over it.
    void paintQuestion(const QuizScreen& screen, const QuizLook& look, const QuizPainter::State& state);
    /// The background and a line of text in its middle (no question on the screen).
    void paintMessage(const QuizLook& look, const QString& text);

private:
    const AppSettings& m_settings;
    QImage m_image;
};

} // namespace brainlark
