// A seeded monkey on the real window: random keys, clicks, drags, drops, resizes, commands and time passing
// on a virtual clock. After every step the list file reads back as a list and every answer counted was to
// the question at rest on the screen. BRAINLARK_MONKEY_SEEDS and BRAINLARK_MONKEY_STEPS ask for more.
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/flyarchive.h"
#include "quiz/ui/listtext.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

const int kCommands[] = {cmd::Start,          cmd::Flip,     cmd::MultipleChoice, cmd::TrueFalse, cmd::TypeIn,
                         cmd::Matching,       cmd::Slideshow, cmd::SmartPick,     cmd::Sequential, cmd::RandomPick,
                         cmd::AnswersRandom,  cmd::Mute,     cmd::FileSave};
const int kKeys[] = {Qt::Key_1,     Qt::Key_2,     Qt::Key_3,    Qt::Key_4,    Qt::Key_Return, Qt::Key_Escape,
                     Qt::Key_Space, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up,     Qt::Key_T,
                     Qt::Key_S,     Qt::Key_A,     Qt::Key_F,    Qt::Key_Delete};

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomInputNeverBreaksTheQuiz()
    {
        const int seeds = fromEnvironment("BRAINLARK_MONKEY_SEEDS", 3);
        const int steps = fromEnvironment("BRAINLARK_MONKEY_STEPS", 10000);
        for (int seed = 1; seed <= seeds; ++seed)
            runMonkey(uint32_t(seed), steps);
    }

private:
    void runMonkey(uint32_t seed, int steps)
    {
        QuizRig rig(8, seed);
        rig.settings.setFunFlag(funflags::kTransition, true);
        rig.settings.setFunFlag(funflags::kReminderCard, true);
        rig.settings.setFunFlag(funflags::kAnimateQuestion, true);
        rig.settings.setShowHint(true);
        rig.settings.setFunFlag(funflags::kSlideAnimations, true);
        rig.settings.setFunFlag(funflags::kSlideShowTitle, true);
        rig.settings.setAlertFactor(3);
        rig.player.soundMs = 700;
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = wireQuizView(doc, rig.settings, rig.services, frame);
        view->setDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
        QDir(rig.folder.path()).mkpath("data");
        const QString lists[] = {writeList(rig.folder.path() + "/data/One.fly", 8),
                                 writeList(rig.folder.path() + "/data/Two.fly", 12),
                                 writeList(rig.folder.path() + "/data/Short.fly", 3)};
        QFile junk(rig.folder.path() + "/data/Junk.fly");
        junk.open(QIODevice::WriteOnly);
        junk.write("not a list");
        junk.close();
        QVERIFY(doc.loadList(lists[0], ListDocument::OpenList));
        rig.scheduler.eager = false;
        QString resting;
        auto noteRest = [&] {
            if (view->activity() == Activity::Resting && view->session() && view->screen().hasQuestion())
                resting = ListText::toQString(view->session()->current().questionPair().question());
        };
        int unshown = 0;
        connect(view, &QuizView::answerJudged, this, [&](const QString& question, const QString&, int mode) {
            if (mode != 3 && question != resting)
                ++unshown;
        });
        SeededRandom random(seed * 7919);
        auto below = [&](int n) { return int(random.below(uint32_t(n))); };
        for (int step = 0; step < steps; ++step) {
            noteRest();
            const QPoint at(below(view->width()), below(view->height()));
            const int action = below(10);
            switch (action) {
            case 0:
            case 1:
                QTest::keyClick(view, Qt::Key(kKeys[below(std::size(kKeys))]));
                break;
            case 2:
            case 3:
                QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
                break;
            case 4:
                QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
                QTest::mouseMove(view, QPoint(below(view->width()), below(view->height())));
                QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier,
                                    QPoint(below(view->width()), below(view->height())));
                break;
            case 5:
                frame.execute(kCommands[below(std::size(kCommands))]);
                break;
            case 6: {
                QMimeData mime;
                const QString path = below(4) == 0 ? junk.fileName() : lists[below(3)];
                mime.setUrls({QUrl::fromLocalFile(path)});
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(&frame, &drop);
                break;
            }
            case 7:
                view->resize(320 + below(600), 240 + below(500));
                break;
            default:
                rig.scheduler.advance(below(3) == 0 ? below(3000) : below(120));
                QCoreApplication::processEvents();
                break;
            }
            if (step % 50 == 0)
                QCoreApplication::processEvents();
            PairList onDisk;
            for (const QString& list : lists)
                QVERIFY2(FlyArchive::readFile(list.toStdString(), onDisk).ok,
                         qPrintable(QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(list)));
            QVERIFY2(unshown == 0, qPrintable(QStringLiteral("seed %1 step %2 action %3 %4")
                                                  .arg(seed)
                                                  .arg(step)
                                                  .arg(action)
                                                  .arg(toString(view->activity()))));
        }
        rig.scheduler.settle();
        QCoreApplication::processEvents();
        QVERIFY(view->activity() == Activity::Resting || view->activity() == Activity::ShowResting);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
