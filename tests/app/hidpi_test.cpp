// On a screen that doubles every pixel the main window's icons are drawn from pictures of twice their size,
// not blown up from the small ones. The whole program runs scaled by two here.
#include <QApplication>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

using namespace brainlark;
using namespace brainlark::testing;

class HiDpiTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeServices m_fakes;

private slots:
    void iconsHaveTheirOwnPixelsAtTwiceTheSize()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        AppSettings settings(m_fakes.random);
        settings.setInstallPath(m_dir.path());
        settings.resetToDefaults();
        const Services services = m_fakes.services();
        ListDocument doc(settings, services);
        doc.setQuizShown(false);
        const MainWindow frame(doc, settings, services);

        int icons = 0;
        for (const MainWindow::BarMode mode :
             {MainWindow::QuizBars, MainWindow::ViewerBars, MainWindow::EditorBars}) {
            const QToolBar* bar = frame.toolBar(mode);
            for (const QAction* action : bar->actions()) {
                if (action->isSeparator())
                    continue;
                const QPixmap drawn = action->icon().pixmap(bar->iconSize(), 2.0);
                QVERIFY2(drawn.size() == 2 * bar->iconSize(), qPrintable(action->text()));
                ++icons;
            }
        }
        QVERIFY(icons >= 20);
        QCOMPARE(frame.windowIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
