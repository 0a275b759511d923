// The import wizard's preview, automatic backups around the document's saves, and restoring a backup.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/importwizard.h"
#include "app/listdocument.h"
#include "app/restorebackupdialog.h"
#include "core/backups.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "settings/appsettings.h"
#include "support/fakes.h"
#include "support/framefixture.h"

using namespace brainlark;
using namespace brainlark::testing;

class ImportBackupTest : public FrameFixture
{
    Q_OBJECT

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    QString writeList(const QString& name, int pairs)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a");
        return write("data/" + name, QByteArray::fromStdString(FlyArchive::write(list, "s")));
    }
    std::vector<BackupEntry> backupsOf(const QString& path) const
    {
        return Backups(m_dir.path().toStdString()).list(path.toStdString());
    }
    int newestPairs(const QString& path) const
    {
        PairList kept;
        return Backups::read(backupsOf(path).front(), kept, nullptr) ? kept.count() : -1;
    }

private slots:
    void init()
    {
        resetSettings({"data"});
        makeDocument();
    }
    void cleanup()
    {
        dropFrame();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void theWizardPreviewsAUtf16TsvFile()
    {
        QString text = QString::fromUtf8("\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0\tdog\r\n");
        for (const char* pair : {"chat\tcat", "Maus\tmouse", "perro\tdog", "\xC3\xA9t\xC3\xA9\tsummer",
                                 "no tab here", "Vogel\tbird"})
            text += QString::fromUtf8(pair) + "\r\n";
        QByteArray bytes("\xFF\xFE", 2);
        bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        ImportWizard wizard(m_dir.path());
        QVERIFY(wizard.setFile(write("words.txt", bytes)));

        QCOMPARE(wizard.options().encoding, ImportEncoding::Utf16Le);
        QCOMPARE(wizard.options().format, ImportFormat::Tsv);
        QCOMPARE(wizard.preview()->rowCount(), 6);
        QCOMPARE(wizard.preview()->item(4, 1)->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
        QCOMPARE(wizard.skippedList()->count(), 1);
        QCOMPARE(wizard.skippedList()->item(0)->text(), QString("Line 6: no separator: no tab here"));
        QCOMPARE(wizard.preview()->item(0, 1)->text(),
                 QString::fromUtf8("\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0"));
        QCOMPARE(wizard.summary()->text(), QString("6 pairs, 1 lines skipped"));
        QVERIFY(wizard.importButton()->isEnabled());

        // Read as CSV the same lines have no separator: the choice is the learner's and the preview follows.
        ImportOptions options = wizard.options();
        options.format = ImportFormat::Csv;
        options.separator = ',';
        wizard.setOptions(options);
        QCOMPARE(wizard.preview()->rowCount(), 0);
        QCOMPARE(wizard.skippedList()->count(), 7);
        QVERIFY(!wizard.importButton()->isEnabled()); // nothing to hand to the editor
    }

    // Another trainer's export: a line of column names, HTML and a column of tags. The names are skipped
    // unless the learner unchecks the box; every column is shown and the ignored one is named.
    void theWizardSkipsAHeaderLineUntilTheLearnerSaysOtherwise()
    {
        QByteArray bytes = "Front\tBack\tTags\n";
        for (const char* pair : {"<b>one</b>\tuno", "two\tdos", "three\ttres", "four\tcuatro", "five\tcinco"})
            bytes += QByteArray(pair) + "\tnumbers\n";
        ImportWizard wizard(m_dir.path());
        QVERIFY(wizard.setFile(write("export.txt", bytes)));
        QVERIFY(wizard.headerBox()->isChecked());
        QCOMPARE(wizard.skippedList()->item(0)->text(),
                 QString("Line 1: header line: Front Back Tags"));
        QCOMPARE(wizard.preview()->columnCount(), 4);
        QCOMPARE(wizard.preview()->horizontalHeaderItem(3)->text(), QString("3: Ignored"));
        QCOMPARE(wizard.preview()->item(0, 1)->text(), QString("one"));
        QCOMPARE(wizard.preview()->item(0, 3)->text(), QString("numbers"));
        QCOMPARE(
            wizard.summary()->text(),
            QString("5 pairs, 1 lines skipped, column 3 ignored, 1 fields turned from HTML into plain text"));

        wizard.headerBox()->click();
        QCOMPARE(wizard.options().header, HeaderLine::No);
        QVERIFY(!wizard.headerBox()->isChecked());
        QCOMPARE(wizard.result().pairs.size(), size_t(6));
        QCOMPARE(wizard.preview()->item(0, 1)->text(), QString("Front"));
        QCOMPARE(wizard.skippedList()->count(), 0);

        wizard.keepHtmlBox()->click();
        QCOMPARE(wizard.preview()->item(1, 1)->text(), QString("<b>one</b>"));
        QVERIFY(!wizard.headerBox()->isChecked()); // the learner's word stays
    }

    // A file of mostly unusable lines (a binary file) lists the first of them and counts the rest.
    void theWizardListsAtMostAThousandSkippedLines()
    {
        QByteArray bytes = "uno\tone\n";
        for (int i = 0; i < 3000; ++i)
            bytes += "no tab here\n";
        ImportWizard wizard(m_dir.path());
        QVERIFY(wizard.setFile(write("noise.txt", bytes)));
        const int skipped = int(wizard.result().skippedCount);
        QVERIFY(skipped >= 3000);
        QCOMPARE(wizard.skippedList()->count(), ImportWizard::ListedLines + 1);
        QCOMPARE(wizard.skippedList()->item(ImportWizard::ListedLines)->text(),
                 QString("... and %1 more").arg(skipped - ImportWizard::ListedLines));
        QVERIFY(wizard.summary()->text().contains(QString("%1 lines skipped").arg(skipped)));
    }

    // A column's box gives it another role, by keys as a learner would; the preview and the pairs follow.
    void theLearnerGivesAColumnAnotherRole()
    {
        QByteArray bytes;
        for (const char* pair : {"dog\tHund\tan animal that barks", "cat\tKatze\tan animal that purrs",
                                 "cow\tKuh\tan animal that moos loudly"})
            bytes += QByteArray(pair) + "\n";
        ImportWizard wizard(m_dir.path());
        QVERIFY(wizard.setFile(write("animals.txt", bytes)));
        QComboBox* third = wizard.columnBox(2);
        QVERIFY(third && !wizard.columnBox(3));
        QCOMPARE(third->currentText(), QString("Ignored"));
        QVERIFY(wizard.summary()->text().contains("column 3 ignored"));
        for (int i = 0; i < 3; ++i) // Ignored, Picture, Sound, Notes
            QTest::keyClick(third, Qt::Key_Up);
        QCOMPARE(wizard.columnBox(2)->currentText(), QString("Notes"));
        QCOMPARE(wizard.preview()->horizontalHeaderItem(3)->text(), QString("3: Notes"));
        QCOMPARE(wizard.result().pairs.at(1).notes, std::string("an animal that purrs"));
        QVERIFY(!wizard.summary()->text().contains("ignored"));
        QTest::keyClick(wizard.columnBox(0),
                        Qt::Key_Down); // the questions become answers too: nothing to ask
        QCOMPARE(wizard.result().pairs.size(), size_t(0));
        QVERIFY(!wizard.importButton()->isEnabled());

        ImportOptions at = wizard.options();
        at.format = ImportFormat::At;
        at.separator = '@';
        at.columns.clear();
        wizard.setOptions(at);
        QVERIFY(!wizard.columnBox(0)->isEnabled()); // '@' lines have their places
    }

    // A large file is read on its own thread: the window stays free, the reading can be stopped, option
    // changes read the first part again, and Import reads it all.
    void aLargeFileIsReadBesideTheWindowAndCanBeStopped()
    {
        QByteArray bytes;
        int lines = 0;
        while (bytes.size() < 6 * ImportWizard::PreviewBytes)
            bytes += "question number " + QByteArray::number(++lines) + "\tthe answer\n";
        const QString path = write("large.txt", bytes);
        ImportWizard wizard(m_dir.path());
        wizard.show();
        QVERIFY(wizard.setFile(path));
        QVERIFY(wizard.isReading());
        QVERIFY(!wizard.importButton()->isEnabled());
        wizard.stopButton()->click();
        QVERIFY(!wizard.isReading());
        QVERIFY(wizard.result().cancelled);
        QVERIFY(wizard.result().pairs.size() < size_t(lines));
        QVERIFY(wizard.summary()->text().startsWith("Reading stopped"));

        QVERIFY(wizard.setFile(path));
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.result().pairs.size(), size_t(lines));
        QVERIFY(!wizard.isPartial());

        wizard.headerBox()->click(); // the first line is column names after all
        QTRY_VERIFY(!wizard.isReading());
        QVERIFY(wizard.isPartial());
        QVERIFY(wizard.result().pairs.size() < size_t(lines) - 1);
        QVERIFY(wizard.summary()->text().startsWith("In the first 1024 KB of "));

        wizard.importButton()->click();
        QVERIFY(wizard.isReading());
        QTRY_VERIFY(!wizard.isVisible());
        QCOMPARE(static_cast<QDialog&>(wizard).result(), int(QDialog::Accepted));
        QCOMPARE(wizard.result().pairs.size(), size_t(lines) - 1);
    }

    // Another trainer's package of decks: read beside the window; the learner picks a deck and, per kind of
    // note, the fields that become question and answer, with keys.
    void aDeckPackageIsReadWithTheDeckAndFieldsTheLearnerChooses()
    {
        const QString path = m_dir.filePath("languages.apkg");
        QVERIFY(QFile::copy(QString(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/anki/newest.apkg", path));
        ImportWizard wizard(m_dir.path());
        wizard.setProgramFolder(m_dir.path());
        wizard.show();
        QVERIFY(wizard.setFile(path));
        QTRY_VERIFY(!wizard.isReading());
        QVERIFY(wizard.isPackage());
        QCOMPARE(wizard.result().pairs.size(), size_t(5));
        QCOMPARE(wizard.deckBox()->count(),
                 4); // all in one, Languages and its two subdecks (Default is empty)
        QTest::keyClick(wizard.deckBox(), Qt::Key_End);
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.deckBox()->currentText(), QString("Languages::Japanese"));
        QCOMPARE(wizard.result().pairs.size(), size_t(2));
        QCOMPARE(wizard.result().pairs[0].answer, std::string("\xe3\x81\xad\xe3\x81\x93"));

        QTest::keyClick(wizard.noteTypeBox(), Qt::Key_End);
        QCOMPARE(wizard.noteTypeBox()->currentText(), QString("Japanese"));
        QCOMPARE(wizard.answerFieldBox()->currentText(), QString("Reading"));
        QTest::keyClick(wizard.answerFieldBox(), Qt::Key_End);
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.result().pairs[0].answer, std::string("cat"));
        QCOMPARE(wizard.result().pairs[1].answer, std::string("dog\nhound"));

        wizard.importButton()->click();
        QTRY_VERIFY(!wizard.isVisible());
        QCOMPARE(static_cast<QDialog&>(wizard).result(), int(QDialog::Accepted));
        QCOMPARE(wizard.result().pairs.size(), size_t(2));
        QCOMPARE(wizard.result().pairs[1].answer, std::string("dog\nhound"));
    }

    // A vocabulary of another trainer: its languages give question and answer, its lessons the decks.
    void aVocabularyIsReadWithTheLessonAndLanguagesTheLearnerChooses()
    {
        const QString fixtures = QString(BRAINLARK_SOURCE_DIR) + "/tests/fixtures/kvtml/";
        ImportWizard wizard(m_dir.path());
        QVERIFY(wizard.setFile(fixtures + "three-languages.kvtml"));
        QTRY_VERIFY(!wizard.isReading());
        QVERIFY(wizard.isVocabulary() && !wizard.isPackage());
        QCOMPARE(wizard.questionFieldBox()->currentText(), QString("English"));
        QCOMPARE(wizard.answerFieldBox()->currentText(), QString("Japanese"));
        QCOMPARE(wizard.result().pairs.size(), size_t(5));
        QTest::keyClick(wizard.answerFieldBox(), Qt::Key_End);
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.result().pairs[0].answer, std::string("Wasser"));

        QVERIFY(wizard.setFile(fixtures + "lessons.kvtml"));
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.deckBox()->count(), 3); // all in one, Animals, Food
        QCOMPARE(wizard.result().pairs.size(), size_t(6));
        QTest::keyClick(wizard.deckBox(), Qt::Key_End);
        QTRY_VERIFY(!wizard.isReading());
        QCOMPARE(wizard.result().pairs.size(), size_t(3));
        QCOMPARE(wizard.result().pairs[0].question, std::string("bread"));
        QVERIFY(wizard.importButton()->isEnabled());
    }

    void savesKeepTheReplacedVersionAndAFailingBackupAsksFirst()
    {
        const QString path = writeList("Spanish.fly", 5);
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        m_doc->list()->pairs().emplace_back("new", "pair");
        QVERIFY(m_doc->saveToFile());
        QCOMPARE(int(backupsOf(path).size()), 1);
        QCOMPARE(newestPairs(path), 5);

        // The backups folder cannot be made: the learner is asked, and No leaves the file as it was.
        QDir(m_dir.filePath("backups")).removeRecursively();
        write("backups", "not a folder");
        m_doc->list()->pairs().emplace_back("newer", "pair");
        m_prompter.messageAnswers = {Prompter::No};
        QVERIFY(!m_doc->saveToFile());
        QCOMPARE(m_prompter.messages.size(), 1);
        QVERIFY(m_prompter.messages.first().text.startsWith(
            "The previous version of Spanish.fly could not be backed up"));
        PairList onDisk;
        QVERIFY(FlyArchive::readFile(path.toStdString(), onDisk));
        QCOMPARE(onDisk.count(), 6);
        m_prompter.messageAnswers = {Prompter::Yes};
        QVERIFY(m_doc->saveToFile());
        QVERIFY(FlyArchive::readFile(path.toStdString(), onDisk));
        QCOMPARE(onDisk.count(), 7);
    }

    void restoringABackupReopensTheListAndKeepsThePresentOne()
    {
        const QString path = writeList("Greek.fly", 5);
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        for (int i = 0; i < 3; ++i) {
            m_doc->list()->pairs().emplace_back("more" + std::to_string(i), "pair");
            m_clock.advanceMs(1000);
            QVERIFY(m_doc->saveToFile());
        }
        // Each version says what restoring it would change in the present list.
        m_doc->list()->pairs()[0].setRight(3);
        m_doc->list()->pairs()[1].setAnswer("changed");
        RestoreBackupDialog dialog("Greek", backupsOf(path), m_doc->list());
        QCOMPARE(dialog.list()->count(), 3);
        dialog.describeAll();
        QCOMPARE(dialog.list()->item(0)->text().section("    ", 1), QString("7 pairs: 1 removed, 1 changed"));
        QCOMPARE(dialog.list()->item(2)->text().section("    ", 1), QString("5 pairs: 3 removed, 1 changed"));
        PairList same = *m_doc->list();
        same.pairs()[0].setRight(0);
        QCOMPARE(RestoreBackupDialog::describe(same, m_doc->list()), QString("8 pairs: statistics only"));
        m_doc->list()->pairs()[0].setRight(0);
        m_doc->list()->pairs()[1].setAnswer("a");
        dialog.list()->setCurrentRow(2);
        QVERIFY(dialog.restoreButton()->isEnabled());

        QVERIFY(m_doc->restoreBackup(dialog.chosenPath()));
        QCOMPARE(m_doc->pairCount(), 5);
        QCOMPARE(newestPairs(path), 8); // the version that was replaced
    }
};

QTEST_MAIN(ImportBackupTest)
#include "importbackup_test.moc"
