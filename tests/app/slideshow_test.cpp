#include "support/quizrig.h"

#include "services/guidemessages.h"

#include <QtTest>
#include <algorithm>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// A quiz view of five pairs with a multiple-choice question on the screen and the given slideshow
/// options; the timeline starts empty.
struct ShowRig : QuizRig {
    ShowRig(int delay, uint32_t slideFlags) : QuizRig(5)
    {
        settings.setSlideshowDelay(delay);
        settings.setFunFlags(AppFlags::SmartCounter | AppFlags::FunnySounds | slideFlags);
        view->show();
        startQuiz(0);
        timeline.clear();
    }
    Slideshow& show() { return view->slideshow(); }
    QStringList pauses() const { return timeline.filter(QRegularExpression("^pause:")); }
    int pausedMs() const
    {
        int total = 0;
        for (const QString& entry : pauses())
            total += entry.section(':', 1).toInt();
        return total;
    }
};

} // namespace

class SlideshowTest : public QObject
{
    Q_OBJECT
private slots:
    void startShowsGuideGreenTransitionTitleAndFirstCard();
    void manualDelayedAnswerComesAfterHalfTheDelay();
    void clicksAndKeysAdvanceAndTheEndBringsAQuestion();
    void automaticCardsFollowTheTimer();
    void animatedCardsEnterAndLeave();
    void pairSoundsPlayToTheirEndFromTheStoredSide();
    void zeroDelayIsManual();
    void theCommandStopsTheShow();
    void theQuizRestsWhileTheShowRuns();
    void anotherListEndsTheShow();
};

void SlideshowTest::startShowsGuideGreenTransitionTitleAndFirstCard()
{
    ShowRig rig(-2, AppFlags::SlideShowTitle | AppFlags::SlideRandomOrder);
    rig.settings.setDialogFlags(GuideMessages::SlideshowStart);
    rig.view->setListTitle("Capitals");
    rig.view->toggleSlideshow();
    QCOMPARE(rig.prompter.guides.size(), 1);
    QCOMPARE(rig.prompter.guides[0].text, GuideMessages::text(120));
    QVERIFY(rig.timeline.first().startsWith("guide:The slideshow will start now."));
    QVERIFY(rig.timeline[1].startsWith("sound:tranz_")); // the opening transition
    QCOMPARE(rig.show().isRunning(), true);
    QCOMPARE(rig.view->screenState(), ScreenState::Slideshow);
    // Transition (500 ms), the two title lines with one shadow layer each, 100 ms, 300 ms, then the card.
    const QStringList last = rig.pauses().mid(rig.pauses().size() - 4);
    QCOMPARE(last, (QStringList{"pause:200", "pause:200", "pause:100", "pause:300"}));
    QVERIFY(rig.pausedMs() - 800 <= 500 + 200);
    QCOMPARE(rig.show().position(), 0);
    QCOMPARE(rig.show().phase(), Slideshow::Phase::Shown);
    QVERIFY(rig.show().answerShown());
    std::vector<int> order = rig.show().order();
    QCOMPARE(rig.show().currentPair(), order.front());
    std::sort(order.begin(), order.end());
    QCOMPARE(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

void SlideshowTest::manualDelayedAnswerComesAfterHalfTheDelay()
{
    ShowRig rig(-4, AppFlags::SlideDelayAnswer);
    rig.view->toggleSlideshow();
    QCOMPARE(rig.pauses().mid(rig.pauses().size() - 2), (QStringList{"pause:300", "pause:2000"}));
    QVERIFY(rig.show().answerShown());
    QVERIFY(!rig.show().timer().isActive());
}

void SlideshowTest::clicksAndKeysAdvanceAndTheEndBringsAQuestion()
{
    ShowRig rig(-1, 0);
    rig.view->toggleSlideshow();
    const QPoint anywhere(50, 50);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, anywhere);
    QCOMPARE(rig.show().position(), 1);
    QTest::keyClick(rig.view.get(), Qt::Key_Space);
    QTest::keyClick(rig.view.get(), Qt::Key_Right);
    QTest::keyClick(rig.view.get(), Qt::Key_1); // the quiz's keys rest
    QCOMPARE(rig.show().position(), 3);
    QCOMPARE(rig.show().currentPair(), 3);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, anywhere);
    QVERIFY(rig.show().isRunning());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, anywhere); // after the last card
    QVERIFY(!rig.show().isRunning());
    QCOMPARE(rig.show().currentPair(), -1);
    QCOMPARE(rig.view->screenState(), ScreenState::Running);
    QVERIFY(rig.view->screen().hasQuestion());
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 0"));
    // Escape stops a show at once.
    rig.view->toggleSlideshow();
    QTest::keyClick(rig.view.get(), Qt::Key_Escape);
    QVERIFY(!rig.show().isRunning());
}

