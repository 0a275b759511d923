// The study history: answers reach the database one per judged answer, a broken database leaves the quiz
// alone with one warning, older databases migrate, Save As takes the history along, and the statistics
// window charts a generated history.
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>
#include <unistd.h>

#include "app/historycommands.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/flyarchive.h"
#include "history/historyrecorder.h"
#include "history/statisticswindow.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

// A connection of the test's own to look into (or lock) a database behind the store's back.
struct RawDatabase {
    explicit RawDatabase(const QString& path)
    {
        db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        db.open();
    }
    ~RawDatabase()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("raw");
    }
    bool exec(const QString& sql) { return QSqlQuery(db).exec(sql); }
    QSqlDatabase db;
};

AnswerRecord answer(const QString& list, const QDate& day, const QString& question, bool right, double seconds)
{
    return {QDateTime(day, QTime(12, 0)).toSecsSinceEpoch(), list, question, "a", 0, right, seconds};
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString db() const { return m_dir.filePath("history.sqlite"); }

private slots:
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void anAnswerCycleWritesOneRowPerJudgedAnswer()
    {
        QuizRig rig;
        HistoryRecorder recorder;
        QVERIFY(recorder.open(db()));
        recorder.setListPath("/lists/Capitals.fly");
        QObject::connect(rig.view.get(), &QuizView::answerJudged, &recorder, &HistoryRecorder::record);
        QSignalSpy reasons(rig.view.get(), &QuizView::questionReasonChanged);
        rig.settings.setQuestionSelectionMode(0);
        rig.startQuiz(0);
        QCOMPARE(reasons.count(), 1);
        QVERIFY(reasons.first().at(0).toString().startsWith("Rating 0.00"));
        const QString asked = QString::fromStdString(std::string(rig.askedPair().question()));

        QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.wrongBox()));
        QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));

        QCOMPARE(recorder.store().answerCount("/lists/Capitals.fly"), 2);
        const QVector<DayCount> days = recorder.store().listDays("/lists/Capitals.fly");
        QCOMPARE(days.size(), 1);
        QCOMPARE(days[0].right, 1);
        RawDatabase raw(db());
        QSqlQuery rows(raw.db);
        QVERIFY(rows.exec("SELECT question, correct FROM answers ORDER BY id"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toString(), asked);
        QCOMPARE(rows.value(1).toInt(), 0);
        QVERIFY(rows.next());
        QCOMPARE(rows.value(1).toInt(), 1);
    }

    void aBrokenDatabaseLeavesTheQuizWorking_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("corrupt file") << "corrupt";
        QTest::newRow("locked by another program") << "locked";
        QTest::newRow("read-only file") << "read-only";
    }
    void aBrokenDatabaseLeavesTheQuizWorking()
    {
        QFETCH(QString, damage);
        if (damage == "read-only" && ::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        if (damage == "corrupt") {
            QFile file(db());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else {
            HistoryStore prepared;
            QVERIFY(prepared.open(db()));
        }
        std::unique_ptr<RawDatabase> holder;
        if (damage == "locked") {
            holder = std::make_unique<RawDatabase>(db());
            QVERIFY(holder->exec("BEGIN EXCLUSIVE"));
        }
        if (damage == "read-only")
            QFile::setPermissions(db(), QFileDevice::ReadOwner);

        QuizRig rig;
        HistoryRecorder recorder;
        QSignalSpy warnings(&recorder, &HistoryRecorder::warning);
        recorder.open(db());
        recorder.setListPath("/lists/x.fly");
        QObject::connect(rig.view.get(), &QuizView::answerJudged, &recorder, &HistoryRecorder::record);
        rig.startQuiz(0);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));

        QCOMPARE(rig.view->session()->rightCount(), 3);
        QCOMPARE(warnings.count(), 1);
        QVERIFY(warnings.first().first().toString().startsWith("Study history is not being recorded: "));
        QFile::setPermissions(db(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void anOlderSchemaMigratesForwardAndANewerOneIsLeftAlone()
    {
        {
            RawDatabase raw(db());
            QVERIFY(raw.exec("CREATE TABLE lists (id INTEGER PRIMARY KEY, path TEXT UNIQUE)"));
            QVERIFY(raw.exec("CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, list_id INTEGER "
                             "NOT NULL, question TEXT NOT NULL, answer TEXT NOT NULL, mode INTEGER NOT NULL, correct "
                             "INTEGER NOT NULL, seconds REAL NOT NULL)"));
            QVERIFY(raw.exec("INSERT INTO lists VALUES (1, '/l.fly')"));
            const qint64 noon = QDateTime(QDate(2024, 3, 1), QTime(12, 0)).toSecsSinceEpoch();
            QVERIFY(raw.exec(QString("INSERT INTO answers VALUES (1, %1, 1, 'q', 'a', 0, 1, 4.0), (2, %1, 1, 'q', "
                                     "'a', 0, 0, 300.0), (3, %2, 1, 'r', 'b', 2, 1, 2.0)")
                                 .arg(noon)
                                 .arg(noon + 86400)));
            QVERIFY(raw.exec("PRAGMA user_version = 1"));
        }
        HistoryStore store;
        QVERIFY2(store.open(db()), qPrintable(store.lastError()));
        QCOMPARE(store.schemaVersion(), HistoryStore::SchemaVersion);
        const QVector<DayCount> days = store.listDays("/l.fly");
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].day, QDate(2024, 3, 1));
        QCOMPARE(days[0].answers, 2);
        QCOMPARE(days[0].right, 1);
        QCOMPARE(days[0].seconds, 4.0 + HistoryStore::StudySecondsCap);
        QVERIFY(store.record(answer("/l.fly", QDate(2024, 3, 2), "r", false, 1)));
        QCOMPARE(store.answerCount("/l.fly"), 4);

        const QString newer = m_dir.filePath("newer.sqlite");
        {
            RawDatabase raw(newer);
            QVERIFY(raw.exec("PRAGMA user_version = 99"));
        }
        HistoryStore refused;
        QVERIFY(!refused.open(newer));
        QVERIFY(refused.lastError().contains("newer"));
        QVERIFY(!refused.record(answer("/l.fly", QDate(2024, 3, 2), "r", true, 1)));
    }

    void saveAsTakesTheListsHistoryAlong()
    {
        FakeServices fakes;
        AppSettings settings(fakes.random);
        settings.setInstallPath(m_dir.path());
        QDir(m_dir.path()).mkpath("data");
        ListDocument doc(settings, fakes.services());
        doc.setQuizShown(false);
        PairList list;
        for (int i = 0; i < 5; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a");
        const QString oldPath = m_dir.filePath("data/Old.fly");
        QFile file(oldPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
        file.close();
        QVERIFY(doc.loadList(oldPath, ListDocument::OpenList));

        HistoryRecorder recorder;
        QVERIFY(recorder.open(db()));
        recorder.setListPath(oldPath);
        QObject::connect(&doc, &ListDocument::listRenamed, &recorder, &HistoryRecorder::listRenamed);
        recorder.record("q0", "a", 0, true, 3);
        const QString newPath = m_dir.filePath("data/New.fly");
        fakes.prompter.fileAnswers.append(newPath);
        doc.saveAs();

        QCOMPARE(recorder.listPath(), newPath);
        QCOMPARE(recorder.store().answerCount(newPath), 1);
        QCOMPARE(recorder.store().answerCount(oldPath), 0);
        recorder.record("q1", "a", 0, false, 3);
        QCOMPARE(recorder.store().answerCount(newPath), 2);
    }

    void theMainWindowShowsTheWarningOnceAndOpensTheStatistics()
    {
        FakeServices fakes;
        AppSettings settings(fakes.random);
        settings.setInstallPath(m_dir.path());
        const Services services = fakes.services();
        ListDocument doc(settings, services);
        doc.setQuizShown(false);
        MainWindow frame(doc, settings, services);
        HistoryCommands commands(frame, doc);
        QFile file(db());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();

        QVERIFY(!commands.openDatabase(db()));
        commands.recorder().setListPath("/l.fly");
        commands.recorder().record("q", "a", 0, true, 1);
        QCOMPARE(frame.pane(HistoryCommands::WarningPane)->text(), QString("History not recorded"));
        QVERIFY(frame.pane(HistoryCommands::WarningPane)->toolTip().startsWith("Study history is not being recorded"));

        int opened = 0;
        commands.setDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
        connect(&commands, &HistoryCommands::statisticsOpened, this, [&opened] { ++opened; });
        frame.execute(cmd::Statistics);
        QCOMPARE(opened, 1);
    }

    void theStatisticsWindowChartsAGeneratedHistory()
    {
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today(2024, 5, 20);
        // Four days in a row up to yesterday, plus one older day and one day of another list.
        for (int back = 1; back <= 4; ++back)
            for (int i = 0; i < back * 3; ++i)
                QVERIFY(store.record(answer("/l.fly", today.addDays(-back), "q", i % 3 != 0, 5)));
        QVERIFY(store.record(answer("/l.fly", today.addDays(-60), "q", true, 5)));
        QVERIFY(store.record(answer("/other.fly", today.addDays(-2), "z", true, 600)));
        PairList list;
        for (int i = 0; i < 14; ++i) {
            Pair& pair = list.pairs().emplace_back("q" + std::to_string(i), "a");
            pair.setRating(float(i) * 0.75f);
        }

        StatisticsWindow window(store, "/l.fly", "Capitals", &list, today);
        QCOMPARE(window.streakLabel()->text(), QString("Current streak: 4 days of study"));
        QCOMPARE(window.data().listDays.size(), 4); // the 60-day-old answer is outside the 30 days
        auto* answers = qobject_cast<QLineSeries*>(window.answersChart()->chart()->series().first());
        QVERIFY(answers);
        QCOMPARE(answers->count(), 30); // every day of the period, days without answers at 0
        QCOMPARE(answers->at(25).y(), 12.0); // four days ago
        QCOMPARE(window.data().allDays[2].seconds, 6 * 5.0 + HistoryStore::StudySecondsCap);
        QCOMPARE(window.weakestTable()->rowCount(), 10);
        QCOMPARE(window.weakestTable()->item(0, 0)->text(), QString("q0"));
        QCOMPARE(window.data().ratingBins.value(0), 1);

        window.setRange(StatisticsRange::All);
        QCOMPARE(window.data().listDays.size(), 5);
        for (QWidget* part : {static_cast<QWidget*>(window.answersChart()), static_cast<QWidget*>(window.ratingsChart()),
                              static_cast<QWidget*>(window.timeChart()), static_cast<QWidget*>(window.weakestTable())})
            QVERIFY(part->focusPolicy() & Qt::TabFocus);
        const QString png = m_dir.filePath("stats.png");
        QVERIFY(window.exportPng(png));
        QImage image(png);
        QVERIFY(image.width() > 400 && image.height() > 300);
    }

    // Whatever the counts, the value axes tick on whole numbers, so "%d" never repeats a label.
    void theStatisticsAxesCountInWholeNumbers_data()
    {
        QTest::addColumn<int>("answers");
        for (int answers : {0, 1, 3, 7, 12, 130, 1001})
            QTest::addRow("%d answers", answers) << answers;
    }
    void theStatisticsAxesCountInWholeNumbers()
    {
        QFETCH(int, answers);
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today(2024, 5, 20);
        for (int i = 0; i < answers; ++i)
            QVERIFY(store.record(answer("/l.fly", today.addDays(-1), "q", true, 5)));
        PairList list;
        for (int i = 0; i < 6; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a");
        StatisticsWindow window(store, "/l.fly", "Capitals", &list, today);
        int axes = 0;
        for (QChartView* view : {window.answersChart(), window.ratingsChart(), window.timeChart()}) {
            for (QAbstractAxis* abstract : view->chart()->axes(Qt::Vertical)) {
                auto* axis = qobject_cast<QValueAxis*>(abstract);
                if (!axis || axis->labelFormat() != "%d")
                    continue;
                ++axes;
                const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
                QVERIFY2(step >= 1 && step == std::floor(step), qPrintable(view->accessibleName()));
                QVERIFY(axis->tickCount() <= 7);
            }
        }
        QCOMPARE(axes, 3);
        QVERIFY(window.answersChart()->chart()->axes(Qt::Vertical).first()->property("max").toDouble() >= answers);
    }

    void theStatisticsWindowSaysWhenTheHistoryCannotBeRead()
    {
        QFile file(db());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        HistoryStore broken;
        QVERIFY(!broken.open(db()));
        StatisticsWindow unreadable(broken, "/l.fly", "Capitals", nullptr, QDate(2024, 5, 20));
        QVERIFY(unreadable.problemLabel()->isVisibleTo(&unreadable));
        QVERIFY(unreadable.problemLabel()->text().startsWith("The study history cannot be read"));

        QFile::remove(db());
        HistoryStore fine;
        QVERIFY(fine.open(db()));
        StatisticsWindow readable(fine, "/l.fly", "Capitals", nullptr, QDate(2024, 5, 20));
        QVERIFY(!readable.problemLabel()->isVisibleTo(&readable));
    }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
