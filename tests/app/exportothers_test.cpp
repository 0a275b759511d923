// File > Export to File: the exports other trainers read, chosen from the menu with the keys a learner
// uses, written where the file chooser says and read back by the readers that import them.
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/importreader.h"
#include "interchange/kvtmlreader.h"
#include "support/fakes.h"
#include "support/framefixture.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

class ExportOthersTest : public FrameFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSettings({"data", "export_text"});
        m_settings->setDialogFlags(0);
        makeFrame(true);
    }
    void cleanup() { dropFrame(); }

    void eachExportIsChosenFromTheMenuAndReadsBack_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("KVTML") << int(Qt::Key_K) << "kvtml";
        QTest::newRow("tab-separated") << int(Qt::Key_S) << "tsv";
        QTest::newRow("CSV") << int(Qt::Key_C) << "csv";
    }
    void eachExportIsChosenFromTheMenuAndReadsBack()
    {
        QFETCH(int, key);
        QFETCH(QString, suffix);
        PairList list;
        for (const char* text : {"кошка", "two, \"quoted\"", "お茶", "d", "e"})
            list.pairs().emplace_back(text, std::string(text) + " answer");
        list.wrongAnswers().emplace_back("кошка", "dog").setKind(Pair::WrongAnswer);
        const QString listPath = m_dir.path() + "/data/Animals.fly";
        std::string error;
        QVERIFY(FlyArchive::writeFile(listPath.toStdString(), list, "s", &error));
        QVERIFY(m_doc->loadList(listPath, ListDocument::OpenList));
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));

        const QString target = m_dir.path() + "/elsewhere." + suffix;
        m_prompter.fileAnswers = {QString(), target}; // the first time the learner cancels the chooser
        for (int attempt = 0; attempt < 2; ++attempt) {
            QTest::keyClick(m_frame.get(), Qt::Key_F, Qt::AltModifier);
            auto* file = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(file);
            QTest::keyClick(file, Qt::Key_E);
            auto* exports = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(exports && exports != file);
            QTest::keyClick(exports, Qt::Key(key));
            QCOMPARE(QFile::exists(target), attempt == 1);
        }
        QCOMPARE(m_prompter.fileRequests.size(), 2);
        QCOMPARE(m_prompter.fileRequests[0].folderOrPath, m_dir.path() + "/export_text/Animals." + suffix);
        QVERIFY(m_frame->statusBar()->currentMessage().contains("elsewhere." + suffix));

        std::string bytes;
        QVERIFY(FileReader::read(target.toStdString(), bytes, &error));
        const ImportResult read = suffix == "kvtml" ? KvtmlReader::read(bytes, {})
                                                    : ImportReader::read(bytes, ImportReader::detect(bytes));
        QCOMPARE(read.error, std::string());
        QCOMPARE(read.pairs.size(), size_t(5));
        QCOMPARE(read.pairs[1].question, std::string("two, \"quoted\""));
        QCOMPARE(read.pairs[2].answer, std::string("お茶 answer"));
        QCOMPARE(read.pairs[0].wrongAnswers, std::vector<std::string>{"dog"});
    }
};

QTEST_MAIN(ExportOthersTest)
#include "exportothers_test.moc"
