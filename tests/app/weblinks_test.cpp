// Web links: the Web menu's vendor pages after guide message 127, and the About box's hyperlink with its
// colours, hover underline, hand cursor, tooltip and its message when no program opens the address.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "app/aboutdialog.h"
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
