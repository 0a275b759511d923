#include "support/quizrig.h"

#include <QtTest>
#include <numeric>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// "sound:r_1_3.wav:sync" → "r sync"; pauses stay "pause:N"; other entries as they are.
QStringList normalised(const QStringList& timeline)
{
    QStringList out;
    for (const QString& entry : timeline) {
        if (entry.startsWith("sound:")) {
            const QStringList parts = entry.split(':');
            out << parts[1].section('_', 0, 0) + ' ' + parts[2];
        } else {
            out << entry;
        }
    }
    return out;
}

QStringList pauses(std::initializer_list<int> ms)
{
    QStringList out;
    for (int m : ms)
        out << QStringLiteral("pause:%1").arg(m);
    return out;
}

QStringList repeated(int ms, int times)
{
    QStringList out;
    for (int i = 0; i < times; ++i)
        out << QStringLiteral("pause:%1").arg(ms);
    return out;
}

int sumOfPauses(const QStringList& entries)
{
    int total = 0;
    for (const QString& e : entries)
        if (e.startsWith("pause:"))
            total += e.mid(6).toInt();
    return total;
}

/// Two right answers by key, so that the third reaches an alert every 3; the timeline starts afresh.
void answerRightTwice(QuizRig& rig)
{
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(rig.view.get(), Qt::Key(Qt::Key_1 + rig.rightBox()));
    QCOMPARE(rig.view->session()->rightCount(), 2);
    rig.timeline.clear();
}

} // namespace

class QuizFeedbackTest : public QObject
{
    Q_OBJECT
private slots:
    void rightAfterAMissWithCardAndTransition();
    void rightAnswerWithTransitionOnly();
    void wrongAnswerThatMovesOnWithoutEffects();
    void smartCounterBannerInABoxLayout();
    void classicCounterFlashAndReverseOnAlert();
    void newQuestionAnimationTimeline();
};

void QuizFeedbackTest::rightAfterAMissWithCardAndTransition()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::SmartCounter | AppFlags::ReminderCard | AppFlags::Transition |
                             AppFlags::FunnySounds);
    rig.startQuiz(0);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.wrongBox()));
    QCOMPARE(normalised(rig.timeline), QStringList{"w async"});
    QVERIFY(rig.view->session()->missed());
    rig.timeline.clear();

    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    const QStringList t = normalised(rig.timeline);
    // Release: the right box drawn with one 35 ms shadow layer, then "r" to its end.
    QCOMPARE(t.mid(0, 3), (QStringList{"pause:35", "r sync", "pause:800"}));
    QCOMPARE(t[3], QStringLiteral("tranz async"));
    // The card (500 ms in at 20 frames a second, 500 ms, no pair sound → 500 ms, 1000 ms, 500 ms out),
    // then 200 ms and the 100 ms after the next question.
    const QStringList tail =
        repeated(50, 10) + pauses({500, 500, 1000}) + repeated(50, 10) + pauses({200, 100});
    QCOMPARE(t.mid(t.size() - tail.size()), tail);
    // The transition's steps pause duration / steps each (whole milliseconds), plus 200 ms for some kinds.
    const QStringList transition = t.mid(4, t.size() - tail.size() - 4);
    const int transitionMs = sumOfPauses(transition);
    QVERIFY2(transitionMs >= 700 && transitionMs <= 1200, qPrintable(QString::number(transitionMs)));
    QVERIFY(!rig.view->session()->missed());
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 1 - Wrong: 1"));
    QCOMPARE(rig.view->screenState(), ScreenState::Running);
}

void QuizFeedbackTest::rightAnswerWithTransitionOnly()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::Transition | AppFlags::FunnySounds);
    rig.startQuiz(0);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    const QStringList t = normalised(rig.timeline);
    QCOMPARE(t.mid(0, 4), (QStringList{"pause:35", "r sync", "pause:800", "tranz async"}));
    QCOMPARE(t.mid(t.size() - 2), pauses({200, 100}));
    const int transitionMs = sumOfPauses(t.mid(4, t.size() - 6));
    QVERIFY2(transitionMs >= 700 && transitionMs <= 1200, qPrintable(t.join(' ')));
}

void QuizFeedbackTest::wrongAnswerThatMovesOnWithoutEffects()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::ContinueAfterWrong | AppFlags::FunnySounds);
    QSignalSpy focus(rig.view.get(), &QuizView::focusMainFrameRequested);
    rig.startQuiz(0);
    const std::string question(rig.askedPair().question());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.wrongBox()));
    QCOMPARE(normalised(rig.timeline), (QStringList{"w async", "pause:500", "pause:100"}));
    QVERIFY(rig.view->session()->current().questionPair().question() != question);
    QVERIFY(!rig.view->session()->missed());
    QCOMPARE(focus.count(), 1);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 1"));
}

void QuizFeedbackTest::smartCounterBannerInABoxLayout()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::SmartCounter | AppFlags::UpbeatMusic | AppFlags::BannerAnimation |
                             AppFlags::FunnySounds);
    rig.settings.setAlertFactor(3);
    rig.startQuiz(0);
    answerRightTwice(rig);
    QVERIFY(!rig.view->alertSide());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    const QStringList t = normalised(rig.timeline);
    const QStringList expected =
        QStringList{"pause:35", "r sync", "happy async"} + repeated(50, 50) + pauses({2000, 200, 100});
    QCOMPARE(t, expected);
    QVERIFY(rig.view->alertSide()); // the next banner comes from the other side
}

void QuizFeedbackTest::classicCounterFlashAndReverseOnAlert()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::SmartCounter | AppFlags::ReverseOnAlert | AppFlags::FunnySounds);
    rig.settings.setAlertFactor(3);
    rig.startQuiz(0, 1); // Classic
    answerRightTwice(rig);
    QCOMPARE(int(rig.view->screen().layout().layout()), int(BoxLayout::Classic));
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    const QStringList t = normalised(rig.timeline);
    const QStringList expected = QStringList{"pause:35", "r sync"} + repeated(20, 99) + pauses({200, 100});
    QCOMPARE(t, expected);
    // Reversed on the alert: the next question already asks the other side.
    QVERIFY(rig.list.pairs()[0].isReversed());
    QVERIFY(rig.view->session()->current().questionPair().shownQuestion().rfind("Answer", 0) == 0);
}

void QuizFeedbackTest::newQuestionAnimationTimeline()
{
    QuizRig rig;
    rig.settings.setFunFlags(AppFlags::AnimateNewQuestion);
    rig.startQuiz(0);
    // 500 ms for the question and 600 ms for the answers at 20 frames a second.
    QCOMPARE(normalised(rig.timeline), repeated(50, 10) + repeated(50, 12));
    QCOMPARE(rig.view->session()->current().startSeconds(), rig.clock.wallSeconds());
}

QTEST_MAIN(QuizFeedbackTest)
#include "quizfeedback_test.moc"
