// The print commands of the main window: the flashcard guide and its page estimate, the card picture, the
// print, preview and page setup dialogs, and what reaches the printer (a PDF file here).
#include <QFile>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/printjobs.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"
#include "support/fakes.h"
#include "support/framefixture.h"

using namespace brainlark;
using namespace brainlark::testing;

class PrintJobsTest : public FrameFixture
{
    Q_OBJECT

private:
    QStringList m_dialogs;

    void openList(int pairs)
    {
        PairList list;
        for (int i = 1; i <= pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        const QString path = m_dir.filePath("data/list.fly");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
        file.close();
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
    }
    QString output() const { return m_dir.filePath("printed.pdf"); }
    int printedPages() const
    {
        QFile file(output());
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return int(QString::fromLatin1(file.readAll())
                       .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    }
    QString guideText() const
    {
        return m_prompter.guides.isEmpty() ? QString() : m_prompter.guides.last().text;
    }

private slots:
    void init()
    {
        resetSettings({"data"});
        QFile::remove(output());
        QFile::remove(m_dir.filePath("card.bmp"));
        QVERIFY(
            QFile::copy(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/card.bmp"), m_dir.filePath("card.bmp")));
        m_dialogs.clear();
        makeFrame();
        // Every dialog is accepted as it stands; the printer writes a PDF of letter paper.
        m_frame->setDialogRunner([this](QDialog& dialog) {
            m_dialogs << QString::fromLatin1(dialog.metaObject()->className());
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
                preview->updatePreview();
                m_dialogs << QStringLiteral("preview pages %1").arg(preview->pageCount());
                // Opens over most of the screen, large enough to read a page.
                const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
                if (dialog.width() < screen.width() * 3 / 4 || dialog.height() < screen.height() * 3 / 4)
                    m_dialogs << QStringLiteral("preview too small");
            }
            return int(QDialog::Accepted);
        });
        QPrinter& printer = m_frame->printJobs().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output());
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                          QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    }
    void cleanup() { dropFrame(); }

    // The printer starts on the paper of the learner's locale (the CLI's tests cover the locales).
    void thePrinterStartsOnTheLocalesPaper()
    {
        const QByteArray all = qgetenv("LC_ALL"), paper = qgetenv("LC_PAPER");
        qunsetenv("LC_ALL");
        for (const auto& [locale, size] :
             {std::pair{"en_US.UTF-8", QPageSize::Letter}, {"fr_FR.UTF-8", QPageSize::A4}}) {
            qputenv("LC_PAPER", locale);
            dropFrame();
            makeFrame();
            QCOMPARE(m_frame->printJobs().printer().pageLayout().pageSize().id(), size);
        }
        all.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", all);
        paper.isNull() ? qunsetenv("LC_PAPER") : qputenv("LC_PAPER", paper);
    }

    void commandsNeedAList()
    {
        for (int id : {cmd::PrintFlashcards, cmd::Print, cmd::PrintPreview})
            QVERIFY(!m_frame->action(id)->isEnabled());
        QVERIFY(m_frame->action(cmd::PrintSetup)->isEnabled());
        openList(1);
        for (int id : {cmd::PrintFlashcards, cmd::Print, cmd::PrintPreview})
            QVERIFY(m_frame->action(id)->isEnabled());
    }

    void flashcardGuideEstimatesThePages_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("estimate");
        QTest::addColumn<int>("pages");
        QTest::newRow("12 pairs, yes") << 12 << int(Prompter::Yes) << "printed on 3 pages" << 3;
        QTest::newRow("5 pairs, yes") << 5 << int(Prompter::Yes) << "printed on 1 pages" << 1;
        QTest::newRow("12 pairs, no") << 12 << int(Prompter::No) << "printed on 3 pages" << 0;
        QTest::newRow("12 pairs, escape") << 12 << int(Prompter::Cancel) << "printed on 3 pages" << 0;
    }
    void flashcardGuideEstimatesThePages()
    {
        QFETCH(int, pairs);
        QFETCH(int, answer);
        openList(pairs);
        m_prompter.guideAnswers << Prompter::GuideAnswer{answer, false};
        m_frame->execute(cmd::PrintFlashcards);
        QCOMPARE(m_prompter.guides.size(), 1);
        QCOMPARE(m_prompter.guides[0].kind, Prompter::GuideKind::YesNoHelp);
        QCOMPARE(m_prompter.guides[0].helpContext, 27);
        QFETCH(QString, estimate);
        QVERIFY2(guideText().contains(estimate), qPrintable(guideText()));
        QVERIFY(guideText().startsWith("Brainlark will now print a set of flashcards for this Q&A-list."));
        QFETCH(int, pages);
        QCOMPARE(m_dialogs, pages ? QStringList{"QPrintDialog"} : QStringList());
        QCOMPARE(printedPages(), pages);
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void flashcardsWithTheGuideSwitchedOff()
    {
        openList(12);
        m_settings->setDialogFlag(GuideMessages::PrintFlashcards, false);
        m_frame->execute(cmd::PrintFlashcards);
        QVERIFY(m_prompter.guides.isEmpty());
        QCOMPARE(printedPages(), 3);
    }

    void aMissingCardPictureStopsBeforeThePrinter()
    {
        openList(12);
        QVERIFY(QFile::remove(m_dir.filePath("card.bmp")));
        m_frame->execute(cmd::PrintFlashcards);
        QCOMPARE(m_prompter.messages.size(), 1);
        QVERIFY2(m_prompter.messages[0].text.contains(m_dir.filePath("card.bmp")),
                 qPrintable(m_prompter.messages[0].text));
        QCOMPARE(m_prompter.messages[0].icon, Prompter::Icon::Exclamation);
        QVERIFY(m_dialogs.isEmpty());
        QVERIFY(!QFile::exists(output()));
    }

    void paperTooSmallForCards()
    {
        openList(5);
        m_frame->printJobs().printer().setPageLayout(
            QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                        QPageLayout::Inch));
        m_settings->setDialogFlag(GuideMessages::PrintFlashcards, false);
        m_frame->execute(cmd::PrintFlashcards);
        QCOMPARE(m_prompter.messages.size(), 1);
        QVERIFY(m_prompter.messages[0].text.contains("too small"));
        QVERIFY(!QFile::exists(output()));
    }

    void thePlainList()
    {
        openList(5);
        m_frame->execute(cmd::Print);
        QCOMPARE(m_dialogs, QStringList{"QPrintDialog"});
        QCOMPARE(printedPages(), 1);
        QFile::remove(output());
        m_frame->execute(cmd::PrintDirect);
        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(printedPages(), 1);
    }

    void previewAndSetup()
    {
        openList(5);
        m_frame->execute(cmd::PrintPreview);
        QCOMPARE(m_dialogs, (QStringList{"QPrintPreviewDialog", "preview pages 1"}));
        m_frame->execute(cmd::PrintSetup);
        QCOMPARE(m_dialogs.last(), QStringLiteral("QPageSetupDialog"));
        QVERIFY(!QFile::exists(output()));
    }
};

QTEST_MAIN(PrintJobsTest)
#include "printjobs_test.moc"
