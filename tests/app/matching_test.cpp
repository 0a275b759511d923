#include "support/quizrig.h"

#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

constexpr int Q = MatchBox::Questions;
constexpr int A = MatchBox::Answers;

/// A quiz view in Matching mode on pairs 0-3 (Sequential from the top), four rows.
struct MatchRig : QuizRig {
    explicit MatchRig(uint32_t fun = AppFlags::SmartCounter, uint32_t fun2 = 0)
    {
        settings.setFunFlags(fun | AppFlags::FunnySounds);
        settings.setFunFlags2(fun2);
        settings.setMatchQuizRows(4);
        settings.setQuestionSelectionMode(1);
        list.setLastIndex(0);
        view->show();
        startQuiz(3);
        timeline.clear();
    }
    const MatchScreen& match() const { return view->matchScreen(); }
    const MatchGame& game() const { return match().game(); }
    QPoint centre(MatchBox box) const
    {
        const Point c = match().layout().box(box).center();
        return {c.x, c.y};
    }
    QPoint centreOf(const Rect& r) const { return {r.center().x, r.center().y}; }
    int answerRow(int pair) const
    {
        const auto& order = game().board().answerOrder();
        return int(std::find(order.begin(), order.end(), pair) - order.begin());
    }
    void drag(MatchBox from, MatchBox to)
    {
        QTest::mousePress(view.get(), Qt::LeftButton, {}, centre(from));
        QTest::mouseMove(view.get(), centre(to));
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, centre(to));
    }
    void connectAll(bool right)
    {
        for (int row = 0; row < 4; ++row)
            drag({Q, row}, {A, answerRow(right ? row : (row + 1) % 4)});
    }
    void click(const Rect& button) { QTest::mouseClick(view.get(), Qt::LeftButton, {}, centreOf(button)); }
    /// The timeline with event sounds shortened to "r sync" and the like.
    QStringList events() const
    {
        QStringList out;
        for (const QString& entry : timeline) {
            if (entry.startsWith("sound:"))
                out << entry.section(':', 1, 1).section('_', 0, 0) + " " + entry.section(':', 2, 2);
            else
                out << entry;
        }
        return out;
    }
};

} // namespace

class MatchingTest : public QObject
{
    Q_OBJECT
private slots:
    void matchingStartsABoardOfTheRowsSetting();
    void draggedLinesConnectAndReplace();
    void theRubberBandFollowsTheMouse();
    void tryWithOpenBoxesAsksToConnectThemAll();
    void rightBoardPlaysRightAndDealsANewRound_data();
    void rightBoardPlaysRightAndDealsANewRound();
    void wrongBoardStaysForAnotherTry();
    void everyPairOfAJudgedBoardIsReportedForTheHistory();
    void skipChangesNoStatisticsAndDealsANewRound();
    void keyboardConnectsAndJudges();
    void boxesHaveAccessibleNames();
    void reverseAndStartDealANewBoard();
    void helpPageListsTheKeys();
};

void MatchingTest::matchingStartsABoardOfTheRowsSetting()
{
    MatchRig rig;
    QVERIFY(rig.view->canStart());
    QVERIFY(rig.match().hasBoard());
    QCOMPARE(rig.game().board().questionOrder(), (std::vector<int>{0, 1, 2, 3}));
    QCOMPARE(rig.view->screenState(), ScreenState::Running);
    QVERIFY(!rig.view->autoAnswerArmed());
    // More rows than pairs: as many rows as there are pairs.
    QuizRig small(5);
    small.settings.setMatchQuizRows(10);
    small.startQuiz(3);
    QCOMPARE(small.view->matchScreen().game().rows(), 5);
}

void MatchingTest::draggedLinesConnectAndReplace()
{
    MatchRig rig;
    rig.drag({Q, 0}, {A, 2});
    QCOMPARE(rig.game().partnerOf({Q, 0}), (MatchBox{A, 2}));
    rig.drag({A, 2}, {Q, 1}); // from the answer side, onto a box that had a line
    QCOMPARE(rig.game().lines().size(), size_t(1));
    QCOMPARE(rig.game().partnerOf({Q, 1}), (MatchBox{A, 2}));
    rig.drag({Q, 3}, {Q, 2}); // same column: nothing
    QTest::mousePress(rig.view.get(), Qt::LeftButton, {}, rig.centre({Q, 3}));
    QTest::mouseRelease(rig.view.get(), Qt::LeftButton, {}, QPoint(rig.view->width() / 2, 20)); // between
    QCOMPARE(rig.game().lines().size(), size_t(1));
    QVERIFY(!rig.game().isDragging());
}

