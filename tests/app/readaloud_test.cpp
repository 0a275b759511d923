// Read aloud: the Ctrl+R key and the automatic reading on the real main window through the recording
// speaker, the guess of a list's languages from its texts, and the languages kept beside the list in the
// study history, never in the list file.

#include "app/historycommands.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/flyarchive.h"
#include "editor/notessubjectdialog.h"
#include "quiz/engine/matchboard.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizview.h"
#include "services/speechlanguage.h"
#include "support/framefixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QStatusBar>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

class ReadAloudTest : public FrameFixture
{
    Q_OBJECT

private:
    QuizView* m_view = nullptr;
    std::unique_ptr<HistoryCommands> m_history;

    QString listPath() const { return m_dir.path() + "/data/Words.fly"; }
    /// Six pairs "question i" / "answer i" in the scripts given; a sound named for each question when asked.
    QString writeList(const std::string& question, const std::string& answer, bool questionSounds = false)
    {
        PairList list;
        for (int i = 0; i < 6; ++i) {
            Pair pair(question + " " + std::to_string(i), answer + " " + std::to_string(i));
            if (questionSounds)
                pair.setSoundPath("q" + std::to_string(i) + ".wav", 1);
            list.pairs().push_back(pair);
        }
        std::string error;
        FlyArchive::writeFile(QFile::encodeName(listPath()).toStdString(), list, "s", &error);
        return listPath();
    }
    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    /// The window, its history on the temporary folder's database and its quiz screen over the list, in a
    /// quiz of the mode (multiple-choice unless asked) that has started, shown with the keyboard focus on
    /// the quiz.
    void openQuiz(const QString& path, QuizMode mode = QuizMode::MultipleChoice)
    {
        makeFrame(true);
        m_view = wireQuizView(*m_doc, *m_settings, services(), *m_frame);
        m_history = std::make_unique<HistoryCommands>(*m_frame, *m_doc);
        QVERIFY(m_history->openDatabase(m_dir.filePath("history.sqlite")));
        m_settings->setQuizMode(int(mode));
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        m_view->start();
        QVERIFY(m_view->quizStarted());
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_view->setFocus();
    }
    void closeQuiz()
    {
        m_history.reset();
        dropFrame();
        m_view = nullptr;
    }
    QString shownQuestion() const
    {
        return ListText::toQString(m_view->session()->current().questionPair().shownQuestion());
    }
    QString shownAnswer() const
    {
        return ListText::toQString(m_view->session()->current().questionPair().shownAnswer());
    }
    void readKey() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier); }
    /// Answers the question on the screen right with its number key, the feedback played out at once.
    void answerRight()
    {
        const auto& choices = m_view->session()->current().choices();
        const auto& asked = m_view->session()->current().questionPair();
        for (size_t i = 0; i < choices.size(); ++i)
            if (choices[i].shownAnswer() == asked.shownAnswer()) {
                QTest::keyClick(m_view, Qt::Key(Qt::Key_1 + int(i)));
                QCoreApplication::processEvents();
                return;
            }
        QFAIL("no right answer on the screen");
    }
    void key(Qt::Key key) { QTest::keyClick(m_view, key); }
    const MatchBoard& board() const { return m_view->matchScreen().game().board(); }
    /// "ru:вопрос 2" for the question box of the row, "en:answer 2" for the answer of its pair.
    QString boardQuestion(int row) const
    {
        return "ru:" + ListText::toQString(board().questionText(*m_doc->list(), row));
    }
    QString boardAnswer(int row) const
    {
        const Pair& pair = m_doc->list()->pairs()[size_t(board().questionPair(row))];
        return "en:" + ListText::toQString(pair.shownAnswer());
    }
    /// Connects each question row on the board with the keys to the answer box of the pair of `to[row]`.
    void connectWithKeys(const QList<int>& to)
    {
        const auto& answers = board().answerOrder();
        for (int row = 0; row < int(to.size()); ++row) {
            const int target = int(std::find(answers.begin(), answers.end(), board().questionPair(to[row])) -
                                   answers.begin());
            while (m_view->matchScreen().keyboard().focus().row != row)
                key(Qt::Key_Down);
            key(Qt::Key_Return); // picked: the focus goes to the answer level with it
            for (int step = row; step != target; step += target > row ? 1 : -1)
                key(target > row ? Qt::Key_Down : Qt::Key_Up);
            key(Qt::Key_Return);
        }
    }
    /// The card of the running show moves on to the next one, its steps played out at once.
    QString cardQuestion() const
    {
        return "ru:" + ListText::toQString(m_view->slideshow().cardPair().shownQuestion());
    }
    QString cardAnswer() const
    {
        return "en:" + ListText::toQString(m_view->slideshow().cardPair().shownAnswer());
    }

