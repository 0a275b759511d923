// The main window's look commands: Options and Change Layout reaching the quiz screen, Select Skin and
// Turn Skins Off, and the picture window beside the quiz with its placement and close rule.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/helpwindow.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "editor/picturepreviewdialog.h"
#include "options/optionssheet.h"
#include "quiz/ui/picturewindow.h"
#include "quiz/ui/quizview.h"
#include "services/skins.h"
#include "support/fakes.h"
#include "support/framefixture.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

QString writePicture(const QString& path, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image.save(path) ? path : QString();
}

} // namespace

class LooksTest : public FrameFixture
{
    Q_OBJECT

    QuizView* m_view = nullptr;
    bool m_slideshow = false;

    void openList(int pairs)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        const QString path = m_dir.path() + "/data/Looks.fly";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
        file.close();
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
    }
    /// Runs the options sheet through the frame, letting edit change it before OK.
    void runOptions(int command, const std::function<void(OptionsSheet&)>& edit)
    {
        m_frame->setDialogRunner([&](QDialog& dialog) {
            auto& sheet = dynamic_cast<OptionsSheet&>(dialog);
            edit(sheet);
            sheet.accept();
            return int(QDialog::Accepted);
        });
        m_frame->execute(command);
    }

private slots:
    void init()
    {
        resetSettings({"data", "skins", "quiz_pictures"});
        m_settings->setDialogFlags(0);
        m_settings->setFunFlag(funflags::kAnimateQuestion, false);
        makeFrame();
        m_view = wireQuizView(*m_doc, *m_settings, services(), *m_frame);
        m_frame->setSlideshowRunning([this] { return m_slideshow; });
        // Room on the 800 x 600 offscreen screen for a picture window to the quiz's right.
        m_frame->setGeometry(0, 0, 400, 500);
        m_frame->show();
        m_slideshow = false;
    }
    void cleanup() { dropFrame(); }

    void optionsRebuildTheScreenOrStartANewQuestion()
    {
        openList(6);
        m_view->start();
        const std::string first(m_view->session()->current().questionPair().question());
        runOptions(cmd::Options,
                   [](OptionsSheet& sheet) { sheet.findChild<QRadioButton*>("layoutBoxes4")->click(); });
        QCOMPARE(m_settings->visualStyle(), 5);
        QVERIFY(m_view->screen().layout().layout() == BoxLayout::Boxes4);        // laid out again at once
        QCOMPARE(m_view->session()->current().questionPair().question(), first); // same question

        runOptions(cmd::Options,
                   [](OptionsSheet& sheet) { sheet.findChild<QRadioButton*>("preFill0")->click(); });
        QCOMPARE(m_settings->preFill(), 0);
        QVERIFY(m_view->session()->current().questionPair().question() != first); // a new question
    }

    void changeLayoutShowsTheLayoutPageInMultipleChoiceOnly()
    {
        int pages = 0;
        m_frame->setDialogRunner([&](QDialog& dialog) {
            pages = dynamic_cast<OptionsSheet&>(dialog).tabs()->count();
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::ChangeLayout);
        QCOMPARE(pages, 1);
        m_frame->execute(cmd::Options);
        QCOMPARE(pages, 6);
        m_settings->setQuizMode(2);
        m_frame->updateCommandStates();
        QVERIFY(!m_frame->action(cmd::ChangeLayout)->isEnabled());
        QVERIFY(m_frame->action(cmd::Options)->isEnabled());
    }

    void previewButtonShowsThePictureOfThePathEdit()
    {
        QDir(m_dir.path()).mkpath("bkg");
        const QString path = writePicture(m_dir.path() + "/bkg/sky.bmp", QSize(120, 80));
        QSize shown;
        m_frame->setDialogRunner([&](QDialog& dialog) {
            if (auto* preview = qobject_cast<PicturePreviewDialog*>(&dialog)) {
                shown = preview->shownPictureSize();
                return int(QDialog::Accepted);
            }
            auto& sheet = dynamic_cast<OptionsSheet&>(dialog);
            sheet.findChild<QLineEdit*>("picturePath")->setText(path);
            sheet.findChild<QPushButton*>("preview")->click();
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::Options);
        QCOMPARE(shown, QSize(120, 80));
        QCOMPARE(m_settings->currentBkgFilePath() == path, false); // a preview is not a choice
    }

    void selectSkinAndSkinsOff()
    {
        QFile skin(m_dir.path() + "/skins/studio.skn");
        QVERIFY(skin.open(QIODevice::WriteOnly));
        skin.write("QMenuBar { background: #444996; }");
        skin.close();
        m_prompter.fileAnswers = {"/media/stick/studio.skn"};
        m_frame->execute(cmd::SelectSkin);
        QCOMPARE(m_prompter.fileRequests.first().folderOrPath, m_dir.path() + "/skins");
        QCOMPARE(m_prompter.fileRequests.first().filter,
                 QString("Skin files (*.skn)|*.skn|All Files (*.*)|*.*||"));
        QCOMPARE(m_settings->skinName(), QString("studio.skn"));
        QCOMPARE(m_settings->skinIndex(), 2);
        QCOMPARE(m_frame->styleSheet(), QString("QMenuBar { background: #444996; }"));
        QCOMPARE(m_view->look().background.colour, QuizLook::hsl(QColor(0xE6, 0xE6, 0xFA))); // the palette's

        m_slideshow = true;
        m_frame->execute(cmd::SkinsOff);
        QCOMPARE(m_settings->skinIndex(), 2); // not during a slideshow
        m_slideshow = false;
        m_frame->execute(cmd::SkinsOff);
        QCOMPARE(m_settings->skinIndex(), 0);
        QVERIFY(m_settings->skinName().isEmpty());
        QVERIFY(m_frame->styleSheet().isEmpty());
    }

    void pictureWindowOpensBesideTheQuizAndFollowsQuestions()
    {
        const QString path = writePicture(m_dir.path() + "/quiz_pictures/cat.bmp", QSize(200, 150));
        QVERIFY(!m_frame->showPicture(QString())); // no window, no picture: nothing opens
        QVERIFY(!m_frame->pictureWindow());
        QVERIFY(m_frame->showPicture(path));
        PictureWindow* window = m_frame->pictureWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->picturePath(), path);
        QVERIFY(window->geometry().left() > m_frame->geometry().left()); // beside, not over, the quiz
        QVERIFY(window->pictureRect().center() == window->rect().center());
        QCOMPARE(window->pictureRect().size(), QSize(200, 150));
        // A question without a picture empties the window rather than keeping the last one.
        QVERIFY(m_frame->showPicture(QString()));
        QVERIFY(!window->hasPicture());
        QVERIFY(window->picturePath().isEmpty());
    }

    // The window takes each picture's size, a small one after a big one too, but never more than the room
    // beside the quiz; a larger picture is scaled down into it.
    void autoresizeFitsEachPictureBesideTheQuiz()
    {
        const QString huge = writePicture(m_dir.path() + "/quiz_pictures/huge.bmp", QSize(1600, 1200));
        const QString medium = writePicture(m_dir.path() + "/quiz_pictures/medium.bmp", QSize(300, 200));
        const QString small = writePicture(m_dir.path() + "/quiz_pictures/small.bmp", QSize(40, 30));
        const QRect screen = m_frame->screen()->availableGeometry();
        m_frame->showPicture(medium);
        PictureWindow* window = m_frame->pictureWindow();
        QCOMPARE(window->size(), QSize(300, 200));
        m_frame->showPicture(huge);
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(QDebug::toString(window->frameGeometry())));
        QVERIFY(!window->frameGeometry().intersects(m_frame->frameGeometry()));
        QVERIFY(window->pictureRect().width() <= window->width());
        m_frame->showPicture(small);
        QCOMPARE(window->size(), QSize(PictureWindow::MinimumWidth, PictureWindow::MinimumHeight));
        m_frame->showPicture(medium);
        QCOMPARE(window->size(), QSize(300, 200));

        m_settings->setFunFlag(funflags::kAutoresizePictureWindow, false);
        window->resize(150, 120);
        m_frame->showPicture(huge);
        QCOMPARE(window->size(), QSize(150, 120));
        QVERIFY(window->pictureRect().width() <= 150); // a picture larger than the window is fitted in
    }

    void pictureWindowPlacesFitTheScreenBesideTheQuiz_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("expected");
        const QRect quiz(100, 50, 700, 600);
        QTest::newRow("right of the quiz") << QSize(300, 200) << quiz << QRect(800, 50, 300, 200);
        QTest::newRow("kept on the screen's height")
            << QSize(300, 1000) << QRect(100, 500, 700, 400) << QRect(800, 24, 300, 1000);
        QTest::newRow("left when the right is too narrow")
            << QSize(300, 200) << QRect(400, 50, 700, 600) << QRect(100, 50, 300, 200);
        QTest::newRow("below a wide quiz")
            << QSize(300, 200) << QRect(0, 24, 1280, 600) << QRect(0, 624, 300, 200);
        QTest::newRow("a big picture cut to the largest room")
            << QSize(1600, 1200) << quiz << QRect(800, 24, 480, 1000);
        QTest::newRow("no room: the screen's corner, never larger than it")
            << QSize(1600, 1200) << QRect(0, 24, 1280, 1000) << QRect(0, 24, 1280, 1000);
        QTest::newRow("small, no room")
            << QSize(300, 200) << QRect(0, 24, 1280, 1000) << QRect(980, 824, 300, 200);
    }
    void pictureWindowPlacesFitTheScreenBesideTheQuiz()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, owner);
        const QRect screen(0, 24, 1280, 1000);
        QTEST(PictureWindow::placeBeside(size, owner, screen), "expected");
    }

    void undecodablePictureIsHiddenAndForgotten()
    {
        const QString good = writePicture(m_dir.path() + "/quiz_pictures/good.bmp", QSize(30, 30));
        const QString broken = m_dir.path() + "/quiz_pictures/broken.jpg";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no picture here");
        file.close();
        QVERIFY(m_frame->showPicture(good));
        PictureWindow* window = m_frame->pictureWindow();
        QVERIFY(window->hasPicture());
        window->showPicture(m_dir.path() + "/notes.txt"); // no picture type, another path: hidden
        QVERIFY(!window->hasPicture());
        m_frame->showPicture(good);
        window->showPicture(broken);
        QVERIFY(!window->hasPicture());
        QVERIFY(window->picturePath().isEmpty());
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void closingThePictureWindowStopsPicturesAndKeepsItsPlace()
    {
        AppSettings::WindowRect stored;
        stored.x1 = 380;
        stored.y1 = 140;
        stored.x2 = 780;
        stored.y2 = 440;
        m_settings->setPictureWindowRect(stored);
        m_settings->setFunFlag(funflags::kAutoresizePictureWindow, false);
        const QString path = writePicture(m_dir.path() + "/quiz_pictures/dog.bmp", QSize(60, 40));
        m_frame->showPicture(path);
        QPointer<PictureWindow> window = m_frame->pictureWindow();
        QCOMPARE(window->geometry(), QRect(380, 140, 400, 300));

        window->setGeometry(300, 200, 420, 310);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QVERIFY(!m_frame->pictureWindow());
        const AppSettings::WindowRect saved = m_settings->pictureWindowRect();
        QCOMPARE(QRect(saved.x1, saved.y1, saved.x2 - saved.x1, saved.y2 - saved.y1),
                 QRect(300, 200, 420, 310));
        QVERIFY(!m_settings->funFlag(funflags::kShowPictures));
        QVERIFY(m_settings->picturesSuppressed());
        QVERIFY(!m_frame->showPicture(path)); // pictures no longer open by themselves

        // Until a new quiz clears the flag; the window then opens where it was left.
        openList(6);
        m_frame->execute(cmd::Start);
        QVERIFY(!m_settings->picturesSuppressed());
        QVERIFY(m_frame->showPicture(path));
        QCOMPARE(m_frame->pictureWindow()->geometry(), QRect(300, 200, 420, 310));
    }

    void aStoredPlaceComesBackWholeOnTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::newRow("fits") << QRect(420, 100, 300, 200);
        QTest::newRow("huge") << QRect(0, 0, 30000, 30000);
        QTest::newRow("off every screen") << QRect(-90000, -90000, 1000, 500);
        QTest::newRow("over the right edge") << QRect(700, 500, 300, 200);
    }
    void aStoredPlaceComesBackWholeOnTheScreen()
    {
        QFETCH(QRect, stored);
        m_settings->setPictureWindowRect(
            {stored.left(), stored.top(), stored.left() + stored.width(), stored.top() + stored.height()});
        m_settings->setFunFlag(funflags::kAutoresizePictureWindow, false); // the stored size counts
        const QString path = writePicture(m_dir.path() + "/quiz_pictures/far.bmp", QSize(30, 20));
        QVERIFY(m_frame->showPicture(path));
        const PictureWindow* window = m_frame->pictureWindow();
        const QRect screen = m_frame->screen()->availableGeometry();
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(QDebug::toString(window->frameGeometry())));
        if (screen.contains(stored.marginsAdded(QMargins(5, 5, 5, 5)))) {
            QCOMPARE(window->geometry(), stored); // a place that fits is kept
        } else {
            // One that does not goes beside the quiz, where there is room, not over it.
            QVERIFY(window->width() <= stored.width() && window->height() <= stored.height());
            QVERIFY2(!window->geometry().intersects(m_frame->geometry()),
                     qPrintable(QDebug::toString(window->geometry())));
        }
    }

    // Qt closes the windows still open when the program quits; that is no close by the learner.
    void quittingKeepsThePicturesOnForTheNextSession()
    {
        const QString path = writePicture(m_dir.path() + "/quiz_pictures/stay.bmp", QSize(30, 20));
        m_settings->setFunFlag(funflags::kShowPictures, true);
        QVERIFY(m_frame->showPicture(path));
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_frame.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_frame->isVisible());
        QApplication::closeAllWindows();
        QVERIFY(m_settings->funFlag(funflags::kShowPictures));
        QVERIFY(!m_settings->picturesSuppressed());
    }

    // After the learner closed the window the icon still opens it; a missing file says so.
    void pictureIconOpensThePictureAfterTheWindowWasClosed()
    {
        openList(6);
        for (Pair& pair : m_doc->list()->pairs())
            pair.setPicturePath("gone.bmp");
        m_settings->setVisualStyle(2);
        m_view->resize(800, 560);
        m_view->start();
        const Rect icon = m_view->screen().pictureIcon();
        const QPoint at(icon.center().x, icon.center().y);
        QTest::mouseClick(m_view, Qt::LeftButton, {}, at);
        QPointer<PictureWindow> window = m_frame->pictureWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->hasPicture());
        QVERIFY2(window->problem().contains("gone.bmp") && window->problem().contains("missing"),
                 qPrintable(window->problem()));
        QTest::keyClick(window, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QVERIFY(!m_settings->funFlag(funflags::kShowPictures));
        QTest::mouseClick(m_view, Qt::LeftButton, {}, at);
        QVERIFY(m_frame->pictureWindow() && m_frame->pictureWindow()->isVisible());
    }

    void f1OnTheQuizOpensItsHelpTopicInTheProgram()
    {
        QDir(m_dir.path()).mkpath("help");
        QVERIFY(QFile::copy(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/help/index.html"),
                            m_dir.filePath("help/index.html")));
        QTest::keyClick(m_view, Qt::Key_F1);
        QVERIFY(m_frame->helpWindow() && m_frame->helpWindow()->isVisible());
        QCOMPARE(m_frame->helpWindow()->page().fragment(),
                 QStringLiteral("context-%1").arg(QuizView::QuizHelpContext));
        QVERIFY(m_shell.opened.isEmpty());
    }

    void pictureIconOpensTheWindowAndSwitchesShowAutomaticallyOn()
    {
        const QString path = writePicture(m_dir.path() + "/quiz_pictures/pic.bmp", QSize(40, 30));
        QVERIFY(!path.isEmpty());
        openList(6);
        for (Pair& pair : m_doc->list()->pairs())
            pair.setPicturePath("pic.bmp");
        m_settings->setFunFlag(funflags::kShowPictures, false);
        m_settings->setVisualStyle(2);
        m_view->resize(800, 560);
        m_view->start();
        QVERIFY(!m_frame->pictureWindow());
        const Rect icon = m_view->screen().pictureIcon();
        QTest::mouseClick(m_view, Qt::LeftButton, {}, QPoint(icon.center().x, icon.center().y));
        QVERIFY(m_settings->funFlag(funflags::kShowPictures));
        QVERIFY(m_frame->pictureWindow());
        QCOMPARE(m_frame->pictureWindow()->picturePath(), path);
    }
};

QTEST_MAIN(LooksTest)
#include "looks_test.moc"
