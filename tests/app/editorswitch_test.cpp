// The main window with the list grid: switching to the viewer, the editor and a new list and back, the
// password before the editor, the reload of a list saved in the grid, the import into a new list and the
// refusal to leave with unsaved edits.

#include "app/importwizard.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "editor/listnamedialog.h"
#include "editor/pairdialog.h"
#include "options/optionssheet.h"
#include "services/guidemessages.h"
#include "support/fakes.h"
#include "support/framefixture.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QtTest>
#include <deque>

using namespace brainlark;
using namespace brainlark::testing;

class EditorSwitchTest : public FrameFixture
{
    Q_OBJECT

private:
    std::deque<std::function<int(QDialog&)>> m_scripts;

    QString writeList(const QString& name, int pairs, const std::string& password = "")
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        list.setPassword(password);
        const QString path = m_dir.path() + "/data/" + name + ".fly";
        std::string error;
        FlyArchive::writeFile(QFile::encodeName(path).toStdString(), list, "s", &error);
        return path;
    }
    bool enabled(int id) const { return m_frame->action(id)->isEnabled(); }

private slots:
    void init()
    {
        resetSettings({"data", "text"});
        m_settings->setDialogFlags(0);
        makeFrame(true);
        m_scripts.clear();
        m_frame->setDialogRunner([this](QDialog& dialog) {
            if (m_scripts.empty())
                return int(QDialog::Rejected);
            auto script = m_scripts.front();
            m_scripts.pop_front();
            return script(dialog);
        });
    }
    void cleanup() { dropFrame(); }

    void viewerSwapsTheClientAreaAndBack()
    {
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        QWidget* quiz = m_frame->quizView();
        m_frame->setPaneText(2, "History not recorded");
        m_settings->setDialogFlags(GuideMessages::Viewer);
        m_frame->execute(cmd::Viewer);
        QVERIFY(m_frame->gridView());
        QCOMPARE(m_frame->centralWidget(), m_frame->gridView());
        QCOMPARE(m_prompter.guides.size(), 1);
        QVERIFY(m_frame->toolBar(MainWindow::ViewerBars)->isVisibleTo(m_frame.get()));
        QCOMPARE(m_frame->pane(2)->text(), QString("5 pairs"));
        QCOMPARE(m_frame->pane(3)->text(), QString("View"));
        QVERIFY(!m_doc->quizShown());
        QVERIFY(enabled(cmd::GridEditor));
        QVERIFY(!enabled(cmd::GridAdd));
        m_frame->execute(cmd::BackToQuiz);
        QVERIFY(!m_frame->gridView());
        QCOMPARE(m_frame->centralWidget(), quiz);
        QVERIFY(m_doc->quizShown());
        QCOMPARE(m_frame->pane(3)->text(), QString());
        QCOMPARE(m_frame->pane(2)->text(), QString("History not recorded"));
    }

    // The grid's own menus hold Options; the grid's Viewer item names the screen that is shown and is off,
    // which is not a command missing from this version.
    void gridMenusOpenTheOptionsAndTellWhatIsOff()
    {
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        m_frame->execute(cmd::Viewer);
        QVERIFY(m_frame->gridView());
        QAction* options = nullptr;
        for (QAction* menu : m_frame->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                options = item == m_frame->action(cmd::Options) ? item : options;
        QVERIFY(options);
        QVERIFY(options->isEnabled());
        bool sheet = false;
        m_scripts.push_back([&sheet](QDialog& dialog) {
            sheet = qobject_cast<OptionsSheet*>(&dialog) != nullptr;
            return int(QDialog::Rejected);
        });
        options->trigger();
        QVERIFY(sheet);
        QVERIFY(m_frame->gridView());
        QVERIFY(!enabled(cmd::GridViewer));
        QCOMPARE(m_frame->action(cmd::GridViewer)->statusTip(), QString("Q&A-list Viewer"));
    }

    void editorAsksForThePassword()
    {
        QVERIFY(m_doc->loadList(writeList("Locked", 5, "sesame"), ListDocument::OpenList));
        m_prompter.passwordAnswers = {QString("wrong"), QString("sesame")};
        m_frame->execute(cmd::Editor);
        QVERIFY(!m_frame->gridView());
        m_frame->execute(cmd::Editor);
        QVERIFY(m_frame->gridView());
        QCOMPARE(m_frame->gridView()->mode(), GridView::Mode::Edit);
        QCOMPARE(m_frame->gridView()->filePath(), m_doc->pathName());
        QVERIFY(enabled(cmd::GridAdd));
    }

    void newListIsSavedNamedAndReloadedForTheQuiz()
    {
        QVERIFY(m_doc->loadList(writeList("Old", 5), ListDocument::OpenList));
        m_frame->execute(cmd::NewList);
        GridView* grid = m_frame->gridView();
        QVERIFY(grid);
        QCOMPARE(grid->mode(), GridView::Mode::New);
        QCOMPARE(m_frame->windowTitle(), QString("new Q&A-list - Brainlark"));
        for (int i = 0; i < 5; ++i)
            m_scripts.push_back([i](QDialog& dialog) {
                auto& pair = dynamic_cast<PairDialog&>(dialog);
                pair.questionEdit()->setText(QString("new q%1").arg(i));
                pair.answerEdit()->setText("x");
                return int(QDialog::Accepted);
            });
        m_frame->execute(cmd::GridAdd);
        QCOMPARE(grid->model()->rows(), 5);
        m_scripts.push_back([](QDialog& dialog) {
            dynamic_cast<ListNameDialog&>(dialog).nameEdit()->setText("Fresh");
            dialog.accept();
            return int(dialog.result());
        });
        m_frame->execute(cmd::GridSave);
        QCOMPARE(m_doc->title(), QString("Fresh"));
        m_frame->execute(cmd::BackToQuiz);
        QVERIFY(!m_frame->gridView());
        QCOMPARE(m_doc->pathName(), m_dir.path() + "/data/Fresh.fly");
        QCOMPARE(m_doc->list()->pairs()[0].question(), std::string_view("new q0"));
    }

    void unsavedNewListLeavesTheOldListInPlace()
    {
        const QString old = writeList("Old", 5);
        QVERIFY(m_doc->loadList(old, ListDocument::OpenList));
        m_frame->execute(cmd::NewList);
        m_frame->execute(cmd::BackToQuiz);
        QCOMPARE(m_doc->pathName(), old);
        QCOMPARE(m_doc->title(), QString("Old"));
        QCOMPARE(m_doc->pairCount(), 5);
    }

    void unsavedEditsCanKeepTheWindowOpen()
    {
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        m_frame->execute(cmd::Editor);
        m_frame->gridView()->model()->setData(m_frame->gridView()->model()->index(0, 0), "changed");
        m_prompter.messageAnswers = {Prompter::Cancel, Prompter::Cancel};
        m_frame->execute(cmd::BackToQuiz);
        QVERIFY(m_frame->gridView());
        QCloseEvent close;
        QApplication::sendEvent(m_frame.get(), &close);
        QVERIFY(!close.isAccepted());
        QCOMPARE(m_prompter.messageTexts(),
                 (QStringList{GridView::SaveChangesQuestion, GridView::SaveChangesQuestion}));
    }

    void importTextOpensTheNewListEditor()
    {
        const QString text = m_dir.path() + "/text/words.txt";
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("uno @ one\ndos @ two\n");
        file.close();
        m_prompter.fileAnswers = {text};
        m_scripts.push_back([](QDialog& wizard) { // the import wizard's Import
            wizard.accept();
            return wizard.result();
        });
        QVERIFY(enabled(cmd::ImportIntoEditor));
        m_frame->execute(cmd::ImportIntoEditor);
        QVERIFY(m_frame->gridView());
        QCOMPARE(m_frame->gridView()->mode(), GridView::Mode::New);
        QCOMPARE(m_frame->gridView()->model()->rows(), 2);
        QVERIFY(m_frame->gridView()->isModified());
        QVERIFY(!enabled(cmd::ImportIntoEditor));
    }

    // An export that names sounds and pictures: the ones beside it come along into the program folder, the
    // missing one is said, and the new list's pairs name the copies.
    void importBringsTheSoundsAndPicturesBesideTheFile()
    {
        const QString folder = m_dir.path() + "/text/";
        QFile(folder + "bark.wav").open(QIODevice::WriteOnly);
        QImage cat(8, 6, QImage::Format_ARGB32);
        cat.fill(Qt::transparent);
        QVERIFY(cat.save(folder + "cat.png")); // a format the quiz does not show: it comes as JPEG
        QFile file(folder + "animals.tsv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "dog [sound:bark.wav]\tHund\ncat\t<img src=\"cat.png\">Katze\nbird\tVogel [sound:tweet.wav]\n");
        file.close();
        m_prompter.fileAnswers = {file.fileName()};
        m_scripts.push_back([](QDialog& wizard) {
            wizard.accept();
            return wizard.result();
        });
        m_frame->execute(cmd::ImportIntoEditor);
        QVERIFY(m_frame->gridView());
        const PairTableModel* model = m_frame->gridView()->model();
        QCOMPARE(model->rows(), 3);
        QCOMPARE(model->cell(0, PairTableModel::Question), std::string("dog"));
        QCOMPARE(model->cell(0, PairTableModel::SoundOne), std::string("bark.wav"));
        QCOMPARE(model->cell(1, PairTableModel::Picture), std::string("cat.jpg"));
        QCOMPARE(model->cell(2, PairTableModel::SoundTwo), std::string());
        QVERIFY(QFile::exists(m_dir.path() + "/quiz_sounds/bark.wav"));
        QCOMPARE(QImage(m_dir.path() + "/quiz_pictures/cat.jpg").size(), QSize(8, 6));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
                 QString("1 of the sounds and pictures named in the file could not be imported."));
    }

    // A vocabulary of lessons: each becomes a list of its own in the data folder, never over one there.
    void importMakesAListOfEachLesson()
    {
        QString entries, animals, meals;
        const char* words[][2] = {{"cat", "Katze"}, {"dog", "Hund"},   {"cow", "Kuh"},  {"pig", "Schwein"},
                                  {"hen", "Huhn"},  {"tea", "Tee"},    {"egg", "Ei"},   {"jam", "Marmelade"},
                                  {"oat", "Hafer"}, {"rye", "Roggen"}, {"fig", "Feige"}};
        for (int i = 0; i < 11; ++i) {
            entries += QString("<entry id=\"%1\"><translation id=\"0\"><text>%2</text></translation>"
                               "<translation id=\"1\"><text>%3</text></translation></entry>")
                           .arg(i)
                           .arg(words[i][0], words[i][1]);
            (i < 5 ? animals : meals) += QString("<entry id=\"%1\"/>").arg(i);
        }
        QFile file(m_dir.path() + "/text/farm.kvtml");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QString("<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers><identifier id=\"0\">"
                    "<name>English</name></identifier><identifier id=\"1\"><name>German</name>"
                    "</identifier></identifiers><entries>%1</entries><lessons><container><name>Animals"
                    "</name>%2</container><container><name>Food</name>%3</container></lessons></kvtml>")
                .arg(entries, animals, meals)
                .toUtf8());
        file.close();
        QVERIFY(QDir().mkpath(m_dir.path() + "/data"));
        QFile taken(m_dir.path() + "/data/Food.fly");
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("someone else's list");
        taken.close();
        m_prompter.fileAnswers = {file.fileName()};
        m_scripts.push_back([](QDialog& dialog) {
            auto& wizard = static_cast<ImportWizard&>(dialog);
            QTest::keyClick(wizard.eachDeckBox(), Qt::Key_Space);
            wizard.accept();
            return dialog.result();
        });
        m_frame->execute(cmd::ImportIntoEditor);
        QVERIFY(!m_frame->gridView()); // nothing to edit: the lists are made
        QCOMPARE(m_frame->statusBar()->currentMessage(),
                 QString("Lists made in the data folder: Animals, Food 2."));
        PairList food;
        QVERIFY(FlyArchive::readFile((m_dir.path() + "/data/Food 2.fly").toStdString(), food).ok);
        QCOMPARE(food.count(), 6);
        QCOMPARE(food.subject(), std::string("Food"));
        QCOMPARE(taken.size(), qint64(19));
    }

    void gridUndoRedoCommands()
    {
        QVERIFY(m_doc->loadList(writeList("Five", 5), ListDocument::OpenList));
        m_frame->execute(cmd::Editor);
        QVERIFY(!enabled(cmd::GridUndo));
        m_frame->gridView()->model()->setData(m_frame->gridView()->model()->index(0, 0), "changed");
        m_frame->updateCommandStates();
        QVERIFY(enabled(cmd::GridUndo));
        m_frame->execute(cmd::GridUndo);
        QCOMPARE(m_frame->gridView()->model()->cell(0, 0), std::string("q0"));
        QVERIFY(enabled(cmd::GridRedo));
        QCOMPARE(m_frame->action(cmd::GridRedo)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    }

    // The study-module selector's shortcut reached the document behind the grid: the other list was loaded
    // under the grid and, after an unsaved new list, written over the first list's file at exit.
    void noListIsOpenedBehindTheGrid_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addRow("viewer") << int(cmd::Viewer);
        QTest::addRow("editor") << int(cmd::Editor);
        QTest::addRow("new list") << int(cmd::NewList);
    }
    void noListIsOpenedBehindTheGrid()
    {
        QFETCH(int, entry);
        const QString first = writeList("First", 5);
        const QString other = writeList("Other", 7);
        QVERIFY(m_doc->loadList(first, ListDocument::OpenList));
        m_doc->setStudyModuleChooser([other] { return std::optional<QString>(other); });
        m_frame->execute(entry);
        QVERIFY(m_frame->gridView());
        QVERIFY(!enabled(cmd::SelectStudyModule));
        m_frame->execute(cmd::SelectStudyModule);
        m_frame->execute(cmd::BackToQuiz);
        QCOMPARE(m_doc->pathName(), first);
        QCOMPARE(m_doc->pairCount(), 5);
        m_doc->saveToFile();
        PairList onDisk;
        QVERIFY(FlyArchive::readFile(QFile::encodeName(first).toStdString(), onDisk));
        QCOMPARE(onDisk.count(), 5);
        QVERIFY(enabled(cmd::SelectStudyModule));
    }

    // A list dropped on the editor leaves the list being edited alone and says why nothing opened.
    void droppedListWaitsForTheQuiz()
    {
        const QString first = writeList("First", 5);
        const QString other = writeList("Other", 7);
        QVERIFY(m_doc->loadList(first, ListDocument::OpenList));
        m_frame->execute(cmd::Editor);
        QVERIFY(m_frame->gridView());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        QCoreApplication::processEvents(); // the drop only queues the open
        QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Go back to the quiz to open Other.fly."));
        m_frame->execute(cmd::BackToQuiz);
        QCOMPARE(m_doc->pathName(), first);
    }

    // Ctrl+S in the editor saves what the editor shows, not the list the quiz had before.
    void saveKeyInTheEditorSavesTheGrid()
    {
        const QString old = writeList("Old", 5);
        QVERIFY(m_doc->loadList(old, ListDocument::OpenList));
        m_frame->execute(cmd::NewList);
        m_scripts.push_back([](QDialog& dialog) {
            auto& pair = dynamic_cast<PairDialog&>(dialog);
            pair.questionEdit()->setText("new q");
            pair.answerEdit()->setText("x");
            return int(QDialog::Accepted);
        });
        m_frame->execute(cmd::GridAdd);
        m_scripts.push_back([](QDialog& dialog) {
            dynamic_cast<ListNameDialog&>(dialog).nameEdit()->setText("Fresh");
            dialog.accept();
            return int(dialog.result());
        });
        m_prompter.fileAnswers = {m_dir.path() + "/data/Fresh.fly"}; // a Save As dialog would get this
        QCOMPARE(m_frame->action(cmd::FileSave)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        m_frame->execute(cmd::FileSave);
        QVERIFY(!m_frame->gridView()->isModified());
        PairList onDisk;
        QVERIFY(FlyArchive::readFile(QFile::encodeName(m_dir.path() + "/data/Fresh.fly").toStdString(), onDisk));
        QCOMPARE(onDisk.count(), 1);
        QCOMPARE(onDisk.pairs()[0].question(), std::string_view("new q"));
    }
};

QTEST_MAIN(EditorSwitchTest)
#include "editorswitch_test.moc"