private slots:
    void init()
    {
        resetSettings({"data", "quiz_sounds"});
        m_settings->setDialogFlags(0);
        m_settings->setCallGo(false); // the quiz starts once, when the test starts it
    }
    void cleanup()
    {
        m_scheduler.settle();
        m_scheduler.eager = true;
        m_scheduler.clock = nullptr;
        closeQuiz();
    }

    void theLanguageIsGuessedFromTheScript_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("language");
        QTest::newRow("latin") << QStringList{"house", "maison"} << "";
        QTest::newRow("cyrillic") << QStringList{"дом", "кошка"} << "ru";
        QTest::newRow("greek") << QStringList{"σπίτι"} << "el";
        QTest::newRow("arabic") << QStringList{"بيت"} << "ar";
        QTest::newRow("hebrew") << QStringList{"בית"} << "he";
        QTest::newRow("han") << QStringList{"房子", "猫"} << "zh";
        QTest::newRow("han with kana") << QStringList{"家です", "猫"} << "ja";
        QTest::newRow("hangul") << QStringList{"집"} << "ko";
        QTest::newRow("devanagari") << QStringList{"घर"} << "hi";
        QTest::newRow("thai") << QStringList{"บ้าน"} << "th";
        QTest::newRow("most letters win") << QStringList{"the house", "дом"} << "";
        QTest::newRow("cyrillic among digits") << QStringList{"1999", "2 + 2", "да"} << "ru";
        QTest::newRow("no letters") << QStringList{"12", "?"} << "";
    }
    void theLanguageIsGuessedFromTheScript()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, language);
        QCOMPARE(SpeechLanguage::guess(texts), language);
    }

    // Ctrl+R reads the question in the language of its side (guessed: Cyrillic), and again after a Flip in
    // the other side's; a right answer moves on, so the key then reads the next question.
    void theKeyReadsTheQuestionInItsSidesLanguage()
    {
        openQuiz(writeList("вопрос", "answer"));
        QVERIFY(m_frame->action(cmd::ReadAloud)->isEnabled());
        readKey();
        QCOMPARE(m_speaker.said, QStringList{"ru:" + shownQuestion()});
        QVERIFY(shownQuestion().startsWith("вопрос"));
        answerRight();
        readKey();
        QCOMPARE(m_speaker.said.last(), "ru:" + shownQuestion());
        m_frame->execute(cmd::Flip);
        readKey();
        QVERIFY(shownQuestion().startsWith("answer"));
        QCOMPARE(m_speaker.said.last(), "en:" + shownQuestion());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    // The options read each question as it appears and each answer once it is judged; a question that comes
    // while the answer is read waits for it.
    void questionsAndAnswersAreReadAutomatically_data()
    {
        QTest::addColumn<bool>("questions");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QStringList>("expected"); // Q1 first question, A1 its answer, Q2 the next question
        QTest::newRow("neither") << false << false << QStringList{};
        QTest::newRow("questions") << true << false << QStringList{"Q1", "Q2"};
        QTest::newRow("answers") << false << true << QStringList{"A1"};
        QTest::newRow("both") << true << true << QStringList{"Q1", "A1", "Q2"};
    }
    void questionsAndAnswersAreReadAutomatically()
    {
        QFETCH(bool, questions);
        QFETCH(bool, answers);
        QFETCH(QStringList, expected);
        m_settings->setReadQuestionsAloud(questions);
        m_settings->setReadAnswersAloud(answers);
        m_settings->setSpeechRate(5);
        openQuiz(writeList("вопрос", "answer"));
        QCoreApplication::processEvents();
        QMap<QString, QString> texts{{"Q1", "ru:" + shownQuestion()}, {"A1", "en:" + shownAnswer()}};
        answerRight();
        QTRY_VERIFY(m_speaker.said.size() >= expected.size());
        texts["Q2"] = "ru:" + shownQuestion();
        QStringList wanted;
        for (const QString& name : expected)
            wanted << texts[name];
        QCOMPARE(m_speaker.said, wanted);
        for (double rate : m_speaker.rates)
            QCOMPARE(rate, 0.5);
    }

    // A pair with a recorded sound on the question's side is never spoken: the key plays the sound, the
    // automatic reading leaves it alone.
    void aRecordedSoundWinsOverTheVoice()
    {
        m_settings->setReadQuestionsAloud(true);
        m_settings->setFunFlag(funflags::kAutoPlayQuestionSounds, false);
        openQuiz(writeList("вопрос", "answer", true));
        QCoreApplication::processEvents();
        QCOMPARE(m_speaker.said, QStringList());
        readKey();
        QCOMPARE(m_speaker.said, QStringList());
        QCOMPARE(m_sound.fileNames().size(), 1);
        QVERIFY(m_sound.fileNames().first().startsWith("q"));
    }

    // On the matching board the key reads the question box the learner is at: the focused one, then the
    // picked one while the focus is on the answers.
    void theKeyReadsTheMatchingBoardsQuestionBox()
    {
        m_settings->setMatchQuizRows(4);
        openQuiz(writeList("вопрос", "answer"), QuizMode::Matching);
        QVERIFY(m_frame->action(cmd::ReadAloud)->isEnabled());
        readKey();
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        readKey();
        key(Qt::Key_Return);
        key(Qt::Key_Down); // the answer below the picked question has the focus
        readKey();
        QCOMPARE(m_speaker.said, (QStringList{boardQuestion(0), boardQuestion(2), boardQuestion(2)}));
    }

    // The options read a question box as it is picked, with the mouse or the keys (never an answer box that
    // is clicked or focused) and, once the board is judged, the answer of each match that is right, one
    // after the other.
    void theMatchingBoardIsReadAutomatically_data()
    {
        QTest::addColumn<bool>("questions");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QStringList>("expected"); // Q<row> a picked question, A<row> the answer of a match
        QTest::newRow("questions") << true << false << QStringList{"Q3", "Q0", "Q1", "Q2", "Q3"};
        QTest::newRow("answers") << false << true << QStringList{"A2", "A3"};
        QTest::newRow("both") << true << true << QStringList{"Q3", "Q0", "Q1", "Q2", "Q3", "A2", "A3"};
    }
    void theMatchingBoardIsReadAutomatically()
    {
        QFETCH(bool, questions);
        QFETCH(bool, answers);
        QFETCH(QStringList, expected);
        m_settings->setReadQuestionsAloud(questions);
        m_settings->setReadAnswersAloud(answers);
        m_settings->setMatchQuizRows(4);
        openQuiz(writeList("вопрос", "answer"), QuizMode::Matching);
        QCoreApplication::processEvents();
        QMap<QString, QString> texts;
        for (int row = 0; row < 4; ++row) {
            texts["Q" + QString::number(row)] = boardQuestion(row);
            texts["A" + QString::number(row)] = boardAnswer(row);
        }
        for (MatchBox box : {MatchBox{MatchBox::Answers, 0}, MatchBox{MatchBox::Questions, 3}}) {
            const Point centre = m_view->matchScreen().layout().box(box).center();
            QTest::mouseClick(m_view, Qt::LeftButton, {}, QPoint(centre.x, centre.y)); // no line
        }
        connectWithKeys({1, 0, 2, 3}); // the first two rows crossed
        key(Qt::Key_T);
        QTRY_VERIFY(m_speaker.said.size() >= expected.size());
        QCoreApplication::processEvents();
        QStringList wanted;
        for (const QString& name : expected)
            wanted << texts[name];
        QCOMPARE(m_speaker.said, wanted);
    }

    // In the slideshow the options read each card's question as it comes and its answer as it shows (with
    // the card, or after the delay); a new card cuts off what is being read of the card before, and its
    // answer that waited is never read.
    void slideshowCardsAreReadAutomatically_data()
    {
        QTest::addColumn<bool>("questions");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("delayAnswer");
        QTest::addColumn<bool>("holding");         // each reading goes on until the next one or a stop
        QTest::addColumn<QStringList>("expected"); // Q1 the first card's question, A1 its answer, Q2, A2
        QTest::newRow("questions") << true << false << false << false << QStringList{"Q1", "Q2"};
        QTest::newRow("answers with the card") << false << true << false << false << QStringList{"A1", "A2"};
        QTest::newRow("answers after the delay") << false << true << true << false << QStringList{"A1", "A2"};
        QTest::newRow("both") << true << true << false << false << QStringList{"Q1", "A1", "Q2", "A2"};
        QTest::newRow("a new card cuts off") << true << true << false << true << QStringList{"Q1", "Q2"};
    }
    void slideshowCardsAreReadAutomatically()
    {
        QFETCH(bool, questions);
        QFETCH(bool, answers);
        QFETCH(bool, delayAnswer);
        QFETCH(bool, holding);
        QFETCH(QStringList, expected);
        m_settings->setReadQuestionsAloud(questions);
        m_settings->setReadAnswersAloud(answers);
        m_settings->setFunFlag(funflags::kSlideDelayAnswer, delayAnswer);
        m_settings->setSlideshowDelay(2);
        openQuiz(writeList("вопрос", "answer"));
        QCoreApplication::processEvents();
        m_speaker.said.clear();
        m_speaker.holding = holding;
        m_frame->execute(cmd::Slideshow);
        QMap<QString, QString> texts;
        for (const QString& card : {"1", "2"}) {
            m_view->slideshow().tick();
            texts["Q" + card] = cardQuestion();
            texts["A" + card] = cardAnswer();
            QCoreApplication::processEvents();
        }
        QStringList wanted;
        for (const QString& name : expected)
            wanted << texts[name];
        QCOMPARE(m_speaker.said, wanted);
        if (holding)
            QCOMPARE(m_speaker.stops, 1);
    }

    // While the show runs, also while a card is still on its way, the key reads the side of the card that
    // shows: the question, and the answer once it has come up; nothing once the card has left.
    void theKeyReadsTheSlideshowCardThatShows()
    {
        m_settings->setFunFlag(funflags::kSlideDelayAnswer, true);
        m_settings->setFunFlag(funflags::kSlideAnimations, true);
        m_settings->setSlideshowDelay(4);
        openQuiz(writeList("вопрос", "answer"));
        m_scheduler.clock = &m_clock; // the card's frames go by the clock
        m_scheduler.eager = false;
        m_speaker.said.clear();
        m_frame->execute(cmd::Slideshow);
        m_scheduler.settle(); // the opening
        m_view->slideshow().tick();
        const auto runUntil = [this](const std::function<bool()>& reached) {
            for (int ms = 0; ms < 10000 && !reached(); ms += 10)
                m_scheduler.advance(10);
            QVERIFY(reached());
        };
        runUntil([this] { return m_view->slideshow().phase() == Slideshow::Phase::Shown; });
        QCOMPARE(m_view->activity(), Activity::ShowCard);
        readKey();
        runUntil([this] { return m_view->slideshow().answerShown(); });
        readKey();
        runUntil([this] { return m_view->slideshow().phase() == Slideshow::Phase::Left; });
        readKey(); // the card has left the screen
        QCOMPARE(m_speaker.said, (QStringList{cardQuestion(), cardAnswer()}));
    }

    // Leaving the quiz silences the voice, and the question that waited for the answer being read is never
    // read.
    void leavingTheQuizSilencesTheVoice_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("editor") << "editor";
        QTest::newRow("new list") << "new list";
        QTest::newRow("another list") << "another list";
        QTest::newRow("list closed") << "list closed";
        QTest::newRow("window closed") << "window closed";
        QTest::newRow("slideshow stopped") << "slideshow stopped";
    }
    void leavingTheQuizSilencesTheVoice()
    {
        QFETCH(QString, how);
        m_settings->setReadQuestionsAloud(true);
        m_settings->setReadAnswersAloud(true);
        m_settings->setFunFlag(funflags::kSlideDelayAnswer, false);
        m_settings->setSlideshowDelay(2);
        openQuiz(writeList("вопрос", "answer"));
        QCoreApplication::processEvents();
        m_speaker.said.clear();
        m_speaker.holding = true;
        QString waiting;
        if (how == "slideshow stopped") {
            m_frame->execute(cmd::Slideshow);
            m_view->slideshow().tick(); // its question is read, its answer waits
            waiting = cardAnswer();
        } else {
            answerRight(); // the answer is read, the next question waits
            waiting = "ru:" + shownQuestion();
        }
        QCOMPARE(m_speaker.said.size(), 1);
        if (how == "editor")
            m_frame->execute(cmd::Editor);
        else if (how == "new list")
            QTest::keyClick(m_frame.get(), Qt::Key_N, Qt::ControlModifier);
        else if (how == "another list")
            QVERIFY(m_doc->loadList(listPath(), ListDocument::OpenList));
        else if (how == "list closed")
            m_doc->dropList();
        else if (how == "window closed")
            m_frame->close();
        else
            key(Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(m_speaker.stops, 1);
        QVERIFY(!m_speaker.said.contains(waiting));
    }

    // Without an engine, or without a voice for either side's language, the command is off and its tip says
    // why; the status bar says it once, and no question opens a box.
    void withoutAVoiceTheCommandIsOffAndSaysWhyOnce_data()
    {
        QTest::addColumn<bool>("engine");
        QTest::addColumn<QString>("tip");
        QTest::newRow("no engine") << false
                                   << "Read aloud needs a speech engine: install speech-dispatcher or flite.";
        QTest::newRow("no voice") << true << "No voice for Greek is installed.";
    }
    void withoutAVoiceTheCommandIsOffAndSaysWhyOnce()
    {
        QFETCH(bool, engine);
        QFETCH(QString, tip);
        m_speaker.available = engine;
        m_settings->setReadQuestionsAloud(true);
        m_settings->setReadAnswersAloud(true);
        openQuiz(writeList("ερώτηση", "απάντηση"));
        QCOMPARE(m_frame->statusBar()->currentMessage(), tip);
        m_frame->statusBar()->clearMessage();
        QAction* read = m_frame->action(cmd::ReadAloud);
        m_frame->updateCommandStates();
        QVERIFY(!read->isEnabled());
        QCOMPARE(read->statusTip(), tip);
        QCOMPARE(read->toolTip(), tip);
        for (int i = 0; i < 3; ++i)
            answerRight();
        readKey();
        QCOMPARE(m_speaker.said, QStringList());
        QCOMPARE(m_prompter.messages.size(), 0);
        QCOMPARE(m_frame->statusBar()->currentMessage(), QString());
    }

    // The languages chosen in Notes and Subject are kept in the history's database: the list file keeps
    // every byte, and the list opened again later is read in them.
    void chosenLanguagesOutliveTheListAndLeaveItsFileAlone()
    {
        const QString path = writeList("вопрос", "answer");
        const QByteArray before = bytesOf(path);
        ListLanguages offered;
        const auto chooseInNotes = [this, &offered] {
            m_frame->setDialogRunner([&offered](QDialog& dialog) {
                auto* notes = dynamic_cast<NotesSubjectDialog*>(&dialog);
                if (!notes)
                    return int(QDialog::Rejected);
                offered = notes->languages();
                notes->questionLanguageCombo()->setCurrentIndex(
                    notes->questionLanguageCombo()->findData("uk"));
                notes->answerLanguageCombo()->setCurrentIndex(notes->answerLanguageCombo()->findData("de"));
                return int(QDialog::Accepted);
            });
        };
        openQuiz(path);
        chooseInNotes();
        m_frame->execute(cmd::Editor);
        QVERIFY(m_frame->gridView());
        m_frame->execute(cmd::GridNotes);
        QCOMPARE(offered, (ListLanguages{"ru", ""})); // guessed from the scripts
        QVERIFY(m_frame->backToQuiz());
        closeQuiz();
        QCOMPARE(bytesOf(path), before);

        m_speaker.locales << QLocale(QLocale::Ukrainian);
        openQuiz(path);
        readKey();
        QCOMPARE(m_speaker.said, QStringList{"uk:" + shownQuestion()});
        chooseInNotes();
        m_frame->execute(cmd::Editor);
        m_frame->execute(cmd::GridNotes);
        QCOMPARE(offered, (ListLanguages{"uk", "de"}));
    }
};

QTEST_MAIN(ReadAloudTest)
#include "readaloud_test.moc"
