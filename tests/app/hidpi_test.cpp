// On a screen that doubles every pixel the main window's icons are drawn from pictures of twice their size,
// not blown up from the small ones, and the layout previews and the slideshow's card have a pixel for
// every screen pixel. The whole program runs scaled by two here.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "options/layoutpreviews.h"
#include "options/optionssheet.h"
#include "quiz/ui/flashcard.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/slideshow.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"
#include "support/fakes.h"
#include "support/quizrig.h"

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

    void layoutPreviewsHaveAPixelForEveryScreenPixel()
    {
        AppSettings settings(m_fakes.random);
        settings.setInstallPath(m_dir.path());
        settings.resetToDefaults();
        GuideMessages guides(settings, m_fakes.prompter);
        const OptionsContext context{settings,       m_fakes.prompter,      guides,
                                     m_fakes.random, [](const QString&) {}, {}};
        OptionsSheet sheet(OptionsSheet::Pages::LayoutOnly, context, OptionsApplier::Hooks());
        const QPixmap shown = sheet.findChild<QLabel*>("layoutPreview")->pixmap();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), LayoutPreviews::size() * 2);
    }

    // The card resting on the screen is drawn at the screen's resolution, not blown up from the back
    // buffer: the view shows exactly what the card draws onto a picture of twice the pixels.
    void theSlideshowCardIsDrawnAtTheScreensResolution()
    {
        QuizRig rig(5);
        QDir(rig.folder.path()).mkpath(".");
        QVERIFY(QFile::copy(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/card.bmp"),
                            rig.folder.filePath("card.bmp")));
        rig.settings.setSlideshowDelay(-2);
        rig.settings.setFunFlags(0);
        rig.view->resize(800, 560);
        rig.view->show();
        rig.startQuiz(0);
        rig.view->toggleSlideshow();
        QCOMPARE(rig.view->slideshow().phase(), Slideshow::Phase::Shown);
        const QImage shown = rig.view->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);

        const Pair& pair = rig.list.pairs()[size_t(rig.view->slideshow().currentPair())];
        const QuizLook& look = rig.view->look();
        FlashCard card(FlashCard::loadPicture(rig.folder.path()), look.cardFont, look.cardColour,
                       look.cardQuestion, look.cardAnswer);
        card.setTexts(ListText::toQString(pair.shownQuestion()), ListText::toQString(pair.shownAnswer()));
        card.fitInto(rig.view->size());
        QImage expected(shown.size(), QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(2.0);
        expected.fill(Qt::black);
        const QPoint at = card.centredIn(rig.view->size());
        {
            QPainter painter(&expected);
            card.draw(painter, at);
        }
        // Inside the card (clear of its edge and shadow) every pixel is the card's own.
        const QRect inside(2 * (at.x() + 20), 2 * (at.y() + 20), 2 * (card.size().width() - 40),
                           2 * (card.size().height() - 40));
        int differing = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                differing += shown.pixel(x, y) != expected.pixel(x, y);
        QCOMPARE(differing, 0);
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
