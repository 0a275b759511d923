#pragma once

#include <QDialog>
#include <functional>

#include "history/statisticsdata.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace brainlark
{

class HistoryStore;
class PairList;

/// View > Statistics: for the open list, answers and accuracy per day, the spread of the pairs' ratings
/// and the ten weakest pairs; for all lists, the time studied per day and the current streak of study
/// days. Every part is reachable with the keyboard; the whole window can be saved as a PNG picture.
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    StatisticsWindow(const HistoryStore& store, const QString& listPath, const QString& listTitle,
                     const PairList* list, const QDate& today, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    void setRange(StatisticsRange range);
    StatisticsRange range() const { return m_range; }
    const StatisticsData& data() const { return m_data; }
    /// Asks where to save the picture, starting from the suggested path; empty for cancel. The program's
    /// file chooser; without one Export as PNG is not offered.
    void setPngPathChooser(std::function<QString(const QString& suggested)> chooser);
    QPushButton* exportButton() const { return m_exportButton; }
    /// Where Export as PNG suggests saving: the pictures folder (else the home folder), named after the list.
    QString suggestedPngPath() const;
    /// Renders the streak, the charts and the whole table (not the period box) into a PNG file.
    bool exportPng(const QString& path);
    QImage renderImage();

    QChartView* answersChart() const { return m_answers; }
    QChartView* ratingsChart() const { return m_ratings; }
    QChartView* timeChart() const { return m_time; }
    QChartView* forecastChart() const { return m_forecast; }
    QChartView* retentionChart() const { return m_retention; }
    /// The recall chance the scheduler aims at, drawn beside the true retention.
    void setDesiredRetention(double retention);
    QTableWidget* weakestTable() const { return m_weakest; }
    QLabel* streakLabel() const { return m_streak; }
    /// Says why the history cannot be read; hidden while it can.
    QLabel* problemLabel() const { return m_problem; }

private:
    void reload();
    void fillAnswersChart();
    void fillRatingsChart();
    void fillTimeChart();
    void fillWeakest();
    void fillForecastChart();
    void fillRetentionChart();
    void exportClicked();
    QWidget* m_content = nullptr;

    const HistoryStore& m_store;
    QString m_listPath;
    const PairList* m_list;
    QDate m_today;
    StatisticsRange m_range = StatisticsRange::Last30Days;
    StatisticsData m_data;
    std::function<QString(const QString&)> m_choosePath;
    QString m_listTitle;
    QComboBox* m_rangeBox = nullptr;
    QPushButton* m_exportButton = nullptr;
    QChartView* m_answers = nullptr;
    QChartView* m_ratings = nullptr;
    QChartView* m_time = nullptr;
    QChartView* m_forecast = nullptr;
    QChartView* m_retention = nullptr;
    double m_desiredRetention = 0.9;
    QTableWidget* m_weakest = nullptr;
    QLabel* m_streak = nullptr;
    QLabel* m_problem = nullptr;
};

} // namespace brainlark
