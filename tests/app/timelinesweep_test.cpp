// Input at every moment of every sequence. Each scenario starts a sequence on the real window with time on
// a virtual clock; a learner's key, click, Escape, command, drop, resize or close arrives at a step
// boundary or in the middle of a wait; then time runs out. One test per invariant over the whole sweep.
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/flyarchive.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/ui/listtext.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

enum class Scenario { Right, WrongWithCard, TransitionAndEntry, Banner, AutoAnswer, MatchRound, ShowAuto, ShowManual };
enum class Act { Key1, ClickBox, Escape, EnterKey, StartCommand, Drop, Resize, Close };

const char* const ScenarioNames[] = {"right",  "wrong+card", "transition+entry", "banner",
                                     "reveal", "match round", "show auto",       "show manual"};
const char* const ActNames[] = {"key 1", "click", "Escape", "Enter", "Start", "drop", "resize", "close"};

struct Outcome {
    QString name;
    int unshownAnswers = 0;     // answers judged for a question that was not the one at rest on screen
    bool restsAtEnd = true;      // the screen came to rest in a state the program can leave
    bool stateAgrees = true;     // slideshow flag, screen state and toolbar picture agree
    bool paintedAfterStop = false; // a stopped sequence left something of it on the screen
    int judged = 0;
    int onDisk = -1;             // answers in the file after a close (−1: not closed)
};

struct Run {
    QuizRig rig{8};
    std::unique_ptr<ListDocument> doc;
    std::unique_ptr<MainWindow> frame;
    QuizView* view = nullptr;
    QString path;
    QString restingQuestion;
    Outcome out;

    Run(Scenario scenario)
    {
        doc = std::make_unique<ListDocument>(rig.settings, rig.services);
        frame = std::make_unique<MainWindow>(*doc, rig.settings, rig.services);
        view = wireQuizView(*doc, rig.settings, rig.services, *frame);
        QDir(rig.folder.path()).mkpath("data");
        path = writeList(rig.folder.path() + "/data/Sweep.fly", 8);
        doc->loadList(path, ListDocument::OpenList);
        QObject::connect(view, &QuizView::answerJudged, [this](const QString& question, const QString&, int mode) {
            ++out.judged;
            if (mode != 3 && question != restingQuestion)
                ++out.unshownAnswers;
        });
        QObject::connect(view, &QuizView::settled, [this] { noteRest(); });
        auto& s = rig.settings;
        s.setQuizMode(scenario == Scenario::MatchRound ? 3 : 0);
        if (scenario == Scenario::WrongWithCard) {
            s.setFunFlag(funflags::kReminderCard, true);
            s.setFunFlag(funflags::kContinueAfterWrong, true);
        }
        if (scenario == Scenario::TransitionAndEntry) {
            s.setFunFlag(funflags::kTransition, true);
            s.setFunFlag(funflags::kAnimateQuestion, true);
        }
        if (scenario == Scenario::Banner)
            s.setAlertFactor(1);
        s.setSlideshowDelay(scenario == Scenario::ShowManual ? -2 : 1);
        s.setFunFlag(funflags::kSlideAnimations, true);
        s.setFunFlag(funflags::kSlideShowTitle, true);
        view->start();
        noteRest();
        rig.scheduler.eager = false;
        trigger(scenario);
    }

    void noteRest()
    {
        if (view->session() && view->screen().hasQuestion())
            restingQuestion = ListText::toQString(view->session()->current().questionPair().question());
    }

    // The box holding the right answer, or one holding a wrong one.
    int answerBox(bool right) const
    {
        const QuizQuestion& q = view->session()->current();
        for (int i = 0; i < q.choiceCount(); ++i)
            if ((q.choices()[size_t(i)].shownAnswer() == q.questionPair().shownAnswer()) == right)
                return i;
        return 0;
    }

    QPoint box(int i) const
    {
        const Rect r = view->screen().answer(i).rect();
        return QPoint(r.center().x, r.center().y);
    }

