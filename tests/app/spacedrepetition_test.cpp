// Spaced repetition in the program: the desired retention from Options sets the due days and the statistics'
// line, "Fit to my history..." fits the weights to the history and the scheduler uses them, pairs deleted
// from a list are no longer counted as due, Export as PNG asks through the program's file chooser, and the
// reason pane shows the recall chance however narrow it is.
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QtTest>
#include <random>

#include "app/historycommands.h"
#include "app/statuspane.h"
#include "history/statisticswindow.h"
#include "history/weightsfitdialog.h"
#include "quiz/scheduling/fsrsmodel.h"
#include "support/framefixture.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

AnswerRecord typedAnswer(const QString& list, const QDate& day, const QString& question,
                         const QString& answer, bool right)
{
    // Typed answers grade right as Good and wrong as Again, whatever their time.
    return {QDateTime(day, QTime(12, 0)).toSecsSinceEpoch(), list, question, answer, 2, right, 3};
}

// A learner who forgets faster than the default weights expect: `pairs` pairs of `reviews` typed reviews
// each, 1 to 20 days apart, recalled with the chance that learner's memory gives. Returns each pair's days
// and grades as the history will grade them.
std::vector<std::vector<PairReview>> recordForgetfulLearner(HistoryStore& store, const QString& list,
                                                            int pairs, int reviews, const QDate& today)
{
    FsrsWeights truth = FsrsWeights::defaults();
    truth.w[2] = 0.6;
    truth.w[8] = 0.8;
    std::mt19937 random(20260131);
    const auto uniform = [&random] { return double(random() >> 5) / double(1u << 27); };
    QVector<AnswerRecord> answers;
    std::vector<std::vector<PairReview>> graded(static_cast<size_t>(pairs));
    for (int p = 0; p < pairs; ++p) {
        QDate day = today.addDays(-400);
        fsrs::State<double> state = fsrs::firstReview(truth.w, 3);
        for (int i = 0; i < reviews; ++i) {
            const int elapsed = i == 0 ? 0 : 1 + int(random() % 20);
            day = day.addDays(elapsed);
            const bool recalled =
                i == 0 || uniform() < fsrs::retrievability(truth.w, elapsed, state.stability);
            if (i > 0)
                state = fsrs::nextReview(truth.w, state, elapsed, recalled ? 3 : 1);
            answers.push_back(typedAnswer(list, day, QString("q%1").arg(p), "a", recalled));
            graded[size_t(p)].push_back(
                {HistoryStore::dayNumber(day), recalled ? ReviewGrade::Good : ReviewGrade::Again});
        }
    }
    if (!store.recordAll(answers))
        qWarning("the reviews were not recorded: %s", qPrintable(store.lastError()));
    return graded;
}

} // namespace

class SpacedRepetitionTest : public FrameFixture
{
    Q_OBJECT

private:
    std::unique_ptr<HistoryCommands> m_commands;
    QString m_list;
    QDate m_today;

    HistoryStore& store() { return m_commands->recorder().store(); }
    PairMemory& memory() { return m_commands->pairMemory(); }
    DueCount dueCount()
    {
        memory().updateAll();
        return store().dueCounts(m_today).value(m_list);
    }

private slots:
    void init()
    {
        resetSettings({"data"});
        makeFrame();
        m_commands = std::make_unique<HistoryCommands>(*m_frame, *m_doc);
        QVERIFY(m_commands->openDatabase(m_dir.filePath("history.sqlite")));
        m_list = writeList(m_dir.filePath("data/Capitals.fly"), 3);
        QVERIFY(m_doc->loadList(m_list, ListDocument::OpenList));
        m_today = QDate::currentDate();
    }
    void cleanup()
    {
        m_commands.reset();
        dropFrame();
        QFile::remove(m_dir.filePath("history.sqlite"));
    }

