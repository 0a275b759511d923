#include "quiz/ui/flashcard.h"

#include <QDir>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

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
    : m_picture(withoutCorners(picture)), m_font(font), m_cardColour(cardColour),
      m_questionColour(questionColour), m_answerColour(answerColour),
      m_size(picture.isNull() ? kDefaultSize : picture.size())
{
}

// A card picture is a card with rounded corners on a plain ground (card.bmp: a pale card on white). The
// ground around the card, reached from the four corners in the corners' own colour, becomes see-through,
// so that neither white corners nor a square shadow show around the rounded card.
QImage FlashCard::withoutCorners(const QImage& picture)
{
    if (picture.isNull() || picture.width() < 2 || picture.height() < 2)
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const QRgb ground = image.pixel(0, 0);
    if (image.pixel(w - 1, 0) != ground || image.pixel(0, h - 1) != ground ||
        image.pixel(w - 1, h - 1) != ground)
        return picture;
    std::vector<QPoint> todo = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
            continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
        if (line[p.x()] != ground)
            continue;
        line[p.x()] = qRgba(0, 0, 0, 0);
        todo.insert(todo.end(),
                    {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    return image;
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_picture.isNull()) {
        painter.fillRect(card.translated(ShadowOffset, ShadowOffset), toQColor(m_cardColour.pale()));
        painter.fillRect(card, QColor(255, 252, 238));
        painter.setPen(QPen(toQColor(m_cardColour), 2));
        painter.drawRect(card.adjusted(1, 1, -1, -1));
    } else {
        // The shadow has the card's own shape, in the pale card colour; both are drawn at the resolution
        // of the device, so they stay sharp on a screen that doubles its pixels.
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        QImage scaled = m_picture.scaled(m_size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        QImage shadow = scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter tint(&shadow);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(QRect(QPoint(), m_size), toQColor(m_cardColour.pale()));
        }
        painter.drawImage(card.topLeft() + QPoint(ShadowOffset, ShadowOffset), shadow);
        painter.drawImage(card.topLeft(), scaled);
    }
    painter.setFont(m_font);
    const QRect text = card.adjusted(kTextMargin, QuestionTop, -kTextMargin, -kTextMargin / 2);
    // Each side in its own direction: an Arabic answer under an English question keeps its punctuation.
    painter.setPen(toQColor(m_questionColour));
    painter.setLayoutDirection(m_question.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_question);
    painter.setPen(toQColor(m_answerColour));
    painter.setLayoutDirection(m_answer.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_answer);
    painter.setLayoutDirection(Qt::LeftToRight);
    if (m_number > 0) {
        QFont label(QStringLiteral("Verdana"));
        label.setPixelSize(12);
        label.setWeight(QFont::Thin);
        painter.setFont(label);
        painter.setPen(QColor(0, 0, 139));
        // Inside the card's lower left corner, clear of its rounded border.
        const double scale = m_size.height() / double(kDefaultSize.height());
        painter.drawText(QPoint(card.left() + qRound(NumberLeft * scale),
                                card.bottom() + 1 - qRound(NumberBaseline * scale)),
                         QStringLiteral("- %1 -").arg(m_number));
    }
    painter.restore();
}

} // namespace brainlark
