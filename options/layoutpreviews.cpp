#include "options/layoutpreviews.h"

#include "core/clock.h"
#include "core/pairlist.h"
#include "core/randomsource.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/quizpainter.h"
#include "quiz/ui/quizscreen.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <string>

namespace brainlark
{

namespace
{

// Drawn at twice the shown size and scaled down, so the boxes keep readable proportions.
constexpr int kScale = 2;

QuizQuestion sampleQuestion()
{
    PairList list;
    for (int i = 1; i <= PairList::ChoiceCount + 1; ++i)
        list.pairs().emplace_back(
            ListText::fromQString(QCoreApplication::translate("brainlark::LayoutPreviews", "Question")),
            ListText::fromQString(
                QCoreApplication::translate("brainlark::LayoutPreviews", "Answer %1").arg(i)));
    SeededRandom random(1);
    ManualClock clock;
    QuestionRequest request;
    request.selection = SelectionMode::Sequential;
    return QuizQuestion::build(list, request, random, clock);
}

} // namespace

QImage LayoutPreviews::render(int visualStyle, const QuizLook& look, const QImage& background,
                              qreal pixelRatio)
{
    pixelRatio = std::max<qreal>(pixelRatio, 1.0);
    const QSize full = size() * std::max<qreal>(kScale, pixelRatio);
    QImage image;
    if (visualStyle == 0) {
        // Random Boxes: one of the four box layouts per question, so all four side by side.
        image = QImage(full, QImage::Format_RGB32);
        QPainter painter(&image);
        const QSize quarter = full / 2;
        for (int i = 0; i < 4; ++i) {
            const QPoint at((i % 2) * quarter.width(), (i / 2) * quarter.height());
            painter.drawImage(at, renderLayout(i + 1, look, background, full)
                                      .scaled(quarter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        painter.setPen(QPen(Qt::white, 3));
        painter.drawLine(quarter.width(), 0, quarter.width(), full.height());
        painter.drawLine(0, quarter.height(), full.width(), quarter.height());
    } else {
        image = renderLayout(std::clamp(visualStyle, 1, StyleCount - 1) - 1, look, background, full);
    }
    // One pixel of the picture per pixel of the screen: sharp also where the screen doubles its pixels.
    QImage shown = image.scaled(size() * pixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(pixelRatio);
    return shown;
}

QImage LayoutPreviews::renderLayout(int layout, const QuizLook& look, const QImage& background,
                                    const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QuizScreen screen;
    QuizScreen::Input input;
    input.width = size.width();
    input.height = size.height();
    input.layout = static_cast<BoxLayout>(layout);
    screen.build(sampleQuestion(), look, input);
    QPainter painter(&image);
    QuizPainter::paintBackground(painter, image.rect(), look, background);
    QuizPainter::paintScreen(painter, screen, look, QuizPainter::State());
    return image;
}

} // namespace brainlark
