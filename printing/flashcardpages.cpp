#include "printing/flashcardpages.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace brainlark
{

namespace
{

constexpr double ScreenDpi = 96.0;
constexpr double SmallestTextPoints = 6.0;

QPen cuttingPen(const PageMetrics& page, Qt::PenStyle style)
{
    // One device pixel wide; the dashes are sized in inches, so they stay visible at any resolution.
    QPen pen(Qt::black, 1);
    pen.setCapStyle(Qt::FlatCap);
    const double dash = std::max(2.0, page.dpiY / 24.0);
    const double dot = std::max(1.0, page.dpiY / 150.0);
    pen.setDashPattern(style == Qt::DotLine ? QList<qreal>{dot, dot * 3} : QList<qreal>{dash, dash / 2});
    return pen;
}

} // namespace

FlashcardPages::Geometry FlashcardPages::geometry(const PageMetrics& page)
{
    Geometry g;
    g.cardWidth = 3 * page.dpiX;
    g.cardHeight = 3 * page.dpiY * 3 / 5;
    g.gap = static_cast<int>(page.dpiY * 0.03125);
    const int row = g.cardHeight + g.gap;
    g.rowsPerPage = row > 0 && page.height > 0 ? page.height / row : 0;
    return g;
}

FlashcardPages::FlashcardPages(std::vector<PrintedPair> pairs, QImage cardPicture, QFont font,
                               const PageMetrics& page)
    : m_pairs(std::move(pairs)), m_picture(std::move(cardPicture)), m_font(std::move(font)), m_page(page),
      m_geometry(geometry(page))
{
    const int screenPixels =
        m_font.pixelSize() > 0 ? m_font.pixelSize() : qRound(m_font.pointSizeF() * 4 / 3);
    m_font.setPixelSize(std::max(1, qRound(screenPixels * m_page.dpiY / ScreenDpi)));
}

int FlashcardPages::pageCount() const
{
    if (!fits())
        return 0;
    const int rows = m_geometry.rowsPerPage;
    return (static_cast<int>(m_pairs.size()) + rows - 1) / rows;
}

void FlashcardPages::drawPage(QPainter& painter, int page) const
{
    if (!fits() || page < 1 || page > pageCount())
        return;
    const int rowHeight = m_geometry.cardHeight + m_geometry.gap;
    const size_t first = static_cast<size_t>(page - 1) * m_geometry.rowsPerPage;
    const size_t end = std::min(first + m_geometry.rowsPerPage, m_pairs.size());
    QFont font = m_font;
    font.setPixelSize(textPixelSize(painter, page));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = first; i < end; ++i) {
        const int top = static_cast<int>(i - first) * rowHeight;
        const QRect question(0, top, m_geometry.cardWidth, m_geometry.cardHeight);
        drawCard(painter, question, m_pairs[i].question, questionColour(), font);
        drawCard(painter, question.translated(m_geometry.cardWidth, 0), m_pairs[i].answer, answerColour(),
                 font);
        painter.setPen(cuttingPen(m_page, Qt::DashLine));
        const int below = top + m_geometry.cardHeight + m_geometry.gap / 2;
        painter.drawLine(0, below, m_page.width, below);
    }
    drawCuttingLines(painter);
}

int FlashcardPages::textPixelSize(QPainter& painter, int page) const
{
    int size = m_font.pixelSize();
    if (!fits() || page < 1 || page > pageCount())
        return size;
    const QRect area = textArea(QRect(0, 0, m_geometry.cardWidth, m_geometry.cardHeight));
    const size_t first = static_cast<size_t>(page - 1) * m_geometry.rowsPerPage;
    const size_t end = std::min(first + m_geometry.rowsPerPage, m_pairs.size());
    for (size_t i = first; i < end; ++i) {
        size = std::min(size, fittingPixelSize(painter, area, m_pairs[i].question));
        size = std::min(size, fittingPixelSize(painter, area, m_pairs[i].answer));
    }
    return size;
}

QRect FlashcardPages::textArea(const QRect& card)
{
    return card.adjusted(card.width() / 12, card.height() / 4, -card.width() / 12, -card.height() / 10);
}

int FlashcardPages::fittingPixelSize(QPainter& painter, const QRect& area, const QString& text) const
{
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont font = m_font;
    const int smallest = std::max(1, qRound(SmallestTextPoints * m_page.dpiY / 72));
    // A long text gets smaller until it fits the card instead of running over its edges.
    for (;;) {
        const QRect needed = QFontMetrics(font, painter.device()).boundingRect(area, flags, text);
        if ((needed.width() <= area.width() && needed.height() <= area.height()) ||
            font.pixelSize() <= smallest)
            return font.pixelSize();
        font.setPixelSize(std::max(smallest, font.pixelSize() * 9 / 10));
    }
}

void FlashcardPages::drawCard(QPainter& painter, const QRect& card, const QString& text, const QColor& colour,
                              const QFont& font) const
{
    painter.drawImage(card, m_picture);
    painter.save();
    painter.setClipRect(card);
    painter.setFont(font);
    painter.setPen(colour);
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight); // the text's own
    painter.drawText(textArea(card), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void FlashcardPages::drawCuttingLines(QPainter& painter) const
{
    const int width = m_geometry.cardWidth;
    const int bottom = m_page.height;
    painter.setPen(cuttingPen(m_page, Qt::DotLine));
    painter.drawLine(width, 0, width, bottom);
    painter.setPen(cuttingPen(m_page, Qt::DashLine));
    painter.drawLine(0, 0, 0, bottom);
    painter.drawLine(2 * width, 0, 2 * width, bottom);
    painter.drawLine(0, 0, m_page.width, 0);
}

} // namespace brainlark