    void trigger(Scenario scenario)
    {
        switch (scenario) {
        case Scenario::Right:
        case Scenario::TransitionAndEntry:
        case Scenario::Banner:
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, box(answerBox(true)));
            break;
        case Scenario::WrongWithCard:
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, box(answerBox(false)));
            break;
        case Scenario::AutoAnswer:
            rig.settings.setShowHint(true);
            frame->show();
            view->showAutomaticAnswer();
            break;
        case Scenario::MatchRound: {
            const Rect skip = view->matchScreen().layout().skipButton();
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(skip.center().x, skip.center().y));
            break;
        }
        case Scenario::ShowAuto:
        case Scenario::ShowManual:
            frame->execute(cmd::Slideshow);
            break;
        }
    }

    void act(Act what)
    {
        switch (what) {
        case Act::Key1:
            QTest::keyClick(view, Qt::Key_1);
            break;
        case Act::ClickBox:
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(view->width() / 2, view->height() / 2));
            break;
        case Act::Escape:
            QTest::keyClick(view, Qt::Key_Escape);
            break;
        case Act::EnterKey:
            QTest::keyClick(view, Qt::Key_Return);
            break;
        case Act::StartCommand:
            frame->execute(cmd::Start);
            break;
        case Act::Drop: {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(writeList(rig.folder.path() + "/data/Other.fly", 9))});
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(frame.get(), &drop);
            QCoreApplication::processEvents();
            break;
        }
        case Act::Resize:
            view->resize(view->width() - 37, view->height() - 23);
            break;
        case Act::Close:
            frame->close();
            break;
        }
    }

    void finish(Act what)
    {
        const bool stopping = what == Act::Escape || what == Act::Close;
        rig.scheduler.settle();
        QCoreApplication::processEvents();
        rig.scheduler.settle();
        // What the screen shows at the end is the screen at rest, with nothing of a stopped sequence on it.
        const QImage atEnd = view->backBuffer().copy();
        view->render();
        out.paintedAfterStop = stopping && view->backBuffer() != atEnd;
        out.restsAtEnd = view->activity() == Activity::Resting || view->activity() == Activity::ShowResting;
        const bool showing = frame->slideshowRunning();
        out.stateAgrees = showing == (view->screenState() == ScreenState::Slideshow) &&
                          showing == (view->activity() == Activity::ShowResting) &&
                          frame->action(cmd::Slideshow)->property("slideshowRunning").toBool() == showing;
        if (what == Act::Close) {
            frame.reset();
            doc.reset();
            PairList saved;
            if (FlyArchive::readFile(path.toStdString(), saved).ok) {
                out.onDisk = 0;
                for (const Pair& pair : saved.pairs())
                    out.onDisk += pair.right() + pair.wrong();
            }
        }
    }
};

// How many moments a scenario has: the calls its sequence makes on the scheduler.
int momentsOf(Scenario scenario)
{
    Run dry(scenario);
    int moments = 0;
    while (dry.rig.scheduler.isWaiting() && moments < 10000) {
        dry.rig.scheduler.advance(dry.rig.scheduler.nextDueIn());
        ++moments;
    }
    return moments;
}

const QList<Outcome>& sweep()
{
    static QList<Outcome> outcomes;
    if (!outcomes.isEmpty())
        return outcomes;
    for (int s = 0; s <= int(Scenario::ShowManual); ++s) {
        const Scenario scenario = Scenario(s);
        const int moments = momentsOf(scenario);
        if (moments == 0)
            qFatal("scenario %s plays nothing", ScenarioNames[s]);
        // The first moments, the last ones, and a spread between: each at the boundary and mid-wait.
        QList<int> points = {0, 1, 2, moments / 4, moments / 2, 3 * moments / 4, moments - 1, moments};
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        for (int a = 0; a <= int(Act::Close); ++a) {
            for (int point : points) {
                for (bool midWait : {false, true}) {
                    Run run(scenario);
                    for (int i = 0; i < point && run.rig.scheduler.isWaiting(); ++i)
                        run.rig.scheduler.advance(run.rig.scheduler.nextDueIn());
                    if (midWait && run.rig.scheduler.nextDueIn() > 1)
                        run.rig.scheduler.advance(run.rig.scheduler.nextDueIn() / 2);
                    run.act(Act(a));
                    run.finish(Act(a));
                    run.out.name = QStringLiteral("%1, %2 at moment %3%4")
                                       .arg(ScenarioNames[s], ActNames[a])
                                       .arg(point)
                                       .arg(midWait ? " (mid-wait)" : "");
                    outcomes.append(run.out);
                }
            }
        }
    }
    return outcomes;
}

QStringList failing(const std::function<bool(const Outcome&)>& broken)
{
    QStringList names;
    for (const Outcome& o : sweep())
        if (broken(o))
            names << o.name;
    return names;
}

} // namespace

class TimelineSweepTest : public QObject
{
    Q_OBJECT

private slots:
    void noAnswerIsCountedForAQuestionNotOnScreen()
    {
        QCOMPARE(failing([](const Outcome& o) { return o.unshownAnswers > 0; }), QStringList());
    }
    void theScreenComesToARestItCanLeave()
    {
        QCOMPARE(failing([](const Outcome& o) { return !o.restsAtEnd || !o.stateAgrees; }), QStringList());
    }
    void nothingPaintsAfterAStop()
    {
        const QStringList broken = failing([](const Outcome& o) { return o.paintedAfterStop; });
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 12).join("\n")));
    }
    void theFileHoldsWhatWasAnswered()
    {
        QCOMPARE(failing([](const Outcome& o) { return o.onDisk >= 0 && o.onDisk != o.judged; }), QStringList());
        QVERIFY(sweep().size() > 500);
    }
};

QTEST_MAIN(TimelineSweepTest)
#include "timelinesweep_test.moc"
