// The study history: answers reach the database one per judged answer, a broken database leaves the quiz
// alone with one warning, older databases migrate, Save As takes the history along, and the statistics
// window charts a generated history.
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <numeric>
#include <QtTest>
#include <unistd.h>

#include "app/historycommands.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/flyarchive.h"
#include "history/historyrecorder.h"
#include "history/pairmemory.h"
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

        rig.clock.advanceMs(20000);
        QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.wrongBox()));
        rig.clock.advanceMs(15000);
        QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));

        QCOMPARE(recorder.store().answerCount("/lists/Capitals.fly"), 2);
        const QVector<DayCount> days = recorder.store().listDays("/lists/Capitals.fly");
        QCOMPARE(days.size(), 1);
        QCOMPARE(days[0].right, 1);
        RawDatabase raw(db());
        QSqlQuery rows(raw.db);
        QVERIFY(rows.exec("SELECT question, correct, seconds FROM answers ORDER BY id"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toString(), asked);
        QCOMPARE(rows.value(1).toInt(), 0);
        QVERIFY(rows.next());
        QCOMPARE(rows.value(1).toInt(), 1);
        // Both answers' times run from the question's showing; the question's time is studied once.
        const double lastSeconds = rows.value(2).toDouble();
        QVERIFY(lastSeconds >= 35);
        QCOMPARE(days[0].seconds, lastSeconds);
    }

    void aBrokenDatabaseLeavesTheQuizWorking_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("corrupt file") << "corrupt" << "is not a history database";
        QTest::newRow("read-only file") << "read-only" << "cannot be written";
        QTest::newRow("read-only folder") << "read-only folder" << "the folder";
    }
    void aBrokenDatabaseLeavesTheQuizWorking()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        if (damage.startsWith("read-only") && ::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        if (damage == "corrupt") {
            QFile file(db());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else {
            HistoryStore prepared;
            QVERIFY(prepared.open(db()));
        }
        if (damage == "read-only")
            QFile::setPermissions(db(), QFileDevice::ReadOwner);
        if (damage == "read-only folder")
            QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        QuizRig rig;
        HistoryRecorder recorder;
        QSignalSpy warnings(&recorder, &HistoryRecorder::warning);
        recorder.open(db());
        recorder.setListPath("/lists/x.fly");
        QObject::connect(rig.view.get(), &QuizView::answerJudged, &recorder, &HistoryRecorder::record);
        rig.startQuiz(0);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));

        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(db(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(rig.view->session()->rightCount(), 3);
        QCOMPARE(warnings.count(), 1);
        const QString text = warnings.first().first().toString();
        QVERIFY2(text.startsWith("Study history is not being recorded: ") && text.contains(reason), qPrintable(text));
    }

    // Another program holding the database (at start-up or later) only delays the answers: they wait in
    // memory, are written once it lets go, and the warning goes with them.
    void aLockedDatabaseKeepsTheAnswersUntilItCanTakeThem_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("locked at start") << true;
        QTest::newRow("locked while studying") << false;
    }
    void aLockedDatabaseKeepsTheAnswersUntilItCanTakeThem()
    {
        QFETCH(bool, atStart);
        {
            HistoryStore prepared;
            QVERIFY(prepared.open(db()));
        }
        HistoryRecorder recorder;
        QSignalSpy warnings(&recorder, &HistoryRecorder::warning);
        QSignalSpy cleared(&recorder, &HistoryRecorder::warningCleared);
        recorder.setListPath("/lists/x.fly");
        auto holder = std::make_unique<RawDatabase>(db());
        // Without the write-ahead log an exclusive lock keeps readers out as well.
        QVERIFY(holder->exec(atStart ? "PRAGMA journal_mode=DELETE" : "PRAGMA journal_mode=WAL"));
        if (!atStart)
            QVERIFY(recorder.open(db()));
        QVERIFY(holder->exec("BEGIN EXCLUSIVE"));
        QVERIFY(holder->exec("INSERT INTO lists (path) VALUES ('/lists/other.fly')"));
        if (atStart)
            QVERIFY(!recorder.open(db()));
        for (int i = 0; i < 3; ++i)
            recorder.record("q", "a", 0, true, 2);

        QCOMPARE(recorder.waitingCount(), 3);
        QVERIFY(!warnings.isEmpty());
        QVERIFY(warnings.last().at(1).toBool());
        QVERIFY2(warnings.last().at(0).toString().contains("locked by another program"),
                 qPrintable(warnings.last().at(0).toString()));
        QVERIFY(holder->exec("COMMIT"));
        holder.reset();
        recorder.retry();

        QCOMPARE(recorder.waitingCount(), 0);
        QCOMPARE(recorder.store().answerCount("/lists/x.fly"), 3);
        QCOMPARE(cleared.count(), 1);
        recorder.record("q", "a", 0, true, 2);
        QCOMPARE(recorder.store().answerCount("/lists/x.fly"), 4);
    }

    // A database that is not ours, or of a newer version, is refused before anything is written to it.
    void aRefusedDatabaseIsLeftAsItWas_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("reason");
        QTest::newRow("newer version") << QStringList{"CREATE TABLE lists (id INTEGER PRIMARY KEY)",
                                                      "CREATE TABLE answers (id INTEGER PRIMARY KEY)",
                                                      "PRAGMA user_version = 99"}
                                       << "newer version";
        QTest::newRow("another program's tables") << QStringList{"CREATE TABLE notes (id INTEGER PRIMARY KEY)"}
                                                  << "another program";
        QTest::newRow("a version without our tables")
            << QStringList{"CREATE TABLE notes (id INTEGER PRIMARY KEY)", "PRAGMA user_version = 1"}
            << "another program";
    }
    void aRefusedDatabaseIsLeftAsItWas()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, reason);
        {
            RawDatabase raw(db());
            for (const QString& statement : setup)
                QVERIFY(raw.exec(statement));
        }
        QFile file(db());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        HistoryStore store;
        QVERIFY(!store.open(db()));
        QVERIFY2(store.lastError().contains(reason), qPrintable(store.lastError()));
        QVERIFY(!store.record(answer("/l.fly", QDate(2024, 3, 2), "r", true, 1)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY(!QFile::exists(db() + "-wal"));
    }

    // A pair's memory comes from its first answers only, each graded as the quiz grades it, and is kept
    // under its texts: sorting and Save As keep it, editing its texts starts it afresh.
    void thePairsMemoryFollowsTheirFirstAnswers()
    {
        HistoryRecorder recorder;
        QVERIFY(recorder.open(db()));
        HistoryStore& store = recorder.store();
        const QDate today = QDate::currentDate();
        const auto at = [&](int daysBack, const QString& question, bool right, double seconds, bool first) {
            AnswerRecord record = answer("/l.fly", today.addDays(-daysBack), question, right, seconds);
            record.firstTry = first;
            QVERIFY(store.record(record));
        };
        // "q0": wrong, then right at the same showing (one review, Again), Good four days later.
        at(10, "q0", false, 5, true);
        at(10, "q0", true, 9, false);
        at(6, "q0", true, 4, true);
        // "q1": Good once, long ago; "q2": Good yesterday, not due yet.
        at(30, "q1", true, 3, true);
        at(1, "q2", true, 3, true);

        PairMemory memory(store);
        HistoryDueSource source(memory);
        source.setListPath("/l.fly");
        PairList list;
        for (const char* question : {"q0", "q1", "q2", "q3"})
            list.pairs().emplace_back(question, "a");
        const int64_t day = HistoryStore::dayNumber(today);
        const FsrsScheduler scheduler;
        ReviewStep q0 = scheduler.review({}, day - 10, ReviewGrade::Again);
        q0 = scheduler.review(q0.schedule, day - 6, ReviewGrade::Good);
        const ReviewStep q1 = scheduler.review({}, day - 30, ReviewGrade::Good);
        const auto dueIndices = [&] {
            std::map<std::string, PairSchedule> due;
            for (const DuePair& pair : source.duePairs(list, day))
                due[std::string(list.pairs()[size_t(pair.index)].question())] = pair.schedule;
            return due;
        };
        std::map<std::string, PairSchedule> due = dueIndices();
        QCOMPARE(due.size(), size_t(2));
        QCOMPARE(due["q0"].reviews, 2);
        QCOMPARE(due["q0"].memory.stability, q0.schedule.memory.stability);
        QCOMPARE(due["q0"].memory.difficulty, q0.schedule.memory.difficulty);
        QCOMPARE(due["q1"].dueDay, q1.schedule.dueDay);
        QCOMPARE(source.nextDueDay(day),
                 std::optional<int64_t>(day - 1 + scheduler.review({}, 0, ReviewGrade::Good).interval));

        std::reverse(list.pairs().begin(), list.pairs().end());
        due = dueIndices();
        QCOMPARE(due.size(), size_t(2));
        QCOMPARE(due["q0"].reviews, 2);
        QCOMPARE(due["q1"].reviews, 1);

        recorder.setListPath("/l.fly");
        recorder.listRenamed("/l.fly", "/renamed.fly");
        source.setListPath("/renamed.fly");
        QCOMPARE(dueIndices()["q0"].memory.stability, q0.schedule.memory.stability);

        list.pairs()[3] = Pair("q0 edited", "a"); // was "q0" after the reverse
        QCOMPARE(dueIndices().count("q0 edited"), size_t(0));
        QCOMPARE(dueIndices().size(), size_t(1));
    }

    // Answers given after the memory was cached are folded in on the next look, with the same result as
    // a memory derived afresh; the grade of a right choice depends on its time against the list's median.
    void theCachedMemoryCatchesUpWithNewAnswers()
    {
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today = QDate::currentDate();
        PairMemory memory(store);
        for (int i = 0; i < 12; ++i)
            QVERIFY(store.record(answer("/l.fly", today.addDays(-20), QString("p%1").arg(i), true, 4)));
        QVERIFY(memory.update("/l.fly"));
        // With the median at 4 s, 1 s is Easy and 9 s Hard.
        QVERIFY(store.record(answer("/l.fly", today.addDays(-3), "p0", true, 1)));
        QVERIFY(store.record(answer("/l.fly", today.addDays(-3), "p1", true, 9)));
        QVERIFY(memory.update("/l.fly"));
        const auto cached = memory.schedules("/l.fly");
        const FsrsScheduler scheduler;
        const int64_t day = HistoryStore::dayNumber(today);
        const PairSchedule first = scheduler.review({}, day - 20, ReviewGrade::Good).schedule;
        QCOMPARE(cached.at(PairMemory::key("p0", "a")).memory.stability,
                 scheduler.review(first, day - 3, ReviewGrade::Easy).schedule.memory.stability);
        QCOMPARE(cached.at(PairMemory::key("p1", "a")).memory.stability,
                 scheduler.review(first, day - 3, ReviewGrade::Hard).schedule.memory.stability);

        {
            RawDatabase raw(db());
            QVERIFY(raw.exec("DELETE FROM pair_states"));
            QVERIFY(raw.exec("DELETE FROM list_states"));
        }
        QVERIFY(memory.update("/l.fly"));
        const auto afresh = memory.schedules("/l.fly");
        QCOMPARE(afresh.size(), cached.size());
        for (const auto& [key, schedule] : cached) {
            QCOMPARE(afresh.at(key).memory.stability, schedule.memory.stability);
            QCOMPARE(afresh.at(key).dueDay, schedule.dueDay);
        }
    }

    // The selection Due asks the pairs due today from the history, says why, and when nothing more is due
    // says when the next one is and offers to go on with Smart Pick.
    void theSelectionDueAsksTheDuePairsThenOffersSmartPick()
    {
        QuizRig rig;
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today = QDateTime::fromSecsSinceEpoch(rig.clock.wallSeconds()).date();
        for (int i = 0; i < 3; ++i) { // two pairs fell due days ago, the third is due in a few days
            AnswerRecord record = answer("/lists/x.fly", today.addDays(i < 2 ? -10 - i : -1),
                                         QString("Question %1").arg(i + 1), true, 3);
            record.answer = QString("Answer %1").arg(i + 1);
            QVERIFY(store.record(record));
        }
        PairMemory memory(store);
        HistoryDueSource source(memory);
        source.setListPath("/lists/x.fly");
        rig.view->setDueSource(&source);
        QSignalSpy reasons(rig.view.get(), &QuizView::questionReasonChanged);
        rig.settings.setQuestionSelectionMode(int(SelectionMode::Due));
        rig.startQuiz(0);

        QStringList asked;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(rig.view->screen().hasQuestion());
            asked << QString::fromStdString(std::string(rig.askedPair().question()));
            QVERIFY2(reasons.last().at(0).toString().startsWith("Due since"),
                     qPrintable(reasons.last().at(0).toString()));
            QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
        }
        QCOMPARE(asked, QStringList({"Question 2", "Question 1"})); // the longer overdue first
        QVERIFY(!rig.view->screen().hasQuestion());
        rig.prompter.messageAnswers = {Prompter::Yes};
        QTRY_COMPARE(rig.prompter.messages.size(), 1);
        QVERIFY2(rig.prompter.messages[0].text.startsWith(
                     "Nothing more is due in this list today; the next pair is due on "),
                 qPrintable(rig.prompter.messages[0].text));
        QTRY_VERIFY(rig.view->screen().hasQuestion());
        QVERIFY(reasons.last().at(0).toString().startsWith("Rating"));
    }

    // A long history of the first version is upgraded on a thread of its own, in steps that keep the
    // write-ahead log small; answers given meanwhile wait and are written after it.
    void anOldHistoryIsUpgradedBesideTheQuiz()
    {
        const int answers = 2 * HistoryStore::UpgradeBatch + 7;
        {
            RawDatabase raw(db());
            QVERIFY(raw.exec("CREATE TABLE lists (id INTEGER PRIMARY KEY, path TEXT UNIQUE)"));
            QVERIFY(raw.exec("CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, list_id INTEGER "
                             "NOT NULL, question TEXT NOT NULL, answer TEXT NOT NULL, mode INTEGER NOT NULL, correct "
                             "INTEGER NOT NULL, seconds REAL NOT NULL)"));
            QVERIFY(raw.exec("INSERT INTO lists VALUES (1, '/l.fly')"));
            const qint64 noon = QDateTime(QDate(2024, 3, 1), QTime(12, 0)).toSecsSinceEpoch();
            QVERIFY(raw.exec(QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                     "INSERT INTO answers SELECT i, %2 + (i % 3) * 86400, 1, 'question ' || i, "
                                     "'answer', 0, i % 2, 3.0 FROM n")
                                 .arg(answers)
                                 .arg(noon)));
            QVERIFY(raw.exec("PRAGMA user_version = 1"));
        }
        HistoryRecorder recorder;
        QSignalSpy progress(&recorder, &HistoryRecorder::upgradeProgress);
        recorder.setListPath("/l.fly");
        QVERIFY(recorder.open(db()));
        QVERIFY(recorder.upgrading());
        recorder.record("q", "a", 0, true, 2);
        QCOMPARE(recorder.waitingCount(), 1);
        recorder.waitForUpgrade();

        QVERIFY(recorder.store().isOpen());
        QCOMPARE(recorder.store().schemaVersion(), HistoryStore::SchemaVersion);
        QCOMPARE(recorder.store().answerCount("/l.fly"), answers + 1);
        QCOMPARE(recorder.store().listDays("/l.fly", QDate(2024, 3, 1)).value(1).answers, (answers + 2) / 3);
        QVERIFY(QFileInfo(db() + "-wal").size() < 1024 * 1024);
        QCoreApplication::processEvents();
        QVERIFY(progress.count() >= 2);
        QCOMPARE(progress.last().first().toInt(), 100);
    }

    void anOlderSchemaMigratesForward()
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

        // The picture is named after the list and holds the charts and the whole table, even from a small
        // window whose table scrolls.
        QCOMPARE(QFileInfo(window.suggestedPngPath()).fileName(), QString("Capitals - statistics.png"));
        QVERIFY(QFileInfo(window.suggestedPngPath()).isAbsolute());
        window.resize(560, 380);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString png = m_dir.filePath("stats.png");
        QVERIFY(window.exportPng(png));
        QImage image(png);
        const int wholeTable = window.weakestTable()->verticalHeader()->length() +
                               window.weakestTable()->horizontalHeader()->height();
        QVERIFY2(image.height() >= window.timeChart()->minimumHeight() + wholeTable,
                 qPrintable(QString::number(image.height())));
        QVERIFY(image.width() > 400);
    }

    // The selector's due counts cover every list, also those studied without the selection Due, once
    // their new answers are folded in.
    void theDueCountsOfAllListsCatchUpWithTheirAnswers()
    {
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today = QDate::currentDate();
        QVERIFY(store.record(answer("/a.fly", today.addDays(-20), "overdue", true, 3)));
        QVERIFY(store.record(answer("/a.fly", today, "tomorrow", false, 3)));
        AnswerRecord typed = answer("/b.fly", today.addDays(-20), "overdue", true, 3);
        typed.mode = 2; // no timed answers in this list
        QVERIFY(store.record(typed));
        PairMemory memory(store);
        QCOMPARE(store.listsBehind().size(), 2);
        memory.updateAll();
        QVERIFY(store.listsBehind().isEmpty());
        const QHash<QString, DueCount> counts = store.dueCounts(today);
        QCOMPARE(counts.value("/a.fly").today, 1);
        QCOMPARE(counts.value("/a.fly").week, 2);
        QCOMPARE(counts.value("/b.fly").today, 1);
        QVERIFY(store.record(answer("/b.fly", today, "overdue", true, 3)));
        QCOMPARE(store.listsBehind(), QStringList({"/b.fly"}));
    }

    // The forecast counts the pairs falling due on each of the next 30 days (the overdue ones today); the
    // true retention counts the questions' first answers only.
    void theStatisticsForecastAndTrueRetention()
    {
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today(2024, 5, 20);
        const auto record = [&](int daysBack, const QString& question, bool right, bool first) {
            AnswerRecord r = answer("/l.fly", today.addDays(-daysBack), question, right, 3);
            r.firstTry = first;
            QVERIFY(store.record(r));
        };
        record(10, "long overdue", true, true);
        record(1, "known", true, true);
        record(1, "missed", false, true);
        record(1, "missed", true, false); // a further try: no review
        record(2, "deleted since", true, true);
        PairMemory memory(store);
        QVERIFY(memory.update("/l.fly"));
        PairList list;
        QVector<int> expected(StatisticsData::ForecastDays, 0);
        const auto schedules = memory.schedules("/l.fly");
        for (const char* question : {"long overdue", "known", "missed", "new"}) {
            list.pairs().emplace_back(question, "a");
            const auto found = schedules.find(PairMemory::key(question, "a"));
            if (found != schedules.end())
                ++expected[int(std::max<qint64>(0, found->second.dueDay - HistoryStore::dayNumber(today)))];
        }

        StatisticsWindow window(store, "/l.fly", "Capitals", &list, today);
        QCOMPARE(window.data().forecast, expected);
        QCOMPARE(std::accumulate(expected.begin(), expected.end(), 0), 3);
        QVERIFY(expected[0] >= 1); // the long overdue pair
        int reviews = 0;
        int right = 0;
        for (const WeekCount& week : window.data().reviewWeeks) {
            QCOMPARE(week.week.dayOfWeek(), 1);
            reviews += week.reviews;
            right += week.right;
        }
        QCOMPARE(reviews, 4);
        QCOMPARE(right, 3);
        auto* retention = qobject_cast<QLineSeries*>(window.retentionChart()->chart()->series().first());
        QVERIFY(retention && retention->count() == window.data().reviewWeeks.size());
    }

    // However few days hold answers and whatever the period, each day with answers is drawn as a mark that
    // can be seen, in both charts of days.
    void aSingleDayOfStudyIsDrawnVisibly_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("daysBack");
        QTest::newRow("30 days, yesterday") << int(StatisticsRange::Last30Days) << 1;
        QTest::newRow("All, today") << int(StatisticsRange::All) << 0;
        QTest::newRow("All, a year ago") << int(StatisticsRange::All) << 365;
    }
    void aSingleDayOfStudyIsDrawnVisibly()
    {
        QFETCH(int, range);
        QFETCH(int, daysBack);
        HistoryStore store;
        QVERIFY(store.open(db()));
        const QDate today(2024, 5, 20);
        for (int i = 0; i < 4; ++i)
            QVERIFY(store.record(answer("/l.fly", today.addDays(-daysBack), "q", i != 0, 30)));
        StatisticsWindow window(store, "/l.fly", "Capitals", nullptr, today);
        window.setRange(static_cast<StatisticsRange>(range));
        window.resize(1000, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto pixelsNear = [](QChartView* view, const QColor& colour) {
            const QImage image = view->grab().toImage().copy(view->chart()->plotArea().toRect());
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) < 60;
                }
            return count;
        };
        QVERIFY(pixelsNear(window.answersChart(), QColor(0x2e, 0x9e, 0x4f)) >= 30); // the accuracy
        QVERIFY(pixelsNear(window.timeChart(), QColor(0xd0, 0x7a, 0x1c)) >= 30); // the minutes
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
        for (QChartView* view :
             {window.answersChart(), window.ratingsChart(), window.timeChart(), window.forecastChart()}) {
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
        QCOMPARE(axes, 4);
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
