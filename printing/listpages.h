#pragma once

#include <QFont>
#include <vector>

#include "printing/pageseries.h"

namespace brainlark
{

/// The plain list on paper: a header with the list's name and the page number over a rule, then numbered
/// rows of question and answer, in a 10-point typewriter font. The text block is 81 columns wide and
/// centred on the page; where the printable area is narrower than 81 columns of 10 points, the font is
/// made smaller (down to 5 points) so that the block fits between the margins.
class ListPages : public PageSeries
{
public:
    static constexpr int Columns = 81;
    /// The smallest font the list is printed in, in points.
    static constexpr int SmallestPoints = 5;
    /// The longest path the header shows; a longer one gives way to the list's title.
    static constexpr int LongestHeaderPath = 50;
    static QString ruler()
    {
        return QStringLiteral(
            "---------1---------2---------3---------4---------5---------6---------7---------8-");
    }
    /// The header line of a page: "Brainlark - " and the list's path (its title when the path is longer
    /// than 50 characters or there is none), padded so that "Page N" ends in column 81.
    static QString header(const QString& pathName, const QString& title, int page);
    /// "Courier New" at 10 points for a device of that vertical resolution.
    static QFont listFont(int dpiY);

    ListPages(std::vector<PrintedPair> pairs, const QString& pathName, const QString& title,
              const PageMetrics& page);

    int lineHeight() const { return m_lineHeight; }
    int linesPerPage() const { return m_linesPerPage; }
    int rulerWidth() const { return m_rulerWidth; }
    int leftMargin() const { return m_leftMargin; }
    /// False when the page cannot hold the header and one row, or 81 columns in the smallest font.
    bool fits() const;
    /// The font the rows are printed in (10 points, or smaller on a narrow page).
    QFont font() const { return m_font; }
    /// At least 1, also for a list without pairs.
    int pageCount() const override;
    void drawPage(QPainter& painter, int page) const override;

private:
    std::vector<PrintedPair> m_pairs;
    QString m_pathName;
    QString m_title;
    PageMetrics m_page;
    QFont m_font;
    int m_lineHeight = 0;
    int m_linesPerPage = 0;
    int m_rulerWidth = 0;
    int m_leftMargin = 0;
};

} // namespace brainlark
