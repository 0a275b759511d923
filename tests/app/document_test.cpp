// The document through its public commands: loading lists and their messages, the password, saving and
// Save As, desktop opens, exports and folders, with every outside effect recorded by the fakes.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

#include "app/hyperlinklabel.h"
#include "app/listdocument.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

const QString FourPairsMessage =
    "At least 5 question&answer pairs are required to generate a quiz. This Q&A-list "
    "does not have enough entries for a quiz, but you still can edit it. ";
const QString ReadErrorMessage =
    "Sorry, Brainlark is unable to open this Q&A-list.\n\n%1\n\nWe apologize for the inconvenience!\n\nIn order to "
    "be "
    "able to open this Q&A-list, please download \nand install the latest version of Brainlark from "
    "www.brainlark.example.\n\nWould you like to open the download page now?";

PairList makeList(int pairs, const std::string& password = "", const std::string& notes = "")
{
    PairList list;
    for (int i = 0; i < pairs; ++i)
        list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    list.setPassword(password);
    list.setNotes(notes);
    return list;
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ManualClock m_clock{1700000000};
    ScriptedRandom m_random;
    RecordingPrompter m_prompter;
    RecordingShellOpener m_shell;
    VirtualScheduler m_scheduler;
    RecordingSoundPlayer m_sound;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<ListDocument> m_doc;

    QString data(const QString& name) const { return m_dir.path() + "/data/" + name; }
    QString writeList(const QString& name, PairList list)
    {
        const QString path = data(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "stamp")));
        return path;
    }
    void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    PairList readBack(const QString& path)
    {
        PairList list;
        FlyArchive::readFile(QFile::encodeName(path).toStdString(), list);
        return list;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const char* sub : {"data", "text", "export_text", "printable_tests", "palm"})
            QDir(m_dir.path()).mkpath(sub);
        m_prompter = RecordingPrompter();
        m_shell = RecordingShellOpener();
        m_settings = std::make_unique<AppSettings>(m_random);
        m_settings->setInstallPath(m_dir.path());
        m_settings->resetToDefaults();
        Services services{&m_clock, &m_random, &m_prompter, &m_shell, &m_scheduler, &m_sound};
        m_doc = std::make_unique<ListDocument>(*m_settings, services);
        m_doc->setQuizShown(false); // only the tests that check the write-back at the end want it
    }
    void cleanup()
    {
        m_doc.reset();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void opensListsByPairCount_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("message");
        QTest::newRow("no pairs") << 0 << false << "Sorry, file %1 does not contain a valid Q&A-list.";
        QTest::newRow("four pairs") << 4 << true << FourPairsMessage;
        QTest::newRow("five pairs") << 5 << true << QString();
    }
    void opensListsByPairCount()
    {
        QFETCH(int, pairs);
        QFETCH(bool, loads);
        QFETCH(QString, message);
        const QString old = writeList("Old.fly", makeList(6));
        QVERIFY(m_doc->loadList(old, ListDocument::OpenList));
        const QString path = writeList("Spanish.fly", makeList(pairs));
        QSignalSpy loaded(m_doc.get(), &ListDocument::listLoaded);

        QCOMPARE(m_doc->loadList(path, ListDocument::OpenList), loads);
        if (message.contains("%1"))
            message = message.arg(path);
        QCOMPARE(m_prompter.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(m_prompter.messages.first().icon, Prompter::Icon::Exclamation);
        QCOMPARE(m_doc->pairCount(), loads ? pairs : 6);
        QCOMPARE(m_doc->title(), loads ? QString("Spanish") : QString("Old"));
        QCOMPARE(m_settings->currentFileName(), loads ? path : old);
        QCOMPARE(loaded.count(), loads ? 1 : 0);
    }

    void corruptListKeepsTheOldOneAndOffersTheDownloadPage()
    {
        const QString good = writeList("Good.fly", makeList(5));
        QVERIFY(m_doc->loadList(good, ListDocument::OpenList));
        const std::string bytes = FlyArchive::write(*std::make_unique<PairList>(makeList(5)), "s");
        const QString bad = data("Bad.fly");
        writeBytes(bad, QByteArray::fromStdString(bytes.substr(0, bytes.size() / 2)));

        m_prompter.messageAnswers.append(Prompter::No);
        QVERIFY(!m_doc->loadList(bad, ListDocument::OpenList));
        QCOMPARE(m_prompter.messageTexts(), QStringList{ReadErrorMessage.arg(bad)});
        QCOMPARE(m_prompter.messages.first().buttons, Prompter::Buttons::YesNo);
        QVERIFY(m_shell.opened.isEmpty());
        QCOMPARE(m_doc->title(), QString("Good"));
        QCOMPARE(m_doc->pairCount(), 5);

        m_prompter.messageAnswers.append(Prompter::Yes);
        QVERIFY(!m_doc->loadList(bad, ListDocument::OpenList));
        QCOMPARE(m_shell.opened, QStringList{"http://www.brainlark.example/download.html?s=software"});
        QCOMPARE(m_settings->currentFileName(), good);

        // Without a browser the learner is told, as by every web link.
        m_shell.succeeds = false;
        m_prompter.messages.clear();
        m_prompter.messageAnswers.append(Prompter::Yes);
        QVERIFY(!m_doc->loadList(bad, ListDocument::OpenList));
        QCOMPARE(m_prompter.messageTexts(),
                 (QStringList{ReadErrorMessage.arg(bad),
                              HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError)}));
    }

    void extensionAndModeRules()
    {
        const QString upper = writeList("LOUD.FLY", makeList(5));
        QVERIFY(m_doc->loadList(upper, ListDocument::OpenList));
        QCOMPARE(m_doc->title(), QString("LOUD"));
        const QString text = m_dir.path() + "/text/words.txt";
        writeBytes(text, "a @ b\n");
        QVERIFY(!m_doc->loadList(text, ListDocument::OpenList));
        QVERIFY(!m_doc->loadList(upper, ListDocument::ImportText));
        QVERIFY(!m_doc->loadList(upper, static_cast<ListDocument::LoadMode>(2)));
        QVERIFY(!m_doc->loadList(data("Missing.fly"), ListDocument::OpenList));
        QVERIFY(m_prompter.messages.isEmpty());
        QCOMPARE(m_doc->title(), QString("LOUD"));
        QCOMPARE(m_settings->currentFileType(), 1);
    }

    void importsTextFilesOfFiveOrMorePairs()
    {
        const QString four = m_dir.path() + "/text/four.txt";
        writeBytes(four, "a @ 1\nb @ 2\nc @ 3\nd @ 4\n");
        QVERIFY(!m_doc->loadList(four, ListDocument::ImportText));
        QCOMPARE(m_prompter.messageTexts(),
                 QStringList{"Sorry, file " + four + " does not contain a valid Q&A-list."});
        QVERIFY(!m_doc->hasList());

        const QString five = m_dir.path() + "/text/five.txt";
        writeBytes(five, "a @ 1\nb @ 2\nc @ 3\nd @ 4\ne @ 5\n");
        QVERIFY(m_doc->loadList(five, ListDocument::ImportText));
        QCOMPARE(m_doc->pairCount(), 5);
        QCOMPARE(m_settings->currentFileType(), 0);
        // An imported text file is never written over with list bytes.
        QVERIFY(!m_doc->saveToFile());
        QFile file(five);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("a @ 1"));
    }

    void passwordGuardsTheExports_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("answer"); // 0 cancel, 1 right, 2 wrong case
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("asked");
        QTest::newRow("none") << "" << 0 << true << 0;
        QTest::newRow("n/a") << "n/a" << 0 << true << 0;
        QTest::newRow("right") << "Secret" << 1 << true << 1;
        QTest::newRow("wrong case") << "Secret" << 2 << false << 1;
        QTest::newRow("cancelled") << "Secret" << 0 << false << 1;
    }
    void passwordGuardsTheExports()
    {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, allowed);
        QFETCH(int, asked);
        QVERIFY(m_doc->loadList(writeList("Locked.fly", makeList(5, stored.toStdString())), ListDocument::OpenList));
        const std::optional<QString> typed = answer == 1   ? std::optional<QString>("Secret")
                                             : answer == 2 ? std::optional<QString>("secret")
                                                           : std::nullopt;
        m_prompter.passwordAnswers.append(typed);
        m_doc->exportToText();
        QCOMPARE(m_prompter.passwordRequests, asked);
        const QString output = m_dir.path() + "/export_text/Locked.txt";
        QCOMPARE(QFileInfo::exists(output), allowed);
        QCOMPARE(m_shell.opened, allowed ? QStringList{output} : QStringList());
        m_prompter.passwordAnswers.append(typed);
        QCOMPARE(m_doc->checkPassword(), allowed);
    }

    void saveAsRenamesTheDocument()
    {
        QVERIFY(m_doc->loadList(writeList("Spanish.fly", makeList(5)), ListDocument::OpenList));
        const QString target = data("Espanol.fly");
        m_prompter.fileAnswers.append(target);
        QSignalSpy titles(m_doc.get(), &ListDocument::titleChanged);
        m_doc->saveAs();

        QCOMPARE(m_prompter.fileRequests.size(), 1);
        const auto request = m_prompter.fileRequests.first();
        QVERIFY(request.save);
        QCOMPARE(request.folderOrPath, m_dir.path() + "/data");
        QCOMPARE(request.filter, QString("Flash Card files (*.fly)"));
        QCOMPARE(request.defaultSuffix, QString("fly"));
        QCOMPARE(m_doc->title(), QString("Espanol"));
        QCOMPARE(titles.last().first().toString(), QString("Espanol"));
        QCOMPARE(m_doc->pathName(), target);
        QCOMPARE(m_settings->currentFileName(), target);
        QCOMPARE(m_settings->currentFileType(), 1);
        const PairList saved = readBack(target);
        QCOMPARE(saved.count(), 5);
        QVERIFY(saved.createdStamp() == "stamp");
        QVERIFY(QString::fromStdString(saved.savedStamp()).startsWith("Version 4.0###"));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void saveAsAddsTheListExtensionAndCanBeCancelled()
    {
        QVERIFY(m_doc->loadList(writeList("Spanish.fly", makeList(5)), ListDocument::OpenList));
        m_prompter.fileAnswers.append(QString());
        m_doc->saveAs();
        QCOMPARE(m_doc->title(), QString("Spanish"));
        m_prompter.fileAnswers.append(data("Plain"));
        m_doc->saveAs();
        QCOMPARE(m_doc->pathName(), data("Plain.fly"));
        QVERIFY(QFileInfo::exists(data("Plain.fly")));
        QVERIFY(!QFileInfo::exists(data("Plain")));
    }

    void saveAsThatCannotWriteReportsAndWritesNothing()
    {
        QVERIFY(m_doc->loadList(writeList("Spanish.fly", makeList(5)), ListDocument::OpenList));
        const QString target = m_dir.path() + "/no such folder/New.fly";
        m_prompter.fileAnswers.append(target);
        m_doc->saveAs();
        QCOMPARE(m_prompter.messages.size(), 1);
        QVERIFY(m_prompter.messages.first().text.startsWith("Could not save the Q&A-list.\n\n"));
        QVERIFY(m_prompter.messages.first().text.size() > QString("Could not save the Q&A-list.\n\n").size());
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(m_doc->title(), QString("Spanish"));
        QCOMPARE(m_settings->currentFileName(), data("Spanish.fly"));
    }

    void saveToFileWritesOnlyIntoTheExistingListFile()
    {
        const QString path = writeList("Stats.fly", makeList(5));
        QVERIFY(!m_doc->saveToFile()); // no list yet
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        m_doc->list()->pairs()[0].addRight(3);
        QVERIFY(m_doc->saveToFile());
        QCOMPARE(readBack(path).pairs()[0].right(), 3);

        QVERIFY(QFile::remove(path));
        QVERIFY(!m_doc->saveToFile());
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void saveToFileLeavesAWriteProtectedListAlone()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const QString path = writeList("Locked.fly", makeList(5));
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        m_doc->list()->pairs()[0].addWrong(2);
        QVERIFY(!m_doc->saveToFile());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void goingAwayWhileTheQuizIsShownWritesTheListBack()
    {
        const QString path = writeList("Back.fly", makeList(5));
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        m_doc->list()->pairs()[1].addRight(7);
        m_doc->setQuizShown(true);
        m_doc.reset();
        QCOMPARE(readBack(path).pairs()[1].right(), 7);
    }

    void desktopOpens()
    {
        QStringList pictures;
        m_doc->setBackgroundHandler([&pictures](const QString& path) {
            pictures << path;
            return true;
        });
        const QString list = writeList("Open.fly", makeList(5));
        QVERIFY(!m_doc->openDocument(m_dir.path() + "/sky.JPG"));
        QCOMPARE(pictures, QStringList{m_dir.path() + "/sky.JPG"});
        QVERIFY(!m_doc->hasList());
        QVERIFY(!m_doc->openDocument(m_dir.path() + "/notes.txt"));
        const QString tiny = data("Tiny.fly");
        writeBytes(tiny, QByteArray(49, '\0'));
        QVERIFY(!m_doc->openDocument(tiny));
        QVERIFY(m_prompter.messages.isEmpty());

        m_doc->setQuizShown(false);
        QVERIFY(m_doc->openDocument(list));
        QVERIFY(!m_doc->hasList()); // the grid is shown: nothing is loaded under it
        m_doc->setQuizShown(true);
        QVERIFY(m_doc->openDocument(list));
        QCOMPARE(m_doc->title(), QString("Open"));
        m_doc->setQuizShown(false);
    }

    // A file handed over on the command line that cannot be a list says which file and why.
    void whyAFileCannotBeOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // %1 = the path; empty = may be read
        QTest::newRow("missing") << "Gone.fly" << QByteArray() << "The file %1 does not exist.";
        QTest::newRow("empty") << "Empty.fly" << QByteArray("") << "The Q&A-list %1 is empty.";
        QTest::newRow("short") << "Short.fly" << QByteArray(20, 'x')
                               << "Sorry, file %1 does not contain a valid Q&A-list.";
        QTest::newRow("text") << "Notes.txt" << QByteArray(100, 'x')
                              << "Please make sure you drop only .fly files into this program\n%1";
        QTest::newRow("list") << "Good.fly" << QByteArray() << "";
    }
    void whyAFileCannotBeOpened()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = data(name);
        if (name == "Good.fly")
            writeList(name, makeList(5));
        else if (name != "Gone.fly")
            writeBytes(path, bytes);
        QCOMPARE(ListDocument::whyNotOpenable(path), reason.isEmpty() ? QString() : reason.arg(path));
        QCOMPARE(ListDocument::whyNotOpenable(m_dir.path()), m_dir.path() + " is not a file.");
    }

    void studyModuleSelectionLoadsTheChosenList()
    {
        const QString path = writeList("Chosen.fly", makeList(5));
        bool slideshow = true;
        int asked = 0;
        m_doc->setSlideshowRunning([&slideshow] { return slideshow; });
        m_doc->setStudyModuleChooser([&]() -> std::optional<QString> {
            ++asked;
            return path;
        });
        m_doc->selectStudyModule();
        QCOMPARE(asked, 0);
        slideshow = false;
        m_doc->selectStudyModule();
        QCOMPARE(asked, 1);
        QCOMPARE(m_doc->title(), QString("Chosen"));
    }

    void textExportsWriteAndOpenTheirFile()
    {
        QVERIFY(m_doc->loadList(writeList("Capitals.fly", makeList(5)), ListDocument::OpenList));
        m_doc->exportToText();
        const QString output = m_dir.path() + "/export_text/Capitals.txt";
        QFile sheet(output);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QVERIFY(sheet.readAll().startsWith("=== Capitals ===\r\n"));
        sheet.close();
        m_doc->exportToBlText();
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QVERIFY(sheet.readAll().startsWith("q0 \t\t@ a0 \r\n"));
        QCOMPARE(m_shell.opened, (QStringList{output, output}));

        QDir(m_dir.path() + "/export_text").removeRecursively();
        m_shell.opened.clear();
        m_doc->exportToText();
        QCOMPARE(m_prompter.messageTexts(), QStringList{"Could not open file " + output});
        QVERIFY(m_shell.opened.isEmpty());
    }

    void generatedExportsAreWrittenAndOpened()
    {
        QDir(m_dir.path()).mkpath("browser");
        writeBytes(m_dir.path() + "/browser/reports_template.html",
                   "<h1>[header]</h1>\r\n<table>[rows]</table>");
        writeBytes(m_dir.path() + "/paperTests_template.rtf", "{\\rtf1 [test title] [quiz] [answers]}\n");
        QVERIFY(m_doc->loadList(writeList("Capitals.fly", makeList(5)), ListDocument::OpenList));

        m_doc->exportToHtml();
        const QString report = m_dir.path() + "/browser/report1.html";
        QFile page(report);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QVERIFY(html.startsWith("<h1>Brainlark &gt; Capitals</h1>\n") ||
                html.startsWith("<h1>Brainlark > Capitals</h1>\n"));
        QVERIFY(html.contains("q4"));
        QCOMPARE(m_prompter.guides.size(), 1);

        m_doc->createPrintableTest();
        QCOMPARE(m_prompter.guides.size(), 2);
        const QStringList tests = QDir(m_dir.path() + "/printable_tests").entryList({"Capitals_*.rtf"});
        QCOMPARE(tests.size(), 1);

        m_doc->exportToPalm();
        QVERIFY(QFileInfo::exists(m_dir.path() + "/palm/Capitals.pdb"));
        QCOMPARE(m_shell.opened.size(), 3);
        QCOMPARE(m_shell.opened[0], report);
        QCOMPARE(m_shell.opened[1], m_dir.path() + "/printable_tests/" + tests.first());
        QVERIFY(m_shell.opened[2].startsWith(m_dir.path() + "/palm"));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void foldersAndTheShareGuide()
    {
        m_doc->openPrintableTestsFolder();
        m_doc->openImageFolder();
        m_doc->openSoundFolder();
        m_doc->shareLists();
        const QString root = m_dir.path();
        QCOMPARE(m_shell.opened, (QStringList{root + "/printable_tests/", root + "/quiz_pictures/",
                                              root + "/quiz_sounds/", root + "/data/"}));
        QCOMPARE(m_prompter.guides.size(), 1);
        QCOMPARE(m_prompter.guides.first().text,
                 QString("This will open the folder containing Q&A-lists.  \n\nYou can send these lists as "
                         "email attachments, copy them, etc."));

        // "Don't show this message again" switches the guide off for good.
        m_prompter.guideAnswers.append({Prompter::Ok, true});
        m_doc->shareLists();
        m_doc->shareLists();
        QCOMPARE(m_prompter.guides.size(), 2);
        QCOMPARE(m_shell.opened.size(), 6);
    }

    void diagnosticDumpAppendsToTheLog()
    {
        QVERIFY(m_doc->loadList(writeList("Dump.fly", makeList(5)), ListDocument::OpenList));
        m_doc->dumpDebug();
        m_doc->dumpDebug();
        QFile log(m_doc->debugLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        const QByteArray once = "<hr>" + QByteArray::fromStdString(m_doc->list()->dumpDebug());
        QCOMPARE(text, once + once);
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
