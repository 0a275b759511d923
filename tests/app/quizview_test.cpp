#include "support/quizrig.h"

#include "quiz/engine/quizquestion.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizviewmenu.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

class QuizViewTest : public QObject
{
    Q_OBJECT
private slots:
    void clickOnTheRightBoxCountsAndMovesOn();
    void twoWrongClicksThenTheRightOne();
    void keysOneToFourAnswerTheBoxes();
    void trueFalseKeysAndButtons();
    void typedAnswerIsJudgedOnEnter();
    void inputMethodTextIsTypedAndJudged();
    void skipCountsWrongAndMovesOn();
    void automaticAnswerPulsesWithoutJudging();
    void reversalRefusedInPredefinedMode();
    void reversalSwapsAndBuildsANewQuestion();
    void enterStartsWhenNoQuestionIsShown();
    void arrowKeysTuneThePatternOnlyOutsideTrueFalse();
    void loadedListGetsTheAnswerSelectionQuietly();
    void questionSelectionChangeReachesTheNextQuestion();
    void pictureIconClickWithoutAPictureWindowChangesNothing();
    void questionSoundAutoPlaysUnlessMuted();
    void contextMenuGreysOutWhatCannotRun();
    void everyStoredQuizModeStartsOnALongList();
};

void QuizViewTest::clickOnTheRightBoxCountsAndMovesOn()
{
    QuizRig rig;
    rig.startQuiz(0);
    QVERIFY(rig.view->quizStarted());
    const int box = rig.rightBox();
    QVERIFY(box >= 0);
    const Pair& asked = rig.askedPair();
    const std::string askedQuestion(asked.question());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(box));
    QCOMPARE(asked.right(), 1);
    QCOMPARE(asked.timesInQuestion(), 1);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 1 - Wrong: 0"));
    QCOMPARE(rig.statusTexts.last(), QStringLiteral("Right: 1 - Wrong: 0"));
    QVERIFY(rig.view->session()->current().questionPair().question() != askedQuestion);
    QCOMPARE(rig.soundLog(), QStringList{"r sync"});
}

void QuizViewTest::twoWrongClicksThenTheRightOne()
{
    QuizRig rig;
    rig.startQuiz(0);
    const Pair& asked = rig.askedPair();
    const std::string askedQuestion(asked.question());
    const int wrong = rig.wrongBox();
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(wrong));
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(wrong));
    // The question stays until answered right; the wrong box keeps its colour.
    QCOMPARE(rig.view->session()->current().questionPair().question(), askedQuestion);
    QCOMPARE(int(rig.view->screen().answerFeedback(wrong)), int(QuizLook::Feedback::Wrong));
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 2"));
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(asked.wrong(), 2);
    QCOMPARE(asked.right(), 1);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 1 - Wrong: 2"));
    QCOMPARE(rig.soundLog(), (QStringList{"w async", "w async", "r sync"}));
    QVERIFY(!rig.view->session()->missed());
}

void QuizViewTest::keysOneToFourAnswerTheBoxes()
{
    QuizRig rig;
    rig.startQuiz(0);
    const Pair& asked = rig.askedPair();
    QTest::keyClick(rig.view.get(), Qt::Key(Qt::Key_1 + rig.wrongBox()));
    QCOMPARE(asked.wrong(), 1);
    QTest::keyClick(rig.view.get(), Qt::Key(Qt::Key_1 + rig.rightBox()));
    QCOMPARE(asked.right(), 1);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 1 - Wrong: 1"));
}

void QuizViewTest::trueFalseKeysAndButtons()
{
    QuizRig rig;
    rig.startQuiz(1);
    QVERIFY(rig.view->screen().layout().isTrueFalseOrTypeIn());
    const QuizQuestion& q = rig.view->session()->current();
    const bool statementTrue = q.choices()[0].shownAnswer() == q.questionPair().shownAnswer();
    const Pair& asked = rig.askedPair();
    QTest::keyClick(rig.view.get(), statementTrue ? Qt::Key_T : Qt::Key_F);
    QCOMPARE(asked.right(), 1);
    // The next statement answered with the buttons: the wrong one first.
    const QuizQuestion& next = rig.view->session()->current();
    const bool nextTrue = next.choices()[0].shownAnswer() == next.questionPair().shownAnswer();
    const bool bothRight = next.choices()[1].shownAnswer() == next.questionPair().shownAnswer();
    const Pair& nextAsked = rig.askedPair();
    if (!bothRight) {
        QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.buttonCentre(nextTrue ? 1 : 0));
        QCOMPARE(nextAsked.wrong(), 1);
    }
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.buttonCentre(nextTrue ? 0 : 1));
    QCOMPARE(nextAsked.right(), 1);
}

