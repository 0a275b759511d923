#pragma once

#include <QImage>
#include <QSize>

namespace brainlark
{

class QuizLook;

/// The small pictures of the Layout page, one per layout choice, drawn by the quiz screen's own painter
/// with a sample question, so they always show the learner's colours and fonts.
class LayoutPreviews
{
public:
    static constexpr int StyleCount = 6;
    /// All six pictures have this size.
    static QSize size() { return {240, 180}; }

    /// The picture of a layout choice: 0 Random Boxes (the four box layouts together), 1 Classic,
    /// 2..5 Boxes-1..Boxes-4. Its pixels are pixelRatio times size() (the screen's device pixel ratio),
    /// its logical size size().
    static QImage render(int visualStyle, const QuizLook& look, const QImage& background,
                         qreal pixelRatio = 1.0);

private:
    static QImage renderLayout(int layout, const QuizLook& look, const QImage& background, const QSize& size);
};

} // namespace brainlark
