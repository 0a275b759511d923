// What the learner does while a feedback sequence plays: clicks and keys must not answer the question that
// follows, a dropped file waits for the end of the sequence, and closing the window neither crashes nor
// loses the statistics.
#include <QStatusBar>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
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
#include <QSignalSpy>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

void postKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void postClick(QWidget* target, const QPoint& at, QEvent::Type type = QEvent::MouseButtonPress)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(type, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

/// The main window and its quiz screen over a fresh list of 8 pairs in the rig's data folder, in a
/// multiple-choice quiz that has started.
QuizView* startWiredQuiz(QuizRig& rig, ListDocument& doc, MainWindow& frame, const QString& name)
{
    QuizView* view = wireQuizView(doc, rig.settings, rig.services, frame);
    QDir(rig.folder.path()).mkpath("data");
    if (!doc.loadList(writeList(rig.folder.path() + "/data/" + name + ".fly", 8), ListDocument::OpenList))
        return nullptr;
    rig.settings.setQuizMode(0);
    view->start();
    return view->quizStarted() ? view : nullptr;
}

int answeredCount(const QuizView& view)
{
    return view.session()->rightCount() + view.session()->wrongCount();
}

void dropFile(MainWindow& frame, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &drop);
    QCoreApplication::processEvents();
}

} // namespace

class QuizWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Keys and clicks given while the sequence plays are refused; none of them answers the new question.
    void inputDuringFeedbackNeverAnswersTheNextQuestion_data()
    {
        QTest::addColumn<int>("quizMode");
        QTest::addColumn<QString>("what");
        QTest::newRow("keys 1-4 after a right answer") << 0 << "keys";
        QTest::newRow("second click of a double-click") << 0 << "double";
        QTest::newRow("double-click on Try in type-in") << 2 << "try";
    }
    void inputDuringFeedbackNeverAnswersTheNextQuestion()
    {
        QFETCH(int, quizMode);
        QFETCH(QString, what);
        QuizRig rig(8);
        rig.startQuiz(quizMode);
        QuizView* view = rig.view.get();
        const QPoint target = quizMode == 2 ? rig.buttonCentre(0) : rig.boxCentre(rig.rightBox());
        bool posted = false;
        rig.scheduler.duringPause = [&] {
            if (posted)
                return;
            posted = true;
            if (what == "keys") {
                for (int key = Qt::Key_1; key <= Qt::Key_4; ++key)
                    postKey(view, key, QString(QChar('1' + key - Qt::Key_1)));
            } else {
                postClick(view, target, QEvent::MouseButtonDblClick);
            }
        };
        if (quizMode == 2)
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, target); // Try on an empty field: wrong
        else
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, target);
        QVERIFY(posted);
        const QString after = view->statusText();
        QCoreApplication::processEvents();
        QCOMPARE(view->statusText(), after);
        QCOMPARE(view->session()->rightCount() + view->session()->wrongCount(), 1);
        QCOMPARE(view->activity(), Activity::Resting);
    }

    // A double-click opens the question's notes only on the question box. On an answer box its second
    // click arrives as a press of its own; the double-click event itself must not answer again.
    void doubleClickOpensNotesOnlyOnTheQuestion()
    {
        QuizRig rig(8);
        rig.startQuiz(0);
        int dialogs = 0;
        rig.view->setDialogRunner([&dialogs](QDialog&) {
            ++dialogs;
            return int(QDialog::Accepted);
        });
        const Rect question = rig.view->screen().question().rect();
        QTest::mouseDClick(rig.view.get(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(question.center().x, question.center().y));
        QCOMPARE(dialogs, 1);
        QTest::mouseDClick(rig.view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(dialogs, 1);
        const QPoint box = rig.boxCentre(rig.wrongBox());
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(box),
                                QPointF(rig.view->mapToGlobal(box)), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        QCoreApplication::sendEvent(rig.view.get(), &doubleClick);
        QCOMPARE(rig.view->session()->wrongCount(), 0);
        QCOMPARE(dialogs, 1);
    }

    // A list dropped while the sequence plays is opened after it, and the quiz lets go of the old list
    // before it is deleted (run under ASan to see the difference).
    void dropDuringFeedbackWaitsForTheSequence()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "First");
        QVERIFY(view);
        const QString second = writeList(rig.folder.path() + "/data/Second.fly", 9);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(second)});
        QString titleDuringSequence;
        int drops = 0;
        rig.scheduler.duringPause = [&] {
            if (drops++ > 0)
                return;
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&frame, &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&frame, &drop);
            QCoreApplication::processEvents(); // the queued open runs here if nothing holds it back
            titleDuringSequence = doc.title();
        };
        const Rect box = view->screen().answer(0).rect();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(box.center().x, box.center().y));
        QCOMPARE(titleDuringSequence, QStringLiteral("First"));
        QCoreApplication::processEvents();
        QCOMPARE(doc.title(), QStringLiteral("Second"));
        QCOMPARE(view->list(), doc.list());
    }

    // The slideshow's stop button stops it in the middle of its opening.
    void slideshowStopButtonWorksDuringItsPauses()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "Show");
        QVERIFY(view);
        rig.settings.setSlideshowDelay(-2); // manual: the first card is shown at once
        QWidget* button = frame.toolBar(MainWindow::QuizBars)->widgetForAction(frame.action(cmd::Slideshow));
        QVERIFY(button);
        bool clicked = false;
        rig.scheduler.duringPause = [&] {
            if (clicked || !frame.slideshowRunning())
                return;
            clicked = true;
            QTest::mouseClick(button, Qt::LeftButton);
        };
        frame.execute(cmd::Slideshow);
        QVERIFY(clicked);
        QVERIFY(!frame.slideshowRunning());
        QVERIFY(view->quizStarted());
    }

    // Save As keeps the quiz going: the score and the Smart Counter are reset only by Reset Score and by
    // opening another list.
    void saveAsKeepsTheScore()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "Old");
        QVERIFY(view);
        const QuizQuestion& asked = view->session()->current();
        int right = 0;
        while (asked.choices()[size_t(right)].shownAnswer() != asked.questionPair().shownAnswer())
            ++right;
        const Rect box = view->screen().answer(right).rect();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(box.center().x, box.center().y));
        QCOMPARE(view->session()->rightCount(), 1);
        rig.prompter.fileAnswers.append(rig.folder.path() + "/data/New.fly");
        doc.saveAs();
        QCOMPARE(doc.title(), QStringLiteral("New"));
        QCOMPARE(view->session()->rightCount(), 1);
        QCOMPARE(view->statusText(), QStringLiteral("Right: 1 - Wrong: 0"));
        QVERIFY(view->quizStarted());
    }

    void dragEnterAcceptsOnlyLocalRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("list file") << "file" << true;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("web address") << "web" << false;
        QTest::newRow("missing file") << "missing" << false;
    }
    void dragEnterAcceptsOnlyLocalRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, accepted);
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        const QString file = writeList(rig.folder.path() + "/Drop.fly", 5);
        const QUrl url = kind == "file"     ? QUrl::fromLocalFile(file)
                         : kind == "folder" ? QUrl::fromLocalFile(rig.folder.path())
                         : kind == "web"    ? QUrl("https://example.org/list.fly")
                                            : QUrl::fromLocalFile(rig.folder.path() + "/gone.fly");
        QMimeData mime;
        mime.setUrls({url});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QCoreApplication::sendEvent(&frame, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
    }

    // A list file that cannot take the statistics at the end says so, and the learner may stay.
    void closingTellsWhenTheStatisticsCannotBeSaved()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "Locked");
        QVERIFY(view);
        frame.show();
        // An answer: statistics to write (a list without changes is not written at all).
        const Rect box = view->screen().answer(0).rect();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(box.center().x, box.center().y));
        const QString path = rig.folder.path() + "/data/Locked.fly";
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        rig.prompter.messageAnswers = {Prompter::No};
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        QCOMPARE(rig.prompter.messages.size(), 1);
        QVERIFY2(rig.prompter.messages[0].text.startsWith("The statistics of Locked.fly could not be saved:"),
                 qPrintable(rig.prompter.messages[0].text));
        QCOMPARE(rig.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        // Writable again: the next close saves without a word.
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(frame.close());
        QCOMPARE(rig.prompter.messages.size(), 1);
    }

    // Closing the window in the middle of the sequence hides it at once and closes it when the sequence
    // has ended; the statistics the sequence produced are written when the document goes.
    // Escape a moment into the slideshow's opening stops the show for good: the quiz is back, its
    // commands work, and an answer key answers the question on the screen.
    void escapeDuringTheSlideshowOpeningStopsIt()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "Opening");
        QVERIFY(view);
        rig.settings.setSlideshowDelay(3);
        rig.scheduler.eager = false;
        frame.execute(cmd::Slideshow);
        rig.scheduler.advance(100);
        QCOMPARE(view->activity(), Activity::ShowOpening);
        // The keyboard is still on the toolbar button that started the show.
        QWidget* button = frame.toolBar(MainWindow::QuizBars)->widgetForAction(frame.action(cmd::Slideshow));
        QTest::keyClick(button, Qt::Key_Escape);
        rig.scheduler.settle();
        QVERIFY(!frame.slideshowRunning());
        QCOMPARE(view->screenState(), ScreenState::Running);
        QCOMPARE(view->activity(), Activity::Resting);
        QVERIFY(view->screen().hasQuestion());
        QTest::keyClick(view, Qt::Key_1);
        rig.scheduler.settle();
        QCOMPARE(answeredCount(*view), 1);
    }

    // The stop button in the middle of a card: nothing of the card is drawn afterwards, and the next key
    // answers the question that is on the screen, not the hidden one.
    void stoppingMidCardPaintsNothingAfterwards()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "Cards");
        QVERIFY(view);
        rig.settings.setSlideshowDelay(-2); // manual
        rig.settings.setFunFlag(funflags::kSlideAnimations, true);
        rig.scheduler.eager = false;
        frame.execute(cmd::Slideshow);
        rig.scheduler.settle();
        QCOMPARE(view->activity(), Activity::ShowResting);
        QTest::keyClick(view, Qt::Key_Space); // the card leaves, the next one comes
        QCOMPARE(view->activity(), Activity::ShowCard);
        rig.scheduler.advance(rig.scheduler.nextDueIn() + 1);
        QCOMPARE(view->activity(), Activity::ShowCard);
        QWidget* button = frame.toolBar(MainWindow::QuizBars)->widgetForAction(frame.action(cmd::Slideshow));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!frame.slideshowRunning());
        const QImage afterStop = view->backBuffer().copy();
        rig.scheduler.settle();
        QCOMPARE(view->backBuffer(), afterStop);
        const QString shown = ListText::toQString(view->session()->current().questionPair().question());
        QSignalSpy judged(view, &QuizView::answerJudged);
        QTest::keyClick(view, Qt::Key_1);
        rig.scheduler.settle();
        QCOMPARE(judged.size(), 1);
        QCOMPARE(judged.at(0).at(0).toString(), shown);
    }

    // A show of a list too short for a quiz ends on the message that says so.
    void aShortListsShowEndsOnItsMessage()
    {
        QuizRig rig(3);
        rig.settings.setSlideshowDelay(1);
        rig.view->show(); // cards move on only on the window's active view
        rig.view->toggleSlideshow();
        for (int i = 0; i < 10 && rig.view->slideshow().isRunning(); ++i)
            rig.view->slideshow().tick();
        QVERIFY(!rig.view->slideshow().isRunning());
        QCOMPARE(rig.view->activity(), Activity::Resting);
        const QImage shown = rig.view->backBuffer().copy();
        rig.view->render(); // what the screen shows at rest: the message
        QCOMPARE(rig.view->backBuffer(), shown);
    }

    // Matching: a list dropped while the round changes opens after it; a Try while the board's feedback
    // plays is refused in plain sight; the board clears the reason of the last multiple-choice question.
    void matchingRoundChangeHoldsItsInput()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = startWiredQuiz(rig, doc, frame, "First");
        QVERIFY(view);
        QSignalSpy reasons(view, &QuizView::questionReasonChanged);
        view->setQuizMode(3);
        QVERIFY(!reasons.isEmpty());
        QCOMPARE(reasons.last().at(0).toString(), QString());
        rig.scheduler.eager = false;
        QSignalSpy refused(view, &QuizView::inputRefused);
        const Rect skip = view->matchScreen().layout().skipButton();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(skip.center().x, skip.center().y));
        QCOMPARE(view->activity(), Activity::MatchRound);
        QTest::keyClick(view, Qt::Key_T);
        QCOMPARE(refused.size(), 1);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Wait until the next question is on the screen."));
        dropFile(frame, writeList(rig.folder.path() + "/data/Second.fly", 9));
        QCOMPARE(doc.title(), QStringLiteral("First"));
        rig.scheduler.settle();
        QCoreApplication::processEvents();
        QCOMPARE(doc.title(), QStringLiteral("Second"));
        QCOMPARE(view->list(), doc.list());
        QCOMPARE(view->activity(), Activity::Resting);
    }

    void closingDuringFeedbackKeepsTheStatistics_data()
    {
        QTest::addColumn<bool>("byQuitKey");
        QTest::newRow("window closed") << false;
        QTest::newRow("Ctrl+Q") << true;
    }
    void closingDuringFeedbackKeepsTheStatistics()
    {
        QFETCH(bool, byQuitKey);
        QuizRig rig(8);
        const QString path = rig.folder.path() + "/data/Close.fly";
        {
            auto doc = std::make_unique<ListDocument>(rig.settings, rig.services);
            auto window = std::make_unique<MainWindow>(*doc, rig.settings, rig.services);
            MainWindow& frame = *window;
            QuizView* view = startWiredQuiz(rig, *doc, frame, "Close");
            QVERIFY(view);
            frame.show();
            frame.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            bool closedDuringSequence = true;
            rig.scheduler.duringPause = [&] {
                if (byQuitKey)
                    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
                else
                    frame.close();
                closedDuringSequence = closedDuringSequence && frame.isHidden();
            };
            const Rect box = view->screen().answer(0).rect();
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(box.center().x, box.center().y));
            QVERIFY(closedDuringSequence);
            QVERIFY(frame.isHidden());
            rig.scheduler.duringPause = nullptr;
            // What the end of the program does: the window goes first, then the document, which writes the
            // quiz's list back.
            window.reset();
            doc.reset();
        }
        PairList saved;
        QVERIFY(FlyArchive::readFile(path.toStdString(), saved).ok);
        int answered = 0;
        for (const Pair& pair : saved.pairs())
            answered += pair.right() + pair.wrong();
        QCOMPARE(answered, 1);
    }
};

QTEST_MAIN(QuizWindowTest)
#include "quizwindow_test.moc"
