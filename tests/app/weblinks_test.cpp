// Web links: the Web menu's vendor pages after guide message 127 (and a message when no browser opens
// them), the program's own help window, and the About box's hyperlink with its colours, hover underline,
// hand cursor, tooltip and its message when no program opens the address.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/aboutdialog.h"
#include "app/helpwindow.h"
#include "app/hyperlinklabel.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/clock.h"
#include "services/guidemessages.h"
#include "support/fakes.h"
#include "support/framefixture.h"

using namespace brainlark;
using namespace brainlark::testing;

class WebLinksTest : public FrameFixture
{
    Q_OBJECT


private slots:
    void init()
    {
        resetSettings();
        makeFrame();
    }
    void cleanup() { dropFrame(); }

    void webMenuOpensVendorPagesAfterTheGuide_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("page");
        QTest::newRow("online tutorials") << cmd::OnlineTutorials << "/tutorials.html?s=software";
        QTest::newRow("video tutorials") << cmd::VideoTutorials << "/movies.html?s=software";
        QTest::newRow("online help") << cmd::OnlineHelp << "/online_help.html?s=software";
        QTest::newRow("handheld edition") << cmd::HandheldEdition << "/get_palm.html?s=software";
        QTest::newRow("free downloads") << cmd::FreeDownloads << "/free_downloads.html?s=software";
        QTest::newRow("news") << cmd::News << "/news.html?s=software";
        QTest::newRow("recommend") << cmd::Recommend << "/recommend.html?s=software";
        QTest::newRow("survey") << cmd::Survey << "/survey.html?s=software";
    }
    void webMenuOpensVendorPagesAfterTheGuide()
    {
        QFETCH(int, command);
        QFETCH(QString, page);
        QStringList timeline;
        m_prompter.timeline = &timeline;
        m_shell.timeline = &timeline;
        m_frame->execute(command);
        QCOMPARE(timeline, QStringList({"guide:" + GuideMessages::text(127),
                                        "open:http://" + QString(ListDocument::VendorSite) + page}));
        QVERIFY(m_prompter.guides.first().kind == Prompter::GuideKind::OkOnly);
        // With the guide switched off the page opens straight away.
        m_settings->setDialogFlag(GuideMessages::InternetPage, false);
        m_frame->execute(command);
        QCOMPARE(m_prompter.guides.size(), 1);
        QCOMPARE(m_shell.opened.size(), 2);
    }

    void aWebPageWithoutABrowserSaysSo()
    {
        m_settings->setDialogFlag(GuideMessages::InternetPage, false);
        m_shell.succeeds = false;
        m_frame->execute(cmd::OnlineTutorials);
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages.first().text,
                 HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError));
        QVERIFY(m_prompter.messages.first().icon == Prompter::Icon::Exclamation);
    }

    // The help is the program's own: a window with the page at the command's topic, no browser involved;
    // its links, Back, Forward and Find work inside it, and web links go to the browser.
    void helpOpensInTheProgramsHelpWindow()
    {
        QDir(m_dir.path()).mkpath("help");
        QFile::copy(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/help/index.html"),
                    m_dir.filePath("help/index.html"));
        const QUrl page = QUrl::fromLocalFile(m_dir.filePath("help/index.html"));
        m_frame->show();
        const struct {
            int command;
            QString topic;
        } commands[] = {{cmd::HelpTopics, ""}, {cmd::HowDoI, "context-36"}, {cmd::Tutorial, "context-2"}};
        for (const auto& c : commands) {
            m_frame->execute(c.command);
            HelpWindow* help = m_frame->helpWindow();
            QVERIFY(help && help->isVisible());
            QCOMPARE(help->page().adjusted(QUrl::RemoveFragment), page);
            QCOMPARE(help->page().fragment(), c.topic);
        }
        QVERIFY(m_shell.opened.isEmpty());

        HelpWindow* help = m_frame->helpWindow();
        QTextBrowser* text = help->browser();
        QVERIFY(text->verticalScrollBar()->value() > 0); // at the Tutorial's topic, down the page
        QVERIFY(text->toPlainText().contains("Getting started"));
        // The contents link to the Smart Counter topic, followed by a click on it.
        m_frame->execute(cmd::HelpTopics);
        const int link = text->toPlainText().indexOf("The Smart Counter");
        QVERIFY(link > 0);
        QTextCursor cursor(text->document());
        cursor.setPosition(link + 3);
        const QRect at = text->cursorRect(cursor);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at.center());
        QCOMPARE(help->page().fragment(), QString("context-131251"));
        QTest::keyClick(help, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help->page().fragment(), QString());
        QTest::keyClick(help, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(help->page().fragment(), QString("context-131251"));

        QTest::keyClick(help, Qt::Key_F, Qt::ControlModifier);
        auto* find = help->findChild<QLineEdit*>("helpFind");
        QTest::keyClicks(find, "Smart Pick");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().selectedText(), QString("Smart Pick"));
        find->selectAll();
        QTest::keyClicks(find, "no such words anywhere");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(help->findChild<QLabel*>("helpFindState")->text(), QString("Not found"));

        // A web address in a page goes to the browser; without one the learner is told.
        m_shell.succeeds = false;
        emit text->anchorClicked(QUrl("http://www.brainlark.example/"));
        QCOMPARE(m_shell.opened, QStringList{"http://www.brainlark.example/"});
        QCOMPARE(m_prompter.messageTexts(),
                 QStringList{HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError)});
    }

    void missingHelpPagesAreSaidInTheWindow()
    {
        QFile::remove(m_dir.filePath("help/index.html"));
        m_frame->execute(cmd::HelpTopics);
        QVERIFY(m_frame->helpWindow()->browser()->toPlainText().contains("The help pages are missing"));
        QVERIFY(m_shell.opened.isEmpty());
    }

    void hyperlinkColoursFollowHoverAndVisit()
    {
        HyperlinkLabel link("www.brainlark.example");
        bool opened = false;
        link.setOpener([&opened](const QString&) { return opened = true; });
        QCOMPARE(link.address(), QString("www.brainlark.example")); // the text when no address is set
        QCOMPARE(link.toolTip(), link.address());                   // the address when no tip is set
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link.textColor(), QColor(0, 0, 238));
        QVERIFY(!link.styleSheet().contains("underline"));

        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(&link, &enter);
        QVERIFY(link.isHovering());
        QCOMPARE(link.textColor(), QColor(255, 102, 0));
        QVERIFY(link.styleSheet().contains("text-decoration: underline"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&link, &leave);
        QCOMPARE(link.textColor(), QColor(0, 0, 238));

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(opened);
        QVERIFY(link.isVisited());
        QCOMPARE(link.textColor(), QColor(85, 26, 139));
        QCoreApplication::sendEvent(&link, &enter);
        QCOMPARE(link.textColor(), QColor(255, 102, 0)); // hovering wins over visited
    }

    void hyperlinkMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("sharing violation")
            << 26 << "Unable to open hyperlink:\n\nA sharing violation occurred. ";
        QTest::newRow("no association")
            << 31
            << "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename "
               "extension.";
        QTest::newRow("out of memory")
            << 0 << "Unable to open hyperlink:\n\nThe operating system is out\nof memory or resources.";
        QTest::newRow("unknown") << 99 << "Unable to open hyperlink:\n\nUnknown Error (99) occurred.";
    }
    void hyperlinkMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(HyperlinkLabel::failureMessage(code), message);
    }

    void aboutLinkReportsWhenNoBrowserOpensIt()
    {
        m_shell.succeeds = false;
        bool visited = true;
        QString text;
        QString tip;
        m_frame->setDialogRunner([&](QDialog& dialog) {
            auto& about = dynamic_cast<AboutDialog&>(dialog);
            text = about.link()->text();
            tip = about.link()->toolTip();
            QTest::mouseClick(about.link(), Qt::LeftButton, {}, QPoint(2, 2));
            visited = about.link()->isVisited();
            return int(QDialog::Accepted);
        });
        m_frame->execute(cmd::About);
        QCOMPARE(text, QString(ListDocument::VendorSite));
        QCOMPARE(tip, QString("Visit us on the Web!"));
        QVERIFY(!visited);
        QCOMPARE(m_shell.opened, QStringList{"http://" + QString(ListDocument::VendorSite)});
        QCOMPARE(m_prompter.messageTexts(), QStringList{HyperlinkLabel::failureMessage(31)});
        QVERIFY(m_prompter.messages.first().icon == Prompter::Icon::Exclamation);
    }
};

QTEST_MAIN(WebLinksTest)
#include "weblinks_test.moc"
