// The learner's work is never lost: journeys through the real main window, with the keys and clicks a
// learner uses, that end by reading the list file and the backups folder. Each case is a path that once
// lost an edit, an open cell's text or the quiz's answers.

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "core/backups.h"
#include "core/flyarchive.h"
#include "editor/listnamedialog.h"
#include "editor/pairdialog.h"
#include "quiz/ui/quizview.h"
#include "support/fakes.h"
#include "support/framefixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>
#include <deque>

using namespace brainlark;
using namespace brainlark::testing;

class KeepsWorkTest : public FrameFixture
{
    Q_OBJECT

private:
    std::deque<std::function<int(QDialog&)>> m_scripts;
    QStringList m_dialogs; // the window titles of the dialogs that opened

    QString listPath(const QString& name) const { return m_dir.path() + "/data/" + name + ".fly"; }
    QString writeList(const QString& name, int pairs)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        std::string error;
        FlyArchive::writeFile(QFile::encodeName(listPath(name)).toStdString(), list, "s", &error);
        return listPath(name);
    }
    static PairList onDisk(const QString& path)
    {
        PairList list;
        FlyArchive::readFile(QFile::encodeName(path).toStdString(), list);
        return list;
    }
    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList backupsOf(const QString& path) const
    {
        QStringList names;
        for (const BackupEntry& entry : Backups(m_dir.path().toStdString()).list(path.toStdString()))
            names << QString::fromStdString(entry.path);
        return names;
    }

    void showWindow()
    {
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    // Keys go where the learner's keys go: to the widget with the focus, else to the window.
    QWidget* keyTarget() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : m_frame.get();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(keyTarget(), Qt::Key(key), modifiers);
    }
    // A click on the button of a command in the toolbar that shows it.
    void clickTool(int id)
    {
        for (MainWindow::BarMode mode :
             {MainWindow::QuizBars, MainWindow::ViewerBars, MainWindow::EditorBars}) {
            QToolBar* bar = m_frame->toolBar(mode);
            if (bar->isVisible() && bar->widgetForAction(m_frame->action(id))) {
                QTest::mouseClick(bar->widgetForAction(m_frame->action(id)), Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(QString("no button for command %1").arg(id)));
    }
    // F2 on a cell of the grid and the text typed into it; the editor stays open.
    void typeIntoCell(int row, int column, const QString& text)
    {
        QTableView* table = m_frame->gridView()->table();
        table->setCurrentIndex(table->model()->index(row, column));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_F2);
        QVERIFY(QApplication::focusWidget() != table);
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    QString cell(int row, int column) const
    {
        return QString::fromStdString(m_frame->gridView()->model()->cell(row, column));
    }
    void openEditorOn(const QString& path)
    {
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        clickTool(cmd::Editor);
        QVERIFY(m_frame->gridView());
        QCOMPARE(m_frame->gridView()->mode(), GridView::Mode::Edit);
        QCOMPARE(QApplication::focusWidget(), m_frame->gridView()->table()); // F2 edits without a click first
    }
    void nameTheList(const QString& name)
    {
        m_scripts.push_back([name](QDialog& dialog) {
            dynamic_cast<ListNameDialog&>(dialog).nameEdit()->setText(name);
            dialog.accept();
            return int(dialog.result());
        });
    }

private slots:
    void init()
    {
        resetSettings({"data", "text"});
        m_settings->setDialogFlags(0);
        makeFrame(true);
        m_scripts.clear();
        m_dialogs.clear();
        m_frame->setDialogRunner([this](QDialog& dialog) {
            m_dialogs << dialog.windowTitle();
            if (m_scripts.empty())
                return int(QDialog::Rejected);
            auto script = m_scripts.front();
            m_scripts.pop_front();
            return script(dialog);
        });
        showWindow();
    }
    void cleanup() { dropFrame(); }

    // After a save in the editor, the grid's New (left unsaved, or abandoned with No) and Back to Quiz used
    // to put the list from before the editor back; the next visit to the grid wrote it over the file.
    void savedEditsSurviveANewListLeftUnsaved_data()
    {
        QTest::addColumn<bool>("editAgainAndSayNo");
        QTest::newRow("New, then Back to Quiz") << false;
        QTest::newRow("New abandoned with No") << true;
    }
    void savedEditsSurviveANewListLeftUnsaved()
    {
        QFETCH(bool, editAgainAndSayNo);
        const QString path = writeList("Capitals", 5);
        openEditorOn(path);
        typeIntoCell(0, 0, "Paris");
        press(Qt::Key_Return);
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(onDisk(path).pairs()[0].question(), std::string_view("Paris"));
        if (editAgainAndSayNo) {
            typeIntoCell(1, 0, "Rome");
            press(Qt::Key_Return);
            m_prompter.messageAnswers = {Prompter::No};
        }
        clickTool(cmd::GridNew);
        QCOMPARE(m_frame->windowTitle(), QString("new Q&A-list - Brainlark"));
        clickTool(cmd::BackToQuiz);
        QVERIFY(!m_frame->gridView());
        QCOMPARE(m_doc->pathName(), path);
        QCOMPARE(m_doc->list()->pairs()[0].question(), std::string_view("Paris"));
        clickTool(cmd::Viewer);
        clickTool(cmd::BackToQuiz);
        dropFrame(); // the end of the program writes the quiz's list back
        QCOMPARE(onDisk(path).pairs()[0].question(), std::string_view("Paris"));
        QCOMPARE(onDisk(path).pairs()[1].question(), std::string_view("q1"));
    }

    // Enter in a cell that is being typed in commits the text and nothing else: the pair dialog used to
    // open behind it with the old text, and its OK wrote the old text back.
    void enterCommitsTheCellAndOpensNoDialog()
    {
        const QString path = writeList("Capitals", 5);
        openEditorOn(path);
        m_scripts.push_back([](QDialog& dialog) {
            dialog.accept();
            return int(dialog.result());
        });
        typeIntoCell(2, 1, "Madrid");
        press(Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from the event loop
        QCOMPARE(m_dialogs, QStringList());
        QCOMPARE(cell(2, 1), QString("Madrid"));
        press(Qt::Key_Return); // without an open editor Enter opens the pair dialog of the row
        QCOMPARE(m_dialogs, QStringList{"Add/Edit Q&A-pair"});
        QCOMPARE(cell(2, 1), QString("Madrid"));
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(onDisk(path).pairs()[2].answer(), std::string_view("Madrid"));
    }

    // Text typed into a cell whose editor is still open reaches the file whichever way the learner leaves.
    void anOpenCellEditorIsCommittedOnEveryWayOut_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Ctrl+S") << "save";
        QTest::newRow("Back to Quiz") << "back";
        QTest::newRow("close the window") << "close";
        QTest::newRow("session end") << "session";
    }
    void anOpenCellEditorIsCommittedOnEveryWayOut()
    {
        QFETCH(QString, way);
        const QString path = writeList("Capitals", 5);
        openEditorOn(path);
        typeIntoCell(3, 0, "Berlin");
        m_prompter.messageAnswers = {Prompter::Yes}; // "Do you want to save the changes?"
        if (way == "save")
            press(Qt::Key_S, Qt::ControlModifier);
        else if (way == "back")
            clickTool(cmd::BackToQuiz);
        else if (way == "close")
            QVERIFY(m_frame->close());
        else
            QVERIFY(m_frame->endSession(true));
        QCOMPARE(m_prompter.messageTexts(),
                 way == "save" ? QStringList() : QStringList{GridView::SaveChangesQuestion});
        QCOMPARE(onDisk(path).pairs()[3].question(), std::string_view("Berlin"));
    }

    // Cancel at the session's end keeps the session and the edits, as at the window's close.
    void sessionEndAsksAboutUnsavedEdits()
    {
        openEditorOn(writeList("Capitals", 5));
        typeIntoCell(0, 0, "Oslo");
        press(Qt::Key_Return);
        m_prompter.messageAnswers = {Prompter::Cancel};
        QVERIFY(!m_frame->endSession(true));
        QVERIFY(m_frame->gridView()->isModified());
        QVERIFY(m_frame->endSession(false)); // nobody may be asked: the session ends
    }

    // Answers given in the quiz reach the first list's file when another list is opened from the study
    // module selector (they used to be dropped with the list).
    void answersAreWrittenBackBeforeAnotherListOpens()
    {
        QuizView* view = wireQuizView(*m_doc, *m_settings, services(), *m_frame);
        const QString first = writeList("First", 8);
        const QString other = writeList("Other", 8);
        m_settings->setQuizMode(0);
        QVERIFY(m_doc->loadList(first, ListDocument::OpenList));
        view->start();
        QVERIFY(view->quizStarted());
        const Rect box = view->screen().answer(0).rect();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(box.center().x, box.center().y));
        m_doc->setStudyModuleChooser([other] { return std::optional<QString>(other); });
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_doc->pathName(), other);
        int answered = 0;
        const PairList written = onDisk(first);
        for (const Pair& pair : written.pairs())
            answered += pair.right() + pair.wrong();
        QCOMPARE(answered, 1);
        QCOMPARE(backupsOf(first).size(), 1);
    }

    // Visits to the viewer and the editor without an edit or an answer write nothing and keep no backup, so
    // the original version is never pushed out of the ring by nothing.
    void visitsWithoutChangesWriteNothing()
    {
        const QString path = writeList("Untouched", 5);
        const QByteArray before = bytesOf(path);
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        for (int visit = 0; visit < 12; ++visit) {
            clickTool(visit % 2 ? cmd::Viewer : cmd::Editor);
            clickTool(cmd::BackToQuiz);
        }
        dropFrame();
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(backupsOf(path), QStringList());
    }

    // Every shortcut shown in a menu of the quiz screen, the viewer, the editor and a new list runs its
    // command when its keys are pressed on the window (two owners of one key made Ctrl+Z, Ctrl+Shift+Z and
    // Ctrl+F ambiguous: nothing ran).
    void everyShortcutShownInAMenuRunsItsCommand_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("quiz") << -1;
        QTest::newRow("viewer") << int(GridView::Mode::View);
        QTest::newRow("editor") << int(GridView::Mode::Edit);
        QTest::newRow("new list") << int(GridView::Mode::New);
    }
    void everyShortcutShownInAMenuRunsItsCommand()
    {
        QFETCH(int, view);
        const auto enter = [this, view] {
            QVERIFY(m_doc->loadList(writeList("Keys", 5), ListDocument::OpenList));
            m_doc->setStudyModuleChooser([] { return std::optional<QString>(); });
            if (view == int(GridView::Mode::View))
                clickTool(cmd::Viewer);
            else if (view == int(GridView::Mode::Edit))
                clickTool(cmd::Editor);
            else if (view == int(GridView::Mode::New))
                clickTool(cmd::NewList);
            if (view == int(GridView::Mode::View) || view < 0)
                return;
            // Something to undo, and something to redo after that.
            for (const char* question : {"x", "y"})
                m_scripts.push_back([question](QDialog& dialog) {
                    auto& pair = dynamic_cast<PairDialog&>(dialog);
                    pair.questionEdit()->setText(question);
                    pair.answerEdit()->setText(question);
                    return int(QDialog::Accepted);
                });
            m_frame->gridView()->addPair();
            m_frame->gridView()->undoStack()->undo();
            m_frame->gridView()->table()->setFocus();
            m_frame->updateCommandStates();
        };
        enter();
        QList<QAction*> shown;
        std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->menu())
                    collect(action->menu());
                else if (!action->shortcut().isEmpty())
                    shown << action;
            }
        };
        for (QAction* menu : m_frame->menuBar()->actions())
            collect(menu->menu());
        QList<int> ids;
        for (QAction* action : shown) {
            // The viewer shows Save and Undo, which have nothing to do there; New Q&A-list is in two menus.
            if (action->isEnabled() && !ids.contains(action->data().toInt()))
                ids << action->data().toInt();
        }
        // Ctrl+N, O, S, P, Q on the quiz screen; Ctrl+F and Q in the viewer; Ctrl+S, Q, Z, Shift+Z, F
        // editing.
        QCOMPARE(ids.size(), view == int(GridView::Mode::View) ? 2 : 5);
        for (int id : ids) {
            const QKeySequence keys = m_frame->action(id)->shortcut();
            // Each key on a window of its own: some commands leave the view (Ctrl+N) or the program (Ctrl+Q).
            cleanup();
            init();
            enter();
            QList<int> run;
            connect(m_frame.get(), &MainWindow::commandExecuted, this, [&run](int ran) { run.append(ran); });
            QTest::keySequence(keyTarget(), keys);
            QVERIFY2(run.contains(id), qPrintable(keys.toString()));
        }
    }

    // The editor's keys do what their menu items say, on the grid itself.
    void undoRedoAndFindKeysWorkInTheEditor()
    {
        openEditorOn(writeList("Capitals", 5));
        typeIntoCell(0, 1, "changed");
        press(Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(cell(0, 1), QString("changed"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(0, 1), QString("a0"));
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(0, 1), QString("changed"));
        press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), m_frame->gridView()->findEdit());
    }

    // The sort of the header, from the keyboard: the grid's View menu.
    void columnsSortFromTheMenuKeys()
    {
        const QString path = writeList("Capitals", 5);
        QVERIFY(m_doc->loadList(path, ListDocument::OpenList));
        clickTool(cmd::Viewer);
        QTest::keyClick(m_frame.get(), Qt::Key_V, Qt::AltModifier);
        QMenu* viewMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(viewMenu);
        QTest::keyClick(viewMenu, Qt::Key_O);
        QMenu* sortMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(sortMenu && sortMenu != viewMenu);
        QTest::keyClick(sortMenu, Qt::Key_Q); // by question: ascending, then again descending
        QCOMPARE(m_frame->gridView()->sortColumn(), 0);
        QCOMPARE(m_frame->gridView()->sortOrder(), Qt::AscendingOrder);
        m_frame->action(cmd::SortQuestion)->trigger();
        QCOMPARE(m_frame->gridView()->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(cell(0, 0), QString("q4"));
    }

    // The editor's status bar shows the editor's panes; the quiz's status comes back with the quiz.
    void theEditorsStatusBarIsItsOwn()
    {
        QVERIFY(m_doc->loadList(writeList("One", 1), ListDocument::OpenList));
        m_frame->setPaneText(0, "Rating 0.00, the weakest");
        m_frame->setPaneText(1, "Right: 0 - Wrong: 0");
        clickTool(cmd::Editor);
        QCOMPARE(m_frame->pane(0)->text(), QString());
        QCOMPARE(m_frame->pane(1)->text(), QString());
        QCOMPARE(m_frame->pane(2)->text(), QString("1 pair"));
        QCOMPARE(m_frame->pane(3)->text(), QString("Edit"));
        clickTool(cmd::BackToQuiz);
        QCOMPARE(m_frame->pane(0)->text(), QString("Rating 0.00, the weakest"));
        QCOMPARE(m_frame->pane(1)->text(), QString("Right: 0 - Wrong: 0"));
    }
};

QTEST_MAIN(KeepsWorkTest)
#include "keepswork_test.moc"