void SlideshowTest::automaticCardsFollowTheTimer()
{
    ShowRig rig(3, AppFlags::SlideDelayAnswer);
    rig.view->toggleSlideshow();
    QVERIFY(rig.show().timer().isActive());
    QCOMPARE(rig.show().timer().interval(), 4000);
    QCOMPARE(rig.show().position(), -1);
    for (int card = 0; card < 5; ++card) {
        rig.timeline.clear();
        rig.show().tick();
        // Three seconds, and one and a half more for the delayed answer.
        QCOMPARE(rig.pauses(), (QStringList{"pause:1500", "pause:3000"}));
        QCOMPARE(rig.show().position(), card);
        QVERIFY(rig.show().answerShown());
    }
    rig.show().tick(); // past the last card
    QVERIFY(!rig.show().isRunning());
    QVERIFY(!rig.show().timer().isActive());
    QVERIFY(rig.view->screen().hasQuestion());
}

void SlideshowTest::animatedCardsEnterAndLeave()
{
    ShowRig rig(2, AppFlags::SlideAnimations);
    rig.view->toggleSlideshow();
    rig.timeline.clear();
    rig.show().tick();
    const QStringList pauses = rig.pauses();
    const int stay = int(pauses.indexOf("pause:2000"));
    QVERIFY(stay > 0);
    int entry = 0;
    for (int i = 0; i < stay; ++i)
        entry += pauses[i].section(':', 1).toInt();
    QCOMPARE(entry, 700);
    QCOMPARE(rig.pausedMs() - entry - 2000, 500);
    QCOMPARE(rig.show().phase(), Slideshow::Phase::Left);
}

void SlideshowTest::pairSoundsPlayToTheirEndFromTheStoredSide()
{
    ShowRig rig(-1, AppFlags::SlideQuestionSound | AppFlags::SlideAnswerSound);
    rig.list.pairs()[0].setSoundPath("q1.wav", 1);
    rig.list.pairs()[0].setSoundPath("a1.wav", 2);
    rig.list.toggleReverse(); // the first sound file still plays first
    rig.view->toggleSlideshow();
    const QStringList tail = rig.timeline.mid(rig.timeline.indexOf("pause:300"));
    QCOMPARE(tail, (QStringList{"pause:300", "pause:500", "sound:q1.wav:sync", "pause:300", "sound:a1.wav:sync"}));
    QVERIFY(rig.player.plays[1].path.endsWith("quiz_sounds/q1.wav"));
    // A pair without sounds still waits around the missing question sound.
    rig.timeline.clear();
    rig.show().advance();
    QCOMPARE(rig.timeline, (QStringList{"pause:500", "pause:300"}));
}

void SlideshowTest::zeroDelayIsManual()
{
    ShowRig rig(0, AppFlags::SlideDelayAnswer);
    rig.view->toggleSlideshow();
    QVERIFY(!rig.show().timer().isActive());
    QCOMPARE(rig.show().position(), 0);
    QVERIFY(rig.show().answerShown());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(rig.show().position(), 1);
}

void SlideshowTest::theCommandStopsTheShow()
{
    ShowRig rig(2, 0);
    rig.view->runCommand(QuizView::CmdSlideshow);
    QVERIFY(rig.show().isRunning());
    rig.show().tick();
    rig.view->runCommand(QuizView::CmdSlideshow);
    QVERIFY(!rig.show().isRunning());
    QCOMPARE(rig.view->screenState(), ScreenState::Running);
    QVERIFY(rig.view->screen().hasQuestion());
    rig.view->runCommand(QuizView::CmdSlideshow);
    rig.view->runCommand(QuizView::CmdStart); // Start stops it too
    QVERIFY(!rig.show().isRunning());
    QVERIFY(rig.view->screen().hasQuestion());
}

void SlideshowTest::theQuizRestsWhileTheShowRuns()
{
    ShowRig rig(-1, 0);
    rig.settings.setShowHint(true);
    rig.settings.setDialogFlags(GuideMessages::Flip);
    rig.view->start();
    QVERIFY(rig.view->autoAnswerArmed());
    const QPoint box = rig.boxCentre(rig.rightBox());
    rig.view->toggleSlideshow();
    QVERIFY(!rig.view->autoAnswerArmed());
    rig.view->reverse();
    rig.view->setQuizMode(1);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, box);
    QVERIFY(!rig.list.isReversed());
    QVERIFY(rig.prompter.guides.isEmpty());
    QCOMPARE(rig.settings.quizMode(), 0);
    for (const Pair& pair : rig.list.pairs())
        QCOMPARE(pair.total(), 0);
    QCOMPARE(rig.statusTexts.last(), QStringLiteral("Right: 0 - Wrong: 0"));
}

void SlideshowTest::anotherListEndsTheShow()
{
    ShowRig rig(-1, 0);
    rig.view->toggleSlideshow();
    PairList other;
    other.pairs().emplace_back("only", "pair");
    rig.view->setList(&other);
    QVERIFY(!rig.show().isRunning());
    QCOMPARE(rig.view->screenState(), ScreenState::Running);
    rig.view->toggleSlideshow(); // a list of one pair still shows
    QCOMPARE(rig.show().currentPair(), 0);
    rig.view->setList(nullptr);
    QVERIFY(!rig.show().isRunning());
}

QTEST_MAIN(SlideshowTest)
#include "slideshow_test.moc"
