// Timelines on virtual time: steps run in order between waits, steps a step adds come right after it, a
// cancel stops everything at once, and a sequence may end itself or be dropped from inside a step.
#include <QtTest>

#include "services/timeline.h"
#include "support/fakes.h"

using namespace brainlark;
using brainlark::testing::VirtualScheduler;

class TimelineTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsRunBetweenWaitsAndUnfoldInPlace()
    {
        VirtualScheduler scheduler;
        scheduler.eager = false;
        Timeline timeline(scheduler);
        QStringList log;
        bool finished = false;
        timeline.call([&] {
            log << "a";
            timeline.call([&] { log << "a1"; });
            timeline.wait(30);
            timeline.call([&] { log << "a2"; });
        });
        timeline.call([&] { log << "b"; });
        int frames = 0;
        timeline.frames([&] {
            log << QString("f%1").arg(frames);
            return ++frames < 3 ? 10 : Timeline::Finished;
        });
        timeline.start([&] { finished = true; });
        QCOMPARE(log, QStringList({"a", "a1"}));
        scheduler.advance(29);
        QCOMPARE(log.size(), 2);
        scheduler.advance(1);
        QCOMPARE(log, QStringList({"a", "a1", "a2", "b", "f0"}));
        QVERIFY(!finished);
        QCOMPARE(scheduler.settle(), 20);
        QCOMPARE(log.last(), QString("f2"));
        QVERIFY(finished);
        QVERIFY(!timeline.isRunning());
    }

    void cancelStopsEverythingAtOnce()
    {
        VirtualScheduler scheduler;
        scheduler.eager = false;
        Timeline timeline(scheduler);
        QStringList log;
        Timeline::Done soundEnds;
        timeline.waitFor([&](const Timeline::Done& done) { soundEnds = done; });
        timeline.call([&] { log << "after sound"; });
        timeline.wait(50);
        timeline.call([&] { log << "late"; });
        bool finished = false;
        timeline.start([&] { finished = true; });
        QVERIFY(timeline.isRunning());
        timeline.cancel();
        soundEnds(); // the sound ends after the cancel: nothing of the sequence runs
        scheduler.settle();
        QVERIFY(log.isEmpty());
        QVERIFY(!finished);

        // A step may cancel its own sequence, or start a new one in its place.
        timeline.call([&] {
            timeline.cancel();
            timeline.call([&] { log << "replacement"; });
            timeline.start();
        });
        timeline.call([&] { log << "never"; });
        timeline.start();
        scheduler.settle();
        QCOMPARE(log, QStringList({"replacement"}));
    }

    void aStepMayDeleteItsTimeline()
    {
        VirtualScheduler scheduler;
        auto timeline = std::make_unique<Timeline>(scheduler);
        int ran = 0;
        timeline->call([&] {
            ++ran;
            timeline.reset();
        });
        timeline->call([&] { ++ran; });
        timeline->start();
        QCOMPARE(ran, 1);
        QVERIFY(!timeline);
    }
};

QTEST_MAIN(TimelineTest)
#include "timeline_test.moc"