    // The due day of a pair follows the desired retention as the scheduler reckons it, and the statistics
    // draw the retention aimed at.
    void theDesiredRetentionSetsTheDueDaysAndTheStatisticsLine()
    {
        QVERIFY(store().record(typedAnswer(m_list, m_today.addDays(-20), "q0", "a0", true)));
        const int64_t reviewed = HistoryStore::dayNumber(m_today.addDays(-20));
        const auto dueDay = [&](int percent) {
            m_settings->setDesiredRetentionPercent(percent);
            memory().update(m_list);
            return memory().schedules(m_list).at(PairMemory::key("q0", "a0")).dueDay;
        };
        for (int percent : {90, 80, 97, 90}) {
            const FsrsScheduler scheduler(FsrsWeights::defaults(), percent / 100.0);
            QCOMPARE(dueDay(percent), scheduler.review({}, reviewed, ReviewGrade::Good).schedule.dueDay);
        }
        QVERIFY(dueDay(80) > dueDay(97));

        m_settings->setDesiredRetentionPercent(80);
        QStringList lines;
        m_commands->setDialogRunner([&lines](QDialog& dialog) {
            for (QAbstractSeries* series :
                 static_cast<StatisticsWindow&>(dialog).retentionChart()->chart()->series())
                lines << series->name();
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::Statistics);
        QVERIFY2(lines.contains("Desired retention 80 %"), qPrintable(lines.join(", ")));
    }

    // Options' "Fit to my history..." fits the weights once the history holds 1,000 reviews and the
    // scheduler then derives the pairs' memory with them; with fewer it says how many there are.
    void theFitFromOptionsIsUsedOnceTheHistoryHoldsEnoughReviews_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QString>("says");
        QTest::newRow("600 reviews") << 100 << "Your study history holds 600 reviews";
        QTest::newRow("3,000 reviews")
            << 500 << "The fitted weights predict your answers better and are used";
    }
    void theFitFromOptionsIsUsedOnceTheHistoryHoldsEnoughReviews()
    {
        QFETCH(int, pairs);
        QFETCH(QString, says);
        const std::vector<std::vector<PairReview>> reviews =
            recordForgetfulLearner(store(), m_list, pairs, 6, m_today);
        m_frame->setDialogRunner([](QDialog& sheet) {
            sheet.findChild<QPushButton*>("fitWeights")->click();
            return int(QDialog::Rejected);
        });
        QString message;
        std::optional<FsrsWeights> fitted;
        m_commands->setDialogRunner([&](QDialog& dialog) {
            auto& fit = static_cast<WeightsFitDialog&>(dialog);
            fit.waitForFit();
            message = fit.messageLabel()->text();
            if (fit.weightsUsed())
                fitted = fit.report().weights;
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::Options);
        QVERIFY2(message.contains(says), qPrintable(message));
        QCOMPARE(memory().fittedWeights().has_value(), fitted.has_value());
        if (!fitted) {
            QVERIFY(message.contains("at least 1,000"));
            return;
        }
        QCOMPARE(*memory().fittedWeights(), *fitted);
        QVERIFY(*fitted != FsrsWeights::defaults());
        // The memory is derived afresh with the fitted weights.
        QVERIFY(memory().update(m_list));
        const FsrsScheduler scheduler(*fitted);
        PairSchedule expected;
        for (const PairReview& review : reviews[0])
            expected = scheduler.review(expected, review.day, review.grade).schedule;
        const PairSchedule cached = memory().schedules(m_list).at(PairMemory::key("q0", "a"));
        QCOMPARE(cached.reviews, 6);
        QCOMPARE(cached.memory.stability, expected.memory.stability);
        QCOMPARE(cached.dueDay, expected.dueDay);
    }

    // The selector's due counts leave out pairs the list no longer has, and count them again once they are
    // back.
    void pairsDeletedFromTheListAreNotCountedAsDue()
    {
        for (int i = 0; i < 3; ++i)
            QVERIFY(store().record(typedAnswer(m_list, m_today.addDays(-30), QString("q%1").arg(i),
                                               QString("a%1").arg(i), true)));
        QCOMPARE(dueCount().today, 3);
        writeList(m_list, 2); // "q2" deleted
        QVERIFY(m_doc->loadList(m_list, ListDocument::OpenList));
        QCOMPARE(dueCount().today, 2);
        QCOMPARE(dueCount().week, 2);
        writeList(m_list, 3);
        QVERIFY(m_doc->loadList(m_list, ListDocument::OpenList));
        QCOMPARE(dueCount().today, 3);
    }

    // Export as PNG asks where through the program's file chooser, suggesting a name after the list.
    void exportAsPngAsksThroughTheProgramsFileChooser()
    {
        const QString png = m_dir.filePath("chosen.png");
        m_prompter.fileAnswers = {png};
        m_commands->setDialogRunner([](QDialog& dialog) {
            static_cast<StatisticsWindow&>(dialog).exportButton()->click();
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::Statistics);
        QCOMPARE(m_prompter.fileRequests.size(), 1);
        QVERIFY(m_prompter.fileRequests[0].save);
        QVERIFY2(m_prompter.fileRequests[0].folderOrPath.endsWith("/Capitals - statistics.png"),
                 qPrintable(m_prompter.fileRequests[0].folderOrPath));
        QVERIFY(!QImage(png).isNull());
    }

    // A reason too long for the first pane is shortened in its middle: the recall chance and its "%" show.
    void theReasonPaneShowsTheRecallChanceWhenItIsNarrow()
    {
        const QString reason = "Due since 1234 days, recall chance 71 %";
        m_frame->setPaneText(HistoryCommands::ReasonPane, reason);
        auto* pane = qobject_cast<StatusPane*>(m_frame->pane(HistoryCommands::ReasonPane));
        QVERIFY(pane);
        QVERIFY(pane->fontMetrics().horizontalAdvance(reason) > pane->contentsRect().width());
        const QString shown = pane->shownText();
        QVERIFY2(shown.startsWith("Due") && shown.endsWith("71 %"), qPrintable(shown));
        QVERIFY(pane->fontMetrics().horizontalAdvance(shown) < pane->contentsRect().width());
        QCOMPARE(pane->text(), reason);
        m_frame->setPaneText(HistoryCommands::ReasonPane, "Due today");
        QCOMPARE(pane->shownText(), QString("Due today"));
    }
};

QTEST_MAIN(SpacedRepetitionTest)
#include "spacedrepetition_test.moc"
