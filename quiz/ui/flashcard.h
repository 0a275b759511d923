#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "quiz/engine/hslcolor.h"

class QPainter;
class QPoint;

namespace brainlark
{

/// A flashcard: the card picture over a drop shadow in the pale card colour, the question near its top
/// and the word-wrapped answer at its bottom. The reminder card after a missed question is one.
class FlashCard
{
public:
    static constexpr int ShadowOffset = 5;
    static constexpr int QuestionTop = 10;
    /// Where the card number starts and its baseline, in from the card's left and bottom edges (on a card
    /// 360 pixels high): inside the card's rounded border.
    static constexpr int NumberLeft = 30;
    static constexpr int NumberBaseline = 16;

    /// picture may be null; the card then draws a plain rounded card of the default size.
    FlashCard(const QImage& picture, const QFont& font, const HslColor& cardColour,
              const HslColor& questionColour, const HslColor& answerColour);

    /// "card.bmp" of the program folder, or a null picture.
    static QImage loadPicture(const QString& programFolder);
    /// The picture with the plain ground around its card made see-through (see the .cpp).
    static QImage withoutCorners(const QImage& picture);

    void setTexts(const QString& question, const QString& answer);
    /// Scales the card down (never up) so that it fits into a view of that size with some margin.
    void fitInto(const QSize& view);
    /// "- %d -" in the lower left corner; 0 hides it.
    void setNumber(int number) { m_number = number; }

    QSize size() const { return m_size; }
    /// The card's top-left corner when centred in a view of that size.
    QPoint centredIn(const QSize& view) const;
    void draw(QPainter& painter, const QPoint& topLeft) const;

private:
    QImage m_picture;
    QFont m_font;
    HslColor m_cardColour;
    HslColor m_questionColour;
    HslColor m_answerColour;
    QString m_question;
    QString m_answer;
    QSize m_size;
    int m_number = 0;
};

} // namespace brainlark
