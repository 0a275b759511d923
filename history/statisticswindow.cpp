#include "history/statisticswindow.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "history/historystore.h"

namespace brainlark
{

namespace
{

const QColor AnswersColor(0x2b, 0x6c, 0xb0);
const QColor AccuracyColor(0x2e, 0x9e, 0x4f);
const QColor TimeColor(0xd0, 0x7a, 0x1c);

QChartView* newChartView(const QString& title, const QString& accessibleName)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 230);
    // Charts take the focus in turn, so the keyboard reaches every part of the window.
    view->setFocusPolicy(Qt::StrongFocus);
    view->setStyleSheet(QStringLiteral("QChartView { border: 2px solid transparent; } QChartView:focus { "
                                       "border: 2px solid palette(highlight); }"));
    view->setAccessibleName(accessibleName);
    return view;
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Each day owns the stretch from its midnight to the next; its values sit in the middle.
qint64 msecs(const QDate& day)
{
    return day.startOfDay().toMSecsSinceEpoch();
}

qint64 middle(const QDate& day)
{
    return (msecs(day) + msecs(day.addDays(1))) / 2;
}

// The first day a chart shows: the period's, or for "All" a little before the first day with data (so its
// mark is not cut by the axis), but at least a week.
QDate firstShownDay(const QDate& from, const QVector<DayCount>& days, const QDate& today)
{
    if (from.isValid())
        return from;
    const QDate week = today.addDays(-6);
    if (days.isEmpty())
        return week;
    const QDate first = days.front().day;
    return std::min(first.addDays(-std::max<qint64>(1, first.daysTo(today) / 40)), week);
}

// Marks for the values of single days, which a line alone would draw as a dot or not at all.
QScatterSeries* dayMarks(const QColor& color)
{
    auto* marks = new QScatterSeries;
    marks->setColor(color);
    marks->setBorderColor(color);
    marks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    marks->setMarkerSize(8);
    return marks;
}

void hideFromLegend(QChart* chart, QAbstractSeries* series)
{
    for (QLegendMarker* marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

QDateTimeAxis* dayAxis(const QDate& first, const QDate& last)
{
    auto* axis = new QDateTimeAxis;
    axis->setFormat(QStringLiteral("d MMM"));
    axis->setRange(first.startOfDay(), last.addDays(1).startOfDay());
    // Six labels leave room for "30 Nov" in a chart of half the window's width.
    axis->setTickCount(std::min<qint64>(6, std::max<qint64>(2, first.daysTo(last) + 1)));
    return axis;
}

// An axis of counts: whole-number ticks from 0 past the largest value, at most six labels ("%d" on a tick
// between two whole numbers would repeat a label).
QValueAxis* countAxis(double most, const QString& title)
{
    double step = 1;
    for (double scale = 1; step * 5 < most; scale *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * scale;
            if (step * 5 >= most)
                break;
        }
    }
    const int intervals = std::max(1, int(std::ceil(most / step)));
    auto* axis = new QValueAxis;
    axis->setRange(0, intervals * step);
    axis->setTickCount(intervals + 1);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    return axis;
}

} // namespace

StatisticsWindow::StatisticsWindow(const HistoryStore& store, const QString& listPath,
                                   const QString& listTitle, const PairList* list, const QDate& today,
                                   QWidget* parent)
    : QDialog(parent), m_store(store), m_listPath(listPath), m_list(list), m_today(today),
      m_listTitle(listTitle)
{
    setWindowTitle(listTitle.isEmpty() ? tr("Statistics") : tr("Statistics - %1").arg(listTitle));
    m_rangeBox = new QComboBox;
    m_rangeBox->addItems({tr("Last 30 days"), tr("Last 90 days"), tr("All")});
    auto* rangeLabel = new QLabel(tr("&Period:"));
    rangeLabel->setBuddy(m_rangeBox);
    m_streak = new QLabel;
    QFont bold = m_streak->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_streak->setFont(bold);

    m_answers = newChartView(tr("Answers and accuracy per day"), tr("Answers and accuracy per day"));
    m_ratings = newChartView(tr("Ratings of the pairs"), tr("Ratings of the pairs"));
    m_time = newChartView(tr("Time studied per day (all lists)"), tr("Time studied per day"));
    m_forecast = newChartView(tr("Reviews due in the next 30 days"), tr("Reviews due in the next 30 days"));
    m_retention = newChartView(tr("True retention per week"), tr("True retention per week"));
    m_weakest = new QTableWidget(0, 6);
    m_weakest->setHorizontalHeaderLabels(
        {tr("Question"), tr("Answer"), tr("Rating"), tr("Right"), tr("Wrong"), tr("Asked")});
    m_weakest->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_weakest->setTabKeyNavigation(false); // read only: Tab goes on to the next control
    m_weakest->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_weakest->verticalHeader()->setVisible(false);
    m_weakest->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_weakest->setAccessibleName(tr("The ten weakest pairs"));
    auto* weakestTitle = new QLabel(tr("The ten &weakest pairs"));
    weakestTitle->setBuddy(m_weakest);

    // A history that cannot be read looks like no study at all; the learner is told which it is.
    m_problem = new QLabel;
    m_problem->setWordWrap(true);
    // Bold in the palette's own text colour: a fixed red would not read on a dark desktop.
    m_problem->setStyleSheet(QStringLiteral("font-weight: bold;"));
    const bool unreadable = !store.isOpen() && !store.lastError().isEmpty();
    m_problem->setVisible(unreadable);
    if (unreadable)
        m_problem->setText(tr("The study history cannot be read, so it is not shown and answers are not "
                              "recorded: %1")
                               .arg(store.lastError()));

    // The content is what Export as PNG draws: the period box stays outside it.
    auto* top = new QHBoxLayout;
    top->addWidget(rangeLabel);
    top->addWidget(m_rangeBox);
    top->addStretch();
    m_content = new QWidget;
    auto* grid = new QGridLayout(m_content);
    grid->addWidget(m_streak, 0, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_answers, 1, 0);
    grid->addWidget(m_ratings, 1, 1);
    grid->addWidget(m_time, 2, 0);
    auto* weakestBox = new QVBoxLayout;
    weakestBox->addWidget(weakestTitle);
    weakestBox->addWidget(m_weakest);
    grid->addLayout(weakestBox, 2, 1);
    grid->addWidget(m_forecast, 3, 0);
    grid->addWidget(m_retention, 3, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    m_exportButton = buttons->addButton(tr("&Export as PNG..."), QDialogButtonBox::ActionRole);
    m_exportButton->setEnabled(false); // until the program says how to choose the file
    connect(m_exportButton, &QPushButton::clicked, this, &StatisticsWindow::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addLayout(top);
    layout->addWidget(m_content);
    layout->addWidget(buttons);

    connect(m_rangeBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setRange(static_cast<StatisticsRange>(index)); });
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 940);
    reload();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::setPngPathChooser(std::function<QString(const QString&)> chooser)
{
    m_choosePath = std::move(chooser);
    m_exportButton->setEnabled(bool(m_choosePath));
}

void StatisticsWindow::setRange(StatisticsRange range)
{
    if (range == m_range && !m_data.ratingBins.isEmpty())
        return;
    m_range = range;
    m_rangeBox->setCurrentIndex(static_cast<int>(range));
    reload();
}

void StatisticsWindow::reload()
{
    m_data = StatisticsData::gather(m_store, m_listPath, m_list, m_range, m_today);
    m_streak->setText(m_data.streak == 1 ? tr("Current streak: 1 day of study")
                                         : tr("Current streak: %1 days of study").arg(m_data.streak));
    fillAnswersChart();
    fillRatingsChart();
    fillTimeChart();
    fillWeakest();
    fillForecastChart();
    fillRetentionChart();
}

void StatisticsWindow::setDesiredRetention(double retention)
{
    m_desiredRetention = retention;
    fillRetentionChart();
}

void StatisticsWindow::fillForecastChart()
{
    QChart* chart = m_forecast->chart();
    clearChart(chart);
    // A step for each day, as in the time chart, with a mark on the days that have reviews.
    auto* upper = new QLineSeries;
    QScatterSeries* marks = dayMarks(AnswersColor);
    int most = 1;
    const QDate last = m_today.addDays(StatisticsData::ForecastDays - 1);
    for (int day = 0; day < StatisticsData::ForecastDays; ++day) {
        const QDate date = m_today.addDays(day);
        const int due = m_data.forecast.value(day);
        upper->append(msecs(date), due);
        upper->append(msecs(date.addDays(1)), due);
        if (due > 0)
            marks->append(middle(date), due);
        most = std::max(most, due);
    }
    auto* area = new QAreaSeries(upper);
    area->setName(tr("Pairs due"));
    area->setColor(AnswersColor.lighter(160));
    area->setBorderColor(AnswersColor);
    chart->addSeries(area);
    chart->addSeries(marks);
    hideFromLegend(chart, marks);
    QDateTimeAxis* x = dayAxis(m_today, last);
    QValueAxis* y = countAxis(std::ceil(most * 1.1), tr("Pairs"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(area), static_cast<QAbstractSeries*>(marks)}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void StatisticsWindow::fillRetentionChart()
{
    QChart* chart = m_retention->chart();
    clearChart(chart);
    QDate first = m_data.from.isValid() ? m_data.from
                                        : (m_data.reviewWeeks.isEmpty() ? m_today.addDays(-27)
                                                                        : m_data.reviewWeeks.front().week);
    first = first.addDays(-(first.dayOfWeek() - 1)); // its Monday
    const QDate last = m_today.addDays(-(m_today.dayOfWeek() - 1)).addDays(7);
    auto* retention = new QLineSeries;
    retention->setName(tr("Right at the first try"));
    retention->setColor(AccuracyColor);
    QScatterSeries* marks = dayMarks(AccuracyColor);
    for (const WeekCount& week : m_data.reviewWeeks) {
        if (week.reviews <= 0)
            continue;
        const qint64 at = (msecs(week.week) + msecs(week.week.addDays(7))) / 2;
        retention->append(at, 100.0 * week.right / week.reviews);
        marks->append(at, 100.0 * week.right / week.reviews);
    }
    auto* desired = new QLineSeries;
    desired->setName(tr("Desired retention %1 %").arg(qRound(m_desiredRetention * 100)));
    QPen dashed(QColor(0x80, 0x80, 0x80));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    desired->setPen(dashed);
    desired->append(msecs(first), m_desiredRetention * 100);
    desired->append(msecs(last), m_desiredRetention * 100);
    chart->addSeries(retention);
    chart->addSeries(marks);
    chart->addSeries(desired);
    hideFromLegend(chart, marks);
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d MMM"));
    x->setRange(first.startOfDay(), last.startOfDay());
    x->setTickCount(std::min<qint64>(6, std::max<qint64>(2, first.daysTo(last) / 7 + 1)));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d %%"));
    y->setTitleText(tr("Right"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(retention), static_cast<QAbstractSeries*>(marks),
          static_cast<QAbstractSeries*>(desired)}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void StatisticsWindow::fillAnswersChart()
{
    QChart* chart = m_answers->chart();
    clearChart(chart);
    const QDate first = firstShownDay(m_data.from, m_data.listDays, m_today);
    auto* answers = new QLineSeries;
    answers->setName(tr("Answers"));
    answers->setColor(AnswersColor);
    answers->setPointsVisible(true);
    auto* accuracy = new QLineSeries;
    accuracy->setName(tr("Accuracy %"));
    accuracy->setColor(AccuracyColor);
    accuracy->setPointsVisible(true);
    QScatterSeries* answerMarks = dayMarks(AnswersColor);
    QScatterSeries* accuracyMarks = dayMarks(AccuracyColor);
    // Every day of the period gets its answer count, 0 included; accuracy only exists for days with answers.
    int next = 0;
    int most = 1;
    for (QDate day = first; day <= m_today; day = day.addDays(1)) {
        while (next < m_data.listDays.size() && m_data.listDays[next].day < day)
            ++next;
        const bool any = next < m_data.listDays.size() && m_data.listDays[next].day == day;
        const DayCount count = any ? m_data.listDays[next] : DayCount{day, 0, 0, 0};
        answers->append(middle(day), count.answers);
        most = std::max(most, count.answers);
        if (count.answers > 0) {
            answerMarks->append(middle(day), count.answers);
            accuracy->append(middle(day), 100.0 * count.right / count.answers);
            accuracyMarks->append(middle(day), 100.0 * count.right / count.answers);
        }
    }
    chart->addSeries(answers);
    chart->addSeries(accuracy);
    chart->addSeries(answerMarks);
    chart->addSeries(accuracyMarks);
    hideFromLegend(chart, answerMarks);
    hideFromLegend(chart, accuracyMarks);
    QDateTimeAxis* x = dayAxis(first, m_today);
    // Room above the highest day, so its mark is not cut by the chart's edge.
    QValueAxis* left = countAxis(std::ceil(most * 1.1), tr("Answers"));
    auto* right = new QValueAxis;
    right->setRange(0, 100);
    right->setLabelFormat(QStringLiteral("%d %%"));
    right->setTitleText(tr("Accuracy"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    answers->attachAxis(x);
    answers->attachAxis(left);
    accuracy->attachAxis(x);
    accuracy->attachAxis(right);
    answerMarks->attachAxis(x);
    answerMarks->attachAxis(left);
    accuracyMarks->attachAxis(x);
    accuracyMarks->attachAxis(right);
}

void StatisticsWindow::fillRatingsChart()
{
    QChart* chart = m_ratings->chart();
    clearChart(chart);
    auto* set = new QBarSet(tr("Pairs"));
    set->setColor(AnswersColor);
    QStringList labels;
    int most = 1;
    for (int bin = 0; bin < StatisticsData::RatingBinCount; ++bin) {
        *set << m_data.ratingBins.value(bin);
        most = std::max(most, m_data.ratingBins.value(bin));
        labels << StatisticsData::ratingBinLabel(bin);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    x->setTitleText(tr("Rating"));
    // Room above the highest bar for its label.
    QValueAxis* y = countAxis(most + most / 8 + 1, tr("Pairs"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setVisible(false);
}

void StatisticsWindow::fillTimeChart()
{
    QChart* chart = m_time->chart();
    clearChart(chart);
    const QDate first = firstShownDay(m_data.from, m_data.allDays, m_today);
    // A step for each day, from its midnight to the next: a single day of study is a block, not a line.
    auto* upper = new QLineSeries;
    // Over a long period a day's block is thinner than a pixel; its mark still shows.
    QScatterSeries* marks = dayMarks(TimeColor);
    int next = 0;
    double most = 1;
    for (QDate day = first; day <= m_today; day = day.addDays(1)) {
        while (next < m_data.allDays.size() && m_data.allDays[next].day < day)
            ++next;
        const bool any = next < m_data.allDays.size() && m_data.allDays[next].day == day;
        const double minutes = any ? m_data.allDays[next].seconds / 60.0 : 0.0;
        upper->append(msecs(day), minutes);
        upper->append(msecs(day.addDays(1)), minutes);
        if (minutes > 0)
            marks->append(middle(day), minutes);
        most = std::max(most, minutes);
    }
    auto* area = new QAreaSeries(upper);
    area->setName(tr("Minutes studied"));
    area->setColor(TimeColor.lighter(140));
    area->setBorderColor(TimeColor);
    chart->addSeries(area);
    chart->addSeries(marks);
    hideFromLegend(chart, marks);
    QDateTimeAxis* x = dayAxis(first, m_today);
    QValueAxis* y = countAxis(std::ceil(most * 1.1), tr("Minutes"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    area->attachAxis(x);
    area->attachAxis(y);
    marks->attachAxis(x);
    marks->attachAxis(y);
}

void StatisticsWindow::fillWeakest()
{
    m_weakest->setRowCount(m_data.weakest.size());
    for (int row = 0; row < m_data.weakest.size(); ++row) {
        const WeakPair& pair = m_data.weakest[row];
        const QString cells[] = {pair.question,
                                 pair.answer,
                                 QString::number(double(pair.rating), 'f', 2),
                                 QString::number(pair.right),
                                 QString::number(pair.wrong),
                                 QString::number(pair.asked)};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_weakest->setItem(row, column, item);
        }
    }
}

QString StatisticsWindow::suggestedPngPath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString name = m_listTitle.isEmpty() ? tr("Statistics") : tr("%1 - statistics").arg(m_listTitle);
    // A list's title may hold characters a file name cannot.
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    return QDir(folder).filePath(name + QStringLiteral(".png"));
}

QImage StatisticsWindow::renderImage()
{
    // The picture holds the table whole: every row, no scroll bars, however small the window is.
    m_content->ensurePolished();
    m_weakest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_weakest->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_weakest->resizeRowsToContents();
    int tableHeight = m_weakest->horizontalHeader()->sizeHint().height() + 2 * m_weakest->frameWidth();
    for (int row = 0; row < m_weakest->rowCount(); ++row)
        tableHeight += m_weakest->rowHeight(row);
    const int oldMinimum = m_weakest->minimumHeight();
    m_weakest->setMinimumHeight(tableHeight);
    m_content->layout()->activate();
    const QSize oldSize = m_content->size();
    m_content->resize(m_content->size().expandedTo(m_content->minimumSizeHint()).expandedTo(QSize(980, 860)));
    m_content->layout()->activate();
    const QImage image = m_content->grab().toImage();
    m_weakest->setMinimumHeight(oldMinimum);
    m_weakest->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_weakest->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_content->resize(oldSize);
    if (layout())
        layout()->invalidate();
    return image;
}

bool StatisticsWindow::exportPng(const QString& path)
{
    return !path.isEmpty() && renderImage().save(path, "PNG");
}

void StatisticsWindow::exportClicked()
{
    if (!m_choosePath)
        return;
    const QString path = m_choosePath(suggestedPngPath());
    if (path.isEmpty())
        return;
    QString target = path;
    if (!target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        target += QStringLiteral(".png");
    if (!exportPng(target))
        m_streak->setText(tr("Could not save %1").arg(target));
}

} // namespace brainlark
