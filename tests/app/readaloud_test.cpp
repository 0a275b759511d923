// Read aloud: the Ctrl+R key and the automatic reading on the real main window through the recording
// speaker, the guess of a list's languages from its texts, and the languages kept beside the list in the
// study history, never in the list file.

#include "app/historycommands.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/flyarchive.h"
#include "editor/notessubjectdialog.h"
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
    /// multiple-choice quiz that has started, shown with the keyboard focus on the quiz.
    void openQuiz(const QString& path)
    {
        makeFrame(true);
        m_view = wireQuizView(*m_doc, *m_settings, services(), *m_frame);
        m_history = std::make_unique<HistoryCommands>(*m_frame, *m_doc);
        QVERIFY(m_history->openDatabase(m_dir.filePath("history.sqlite")));
        m_settings->setQuizMode(0);
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

private slots:
    void init()
    {
        resetSettings({"data", "quiz_sounds"});
        m_settings->setDialogFlags(0);
        m_settings->setCallGo(false); // the quiz starts once, when the test starts it
    }
    void cleanup() { closeQuiz(); }

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
