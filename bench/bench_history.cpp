// The statistics window on a long study history: one million answers over two years and three lists.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

#include "core/pairlist.h"
#include "history/historystore.h"
#include "history/pairmemory.h"
#include "history/statisticswindow.h"

using namespace brainlark;

namespace
{

constexpr int kAnswers = 1000000;
constexpr int kDays = 730;
const QDate kToday(2024, 6, 30);

// Fills the answers in one transaction, then builds the per-day summary the way the store keeps it.
void generate(const QString& path)
{
    HistoryStore schema;
    if (!schema.open(path))
        qFatal("cannot create %s", qPrintable(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "generate");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec("INSERT INTO lists (id, path) VALUES (1, '/data/Capitals.fly'), (2, '/data/Verbs.fly'), "
                   "(3, '/data/Birds.fly')");
        db.transaction();
        query.prepare("INSERT INTO answers (time, day, list_id, question, answer, mode, correct, seconds) "
                      "VALUES (?, ?, ?, ?, 'answer', 0, ?, ?)");
        const qint64 first = QDateTime(kToday.addDays(-kDays + 1), QTime(8, 0)).toSecsSinceEpoch();
        for (int i = 0; i < kAnswers; ++i) {
            const qint64 time = first + qint64(i) * kDays * 86400 / kAnswers;
            query.addBindValue(time);
            query.addBindValue(QDateTime::fromSecsSinceEpoch(time).date().toJulianDay());
            query.addBindValue(1 + i % 3);
            query.addBindValue(QStringLiteral("question %1").arg(i % 1000));
            query.addBindValue(i % 4 != 0);
            query.addBindValue(2.0 + i % 7);
            query.exec();
        }
        query.exec("INSERT INTO study_days SELECT list_id, day, COUNT(*), SUM(correct), SUM(MIN(seconds, 60.0)) "
                   "FROM answers GROUP BY list_id, day");
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("generate");
}

struct History {
    QTemporaryDir dir;
    QString path = dir.filePath("history.sqlite");
    PairList list;
    History()
    {
        generate(path);
        for (int i = 0; i < 1000; ++i) {
            Pair& pair = list.pairs().emplace_back("question " + std::to_string(i), "answer");
            pair.setRating(float(i % 37) * 0.5f);
        }
    }
};

History& history()
{
    static History h;
    return h;
}

void BM_OpenStatistics(benchmark::State& state)
{
    History& h = history();
    for (auto _ : state) {
        HistoryStore store;
        store.open(h.path);
        StatisticsWindow window(store, "/data/Capitals.fly", "Capitals", &h.list, kToday);
        window.setRange(StatisticsRange::All);
        benchmark::DoNotOptimize(window.renderImage());
    }
    state.SetLabel("1,000,000 answers, all days, painted");
}
BENCHMARK(BM_OpenStatistics)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RecordAnswer(benchmark::State& state)
{
    History& h = history();
    HistoryStore store;
    store.open(h.path);
    AnswerRecord answer{QDateTime(kToday, QTime(12, 0)).toSecsSinceEpoch(), "/data/Capitals.fly", "q", "a", 0, true, 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(store.record(answer));
}
BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMicrosecond);

// A history for the spaced-repetition benchmarks: `lists` lists of `pairs` pairs, each pair answered
// `answersPerPair` times at the first try, every 20 days, the pairs' days staggered, so that some of each
// list fall due every day. The pairs' memory is cached, as after the lists were last studied.
struct ReviewHistory {
    QTemporaryDir dir;
    QString path = dir.filePath("reviews.sqlite");
    PairList list; // the first list's pairs

    ReviewHistory(int lists, int pairs, int answersPerPair)
    {
        HistoryStore schema;
        if (!schema.open(path))
            qFatal("cannot create %s", qPrintable(path));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reviews");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            db.transaction();
            for (int l = 1; l <= lists; ++l)
                query.exec(QStringLiteral("INSERT INTO lists (id, path) VALUES (%1, '/data/List %1.fly')").arg(l));
            query.prepare("INSERT INTO answers (time, day, list_id, question, answer, mode, correct, seconds, first) "
                          "VALUES (?, ?, ?, ?, ?, 2, ?, 3.0, 1)");
            const QDate first = kToday.addDays(-20 * answersPerPair);
            for (int l = 1; l <= lists; ++l) {
                for (int k = 0; k < answersPerPair; ++k) {
                    for (int p = 0; p < pairs; ++p) {
                        const QDate day = first.addDays(20 * k + p % 20);
                        query.addBindValue(QDateTime(day, QTime(12, 0)).toSecsSinceEpoch());
                        query.addBindValue(day.toJulianDay());
                        query.addBindValue(l);
                        query.addBindValue(QStringLiteral("question %1").arg(p));
                        query.addBindValue(QStringLiteral("answer %1").arg(p));
                        query.addBindValue((p + k) % 5 != 0);
                        query.exec();
                    }
                }
            }
            query.exec("INSERT INTO study_days SELECT list_id, day, COUNT(*), SUM(correct), SUM(MIN(seconds, 60.0)) "
                       "FROM answers GROUP BY list_id, day");
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase("reviews");
        HistoryStore store;
        store.open(path);
        PairMemory memory(store);
        memory.updateAll();
        for (int p = 0; p < pairs; ++p)
            list.pairs().emplace_back("question " + std::to_string(p), "answer " + std::to_string(p));
    }
};

ReviewHistory& bigHistory()
{
    static ReviewHistory h(1, 100000, 10);
    return h;
}

// The due pairs of a 100,000-pair list with 1,000,000 answers, from opening the history as opening the
// list does. Target: under 50 ms.
void BM_DuePairs(benchmark::State& state)
{
    ReviewHistory& h = bigHistory();
    const qint64 today = HistoryStore::dayNumber(kToday);
    size_t due = 0;
    for (auto _ : state) {
        HistoryStore store;
        store.open(h.path);
        PairMemory memory(store);
        HistoryDueSource source(memory);
        source.setListPath("/data/List 1.fly");
        due = source.duePairs(h.list, today).size();
        benchmark::DoNotOptimize(due);
    }
    state.SetLabel(QStringLiteral("%1 of 100,000 pairs due").arg(due).toStdString());
}
BENCHMARK(BM_DuePairs)->Unit(benchmark::kMillisecond)->Iterations(10);

// The first look at that list once its memory is forgotten (a history just upgraded, new weights): all of its
// 1,000,000 answers folded into the memory of its 100,000 pairs. No target; it says how long such a look
// keeps the window waiting.
void BM_FirstLook(benchmark::State& state)
{
    ReviewHistory& h = bigHistory();
    for (auto _ : state) {
        state.PauseTiming();
        {
            HistoryStore store;
            store.open(h.path);
            PairMemory(store).setFittedWeights(std::nullopt);
        }
        state.ResumeTiming();
        HistoryStore store;
        store.open(h.path);
        PairMemory memory(store);
        benchmark::DoNotOptimize(memory.update("/data/List 1.fly"));
    }
}
BENCHMARK(BM_FirstLook)->Unit(benchmark::kMillisecond)->Iterations(2);

// The study-module selector's due counts of 200 lists (500 pairs each, nothing new to fold). Target:
// under 100 ms.
void BM_SelectorDueCounts(benchmark::State& state)
{
    static ReviewHistory h(200, 500, 2);
    HistoryStore store;
    store.open(h.path);
    PairMemory memory(store);
    for (auto _ : state) {
        memory.updateAll();
        benchmark::DoNotOptimize(store.dueCounts(kToday));
    }
}
BENCHMARK(BM_SelectorDueCounts)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    history();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