void QuizViewTest::typedAnswerIsJudgedOnEnter()
{
    QuizRig rig;
    rig.settings.setPreFill(0);
    rig.startQuiz(2);
    const Pair& asked = rig.askedPair();
    QVERIFY(rig.view->screen().typein());
    QCOMPARE(rig.view->screen().typein()->typedText(), std::string("****** *"));
    QTest::keyClicks(rig.view.get(), "Wrong!!!");
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QCOMPARE(asked.wrong(), 1);
    // Without "Keep trying" a wrong typed answer moves on; the new field starts from its pre-fill.
    QVERIFY(rig.view->session()->current().questionPair().question() != asked.question());
    const Pair& next = rig.askedPair();
    QTest::keyClick(rig.view.get(), Qt::Key_R, Qt::ControlModifier); // clears the pre-fill
    QCOMPARE(rig.view->screen().typein()->typedText(), std::string());
    QTest::keyClicks(rig.view.get(), QString::fromStdString(std::string(next.answer())));
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QCOMPARE(next.right(), 1);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 1 - Wrong: 1"));
}

// An input method shows what it composes in the field and types what it commits.
void QuizViewTest::inputMethodTextIsTypedAndJudged()
{
    QuizRig rig;
    for (Pair& pair : rig.list.pairs())
        pair.setAnswer(std::string(pair.answer()) + " \xE6\x9D\xB1\xE4\xBA\xAC"); // 東京
    rig.settings.setPreFill(0);
    rig.startQuiz(2);
    const Pair& asked = rig.askedPair();
    QVERIFY(rig.view->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(rig.view->inputMethodQuery(Qt::ImEnabled).toBool(), true);
    QTest::keyClick(rig.view.get(), Qt::Key_R, Qt::ControlModifier);
    QInputMethodEvent composing(QString::fromUtf8("\xE3\x81\xA8\xE3\x81\x86"), {}); // とう
    QCoreApplication::sendEvent(rig.view.get(), &composing);
    QCOMPARE(rig.view->screen().typein()->shownText(), std::string("\xE3\x81\xA8\xE3\x81\x86"));
    QCOMPARE(rig.view->screen().typein()->typedText(), std::string());
    QInputMethodEvent committed;
    committed.setCommitString(ListText::toQString(asked.answer()));
    QCoreApplication::sendEvent(rig.view.get(), &committed);
    QCOMPARE(rig.view->screen().typein()->typedText(), std::string(asked.answer()));
    QCOMPARE(rig.view->inputMethodQuery(Qt::ImCursorPosition).toInt(),
             ListText::toQString(asked.answer()).size());
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QCOMPARE(asked.right(), 1);
}

void QuizViewTest::skipCountsWrongAndMovesOn()
{
    QuizRig rig;
    rig.settings.setFunFlag(AppFlags::KeepTrying, true);
    rig.startQuiz(2);
    const Pair& asked = rig.askedPair();
    const std::string question(asked.question());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.buttonCentre(0)); // Try with the pre-fill
    QCOMPARE(asked.wrong(), 1);
    QCOMPARE(rig.view->session()->current().questionPair().question(), question); // keep trying
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.buttonCentre(1));   // Skip
    QCOMPARE(asked.wrong(), 2);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 2"));
    QVERIFY(rig.view->session()->current().questionPair().question() != question);
}

void QuizViewTest::automaticAnswerPulsesWithoutJudging()
{
    QuizRig rig;
    rig.settings.setShowHint(true);
    rig.settings.setFunFlag(AppFlags::HintSound, true);
    rig.view->show();
    rig.startQuiz(0);
    QVERIFY(rig.view->autoAnswerArmed());
    const QImage before = rig.view->backBuffer().copy();
    rig.scheduler.pauses.clear();
    rig.view->showAutomaticAnswer();
    QCOMPARE(rig.scheduler.pauses, QList<int>(14, 100));
    QCOMPARE(rig.soundLog(), QStringList{"hint async"});
    QCOMPARE(rig.askedPair().right() + rig.askedPair().wrong(), 0);
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 0"));
    QCOMPARE(rig.view->backBuffer(), before); // the screen is put back
    QVERIFY(!rig.view->autoAnswerArmed());    // re-armed only by the next advance
}

