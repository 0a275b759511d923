// The study-module selector: subject filter, sorting, preselection, the info pane and the row times.
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimeZone>
#include <QTreeView>
#include <QtTest>
#include <ctime>
#include <filesystem>

#include "app/studymoduleselector.h"
#include "core/flyarchive.h"

using namespace brainlark;

class SelectorTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_age = 0;

    // Each list is written one hour older than the one before, so times sort opposite to writing order.
    void writeList(const QString& name, const std::string& subject, int pairs = 5,
                   const std::string& notes = "", int rightPerPair = 0, int wrongPerPair = 0,
                   int wrongAnswers = 0)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i) {
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
            list.pairs().back().addRight(rightPerPair);
            list.pairs().back().addWrong(wrongPerPair);
        }
        for (int i = 0; i < wrongAnswers; ++i) {
            Pair wrong("q0", "w" + std::to_string(i));
            wrong.setKind(Pair::WrongAnswer);
            list.wrongAnswers().push_back(wrong);
        }
        list.setSubject(subject);
        list.setNotes(notes);
        const QString path = m_dir.path() + "/" + name + ".fly";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
        file.close();
        const auto when = std::filesystem::file_time_type::clock::now() - std::chrono::hours(++m_age);
        std::filesystem::last_write_time(QFile::encodeName(path).toStdString(), when);
    }
    template <typename T> static T* child(StudyModuleSelector& dialog, const char* name)
    {
        return dialog.findChild<T*>(name);
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.path() + "/" + name);
        m_age = 0;
    }

    void rowTimesUseTheTwelveHourClock_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("shown");
        const auto utc = [](int y, int m, int d, int h, int min) {
            return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
        };
        QTest::newRow("afternoon") << utc(2024, 3, 7, 13, 5) << "3/07/24 1:05 PM";
        QTest::newRow("after midnight") << utc(2009, 12, 25, 0, 30) << "12/25/09 12:30 AM";
        QTest::newRow("noon") << utc(2030, 1, 1, 12, 0) << "1/01/30 12:00 PM";
        QTest::newRow("morning") << utc(2024, 10, 31, 11, 59) << "10/31/24 11:59 AM";
    }
    void rowTimesUseTheTwelveHourClock()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, shown);
        QCOMPARE(StudyModuleSelector::formatRowTime(when.toSecsSinceEpoch()), shown);
    }

    void subjectEntryIsTheFirstThatBeginsWithTheText()
    {
        const QStringList entries{"--- All ---", "--- n/a ---", "Spanish", "spanish", "Science"};
        QCOMPARE(StudyModuleSelector::findSubjectEntry(entries, "SPAN"), 2);
        QCOMPARE(StudyModuleSelector::findSubjectEntry(entries, "sc"), 4);
        QCOMPARE(StudyModuleSelector::findSubjectEntry(entries, ""), 0);
        QCOMPARE(StudyModuleSelector::findSubjectEntry(entries, "Music"), -1);
    }

    void subjectFilterChoosesTheRows_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("all") << "--- All ---" << QStringList{"Capitals", "French", "Misc", "Old", "Spanish"};
        QTest::newRow("one subject") << "Languages" << QStringList{"French", "Spanish"};
        QTest::newRow("no subject") << "--- n/a ---" << QStringList{"Misc", "Old"};
        QTest::newRow("unknown subject")
            << "Music" << QStringList{"Capitals", "French", "Misc", "Old", "Spanish"};
        QTest::newRow("case differs")
            << "languages" << QStringList{"Capitals", "French", "Misc", "Old", "Spanish"};
    }
    void subjectFilterChoosesTheRows()
    {
        QFETCH(QString, subject);
        QFETCH(QStringList, rows);
        writeList("Spanish", "Languages");
        writeList("French", "Languages");
        writeList("Capitals", "Geography");
        writeList("Misc", "");
        writeList("Old", "n/a");
        StudyModuleSelector dialog(m_dir.path(), "", subject);
        QCOMPARE(dialog.rowNames(), rows);
        QCOMPARE(dialog.listsFound(), int(rows.size()));
        QCOMPARE(child<QLineEdit>(dialog, "foundEdit")->text(), QString::number(rows.size()));
    }

    void changingTheSubjectRefillsAndReportsIt()
    {
        writeList("Spanish", "Languages");
        writeList("Capitals", "Geography");
        StudyModuleSelector dialog(m_dir.path(), "", "--- All ---");
        auto* combo = child<QComboBox>(dialog, "subjectCombo");
        QCOMPARE(combo->currentText(), QString("--- All ---"));
        QCOMPARE(combo->count(), 4);
        QSignalSpy changes(&dialog, &StudyModuleSelector::selectedSubjectChanged);
        combo->setCurrentIndex(combo->findText("Geography"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toString(), QString("Geography"));
        QCOMPARE(dialog.selectedSubject(), QString("Geography"));
        QCOMPARE(dialog.rowNames(), QStringList{"Capitals"});
        QCOMPARE(dialog.chosenName(), QString("Capitals"));
    }

    void changeSubjectWritesTheListFile()
    {
        writeList("Spanish", "Languages");
        writeList("Capitals", "Geography");
        StudyModuleSelector dialog(m_dir.path(), "Capitals", "--- All ---");
        child<QTreeView>(dialog, "listView")->setCurrentIndex(
            child<QTreeView>(dialog, "listView")->model()->index(dialog.rowNames().indexOf("Capitals"), 0));
        QStringList offered;
        dialog.askForSubject([&offered](QDialog& shown) {
            auto* combo = shown.findChild<QComboBox*>();
            for (int i = 0; i < combo->count(); ++i)
                offered << combo->itemText(i);
            combo->setCurrentIndex(combo->findText("Languages"));
            return int(QDialog::Accepted);
        });
        offered.sort();
        QCOMPARE(offered, (QStringList{"--- n/a ---", "Geography", "Languages"}));
        PairList back;
        QVERIFY(FlyArchive::readFile(QFile::encodeName(m_dir.path() + "/Capitals.fly").toStdString(), back).ok);
        QCOMPARE(back.subject(), std::string("Languages"));
        QCOMPARE(back.count(), 5);
        QCOMPARE(child<QLabel>(dialog, "subjectLabel")->text(), QString("Languages"));
        QVERIFY(dialog.changeSubject("--- n/a ---"));
        QVERIFY(FlyArchive::readFile(QFile::encodeName(m_dir.path() + "/Capitals.fly").toStdString(), back).ok);
        QCOMPARE(back.subject(), std::string());
    }

    void prefixOfASubjectSelectsItsEntryButFiltersNothing()
    {
        writeList("Spanish", "Languages");
        writeList("Capitals", "Geography");
        StudyModuleSelector dialog(m_dir.path(), "", "lang");
        QCOMPARE(child<QComboBox>(dialog, "subjectCombo")->currentText(), QString("Languages"));
        QCOMPARE(dialog.rowNames().size(), 2);
    }

    void namesSortWithoutRegardToCaseAndHeaderClicksFlipTheDirection()
    {
        writeList("banana", ""); // newest
        writeList("Apple", "");
        writeList("cherry", ""); // oldest
        StudyModuleSelector dialog(m_dir.path(), "", "--- All ---");
        QCOMPARE(dialog.rowNames(), (QStringList{"Apple", "banana", "cherry"}));
        dialog.clickHeader(StudyModuleSelector::NameColumn);
        QCOMPARE(dialog.rowNames(), (QStringList{"cherry", "banana", "Apple"}));
        // Another column keeps the direction flag: descending by time, newest first.
        dialog.clickHeader(StudyModuleSelector::TimeColumn);
        QCOMPARE(dialog.rowNames(), (QStringList{"banana", "Apple", "cherry"}));
        dialog.clickHeader(StudyModuleSelector::TimeColumn);
        QCOMPARE(dialog.rowNames(), (QStringList{"cherry", "Apple", "banana"}));
    }

    void refillSortsAscendingWhileTheFlagStaysAsItWas()
    {
        writeList("banana", "Fruit");
        writeList("Apple", "Fruit");
        writeList("cherry", "Fruit");
        StudyModuleSelector dialog(m_dir.path(), "", "--- All ---");
        dialog.clickHeader(StudyModuleSelector::TimeColumn); // ascending: oldest first
        dialog.clickHeader(StudyModuleSelector::TimeColumn); // descending
        QCOMPARE(dialog.rowNames(), (QStringList{"banana", "Apple", "cherry"}));
        auto* combo = child<QComboBox>(dialog, "subjectCombo");
        combo->setCurrentIndex(combo->findText("Fruit"));
        QCOMPARE(dialog.rowNames(), (QStringList{"cherry", "Apple", "banana"}));
        // The stored flag is still descending, so this click flips it back to ascending.
        dialog.clickHeader(StudyModuleSelector::TimeColumn);
        QCOMPARE(dialog.rowNames(), (QStringList{"cherry", "Apple", "banana"}));
    }

    void preselectionNeedsTheExactName()
    {
        writeList("Beta", "");
        writeList("Alpha", "");
        StudyModuleSelector exact(m_dir.path(), "Beta", "--- All ---");
        QCOMPARE(exact.chosenName(), QString("Beta"));
        QCOMPARE(exact.chosenPath(), m_dir.path() + "/Beta.fly");
        auto* view = child<QTreeView>(exact, "listView");
        QCOMPARE(view->currentIndex().row(), 1);
        StudyModuleSelector otherCase(m_dir.path(), "beta", "--- All ---");
        QCOMPARE(otherCase.chosenName(), QString("Alpha"));
    }

    void infoPaneShowsTheHighlightedList()
    {
        writeList("Plain", "Maths", 6, "", 3, 1, 2);
        writeList("Noted", "", 5, "Learn these first.", 0, 2);
        StudyModuleSelector dialog(m_dir.path(), "Plain", "--- All ---");
        QCOMPARE(child<QLineEdit>(dialog, "pairsEdit")->text(), QString("6"));
        QCOMPARE(child<QLineEdit>(dialog, "predefinedEdit")->text(), QString("2"));
        QCOMPARE(child<QLineEdit>(dialog, "totalEdit")->text(), QString("24"));
        QCOMPARE(child<QLabel>(dialog, "accuracyLabel")->text(), QString("75 %"));
        QCOMPARE(child<QLabel>(dialog, "subjectLabel")->text(), QString("Maths"));
        auto* notes = child<QTextEdit>(dialog, "notesBox");
        QVERIFY(notes->isReadOnly());
        QCOMPARE(notes->palette().color(QPalette::Base), QColor(173, 216, 230));

        auto* view = child<QTreeView>(dialog, "listView");
        view->setCurrentIndex(view->model()->index(0, 0)); // "Noted"
        QCOMPARE(dialog.chosenName(), QString("Noted"));
        QCOMPARE(child<QLabel>(dialog, "accuracyLabel")->text(), QString("n/a"));
        QCOMPARE(child<QLabel>(dialog, "subjectLabel")->text(), QString("--- n/a ---"));
        QCOMPARE(notes->toPlainText(), QString("Learn these first."));
        QCOMPARE(notes->palette().color(QPalette::Base), QColor(230, 230, 250));
    }

    void unreadableListShowsNoPairsAndKeepsTheOtherCounters()
    {
        writeList("Good", "", 7, "notes", 1, 0, 3);
        QFile bad(m_dir.path() + "/Bad.fly");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a list at all");
        bad.close();
        StudyModuleSelector dialog(m_dir.path(), "Good", "--- All ---");
        auto* view = child<QTreeView>(dialog, "listView");
        view->setCurrentIndex(view->model()->index(0, 0)); // "Bad"
        QCOMPARE(dialog.chosenName(), QString("Bad"));
        QCOMPARE(child<QLineEdit>(dialog, "pairsEdit")->text(), QString("0"));
        QCOMPARE(child<QLineEdit>(dialog, "predefinedEdit")->text(), QString("3"));
        QVERIFY(child<QTextEdit>(dialog, "notesBox")->toPlainText().isEmpty());
    }

    void emptyFolderShowsNothing()
    {
        StudyModuleSelector dialog(m_dir.path(), "Anything", "--- All ---");
        QVERIFY(dialog.rowNames().isEmpty());
        QCOMPARE(child<QLineEdit>(dialog, "foundEdit")->text(), QString("0"));
        QVERIFY(child<QLineEdit>(dialog, "pairsEdit")->text().isEmpty());
        QCOMPARE(dialog.chosenPath(), m_dir.path() + "/.fly");
    }

    // Under every shipped skin the info pane's button shows all of its words.
    void changeSubjectButtonFitsItsText()
    {
        writeList("One", "Science", 5, "Some notes that are long enough to wrap in the pane.");
        const QDir skins(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/skins"));
        const QStringList names = skins.entryList({"*.skn"});
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QFile file(skins.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QWidget window;
            window.setStyleSheet(QString::fromUtf8(file.readAll()));
            StudyModuleSelector dialog(m_dir.path(), "One", "", &window);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* button = child<QPushButton>(dialog, "changeSubject");
            const int words = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
            QVERIFY2(button->width() >= words + 16, // room for the skin's padding on both sides
                     qPrintable(QStringLiteral("%1: %2 < %3").arg(name).arg(button->width()).arg(words)));
        }
    }

    void doubleClickOpens()
    {
        writeList("Only", "");
        StudyModuleSelector dialog(m_dir.path(), "", "--- All ---");
        auto* view = child<QTreeView>(dialog, "listView");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect cell = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // With the study history's due counts each list shows its pairs due today and within a week, the
    // total over all lists is said, and "Open Due Pairs" opens the list into them.
    void dueCountsShowPerListAndInTotal()
    {
        writeList("Capitals", "");
        writeList("Verbs", "");
        StudyModuleSelector dialog(m_dir.path(), "Verbs", "--- All ---");
        QVERIFY(!child<QLabel>(dialog, "dueTotal")->isVisibleTo(&dialog));
        dialog.setDueCounts({{m_dir.path() + "/Capitals.fly", {3, 7}}, {m_dir.path() + "//Verbs.fly", {0, 2}},
                             {"/elsewhere/Gone.fly", {1, 1}}});
        auto* view = child<QTreeView>(dialog, "listView");
        QCOMPARE(view->model()->index(0, StudyModuleSelector::DueColumn).data().toString(), QString("3 / 7"));
        QCOMPARE(view->model()->index(1, StudyModuleSelector::DueColumn).data().toString(), QString("0 / 2"));
        QCOMPARE(dialog.chosenName(), QString("Verbs"));
        QCOMPARE(dialog.dueTotalText(), QString("Due in all lists: 4 pairs today, 10 within a week"));
        auto* openDue = child<QPushButton>(dialog, "openDuePairs");
        QVERIFY(openDue->isVisibleTo(&dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(openDue, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.openDuePairs());
    }
};

QTEST_MAIN(SelectorTest)
#include "selector_test.moc"
