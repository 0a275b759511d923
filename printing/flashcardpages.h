#pragma once

#include <QFont>
#include <QImage>
#include <vector>

#include "printing/pageseries.h"

class QRect;

namespace brainlark
{

/// Flashcards to cut out and fold: each row holds a question card and, to its right, the answer card, both
/// 3 × 1.8 inches with the card picture stretched over them; rows are 1/32 inch apart. Dashed lines mark
/// where to cut, a dotted line where to fold. All texts of a sheet share one size: the card font, or the
/// largest size at which the longest text of the sheet fits its card (not below 6 points), so that the
/// cards of a sheet look alike and a short word does not tower over a long one.
class FlashcardPages : public PageSeries
{
public:
    /// Sizes in device pixels.
    struct Geometry {
        int cardWidth = 0;
        int cardHeight = 0;
        int gap = 0;
        int rowsPerPage = 0;
    };

    static constexpr int AssumedCardsPerPage = 5;
    /// The page count announced before printing, when the printer is not known yet.
    static int estimatedPages(int pairs) { return (pairs + AssumedCardsPerPage - 1) / AssumedCardsPerPage; }
    /// The card geometry on a page; rowsPerPage is 0 when not even one card is short enough for it.
    static Geometry geometry(const PageMetrics& page);
    static QColor questionColour() { return QColor(0, 0, 255); }
    static QColor answerColour() { return QColor(0, 128, 0); }

    /// `font` is the printed card font as the settings hold it: its pixel size counts in screen pixels
    /// (96 to the inch), so the cards look alike on every printer.
    FlashcardPages(std::vector<PrintedPair> pairs, QImage cardPicture, QFont font, const PageMetrics& page);

    const Geometry& cardGeometry() const { return m_geometry; }
    /// False when the page cannot hold one row of two cards (nothing can be printed).
    bool fits() const { return m_geometry.rowsPerPage > 0 && m_page.width >= 2 * m_geometry.cardWidth; }
    int pageCount() const override;
    void drawPage(QPainter& painter, int page) const override;
    /// The pixel size of the texts on a page, as drawn on the device of painter.
    int textPixelSize(QPainter& painter, int page) const;

private:
    /// Where a card's text goes: its ruled part, below the header line.
    static QRect textArea(const QRect& card);
    /// The largest pixel size (at most the font's) at which text fits area, not below the smallest size.
    int fittingPixelSize(QPainter& painter, const QRect& area, const QString& text) const;
    void drawCard(QPainter& painter, const QRect& card, const QString& text, const QColor& colour,
                  const QFont& font) const;
    void drawCuttingLines(QPainter& painter) const;

    std::vector<PrintedPair> m_pairs;
    QImage m_picture;
    QFont m_font;
    PageMetrics m_page;
    Geometry m_geometry;
};

} // namespace brainlark
