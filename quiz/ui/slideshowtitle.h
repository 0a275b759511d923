#pragma once

#include <QString>

namespace brainlark
{

class QuizStage;
class SkinPalette;
class Timeline;

/// The slideshow's title: the list's name over " Slideshow", drawn on the opening's colour with their
/// shadow layers appearing one by one, then the text.
class SlideshowTitle
{
public:
    static constexpr int FontPixels = 28;

    /// Adds the drawing of the title to the timeline; the colours stand out from what the stage shows.
    static void add(Timeline& timeline, QuizStage& stage, const SkinPalette& palette,
                    const QString& listTitle);
};

} // namespace brainlark
