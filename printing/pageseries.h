#pragma once

#include <QString>
#include <vector>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

namespace brainlark
{

class PairList;

/// The printable area of a page in device pixels, with the device's resolution. Page code draws with the
/// painter's origin at the top left corner of this area.
struct PageMetrics {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;

    /// The printable area of a printer or PDF writer (or any device: its whole surface).
    static PageMetrics of(const QPaintDevice& device);
};

/// One pair as it goes on paper: the sides the quiz shows, as Unicode.
struct PrintedPair {
    QString question;
    QString answer;

    /// The list's pairs in order (wrong answers are not printed).
    static std::vector<PrintedPair> fromList(const PairList& list);
};

/// A printout: a number of pages, each drawn on request.
class PageSeries
{
public:
    virtual ~PageSeries() = default;
    virtual int pageCount() const = 0;
    /// Draws page `page` (1-based) with the painter's origin at the printable area's top left.
    virtual void drawPage(QPainter& painter, int page) const = 0;

    /// Draws pages first..last (clamped to the series) onto the device, one device page each. False when
    /// the range holds no page or the device cannot be painted on (a printer that cannot be opened, an
    /// unwritable PDF file).
    bool printTo(QPagedPaintDevice& device, int first = 1, int last = -1) const;
};

} // namespace brainlark