void MatchingTest::theRubberBandFollowsTheMouse()
{
    MatchRig rig;
    const QPoint from = rig.centre({Q, 0});
    const QPoint level = rig.centre({A, 0});
    const QPoint between((from.x() + level.x()) / 2, from.y()); // in the band between the columns
    const QRgb before = rig.view->backBuffer().pixel(between);
    QTest::mousePress(rig.view.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(rig.view.get(), level);
    const QRgb during = rig.view->backBuffer().pixel(between);
    QCOMPARE(qRed(during), 255 - qRed(before)); // the band inverts what lies under it
    QCOMPARE(qBlue(during), 255 - qBlue(before));
    QTest::mouseMove(rig.view.get(), rig.centre({A, 3}));
    QCOMPARE(rig.view->backBuffer().pixel(between), before); // moved on: the old band is gone
    QTest::mouseRelease(rig.view.get(), Qt::LeftButton, {}, rig.centre({A, 3}));
    QCOMPARE(rig.game().partnerOf({Q, 0}), (MatchBox{A, 3}));
}

void MatchingTest::tryWithOpenBoxesAsksToConnectThemAll()
{
    MatchRig rig;
    rig.drag({Q, 0}, {A, rig.answerRow(0)});
    rig.click(rig.match().layout().tryButton());
    QCOMPARE(rig.prompter.messageTexts(), QStringList{"Please connect all the boxes."});
    QCOMPARE(rig.list.pairs()[0].timesInQuestion(), 0);
    QCOMPARE(rig.game().lines().size(), size_t(1));
    QVERIFY(rig.player.plays.isEmpty());
}

void MatchingTest::rightBoardPlaysRightAndDealsANewRound_data()
{
    QTest::addColumn<uint32_t>("fun");
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QString>("last");
    QTest::newRow("quiet") << uint32_t(0) << QStringList{"r sync", "pause:500"} << "pause:500";
    QTest::newRow("reminder card only") << uint32_t(AppFlags::ReminderCard) << QStringList{"r sync"} << "r sync";
    QTest::newRow("transition") << uint32_t(AppFlags::Transition) << QStringList{"r sync", "pause:800", "tranz async"}
                                << "pause:200";
}

void MatchingTest::rightBoardPlaysRightAndDealsANewRound()
{
    QFETCH(uint32_t, fun);
    QFETCH(QStringList, start);
    QFETCH(QString, last);
    MatchRig rig(fun);
    rig.connectAll(true);
    QTest::mousePress(rig.view.get(), Qt::LeftButton, {}, rig.centreOf(rig.match().layout().tryButton()));
    QCOMPARE(rig.game().buttonState(), MatchGame::ButtonState::TryRight);
    QCOMPARE(rig.game().tryLook(), MatchGame::TryLook::Right);
    for (int pair = 0; pair < 4; ++pair) {
        QCOMPARE(rig.list.pairs()[size_t(pair)].right(), 1);
        QCOMPARE(rig.list.pairs()[size_t(pair)].timesInQuestion(), 1);
    }
    QVERIFY(rig.timeline.isEmpty()); // nothing plays before the button is released
    QTest::mouseRelease(rig.view.get(), Qt::LeftButton, {}, rig.centreOf(rig.match().layout().tryButton()));
    const QStringList events = rig.events();
    QCOMPARE(events.mid(0, start.size()), start);
    QCOMPARE(events.last(), last);
    // The next round: the next four pairs, no lines, the Try button back to normal.
    QCOMPARE(rig.game().board().questionOrder(), (std::vector<int>{4, 5, 0, 1}));
    QVERIFY(rig.game().lines().empty());
    QCOMPARE(rig.game().tryLook(), MatchGame::TryLook::Normal);
    QCOMPARE(rig.game().buttonState(), MatchGame::ButtonState::Idle);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 0"));
}

void MatchingTest::wrongBoardStaysForAnotherTry()
{
    MatchRig rig(0, AppFlags::MatchingWiderLine);
    rig.connectAll(false);
    for (int judgement = 0; judgement < 3; ++judgement)
        rig.click(rig.match().layout().tryButton());
    QCOMPARE(rig.events(), (QStringList{"w sync", "w sync", "w sync"}));
    QCOMPARE(rig.game().board().questionOrder(), (std::vector<int>{0, 1, 2, 3}));
    QCOMPARE(rig.game().tryLook(), MatchGame::TryLook::Wrong);
    QCOMPARE(rig.game().lines().size(), size_t(4));
    for (const MatchLine& line : rig.game().lines()) {
        QCOMPARE(line.colour, MatchLine::Colour::Wrong);
        QCOMPARE(line.width, 5);
    }
    QCOMPARE(rig.list.pairs()[0].wrong(), 3);
    // The wrong line shows in the wrong colour, 5 pixels wide, in the band between the columns.
    const MatchLayout::Segment s = rig.match().layout().segment({Q, 0}, {A, rig.answerRow(1)});
    const QPoint onLine((s.question.x + s.answer.x) / 2, (s.question.y + s.answer.y) / 2);
    QCOMPARE(QColor(rig.view->backBuffer().pixel(onLine)), rig.settings.matchColorWrong());
}

void MatchingTest::everyPairOfAJudgedBoardIsReportedForTheHistory()
{
    MatchRig rig(0);
    QSignalSpy judged(rig.view.get(), &QuizView::answerJudged);
    rig.connectAll(false);
    rig.click(rig.match().layout().tryButton());
    QCOMPARE(judged.count(), 4);
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(judged[row].at(0).toString(), QString("Question %1").arg(row + 1));
        QCOMPARE(judged[row].at(2).toInt(), 3);
        QCOMPARE(judged[row].at(3).toBool(), false);
    }
}

