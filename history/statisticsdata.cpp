#include "history/statisticsdata.h"

#include <algorithm>
#include <numeric>

#include "core/pairlist.h"

namespace brainlark
{

namespace
{

QString text(std::string_view bytes)
{
    return QString::fromStdString(std::string(bytes));
}

} // namespace

int StatisticsData::ratingBin(float rating)
{
    for (int i = 0; i < int(std::size(RatingBinBounds)); ++i) {
        // The first bin holds exactly 0 (never answered right, or reset); the others are half-open.
        if (i == 0 ? rating <= RatingBinBounds[0] : rating < RatingBinBounds[i])
            return i;
    }
    return RatingBinCount - 1;
}

QString StatisticsData::ratingBinLabel(int bin)
{
    if (bin <= 0)
        return QStringLiteral("0");
    if (bin >= RatingBinCount - 1)
        return QStringLiteral("%1+").arg(double(RatingBinBounds[RatingBinCount - 2]));
    return QStringLiteral("%1\u2013%2")
        .arg(double(RatingBinBounds[bin - 1]))
        .arg(double(RatingBinBounds[bin]));
}

StatisticsData StatisticsData::gather(const HistoryStore& store, const QString& listPath,
                                      const PairList* list, StatisticsRange range, const QDate& today)
{
    StatisticsData data;
    data.today = today;
    if (range == StatisticsRange::Last30Days)
        data.from = today.addDays(-29);
    else if (range == StatisticsRange::Last90Days)
        data.from = today.addDays(-89);
    if (!listPath.isEmpty())
        data.listDays = store.listDays(listPath, data.from);
    data.allDays = store.allDays(data.from);
    if (!listPath.isEmpty())
        data.reviewWeeks = store.reviewWeeks(listPath, data.from);
    data.forecast.fill(0, ForecastDays);
    data.streak = store.currentStreak(today);
    data.ratingBins.fill(0, RatingBinCount);
    if (!list)
        return data;
    const std::vector<Pair>& pairs = list->pairs();
    for (const Pair& pair : pairs)
        ++data.ratingBins[ratingBin(pair.rating())];
    // The pairs of the list as it is: the history may remember pairs since deleted or edited.
    const qint64 first = HistoryStore::dayNumber(today);
    const QHash<QString, qint64> due = store.dueDays(listPath, first + ForecastDays);
    if (!due.isEmpty()) {
        for (const Pair& pair : pairs) {
            const auto found = due.constFind(text(pair.question()) + QLatin1Char('\n') + text(pair.answer()));
            if (found != due.constEnd())
                ++data.forecast[int(std::max<qint64>(0, *found - first))];
        }
    }
    std::vector<int> order(pairs.size());
    std::iota(order.begin(), order.end(), 0);
    const size_t shown = std::min<size_t>(WeakestCount, order.size());
    std::partial_sort(order.begin(), order.begin() + shown, order.end(), [&](int a, int b) {
        return pairs[a].rating() < pairs[b].rating() || (pairs[a].rating() == pairs[b].rating() && a < b);
    });
    for (size_t i = 0; i < shown; ++i) {
        const Pair& pair = pairs[order[i]];
        data.weakest.push_back({text(pair.question()), text(pair.answer()), pair.rating(), pair.right(),
                                pair.wrong(), pair.timesInQuestion()});
    }
    return data;
}

} // namespace brainlark
