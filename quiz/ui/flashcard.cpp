#include "quiz/ui/flashcard.h"

#include <QDir>
#include <QPainter>
#include <algorithm>

#include "quiz/ui/imagelayer.h"
#include "quiz/ui/qtcolor.h"

namespace brainlark
{

namespace
{

const QSize kDefaultSize(600, 360);
constexpr int kTextMargin = 24;

} // namespace

FlashCard::FlashCard(const QImage& picture, const QFont& font, const HslColor& cardColour,
                     const HslColor& questionColour, const HslColor& answerColour)
    : m_picture(picture), m_font(font), m_cardColour(cardColour), m_questionColour(questionColour),
      m_answerColour(answerColour), m_size(picture.isNull() ? kDefaultSize : picture.size())
{
}

QImage FlashCard::loadPicture(const QString& programFolder)
{
    const PictureResult loaded = ImageLayer::load(QDir(programFolder).filePath(QStringLiteral("card.bmp")));
    return loaded.image;
}

void FlashCard::setTexts(const QString& question, const QString& answer)
{
    m_question = question;
    m_answer = answer;
}

void FlashCard::fitInto(const QSize& view)
{
    const QSize natural = m_picture.isNull() ? kDefaultSize : m_picture.size();
    const QSize room(std::max(view.width() - 40, 60), std::max(view.height() - 40, 40));
    m_size = natural.width() <= room.width() && natural.height() <= room.height()
                 ? natural
                 : natural.scaled(room, Qt::KeepAspectRatio);
}

QPoint FlashCard::centredIn(const QSize& view) const
{
    return QPoint((view.width() - m_size.width()) / 2, (view.height() - m_size.height()) / 2);
}

void FlashCard::draw(QPainter& painter, const QPoint& topLeft) const
{
    const QRect card(topLeft, m_size);
    painter.save();
    painter.fillRect(card.translated(ShadowOffset, ShadowOffset), toQColor(m_cardColour.pale()));
    if (m_picture.isNull()) {
        painter.fillRect(card, QColor(255, 252, 238));
        painter.setPen(QPen(toQColor(m_cardColour), 2));
        painter.drawRect(card.adjusted(1, 1, -1, -1));
    } else {
        ImageLayer::drawStretched(painter, card, m_picture);
    }
    painter.setFont(m_font);
    const QRect text = card.adjusted(kTextMargin, QuestionTop, -kTextMargin, -kTextMargin / 2);
    painter.setPen(toQColor(m_questionColour));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_question);
    painter.setPen(toQColor(m_answerColour));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_answer);
    if (m_number > 0) {
        QFont label(QStringLiteral("Verdana"));
        label.setPixelSize(12);
        label.setWeight(QFont::Thin);
        painter.setFont(label);
        painter.setPen(QColor(0, 0, 139));
        painter.drawText(QPoint(card.left() + 3, card.bottom() + 1 - 16),
                         QStringLiteral("- %1 -").arg(m_number));
    }
    painter.restore();
}

} // namespace brainlark
