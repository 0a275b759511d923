// The pair dialogs: the browse rule for sounds and pictures, the long-text guide, the wrong-answer manager's
// trim rules, the notes and subject dialog, the password dialog and the list naming dialog.

#include "core/pairlist.h"
#include "editor/changesubjectdialog.h"
#include "editor/editpassworddialog.h"
#include "editor/listnamedialog.h"
#include "editor/mediabrowser.h"
#include "editor/notessubjectdialog.h"
#include "editor/pairdialog.h"
#include "editor/textfield.h"
#include "editor/wronganswerdialog.h"
#include "editor/wronganswersdialog.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <deque>

using namespace brainlark;
using namespace brainlark::testing;

class PairDialogsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SeededRandom m_random{1};
    std::unique_ptr<AppSettings> m_settings;
    RecordingPrompter m_prompter;
    RecordingSoundPlayer m_sound;
    std::deque<std::function<int(QDialog&)>> m_scripts;
    QStringList m_titles;

    EditorContext context()
    {
        EditorContext c;
        c.settings = m_settings.get();
        c.prompter = &m_prompter;
        c.sound = &m_sound;
        c.programFolder = m_dir.path();
        c.runDialog = [this](QDialog& dialog) {
            m_titles.append(dialog.windowTitle());
            if (m_scripts.empty())
                return int(QDialog::Rejected);
            auto script = m_scripts.front();
            m_scripts.pop_front();
            return script(dialog);
        };
        return c;
    }
    QString touch(const QString& relative)
    {
        const QString path = m_dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
    static std::function<int(QDialog&)> typeWrongAnswer(const QString& answer)
    {
        return [answer](QDialog& dialog) {
            auto& one = dynamic_cast<WrongAnswerDialog&>(dialog);
            one.answerEdit()->setText(answer);
            one.notesEdit()->setPlainText("note");
            return int(QDialog::Accepted);
        };
    }

private slots:
    void init()
    {
        m_settings = std::make_unique<AppSettings>(m_random);
        m_settings->resetToDefaults();
        m_prompter = RecordingPrompter();
        m_scripts.clear();
        m_titles.clear();
        MediaBrowser::forgetFolders();
    }

    void browseAcceptsOnlyFilesUnderTheFolder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::newRow("directly in the folder") << "quiz_sounds/hello.wav"
                                                << "hello.wav";
        QTest::newRow("in a subfolder, with a backslash") << "quiz_sounds/fr/bonjour.wav"
                                                          << "fr\\bonjour.wav";
        QTest::newRow("a sibling folder sharing the prefix") << "quiz_sounds2/x.wav"
                                                             << "";
        QTest::newRow("the folder's name inside a longer path") << "other/quiz_sounds/y.wav"
                                                                << "";
        QTest::newRow("dot-dot leading out") << "quiz_sounds/../elsewhere.wav"
                                             << "";
    }
    void browseAcceptsOnlyFilesUnderTheFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QDir(m_dir.path()).mkpath("quiz_sounds");
        const QString path = touch(chosen);
        MediaBrowser browser(MediaBrowser::Side::QuestionSound, m_dir.path() + "/quiz_sounds", m_prompter);
        m_prompter.fileAnswers = {path};
        const std::optional<QString> result = browser.browse();
        QCOMPARE(m_prompter.fileRequests.first().filter, QString(MediaBrowser::SoundFilter));
        QCOMPARE(result.value_or(QString()), stored);
        if (stored.isEmpty())
            QCOMPARE(m_prompter.messageTexts(),
                     QStringList{QString(MediaBrowser::SoundRefusal) + m_dir.path() + "/quiz_sounds"});
    }

    void browseRemembersTheSubfolderPerSide()
    {
        const QString folder = m_dir.path() + "/quiz_pictures";
        m_prompter.fileAnswers = {touch("quiz_pictures/maps/europe.jpg")};
        MediaBrowser pictures(MediaBrowser::Side::Picture, folder, m_prompter);
        QCOMPARE(pictures.browse().value(), QString("maps\\europe.jpg"));
        QCOMPARE(pictures.startFolder(), folder + "/maps");
        QCOMPARE(MediaBrowser::rememberedFolder(MediaBrowser::Side::QuestionSound), QString());
        m_prompter.fileAnswers = {touch("elsewhere/x.jpg")};
        QVERIFY(!pictures.browse());
        QCOMPARE(m_prompter.messageTexts().last(), QString(MediaBrowser::PictureRefusal) + folder + "/maps");
        QCOMPARE(MediaBrowser::filePath(folder, "MAPS\\Europe.JPG"), folder + "/maps/europe.jpg");
    }

    void pairDialogPlaysAndWarnsAboutLongTexts()
    {
        m_settings->setDialogFlags(GuideMessages::TextTooLong);
        PairDialog dialog({"q", "a", "fr\\q.wav", "", "notes", ""}, context());
        QCOMPARE(dialog.windowTitle(), QString("Add/Edit Q&A-pair"));
        dialog.button("playQuestionSound")->click();
        QCOMPARE(m_sound.plays.size(), 1);
        QCOMPARE(m_sound.plays[0].path, m_dir.path() + "/quiz_sounds/fr/q.wav");
        QVERIFY(!m_sound.plays[0].wait);
        dialog.answerEdit()->setText(QString(75, 'x'));
        dialog.accept();
        QVERIFY(m_prompter.guides.isEmpty());
        dialog.answerEdit()->setText(QString(76, 'x'));
        dialog.accept();
        QCOMPARE(m_prompter.guides.size(), 1);
        QVERIFY(m_prompter.guides[0].text.startsWith("The Question and/or Answer may be too long"));
        QCOMPARE(dialog.fields().answer.size(), 76);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void pairDialogViewOpensThePicturePreview()
    {
        QDir(m_dir.path()).mkpath("quiz_pictures");
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(m_dir.path() + "/quiz_pictures/red.bmp", "BMP"));
        PairDialog dialog({"q", "a", "", "", "", "red.bmp"}, context());
        dialog.button("viewPicture")->click();
        QCOMPARE(m_titles, QStringList{"Picture Preview"});
    }

    void wrongAnswersTrimOnAddKeepBlanksOnEditAndSkipEmpty()
    {
        PairList list;
        list.pairs().push_back(Pair("capital", "Paris"));
        Pair other("another question", "x");
        other.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(other);
        WrongAnswersDialog dialog("capital", "Paris", list, context());
        QVERIFY(!dialog.button("edit")->isEnabled());
        m_scripts = {typeWrongAnswer("  Rome  "), typeWrongAnswer("   ")};
        dialog.addAnswer();
        dialog.addAnswer();
        QCOMPARE(dialog.shownAnswers(), QStringList{"Rome"});
        QCOMPARE(list.wrongAnswers().back().hint(), std::string("note"));
        QCOMPARE(list.wrongAnswers().back().kind(), int32_t(Pair::WrongAnswer));
        QVERIFY(dialog.button("edit")->isEnabled());

        m_scripts = {typeWrongAnswer("  Madrid "), typeWrongAnswer("")};
        dialog.editAnswer();
        dialog.editAnswer();
        QCOMPARE(dialog.shownAnswers(), QStringList{"  Madrid "});

        m_prompter.messageAnswers = {Prompter::Yes};
        dialog.deleteAnswer();
        QCOMPARE(m_prompter.messages.last().text,
                 QString("Are you sure you want to delete this answer:\n\n  Madrid "));
        QVERIFY(dialog.shownAnswers().isEmpty());
        QVERIFY(dialog.changed());
        QCOMPARE(list.removeWrongAnswersOfKind(Pair::MarkedForDeletion), 1);
        QCOMPARE(list.wrongAnswers().size(), size_t(1));
    }

    // Confirmed unchanged, a dialog gives back what it was given: no field cuts a long text (a line edit
    // keeps 32,767 characters by default) and a text with line breaks keeps them in a multi-line field.
    void dialogsGiveBackLongAndMultiLineTextsWhole()
    {
        const QString longText(200000, QLatin1Char('x'));
        const PairFields fields{longText, "one\r\ntwo\r\nthree", longText, longText, "a\u00A0b\nc", longText};
        PairDialog pair(fields, context());
        QVERIFY(!pair.questionField()->isMultiLine());
        QVERIFY(pair.answerField()->isMultiLine());
        const PairFields back = pair.fields();
        QCOMPARE(back.question.size(), longText.size());
        QCOMPARE(back.answer, fields.answer);
        QCOMPARE(back.notes, fields.notes);
        QVERIFY(back == fields);
        PairDialog lines({"first\nsecond", "x", "", "", "", ""}, context());
        QCOMPARE(lines.fields().question, QString("first\nsecond"));
        WrongAnswerDialog wrong("q", {longText, longText, longText}, context());
        QCOMPARE(wrong.answerEdit()->text().size(), longText.size());
        EditPasswordDialog password(longText);
        QCOMPARE(password.password(), longText);
    }

    // The rows of the wrong answers are in index order, the order they were added in.
    void wrongAnswersShowInIndexOrder()
    {
        PairList list;
        for (const char* answer : {"Rome", "Madrid", "Lisbon"}) {
            Pair wrong("capital", answer);
            wrong.setKind(Pair::WrongAnswer);
            list.wrongAnswers().push_back(wrong);
        }
        WrongAnswersDialog dialog("capital", "Paris", list, context());
        QCOMPARE(dialog.shownAnswers(), (QStringList{"Rome", "Madrid", "Lisbon"}));
        m_scripts = {typeWrongAnswer("Berlin")};
        dialog.addAnswer();
        QCOMPARE(dialog.shownAnswers(), (QStringList{"Rome", "Madrid", "Lisbon", "Berlin"}));
    }

    void wrongAnswersEscapeAddsInsteadOfLeaving()
    {
        PairList list;
        WrongAnswersDialog dialog("q", "a", list, context());
        m_scripts = {typeWrongAnswer("w")};
        dialog.reject();
        QCOMPARE(m_titles, QStringList{"Predefined Wrong Answer"});
        QCOMPARE(dialog.shownAnswers(), QStringList{"w"});
        QVERIFY(!dialog.isVisible());
    }

    void notesAndSubjectAddsTheCurrentSubject()
    {
        NotesSubjectDialog dialog("notes", "Chemistry", {"--- n/a ---", "Biology"});
        QCOMPARE(dialog.windowTitle(), QString("Edit Notes and Subject"));
        QCOMPARE(dialog.subjectCombo()->count(), 3);
        QCOMPARE(dialog.subject(), QString("Chemistry"));
        QCOMPARE(dialog.notesEdit()->palette().color(QPalette::Base), QColor(230, 230, 250));
        QVERIFY(!dialog.notesModified());
        dialog.notesEdit()->insertPlainText("changed");
        QVERIFY(dialog.notesModified());
        NotesSubjectDialog none("", "", {"--- n/a ---", "Biology"});
        QCOMPARE(none.subject(), QString("--- n/a ---"));
        QCOMPARE(none.subjectCombo()->count(), 2);
        // A subject that no list uses yet is typed in; it is not completed to one that is there.
        NotesSubjectDialog typed("", "", {"--- n/a ---", "Geography"});
        typed.show();
        typed.subjectCombo()->setFocus();
        typed.subjectCombo()->lineEdit()->selectAll();
        QTest::keyClicks(typed.subjectCombo(), "German");
        QCOMPARE(typed.subject(), QString("German"));
    }

    void changeSubjectAndPasswordDialogs()
    {
        ChangeSubjectDialog change("Birds", "Biology", {"--- n/a ---", "Biology", "History"});
        QCOMPARE(change.windowTitle(), QString("Change Subject"));
        QCOMPARE(change.chosenSubject(), QString("Biology"));
        change.subjectCombo()->setCurrentIndex(2);
        QCOMPARE(change.chosenSubject(), QString("History"));
        EditPasswordDialog password("old");
        QCOMPARE(password.windowTitle(), QString("Edit Password"));
        QCOMPARE(password.password(), QString("old"));
    }

    void listNameRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("blanks do nothing") << "   " << QList<int>{} << "" << false;
        QTest::newRow("a slash is reported")
            << "a/b" << QList<int>{}
            << "Please make sure that Q&A-list name does not contain any ' / ' characters" << false;
        QTest::newRow("the first forbidden character counts")
            << "x%y#" << QList<int>{}
            << "Please make sure that Q&A-list name does not contain any ' % ' characters" << false;
        QTest::newRow("existing list, No stays")
            << "Birds" << QList<int>{Prompter::No}
            << "Another Q&A-list with this name already exists.\n\nWould you like to overwrite it?" << false;
        QTest::newRow("existing list, Yes overwrites")
            << " Birds " << QList<int>{Prompter::Yes}
            << "Another Q&A-list with this name already exists.\n\nWould you like to overwrite it?" << true;
        QTest::newRow("a new name") << "Fish" << QList<int>{} << "" << true;
    }
    void listNameRules()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        touch("data/Birds.fly");
        m_prompter.messageAnswers = answers;
        ListNameDialog dialog(m_dir.path() + "/data", "", m_prompter);
        QCOMPARE(dialog.windowTitle(), QString("Save Q&A-list"));
        QCOMPARE(dialog.nameEdit()->maxLength(), 30);
        dialog.nameEdit()->setText(typed);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(m_prompter.messageTexts().value(0), message);
        QCOMPARE(dialog.nameEdit()->text(), typed);
        if (accepted)
            QCOMPARE(dialog.listPath(), m_dir.path() + "/data/" + typed.trimmed() + ".fly");
    }
};

QTEST_MAIN(PairDialogsTest)
#include "pairdialogs_test.moc"