void QuizViewTest::reversalRefusedInPredefinedMode()
{
    QuizRig rig;
    Pair wrong("Question 1", "Not it");
    wrong.setKind(Pair::WrongAnswer);
    rig.list.wrongAnswers().push_back(wrong);
    rig.settings.setAnswerMode(AppSettings::AnswerMode::Predefined);
    rig.settings.setDialogFlags(GuideMessages::Flip);
    rig.startQuiz(0);
    rig.view->reverse();
    QCOMPARE(rig.prompter.guides.size(), 1);
    QVERIFY(rig.prompter.guides[0].text.startsWith("Brainlark will now reverse questions and answers."));
    QCOMPARE(rig.prompter.messageTexts(),
             QStringList{"Sorry, questions and answers can not be reversed in the Predefined Answers mode."});
    QVERIFY(!rig.list.pairs()[0].isReversed());
}

void QuizViewTest::reversalSwapsAndBuildsANewQuestion()
{
    QuizRig rig;
    rig.startQuiz(0);
    rig.view->reverse();
    QVERIFY(rig.prompter.messages.isEmpty());
    QVERIFY(rig.list.pairs()[0].isReversed());
    QVERIFY(rig.view->session()->current().questionPair().shownQuestion().rfind("Answer", 0) == 0);
}

void QuizViewTest::enterStartsWhenNoQuestionIsShown()
{
    QuizRig rig;
    QVERIFY(!rig.view->quizStarted());
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    QVERIFY(rig.view->quizStarted());
    QuizRig small(4);
    QTest::keyClick(small.view.get(), Qt::Key_Return);
    QVERIFY(!small.view->quizStarted()); // a list under five pairs is not quizzed
}

void QuizViewTest::arrowKeysTuneThePatternOnlyOutsideTrueFalse()
{
    QuizRig rig;
    rig.settings.setHatch(true);
    rig.settings.setLineStep(20);
    rig.settings.setLineWidth(2);
    rig.startQuiz(0);
    QTest::keyClick(rig.view.get(), Qt::Key_Up);
    QCOMPARE(rig.settings.lineStep(), 21);
    QTest::keyClick(rig.view.get(), Qt::Key_Left);
    QCOMPARE(rig.settings.lineWidth(), 1);
    rig.startQuiz(1);
    const Pair& asked = rig.askedPair();
    QTest::keyClick(rig.view.get(), Qt::Key_Up);
    QCOMPARE(rig.settings.lineStep(), 21);
    QTest::keyClick(rig.view.get(), Qt::Key_Left); // answers "True"
    QCOMPARE(asked.right() + asked.wrong(), 1);
}

namespace
{

int wrongAnswerChoices(const QuizView& view)
{
    int count = 0;
    for (const Pair& choice : view.session()->current().choices())
        count += choice.kind() == Pair::WrongAnswer ? 1 : 0;
    return count;
}

} // namespace

void QuizViewTest::loadedListGetsTheAnswerSelectionQuietly()
{
    QuizRig rig;
    PairList rich;
    for (int i = 1; i <= 5; ++i) {
        const std::string question = "Q" + std::to_string(i);
        rich.pairs().emplace_back(question, "A" + std::to_string(i));
        for (int w = 0; w < 3; ++w) {
            Pair wrong(question, "not " + std::to_string(w));
            wrong.setKind(Pair::WrongAnswer);
            rich.wrongAnswers().push_back(wrong);
        }
    }
    rich.toggleReverse();
    rig.settings.setFunFlag(funflags::kPredefinedAnswers, true);
    rig.settings.setAnswerMode(AppSettings::AnswerMode::Random); // left over from a list without any
    rig.settings.setDialogFlags(0xFFFFFFFF);
    rig.view->setList(&rich);
    QVERIFY(rig.settings.answerMode() == AppSettings::AnswerMode::Predefined);
    QVERIFY(!rich.isReversed());
    rig.startQuiz(0);
    QCOMPARE(wrongAnswerChoices(*rig.view), 3); // the pair and its three wrong answers

    rig.view->setList(&rig.list); // no predefined wrong answers: random ones, without the guide
    QVERIFY(rig.settings.answerMode() == AppSettings::AnswerMode::Random);
    QVERIFY(rig.settings.funFlag(funflags::kPredefinedAnswers));
    rig.startQuiz(0);
    QCOMPARE(wrongAnswerChoices(*rig.view), 0);
    QVERIFY(rig.prompter.guides.isEmpty());

    rig.settings.setFunFlag(funflags::kPredefinedAnswers, false);
    rig.view->setList(&rich);
    QVERIFY(rig.settings.answerMode() == AppSettings::AnswerMode::Random);
}

