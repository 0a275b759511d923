// The main window: command routing and enable rules, radio marks, bars and panes, placement, and the
// frame's own dialogs (Student Data, View Notes, About) driven without a screen.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/aboutdialog.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizplaceholder.h"
#include "app/studentdatadialog.h"
#include "app/viewnotesdialog.h"
#include "services/eventsounds.h"
#include "settings/appsettings.h"

#include "core/clock.h"
#include "core/flyarchive.h"
#include "support/fakes.h"
#include "support/framefixture.h"
#include <QUrl>

using namespace brainlark;
using namespace brainlark::testing;

class MainFrameTest : public FrameFixture
{
    Q_OBJECT

private:

    QString writeList(const QString& name, int pairs, int wrongAnswers = 0, const std::string& notes = "")
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        for (int i = 0; i < wrongAnswers; ++i) {
            Pair wrong("q0", "w" + std::to_string(i));
            wrong.setKind(Pair::WrongAnswer);
            list.wrongAnswers().push_back(wrong);
        }
        list.setNotes(notes);
        const QString path = m_dir.path() + "/data/" + name + ".fly";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
        return path;
    }
    bool enabled(int id) const { return m_frame->action(id)->isEnabled(); }

    // The letter after a single '&' ("&&" is a literal ampersand), or 0 without one.
    static QChar mnemonic(const QString& text)
    {
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&')
                continue;
            if (text[i + 1] != '&')
                return text[i + 1].toLower();
            ++i;
        }
        return QChar();
    }
    // Two items of one menu with the same letter make the key only move between them instead of choosing.
    static void checkMnemonics(const QString& path, const QList<QAction*>& items)
    {
        QMap<QChar, QString> seen;
        for (QAction* item : items) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            const QChar key = mnemonic(item->text());
            QVERIFY2(!key.isNull(), qPrintable(path + ": no key for " + item->text()));
            QVERIFY2(!seen.contains(key),
                     qPrintable(path + ": " + seen.value(key) + " and " + item->text() + " share one key"));
            seen.insert(key, item->text());
            if (item->menu())
                checkMnemonics(path + " > " + item->text(), item->menu()->actions());
        }
    }

