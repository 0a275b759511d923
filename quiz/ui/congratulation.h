#pragma once

#include <QColor>
#include <QString>

namespace brainlark
{

class RandomSource;

/// What the Smart Counter alert shows: a text, its colour, a background colour and an animation style.
class Congratulation
{
public:
    /// Draws the text, the text colour, the background colour and the style, in that order.
    static Congratulation make(RandomSource& random);

    static const QStringList& texts();

    QString text;
    QColor textColor;
    QColor backgroundColor;
    int style = 0;
};

} // namespace brainlark