void QuizViewTest::questionSelectionChangeReachesTheNextQuestion()
{
    QuizRig rig(8);
    rig.startQuiz(0);
    rig.settings.setQuestionSelectionMode(1); // as the menu leaves it
    rig.list.setLastIndex(2);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.view->session()->current().questionIndex(), 3);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.view->session()->current().questionIndex(), 4);
    QCOMPARE(rig.list.lastIndex(), 4);
}

void QuizViewTest::pictureIconClickWithoutAPictureWindowChangesNothing()
{
    QuizRig rig;
    QDir(rig.folder.path()).mkpath("quiz_pictures");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(rig.folder.path() + "/quiz_pictures/pic.bmp"));
    for (Pair& pair : rig.list.pairs())
        pair.setPicturePath("pic.bmp");
    rig.settings.setFunFlag(funflags::kShowPictures, false);
    rig.startQuiz(0, 5); // Boxes-4 shows the picture itself
    QVERIFY(rig.view->screen().questionHasPicture());
    QVERIFY(!rig.view->screen().picture().isNull());
    const Rect icon = rig.view->screen().pictureIcon();
    const QPoint at(icon.center().x, icon.center().y);
    const std::string asked(rig.askedPair().question());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, at);
    QVERIFY(!rig.settings.funFlag(funflags::kShowPictures));
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 0 - Wrong: 0"));
    QCOMPARE(rig.askedPair().question(), asked);

    QSignalSpy shown(rig.view.get(), &QuizView::pictureAsked);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, at);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().first().toString().endsWith("quiz_pictures/pic.bmp"));
    QVERIFY(rig.settings.funFlag(funflags::kShowPictures));
}

void QuizViewTest::questionSoundAutoPlaysUnlessMuted()
{
    QuizRig rig;
    QDir(rig.folder.path()).mkpath("quiz_sounds");
    QFile sound(rig.folder.path() + "/quiz_sounds/say.wav");
    QVERIFY(sound.open(QIODevice::WriteOnly));
    sound.close();
    for (Pair& pair : rig.list.pairs())
        pair.setSoundPath("say.wav", 1);
    rig.settings.setFunFlag(AppFlags::AutoPlayQuestionSound, true);
    rig.startQuiz(0);
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.soundLog(), (QStringList{"r sync", "say.wav async"}));
    QVERIFY(rig.timeline.indexOf("pause:200") >= 0);

    QVERIFY(rig.view->runCommand(QuizView::CmdMute));
    QVERIFY(!rig.settings.playSounds());
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.player.plays.size(), 2); // neither the right-answer sound nor the question sound
    QCOMPARE(rig.view->statusText(), QStringLiteral("Right: 2 - Wrong: 0"));

    QVERIFY(rig.view->runCommand(QuizView::CmdMute));
    QVERIFY(rig.view->runCommand(QuizView::CmdFunnySounds));
    QVERIFY(!rig.settings.funFlag(AppFlags::FunnySounds));
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, rig.boxCentre(rig.rightBox()));
    QCOMPARE(rig.soundLog().mid(2), QStringList{"say.wav async"}); // event sounds off, pair sounds on
}

// The context menu offers the main window's commands enabled only when they would run; the sound schemes
// and the quiz types (Matching included) stay available.
void QuizViewTest::contextMenuGreysOutWhatCannotRun()
{
    QuizRig rig;
    rig.settings.setQuizMode(0);
    QuizViewMenu menu(rig.settings, [](int) {});
    menu.disableUnavailable([](int id) { return id != QuizView::CmdOptions && id != QuizView::CmdChangeLayout; });
    QVERIFY(!menu.command(QuizView::CmdOptions)->isEnabled());
    QVERIFY(!menu.command(QuizView::CmdChangeLayout)->isEnabled());
    for (int id : {int(QuizView::CmdMatching), int(QuizView::CmdTypeIn), int(QuizView::CmdSchemeFirst),
                   int(QuizView::CmdHelp)})
        QVERIFY2(menu.command(id)->isEnabled(), qPrintable(QString::number(id)));
}

// Whatever quiz mode is stored, a list of 16 pairs starts a quiz: an unknown mode falls back to
// multiple-choice, and the list is never blamed for it.
void QuizViewTest::everyStoredQuizModeStartsOnALongList()
{
    for (int stored : {0, 1, 2, 3, 9, -1}) {
        QuizRig rig(16);
        rig.settings.setQuizMode(stored);
        QVERIFY2(rig.view->canStart(), qPrintable(QString::number(stored)));
        rig.view->start();
        QVERIFY2(rig.view->quizStarted(), qPrintable(QString::number(stored)));
    }
}

QTEST_MAIN(QuizViewTest)
#include "quizview_test.moc"
