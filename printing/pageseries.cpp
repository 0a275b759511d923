#include "printing/pageseries.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/pairlist.h"

namespace brainlark
{

namespace
{

QString unicode(std::string_view bytes)
{
    return QString::fromStdString(std::string(bytes));
}

} // namespace

PageMetrics PageMetrics::of(const QPaintDevice& device)
{
    return PageMetrics{device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()};
}

std::vector<PrintedPair> PrintedPair::fromList(const PairList& list)
{
    std::vector<PrintedPair> pairs;
    pairs.reserve(list.pairs().size());
    for (const Pair& pair : list.pairs())
        pairs.push_back({unicode(pair.shownQuestion()), unicode(pair.shownAnswer())});
    return pairs;
}

bool PageSeries::printTo(QPagedPaintDevice& device, int first, int last) const
{
    const int count = pageCount();
    first = std::max(first, 1);
    last = last < 1 ? count : std::min(last, count);
    // Opening a painter already starts a page, so an empty range must not get that far.
    if (first > last)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage())
            return false;
        painter.save();
        drawPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

} // namespace brainlark
