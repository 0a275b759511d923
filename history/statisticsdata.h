#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include "history/historystore.h"

namespace brainlark
{

class PairList;

/// The period the statistics window looks at.
enum class StatisticsRange { Last30Days, Last90Days, All };

/// One of the weakest pairs of the open list, from the list's own counters.
struct WeakPair {
    QString question;
    QString answer;
    float rating = 0;
    int right = 0;
    int wrong = 0;
    int asked = 0;
};

/// Everything the statistics window shows, gathered in one go.
struct StatisticsData {
    static constexpr int WeakestCount = 10;
    static constexpr int ForecastDays = 30;
    /// Upper bounds of the rating bins (the last bin is open-ended); their labels are ratingBinLabel().
    static constexpr float RatingBinBounds[] = {0.0f, 1.0f, 2.0f, 3.0f, 5.0f, 10.0f};
    static constexpr int RatingBinCount = int(std::size(RatingBinBounds)) + 1;

    QDate from; ///< first day shown (invalid: since the first answer)
    QDate today;
    QVector<DayCount> listDays; ///< the open list, days with answers only
    QVector<DayCount> allDays;  ///< every list
    QVector<int> ratingBins;    ///< pairs per rating bin
    QVector<WeakPair> weakest;  ///< lowest rated first
    QVector<int> forecast;      ///< the open list's reviews due per day from today (today with the overdue)
    QVector<WeekCount> reviewWeeks; ///< the open list's first answers per week: the true retention
    double desiredRetention = 0.9;  ///< what the scheduler aims at
    int streak = 0;

    static StatisticsData gather(const HistoryStore& store, const QString& listPath, const PairList* list,
                                 StatisticsRange range, const QDate& today);
    static QString ratingBinLabel(int bin);
    /// The bin of a rating.
    static int ratingBin(float rating);
};

} // namespace brainlark