void MatchingTest::skipChangesNoStatisticsAndDealsANewRound()
{
    MatchRig rig;
    rig.drag({Q, 0}, {A, 0});
    rig.click(rig.match().layout().skipButton());
    QCOMPARE(rig.events(), (QStringList{"w sync", "pause:500"}));
    QCOMPARE(rig.list.pairs()[0].total(), 0);
    QCOMPARE(rig.list.pairs()[0].timesInQuestion(), 0);
    QCOMPARE(rig.game().board().questionOrder(), (std::vector<int>{4, 5, 0, 1}));
}

void MatchingTest::keyboardConnectsAndJudges()
{
    MatchRig rig;
    QVERIFY(rig.match().keyboard().isVisible());
    for (int row = 0; row < 4; ++row) {
        // Enter or Space, the key that presses a focused control.
        const Qt::Key press = row % 2 ? Qt::Key_Space : Qt::Key_Return;
        QTest::keyClick(rig.view.get(), press); // pick the focused question
        const int target = rig.answerRow(row);
        const int at = rig.match().keyboard().focus().row;
        for (int step = at; step < target; ++step)
            QTest::keyClick(rig.view.get(), Qt::Key_Down);
        for (int step = at; step > target; --step)
            QTest::keyClick(rig.view.get(), Qt::Key_Up);
        QTest::keyClick(rig.view.get(), press); // connect; on to the next open question
        QCOMPARE(rig.game().lines().size(), size_t(row + 1));
    }
    QVERIFY(rig.match().keyboard().isVisible());
    QVERIFY(rig.game().allConnected());
    // Delete takes a line off again, and a new one goes in.
    QTest::keyClick(rig.view.get(), Qt::Key_Delete);
    QCOMPARE(rig.game().lines().size(), size_t(3));
    QTest::keyClick(rig.view.get(), Qt::Key_T);
    QCOMPARE(rig.prompter.messageTexts(), QStringList{"Please connect all the boxes."});
    const int row = rig.match().keyboard().focus().row;
    QTest::keyClick(rig.view.get(), Qt::Key_Right);
    for (int i = rig.match().keyboard().focus().row; i < rig.answerRow(row); ++i)
        QTest::keyClick(rig.view.get(), Qt::Key_Down);
    for (int i = rig.match().keyboard().focus().row; i > rig.answerRow(row); --i)
        QTest::keyClick(rig.view.get(), Qt::Key_Up);
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QTest::keyClick(rig.view.get(), Qt::Key_T);
    QCOMPARE(rig.events().first(), QStringLiteral("message:Please connect all the boxes."));
    QVERIFY(rig.events().contains("r sync"));
    QCOMPARE(rig.list.pairs()[0].right(), 1);
    QVERIFY(rig.game().lines().empty()); // a new round
    QTest::keyClick(rig.view.get(), Qt::Key_S);
    QCOMPARE(rig.events().last(), QStringLiteral("pause:500"));
    QCOMPARE(rig.list.pairs()[4].total(), 0);
}

void MatchingTest::boxesHaveAccessibleNames()
{
    MatchRig rig;
    QCOMPARE(rig.match().focusName(), QStringLiteral("Question 1 of 4: Question 1"));
    rig.drag({Q, 0}, {A, 2});
    QCOMPARE(rig.match().accessibleName({Q, 0}), QStringLiteral("Question 1 of 4: Question 1, connected to answer 3"));
    const int pair = rig.game().board().answerPair(2);
    QCOMPARE(rig.match().accessibleName({A, 2}),
             QStringLiteral("Answer 3 of 4: Answer %1, connected to question 1").arg(pair + 1));
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QVERIFY(rig.match().accessibleName({Q, 0}).endsWith(", picked"));
    QCOMPARE(rig.view->accessibleName(), rig.match().focusName());
}

void MatchingTest::reverseAndStartDealANewBoard()
{
    MatchRig rig;
    rig.drag({Q, 0}, {A, 0});
    rig.view->reverse();
    QVERIFY(rig.game().lines().empty());
    QCOMPARE(rig.game().board().questionText(rig.list, 0), std::string_view("Answer 5"));
    rig.view->runCommand(QuizView::CmdStart);
    QCOMPARE(rig.game().board().questionOrder(), (std::vector<int>{2, 3, 4, 5}));
    // Back to multiple-choice: a question again, no board behind it.
    rig.view->runCommand(QuizView::CmdMultipleChoice);
    QVERIFY(rig.view->screen().hasQuestion());
}

void MatchingTest::helpPageListsTheKeys()
{
    QFile page(QStringLiteral(BRAINLARK_SOURCE_DIR) + "/data/help/index.html");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const char* key : {"matching: Try / Skip", "matching: remove the line of the focused box",
                            "matching: pick the focused question", "<kbd>Space</kbd> connects",
                            "next card (manual slideshow)", "stop the slideshow"})
        QVERIFY2(text.contains(QLatin1String(key)), key);
}

QTEST_MAIN(MatchingTest)
#include "matching_test.moc"