private slots:
    void init()
    {
        resetSettings({"data"});
        makeFrame();
    }
    void cleanup() { dropFrame(); }

    void startNeedsFivePairs()
    {
        int starts = 0;
        m_frame->setCommandHandler(cmd::Start, [&starts] { ++starts; });
        QVERIFY(!enabled(cmd::Start));
        QVERIFY(m_doc->loadList(writeList("Four", 4), ListDocument::OpenList));
        QVERIFY(!enabled(cmd::Start));
        m_frame->execute(cmd::Start);
        QCOMPARE(starts, 0);
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        QVERIFY(enabled(cmd::Start));
        m_frame->execute(cmd::Start);
        QCOMPARE(starts, 1);
    }

    void commandsWithoutAHandlerStayDisabled()
    {
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        for (int id : {cmd::Start, cmd::Slideshow, cmd::Matching}) {
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
            QCOMPARE(m_frame->action(id)->statusTip(), QString(MainWindow::NotAvailableTip));
        }
        // Once the quiz screen takes them, Start and Flip say what they do.
        m_frame->setCommandHandler(cmd::Start, [] {});
        m_frame->setCommandHandler(cmd::Flip, [] {});
        QCOMPARE(m_frame->action(cmd::Start)->statusTip(), QString("Start Questions"));
        QCOMPARE(m_frame->action(cmd::Flip)->statusTip(), QString("Reverse questions and answers"));
        for (int id : {cmd::SelectStudyModule, cmd::SaveAs, cmd::ExportHtml, cmd::ExportText, cmd::ExportPalm,
                       cmd::PrintableTest, cmd::ShareLists, cmd::StudentData, cmd::About, cmd::ViewNotes,
                       cmd::PrintFlashcards, cmd::Print, cmd::PrintPreview, cmd::PrintSetup, cmd::Options,
                       cmd::ChangeLayout, cmd::SelectSkin, cmd::SkinsOff, cmd::OnlineTutorials})
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
    }

    void pairCountRules()
    {
        m_frame->setCommandHandler(cmd::Viewer, [] {});
        m_frame->setCommandHandler(cmd::Editor, [] {});
        for (int id : {cmd::Viewer, cmd::Editor, cmd::ViewNotes, cmd::SaveAs, cmd::ExportText})
            QVERIFY(!enabled(id));
        QVERIFY(m_doc->loadList(writeList("One", 1), ListDocument::OpenList));
        for (int id : {cmd::Viewer, cmd::Editor, cmd::ViewNotes, cmd::SaveAs, cmd::ExportText})
            QVERIFY(enabled(id));
        m_doc->dropList();
        QVERIFY(!enabled(cmd::Viewer));
        QVERIFY(!enabled(cmd::SaveAs));
    }

    void radioMarksFollowTheSettings()
    {
        m_settings->setQuizMode(2);
        m_settings->setQuestionSelectionMode(1);
        m_frame->updateCommandStates();
        QVERIFY(m_frame->action(cmd::TypeIn)->isChecked());
        QVERIFY(!m_frame->action(cmd::MultipleChoice)->isChecked());
        QVERIFY(m_frame->action(cmd::Sequential)->isChecked());
        QVERIFY(m_frame->action(cmd::AnswersPredefined)->isChecked());

        m_frame->execute(cmd::RandomPick);
        QCOMPARE(m_settings->questionSelectionMode(), 2);
        QVERIFY(m_frame->action(cmd::RandomPick)->isChecked());
        QVERIFY(!m_frame->action(cmd::Sequential)->isChecked());
        m_frame->execute(cmd::SmartPick);
        QCOMPARE(m_settings->questionSelectionMode(), 0);
    }

    void muteAndFunnySoundsToggleTheirSettingsAndMarks()
    {
        EventSounds sounds(*m_settings, m_sound, m_random);
        QAction* mute = m_frame->action(cmd::Mute);
        QAction* funny = m_frame->action(cmd::FunnySounds);
        QVERIFY(mute->isEnabled() && funny->isEnabled());
        QVERIFY(mute->isCheckable() && funny->isCheckable());
        QVERIFY(!mute->isChecked());
        QVERIFY(funny->isChecked());

        mute->trigger();
        QVERIFY(!m_settings->playSounds());
        QVERIFY(mute->isChecked());
        QVERIFY(!sounds.eventSoundsOn() && !sounds.pairSoundsOn());
        QCOMPARE(m_sound.stops, 1);
        mute->trigger();
        QVERIFY(m_settings->playSounds());
        QVERIFY(!mute->isChecked());
        QVERIFY(sounds.eventSoundsOn() && sounds.pairSoundsOn());
        QCOMPARE(m_sound.stops, 1);

        funny->trigger();
        QVERIFY(!m_settings->funFlag(funflags::kFunnySounds));
        QVERIFY(!funny->isChecked());
        QVERIFY(!sounds.eventSoundsOn() && sounds.pairSoundsOn());
        funny->trigger();
        QVERIFY(m_settings->funFlag(funflags::kFunnySounds));
        QVERIFY(funny->isChecked());

        // The marks follow the stored values as they come back at start-up.
        m_settings->setPlaySounds(false);
        m_settings->setFunFlag(funflags::kFunnySounds, false);
        m_frame->updateCommandStates();
        QVERIFY(mute->isChecked());
        QVERIFY(!funny->isChecked());
    }

    void answerSelectionChecksTheList()
    {
        QVERIFY(m_doc->loadList(writeList("Bare", 5), ListDocument::OpenList));
        m_frame->execute(cmd::AnswersRandom);
        QVERIFY(!m_settings->funFlag(funflags::kPredefinedAnswers));
        QVERIFY(m_settings->answerMode() == AppSettings::AnswerMode::Random);
        QVERIFY(m_frame->action(cmd::AnswersRandom)->isChecked());

        m_frame->execute(cmd::AnswersPredefined);
        QVERIFY(m_settings->funFlag(funflags::kPredefinedAnswers));
        QVERIFY(m_settings->answerMode() == AppSettings::AnswerMode::Random);
        QCOMPARE(m_prompter.guides.size(), 1);
        QVERIFY(m_prompter.guides.first().text.startsWith(
            "The current Q&A-list does not contain any predefined"));

        QVERIFY(m_doc->loadList(writeList("Rich", 5, static_cast<ListDocument::LoadMode>(2)),
                                ListDocument::OpenList));
        m_doc->list()->toggleReverse();
        m_frame->execute(cmd::AnswersPredefined);
        QVERIFY(m_settings->answerMode() == AppSettings::AnswerMode::Predefined);
        QVERIFY(!m_doc->list()->isReversed()); // wrong answers are filed under the questions as entered
        QCOMPARE(m_prompter.guides.size(), 1);
    }

    void toolbarsAndStatusPanes()
    {
        QList<int> quizIds;
        for (QAction* a : m_frame->toolBar(MainWindow::QuizBars)->actions())
            quizIds << (a->isSeparator() ? 0 : a->data().toInt());
        QCOMPARE(quizIds, (QList<int>{cmd::SelectStudyModule, cmd::ExportPalm, 0, cmd::NewList, cmd::Viewer,
                                      cmd::Editor, 0, cmd::Start, cmd::Flip, 0, cmd::ViewNotes,
                                      cmd::Slideshow, cmd::SlideshowHidden}));
        QVERIFY(!m_frame->action(cmd::SlideshowHidden)->isVisible());
        QVERIFY(!m_frame->toolBar(MainWindow::QuizBars)->isMovable());
        QVERIFY(!m_frame->action(cmd::Start)->icon().isNull());

        m_frame->show();
        m_frame->showBars(MainWindow::EditorBars);
        QVERIFY(m_frame->toolBar(MainWindow::EditorBars)->isVisible());
        QVERIFY(!m_frame->toolBar(MainWindow::QuizBars)->isVisible());
        m_frame->showBars(static_cast<MainWindow::BarMode>(7));
        QVERIFY(m_frame->toolBar(MainWindow::EditorBars)->isVisible());
        m_frame->showBars(MainWindow::ViewerBars);
        QVERIFY(m_frame->toolBar(MainWindow::ViewerBars)->isVisible());
        QVERIFY(!m_frame->toolBar(MainWindow::EditorBars)->isVisible());

        const int widths[] = {210, 145, 145, 50};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_frame->pane(i)->width(), widths[i]);
        m_frame->setPaneText(2, "Score 3");
        QCOMPARE(m_frame->pane(2)->text(), QString("Score 3"));
        m_frame->execute(cmd::StatusBar);
        QVERIFY(m_frame->statusBar()->isHidden());
        QVERIFY(!m_frame->action(cmd::StatusBar)->isChecked());
        m_frame->action(cmd::StatusBar)->trigger();
        QVERIFY(!m_frame->statusBar()->isHidden());
        QVERIFY(m_frame->action(cmd::StatusBar)->isChecked());
    }

    // A command that cannot run shows it on the toolbar: its button loses the colour of its picture.
    void disabledToolbarButtonsLookDisabled()
    {
        auto colourfulness = [](const QImage& image) {
            qint64 chroma = 0;
            const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < rgb.height(); ++y)
                for (int x = 0; x < rgb.width(); ++x) {
                    const QColor c(rgb.pixel(x, y));
                    chroma += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
                }
            return chroma;
        };
        m_frame->show();
        for (auto bars : {MainWindow::QuizBars, MainWindow::ViewerBars, MainWindow::EditorBars}) {
            QToolBar* bar = m_frame->toolBar(bars);
            for (QAction* action : bar->actions()) {
                QWidget* button = bar->widgetForAction(action);
                if (action->isSeparator() || !action->isVisible() || action->icon().isNull() || !button)
                    continue;
                const bool wasEnabled = action->isEnabled();
                action->setEnabled(true);
                const qint64 enabled = colourfulness(button->grab().toImage());
                action->setEnabled(false);
                const qint64 disabled = colourfulness(button->grab().toImage());
                action->setEnabled(wasEnabled);
                QVERIFY2(disabled * 2 < enabled, qPrintable(action->text()));
            }
        }
    }

    void placementIsClampedToTheScreen_data()
    {
        QTest::addColumn<QList<int>>("stored"); // x1, y1, x2, y2 (-1 = none stored)
        QTest::addColumn<QRect>("applied");
        QTest::newRow("first run") << QList<int>{-1, -1, -1, -1} << QRect(320, 200, 640, 400);
        QTest::newRow("inside") << QList<int>{10, 20, 810, 620} << QRect(10, 20, 800, 600);
        QTest::newRow("beyond the right edge") << QList<int>{1500, 100, 2000, 500} << QRect(780, 100, 500, 400);
        QTest::newRow("below the bottom") << QList<int>{0, 900, 300, 1100} << QRect(0, 600, 300, 200);
        QTest::newRow("larger than the screen")
            << QList<int>{0, 0, 100000, 100000} << QRect(0, 0, 1280, 800);
        QTest::newRow("far off the screen")
            << QList<int>{100000, 100000, 100800, 100600} << QRect(480, 200, 800, 600);
        QTest::newRow("left of and above the screen")
            << QList<int>{-5000, -900, -4200, -300} << QRect(0, 0, 800, 600);
        QTest::newRow("tiny") << QList<int>{10, 10, 12, 12} << QRect(10, 10, 200, 200);
    }
    void placementIsClampedToTheScreen()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QRect, applied);
        AppSettings::WindowPlacement placement;
        if (stored[0] != -1) {
            placement.flags = 0;
            placement.showCmd = 1;
            placement.x1 = stored[0];
            placement.y1 = stored[1];
            placement.x2 = stored[2];
            placement.y2 = stored[3];
        }
        QCOMPARE(MainWindow::placementRect(placement, QRect(0, 0, 1280, 800)), applied);
    }

    void placementComesBackAfterAClose()
    {
        QVERIFY(!m_frame->restorePlacement()); // nothing stored yet
        m_frame->setGeometry(40, 50, 500, 300);
        m_frame->show();
        m_frame->close();
        const AppSettings::WindowPlacement saved = m_settings->mainPlacement();
        QVERIFY(saved.complete());
        QCOMPARE(saved.x2 - saved.x1, m_frame->geometry().width());
        QCOMPARE(saved.y2 - saved.y1, m_frame->geometry().height());

        MainWindow again(*m_doc, *m_settings,
                         {&m_clock, &m_random, &m_prompter, &m_shell, &m_scheduler, &m_sound});
        QVERIFY(again.restorePlacement());
        QCOMPARE(again.geometry().size(), QSize(saved.x2 - saved.x1, saved.y2 - saved.y1));
    }

    void ctrlQClosesTheWindowAndKeepsItsPlacement()
    {
        QCOMPARE(m_frame->action(cmd::Exit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        m_frame->setGeometry(60, 70, 640, 480);
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_frame.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_frame->isVisible());
        QVERIFY(m_settings->mainPlacement().complete());
    }

    void studentDataStoresTheNameAndResetsRatings()
    {
        QVERIFY(m_doc->loadList(writeList("Stats", 5), ListDocument::OpenList));
        m_doc->list()->pairs()[0].addRight(4);
        m_doc->list()->pairs()[0].setRating(3.5f);
        m_settings->setStudentName("Ann");
        QString shownName;
        m_frame->setDialogRunner([&shownName](QDialog& dialog) {
            auto& data = dynamic_cast<StudentDataDialog&>(dialog);
            shownName = data.nameEdit()->text();
            data.nameEdit()->setText("Bea");
            data.resetBox()->setChecked(true);
            return int(QDialog::Accepted);
        });
        QSignalSpy changed(m_doc.get(), &ListDocument::listChanged);
        m_frame->execute(cmd::StudentData);
        QCOMPARE(shownName, QString("Ann"));
        QCOMPARE(m_settings->studentName(), QString("Bea"));
        QCOMPARE(m_doc->list()->pairs()[0].right(), 0);
        QCOMPARE(m_doc->list()->pairs()[0].rating(), 0.0f);
        QCOMPARE(changed.count(), 1);

        m_doc->list()->pairs()[0].addRight(2);
        m_frame->setDialogRunner([](QDialog& dialog) {
            auto& data = dynamic_cast<StudentDataDialog&>(dialog);
            data.nameEdit()->setText("Cy");
            data.resetBox()->setChecked(true);
            return int(QDialog::Rejected);
        });
        m_frame->execute(cmd::StudentData);
        QCOMPARE(m_settings->studentName(), QString("Bea"));
        QCOMPARE(m_doc->list()->pairs()[0].right(), 2);
    }

    void slideshowNeedsAPairAndItsButtonShowsStopWhileItRuns()
    {
        QCOMPARE(m_frame->action(cmd::Slideshow)->statusTip(), QString(MainWindow::NotAvailableTip));
        m_frame->setCommandHandler(cmd::Slideshow, [] {});
        QCOMPARE(m_frame->action(cmd::Slideshow)->statusTip(), QStringLiteral("Slideshow"));
        QVERIFY(!enabled(cmd::Slideshow));
        QVERIFY(m_doc->loadList(writeList("One", 1), ListDocument::OpenList));
        QVERIFY(enabled(cmd::Slideshow));
        const QImage start = QIcon(":/icons/slideshow-start.png").pixmap(16).toImage();
        const QImage stop = QIcon(":/icons/slideshow-stop.png").pixmap(16).toImage();
        QVERIFY(start != stop);
        bool running = true;
        m_frame->setSlideshowRunning([&running] { return running; });
        m_frame->updateCommandStates();
        QCOMPARE(m_frame->action(cmd::Slideshow)->icon().pixmap(16).toImage(), stop);
        running = false;
        m_frame->updateCommandStates();
        QCOMPARE(m_frame->action(cmd::Slideshow)->icon().pixmap(16).toImage(), start);
    }

    void viewNotesShowsTheGuideThenTheNotes()
    {
        QVERIFY(m_doc->loadList(writeList("Noted", 5, 0, "Read me"), ListDocument::OpenList));
        QString shown;
        m_frame->setDialogRunner([&shown](QDialog& dialog) {
            shown = dynamic_cast<ViewNotesDialog&>(dialog).notesText();
            return int(QDialog::Accepted);
        });
        bool slideshow = true;
        m_frame->setSlideshowRunning([&slideshow] { return slideshow; });
        m_frame->execute(cmd::ViewNotes);
        QVERIFY(shown.isEmpty());
        QVERIFY(m_prompter.guides.isEmpty());
        slideshow = false;
        m_frame->execute(cmd::ViewNotes);
        QCOMPARE(shown, QString("Read me"));
        QCOMPARE(m_prompter.guides.size(), 1);
        QVERIFY(m_prompter.guides.first().kind == Prompter::GuideKind::OkOnly);
        QVERIFY(m_prompter.guides.first().text.startsWith("Q&A-list notes allow you to add comments"));
    }

    void aboutBoxAndItsSound()
    {
        QString title;
        QString tooltip;
        QString version;
        m_frame->setDialogRunner([&](QDialog& dialog) {
            auto& about = dynamic_cast<AboutDialog&>(dialog);
            title = about.windowTitle();
            tooltip = about.link()->toolTip();
            emit about.link()->linkActivated("http://www.brainlark.example");
            QTest::keyClick(&about, Qt::Key_B);
            version = about.versionField()->text();
            about.accept();
            return about.result();
        });
        m_frame->execute(cmd::About);
        QCOMPARE(title, QString("About Brainlark"));
        QCOMPARE(tooltip, QString("Visit us on the Web!"));
        QCOMPARE(version, QString("n/a"));
        QCOMPARE(m_shell.opened, QStringList{"http://www.brainlark.example"});
        QCOMPARE(m_sound.plays.size(), 1);
        QVERIFY(m_sound.fileNames().first().startsWith("r_"));
        QVERIFY(!m_sound.plays.first().wait);
        QVERIFY(QString(AboutDialog::FeatureList)
                    .startsWith("Features:\n\n- Unlimited number of quizzes on all kinds of topics"));
    }

    void titleAndPlaceholderFollowTheDocument()
    {
        QCOMPARE(m_frame->windowTitle(), QString("Brainlark"));
        QVERIFY(m_doc->loadList(writeList("Spanish", 5), ListDocument::OpenList));
        QCOMPARE(m_frame->windowTitle(), QString("Spanish - Brainlark"));
        QCOMPARE(m_frame->placeholder()->title(), QString("Spanish"));
        m_frame->setCommandHandler(cmd::Start, [] {});
        QCOMPARE(m_frame->placeholder()->hint(), QString("Press Start"));

        auto* view = new QWidget;
        m_frame->setQuizView(view);
        QCOMPARE(m_frame->centralWidget(), view);
        QCOMPARE(m_frame->quizView(), view);
        QVERIFY(m_frame->placeholder() == nullptr);
    }

    // Each shortcut of an available command runs it from the window, with or without a menu item.
    void everyShortcutWorksFromTheWindow()
    {
        QVERIFY(m_doc->loadList(writeList("Keys", 5), ListDocument::OpenList));
        m_frame->setCommandHandler(cmd::Start, [] {});
        for (QAction* action : m_frame->actions()) {
            if (!action->shortcut().isEmpty())
                m_frame->setCommandHandler(action->data().toInt(), [] {}); // the real ones open dialogs or quit
        }
        m_frame->updateCommandStates();
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QList<int> run;
        connect(m_frame.get(), &MainWindow::commandExecuted, this, [&run](int id) { run.append(id); });
        int tried = 0;
        for (QAction* action : m_frame->actions()) {
            const int id = action->data().toInt();
            if (action->shortcut().isEmpty() || !action->isEnabled())
                continue;
            ++tried;
            run.clear();
            QTest::keySequence(m_frame.get(), action->shortcut());
            QVERIFY2(run == QList<int>{id}, qPrintable(action->shortcut().toString()));
        }
        QVERIFY(tried >= 5); // Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Q, Ctrl+N at least
    }

    void droppedListOpens()
    {
        const QString path = writeList("Dropped", 5);
        m_doc->setQuizShown(true);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        QCoreApplication::processEvents(); // the drop only queues the open
        QCOMPARE(m_doc->title(), QString("Dropped"));
        m_doc->setQuizShown(false);
    }

    // A dropped file that cannot be a list says which file and why, as on the command line; the open list
    // stays.
    void droppedFileThatIsNoListSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty list") << "Empty.fly" << QByteArray();
        QTest::newRow("short list") << "Short.fly" << QByteArray(20, 'x');
        QTest::newRow("text") << "Notes.txt" << QByteArray(100, 'x');
    }
    void droppedFileThatIsNoListSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QVERIFY(m_doc->loadList(writeList("Kept", 5), ListDocument::OpenList));
        m_doc->setQuizShown(true);
        const QString path = m_dir.path() + "/" + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        QCoreApplication::processEvents();
        QCOMPARE(m_prompter.messageTexts(), QStringList{ListDocument::whyNotOpenable(path)});
        QCOMPARE(m_doc->title(), QString("Kept"));
        m_doc->setQuizShown(false);
    }

    void droppedPictureBecomesTheBackground()
    {
        QStringList pictures;
        m_doc->setBackgroundHandler([&pictures](const QString& path) {
            pictures.append(path);
            return true;
        });
        QVERIFY(m_doc->loadList(writeList("Kept", 5), ListDocument::OpenList));
        m_doc->setQuizShown(true);
        const QString picture = m_dir.path() + "/bkg/Sunset.JPG";
        QDir(m_dir.path()).mkpath("bkg");
        QFile(picture).open(QIODevice::WriteOnly); // only existing files are taken
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(picture)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        QCoreApplication::processEvents();
        QCOMPARE(pictures, QStringList{picture});
        QCOMPARE(m_doc->title(), QString("Kept")); // the list stays
        m_doc->setQuizShown(false);
    }

    void exportToPalmWaitsForTheSlideshowToEnd()
    {
        QDir(m_dir.path()).mkpath("palm");
        QVERIFY(m_doc->loadList(writeList("Palm", 5), ListDocument::OpenList));
        bool slideshow = true;
        m_frame->setSlideshowRunning([&slideshow] { return slideshow; });
        m_frame->execute(cmd::ExportPalm);
        QVERIFY(m_prompter.guides.isEmpty());
        QVERIFY(m_shell.opened.isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.path() + "/palm/Palm.pdb"));

        slideshow = false;
        m_frame->execute(cmd::ExportPalm);
        QCOMPARE(m_prompter.guides.size(), 1);
        QVERIFY(QFileInfo::exists(m_dir.path() + "/palm/Palm.pdb"));
        QCOMPARE(m_shell.opened.size(), 1);
    }

    void exportsSayWhereTheFileWent_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opens");
        QTest::newRow("text, shown") << int(cmd::ExportText) << "Report.txt" << true;
        QTest::newRow("text, nothing to show it") << int(cmd::ExportText) << "Report.txt" << false;
        QTest::newRow("web page, nothing to show it") << int(cmd::ExportHtml) << "browser/" << false;
        QTest::newRow("handheld, shown") << int(cmd::ExportPalm) << "palm/Report.pdb" << true;
    }
    void exportsSayWhereTheFileWent()
    {
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(bool, opens);
        for (const char* folder : {"palm", "browser", "export_text"})
            QDir(m_dir.path()).mkpath(folder);
        QVERIFY(m_doc->loadList(writeList("Report", 5), ListDocument::OpenList));
        m_shell.succeeds = opens;
        m_frame->execute(command);
        const QString message = m_frame->statusBar()->currentMessage();
        QVERIFY2(message.startsWith("Saved to " + m_dir.path()), qPrintable(message));
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(message.contains("no program could open it"), !opens);
    }

    void folderAndDocumentCommandsAreRouted()
    {
        m_frame->execute(cmd::BackgroundPicture);
        m_frame->execute(cmd::ImageFolder);
        QCOMPARE(m_shell.opened, (QStringList{m_dir.path() + "/bkg/", m_dir.path() + "/quiz_pictures/"}));
        const QString path = writeList("Picked", 5);
        m_doc->setStudyModuleChooser([path]() -> std::optional<QString> { return path; });
        m_frame->action(cmd::SelectStudyModule)->trigger();
        QCOMPARE(m_doc->title(), QString("Picked"));
    }

    void everyMenuItemHasAKeyOfItsOwn()
    {
        for (const QList<QMenu*>& bar : {m_frame->mainMenus(), m_frame->gridMenus()}) {
            QList<QAction*> titles;
            for (QMenu* menu : bar)
                titles.append(menu->menuAction());
            checkMnemonics("menu bar", titles);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(MainFrameTest)
#include "mainwindow_test.moc"
