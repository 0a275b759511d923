// The list grid: fill per mode, column widths and colours, header sorting, the editing commands with their
// dialogs, Save and its mends, undo and redo, and keyboard operation, all without a screen.

#include "core/clock.h"
#include "core/flyarchive.h"
#include "core/pairlist.h"
#include "editor/deletepairdialog.h"
#include "editor/gridview.h"
#include "editor/listnamedialog.h"
#include "editor/pairdialog.h"
#include "editor/viewpairdialog.h"
#include "editor/wronganswerdialog.h"
#include "editor/wronganswersdialog.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>
#include <deque>
#include <functional>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

using Script = std::function<int(QDialog&)>;

PairList makeList(int pairs, const std::string& prefix = "q")
{
    PairList list;
    for (int i = 0; i < pairs; ++i) {
        Pair pair(prefix + std::to_string(i), "a" + std::to_string(i));
        pair.addRight(i);
        pair.recalculateTotal();
        pair.setRating(float(i) / 2);
        list.pairs().push_back(pair);
    }
    list.updateLengthRatio();
    return list;
}

Script fillPair(const QString& question, const QString& answer, bool toWrongAnswers = false)
{
    return [=](QDialog& dialog) {
        auto& pair = dynamic_cast<PairDialog&>(dialog);
        pair.questionEdit()->setText(question);
        pair.answerEdit()->setText(answer);
        pair.switchBox()->setChecked(toWrongAnswers);
        pair.accept();
        return int(dialog.result());
    };
}

Script cancel()
{
    return [](QDialog&) { return int(QDialog::Rejected); };
}

Script acceptAs()
{
    return [](QDialog& dialog) {
        dialog.accept();
        return int(dialog.result());
    };
}

} // namespace

class GridViewTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SeededRandom m_random{1};
    std::unique_ptr<AppSettings> m_settings;
    RecordingPrompter m_prompter;
    RecordingSoundPlayer m_sound;
    ManualClock m_clock;
    std::deque<Script> m_scripts;
    QStringList m_dialogTitles;
    std::unique_ptr<GridView> m_grid;

    EditorContext context()
    {
        EditorContext c;
        c.settings = m_settings.get();
        c.prompter = &m_prompter;
        c.sound = &m_sound;
        c.clock = &m_clock;
        c.programFolder = m_dir.path();
        c.runDialog = [this](QDialog& dialog) {
            m_dialogTitles.append(dialog.windowTitle());
            if (m_scripts.empty())
                return int(QDialog::Rejected);
            Script script = m_scripts.front();
            m_scripts.pop_front();
            return script(dialog);
        };
        return c;
    }
    GridView& grid(GridView::Mode mode, const PairList* list)
    {
        m_grid = std::make_unique<GridView>(context());
        m_grid->resize(600, 400);
        m_grid->setMode(mode);
        m_grid->fill(list);
        return *m_grid;
    }
    QStringList questions() const
    {
        QStringList texts;
        for (int r = 0; r < m_grid->model()->rows(); ++r)
            texts.append(QString::fromStdString(m_grid->model()->cell(r, PairTableModel::Question)));
        return texts;
    }
    QString dataPath(const QString& name) const { return m_dir.path() + "/data/" + name + ".fly"; }
    QByteArray fileBytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).mkpath("data");
        QDir(m_dir.path()).mkpath("text");
        m_settings = std::make_unique<AppSettings>(m_random);
        m_settings->setInstallPath(m_dir.path());
        m_settings->resetToDefaults();
        m_settings->setDialogFlags(0); // guide messages off unless a test turns one on
        m_prompter = RecordingPrompter();
        m_scripts.clear();
        m_dialogTitles.clear();
    }
    void cleanup() { m_grid.reset(); }

    void fillPerMode()
    {
        const PairList list = makeList(3);
        QStringList panes;
        m_grid = std::make_unique<GridView>(context());
        connect(m_grid.get(), &GridView::paneTextChanged, this, [&panes](int pane, const QString& text) {
            panes.append(QString::number(pane) + ":" + text);
        });
        for (const auto mode : {GridView::Mode::View, GridView::Mode::Edit, GridView::Mode::New}) {
            panes.clear();
            m_grid->setMode(mode);
            m_grid->fill(&list);
            const int rows = mode == GridView::Mode::New ? 0 : 3;
            QCOMPARE(m_grid->model()->rows(), rows);
            QVERIFY(panes.contains(QString("2:%1 pairs").arg(rows)));
            QVERIFY(panes.contains("3:" + GridView::modeWord(mode)));
            for (int c = PairTableModel::Rating; c <= PairTableModel::Total; ++c)
                QCOMPARE(m_grid->table()->isColumnHidden(c), mode != GridView::Mode::View);
            for (int c = PairTableModel::Index; c < PairTableModel::ColumnCount; ++c)
                QVERIFY(m_grid->table()->isColumnHidden(c));
        }
    }

    void widthsFollowTheClampedRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer");
        QTest::newRow("even") << 1.0 << 300 << 300;
        QTest::newRow("long questions are capped at ten times") << 50.0 << 546 << 54;
        QTest::newRow("long answers at a tenth") << 0.001 << 55 << 545;
        QTest::newRow("not a number") << std::nan("") << 55 << 545;
    }
    void widthsFollowTheClampedRatio()
    {
        QFETCH(double, ratio);
        QFETCH(int, question);
        QFETCH(int, answer);
        QCOMPARE(GridView::questionAnswerWidths(600, ratio, 0), std::make_pair(question, answer));
        QCOMPARE(GridView::questionAnswerWidths(1, 1.0, 256), std::make_pair(1, 1));
    }

    void textColumnsShareTheWholeViewport()
    {
        const PairList list = makeList(40);
        grid(GridView::Mode::Edit, &list);
        m_grid->show(); // offscreen platform: nothing appears
        for (const QSize size : {QSize(700, 300), QSize(500, 2000), QSize(800, 200)}) {
            m_grid->resize(size);
            QCoreApplication::processEvents();
            const QTableView* table = m_grid->table();
            QCOMPARE(table->columnWidth(PairTableModel::Question) +
                         table->columnWidth(PairTableModel::Answer),
                     table->viewport()->width());
        }
    }

    void coloursComeFromTheSkinPalette()
    {
        grid(GridView::Mode::View, nullptr);
        QCOMPARE(m_grid->backgroundColor(), QColor(200, 222, 240));
        QCOMPARE(m_grid->gridLineColor(), QColor(88, 104, 112));
        m_grid->setMode(GridView::Mode::Edit);
        QCOMPARE(m_grid->backgroundColor(), QColor(176, 224, 208));
        m_settings->setSkinName("hardware.skn");
        m_grid->setMode(GridView::Mode::View);
        QCOMPARE(m_grid->backgroundColor(), QColor(211, 211, 211));
        const QColor header = GridView::headerColor(QColor(200, 222, 240));
        QVERIFY(qAbs(header.lightnessF() - QColor(200, 222, 240).lightnessF() * 0.9) < 0.01);
        QVERIFY(qAbs(GridView::headerColor(Qt::white).lightnessF() - 0.9) < 0.01);
    }

    void headerSortDirections()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::View, &list);
        m_grid->sortByHeader(PairTableModel::Rating);
        QCOMPARE(m_grid->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(questions(), (QStringList{"q2", "q1", "q0"}));
        m_grid->sortByHeader(PairTableModel::Rating);
        QCOMPARE(m_grid->sortOrder(), Qt::AscendingOrder);
        QCOMPARE(questions(), (QStringList{"q0", "q1", "q2"}));
        m_grid->sortByHeader(PairTableModel::Question);
        QCOMPARE(m_grid->sortOrder(), Qt::AscendingOrder);
        QCOMPARE(m_grid->currentRow(), 0);
    }

    void headerPressBlocksDeleteAndDoubleClick()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::Edit, &list);
        emit m_grid->table()->horizontalHeader()->sectionPressed(0);
        QVERIFY(m_grid->headerPressed());
        QVERIFY(!m_grid->canDelete());
        m_grid->activateCurrent();
        m_grid->deleteCurrent();
        QVERIFY(m_dialogTitles.isEmpty());
        QTest::mouseClick(m_grid->table()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!m_grid->headerPressed());
    }

    void viewerDoubleClickShowsThePairOfTheDocument()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::View, &list);
        m_grid->sortByHeader(PairTableModel::Rating); // q2 first
        QStringList shown;
        m_scripts.push_back([&shown](QDialog& dialog) {
            shown = dynamic_cast<ViewPairDialog&>(dialog).shownTexts();
            return int(QDialog::Accepted);
        });
        m_grid->activateCurrent();
        QCOMPARE(m_dialogTitles, QStringList{"View Q&A-pair"});
        QCOMPARE(shown, (QStringList{"q2", "a2", "", "2", "0", "2", "1.00"}));
    }

    void addRepeatsUntilCancelAndReusesTheBlankNewRow()
    {
        grid(GridView::Mode::New, nullptr);
        m_settings->setDialogFlags(GuideMessages::GridAdd);
        m_scripts = {fillPair("one", "1"), fillPair("two", "2"), cancel()};
        m_grid->addPair();
        QCOMPARE(questions(), (QStringList{"one", "two"}));
        QCOMPARE(m_prompter.guides.size(), 3);
        QVERIFY(m_prompter.guides[0].text.startsWith("Please enter a question and the answer"));
        QCOMPARE(m_grid->model()->cell(1, PairTableModel::Index), std::string("2"));
        QVERIFY(m_grid->isModified());

        // A lone row without an answer (typed in place) is taken by the next Add.
        grid(GridView::Mode::New, nullptr);
        m_grid->model()->insertRowsAt(0, {PairTableModel::textRow("draft", "", 1)});
        m_scripts = {fillPair("kept", "row"), cancel()};
        m_grid->addPair();
        QCOMPARE(questions(), QStringList{"kept"});

        // OK on an empty dialog adds nothing and ends the adding, as Cancel does.
        m_scripts = {fillPair("", ""), fillPair("never", "asked")};
        m_grid->addPair();
        QCOMPARE(questions(), QStringList{"kept"});
        QCOMPARE(m_scripts.size(), size_t(1));
    }

    void editRenamesWrongAnswersAndSwitchesToThem()
    {
        PairList list = makeList(2);
        Pair wrong("q0", "bad");
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(wrong);
        grid(GridView::Mode::Edit, &list);
        m_scripts = {fillPair("Q0", "a0", true), [](QDialog& dialog) {
                         auto& manager = dynamic_cast<WrongAnswersDialog&>(dialog);
                         const QStringList shown = manager.shownAnswers();
                         dialog.accept();
                         return shown == QStringList{"bad"} ? int(QDialog::Accepted) : -1;
                     }};
        m_grid->editRow(0);
        QCOMPARE(m_dialogTitles, (QStringList{"Add/Edit Q&A-pair", "Predefined Wrong Answers"}));
        QCOMPARE(m_grid->workingList().wrongAnswers()[0].question(), std::string_view("Q0"));
        m_grid->undoStack()->undo();
        QCOMPARE(questions().first(), QString("q0"));
        QCOMPARE(m_grid->workingList().wrongAnswers()[0].question(), std::string_view("q0"));
    }

    void deleteMovesWholeRowsUpAndDropsItsWrongAnswers()
    {
        PairList list = makeList(3);
        list.pairs()[2].setPicturePath("x.jpg");
        Pair wrong("q1", "bad");
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(wrong);
        grid(GridView::Mode::Edit, &list);
        m_grid->setCurrentRow(1);
        m_scripts = {acceptAs()};
        m_grid->deleteCurrent();
        QCOMPARE(m_dialogTitles, QStringList{"Delete this Q&A-pair?"});
        QCOMPARE(questions(), (QStringList{"q0", "q2"}));
        QCOMPARE(m_grid->model()->cell(1, PairTableModel::Picture), std::string("x.jpg"));
        QVERIFY(m_grid->workingList().wrongAnswers().empty());
        m_grid->undoStack()->undo();
        QCOMPARE(questions(), (QStringList{"q0", "q1", "q2"}));
        QCOMPARE(m_grid->workingList().wrongAnswers().size(), size_t(1));
        m_grid->undoStack()->redo();
        QCOMPARE(questions(), (QStringList{"q0", "q2"}));
        m_scripts = {cancel()};
        m_grid->deleteCurrent();
        QCOMPARE(m_grid->model()->rows(), 2);
    }

    void resetWritesZeroAndUndoes()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::Edit, &list);
        QVERIFY(m_grid->canResetRatings());
        m_prompter.messageAnswers = {Prompter::No};
        m_grid->resetRatings();
        QCOMPARE(m_grid->model()->cell(2, PairTableModel::Rating), std::string("1.00"));
        m_grid->resetRatings();
        QCOMPARE(m_prompter.messages.last().text, QString(GridView::ResetQuestion));
        for (int c = PairTableModel::Rating; c <= PairTableModel::Total; ++c)
            QCOMPARE(m_grid->model()->cell(2, c), std::string("0"));
        QVERIFY(!m_grid->canResetRatings());
        m_grid->undoStack()->undo();
        QCOMPARE(m_grid->model()->cell(2, PairTableModel::Rating), std::string("1.00"));
    }

    void insertFromTextFile()
    {
        const QString good = m_dir.path() + "/text/words.TXT";
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("uno @ one\ndos @ two\n");
        file.close();
        const QString empty = m_dir.path() + "/text/empty.txt";
        QFile(empty).open(QIODevice::WriteOnly);

        grid(GridView::Mode::New, nullptr);
        m_grid->model()->insertRowsAt(0, {PairTableModel::textRow("", "", 1)});
        m_grid->insertFromFile(m_dir.path() + "/text/words.csv");
        QCOMPARE(m_grid->model()->rows(), 1);
        m_grid->insertFromFile(empty);
        QCOMPARE(m_prompter.messages.last().text,
                 "Sorry, file " + empty + " does not contain a valid Q&A-list.");
        m_grid->insertFromFile(good);
        QCOMPARE(questions(), (QStringList{"uno", "dos"}));
        QCOMPARE(m_grid->model()->cell(1, PairTableModel::Rating), std::string());
        QCOMPARE(m_grid->model()->cell(1, PairTableModel::Index), std::string("2"));
        m_grid->undoStack()->undo();
        QCOMPARE(questions(), QStringList{""});
    }

    void saveNamesANewListAndWritesIt()
    {
        grid(GridView::Mode::New, nullptr);
        m_settings->setDialogFlags(GuideMessages::GridSave);
        m_grid->model()->insertRowsAt(
            0, {PairTableModel::textRow("lone question", "", 1), PairTableModel::textRow("", "", 2)});
        QString saved;
        connect(m_grid.get(), &GridView::listSaved, this, [&saved](const QString& path) { saved = path; });
        m_scripts = {[](QDialog& dialog) {
            dynamic_cast<ListNameDialog&>(dialog).nameEdit()->setText("  Birds  ");
            dialog.accept();
            return int(dialog.result());
        }};
        QVERIFY(m_grid->save());
        QCOMPARE(m_prompter.guides.first().text.left(20), QString("Once a Q&A-list has "));
        QCOMPARE(saved, dataPath("Birds"));
        QCOMPARE(m_grid->title(), QString("Birds"));
        QVERIFY(m_grid->isSaved());
        QVERIFY(!m_grid->isModified());
        PairList back;
        QVERIFY(FlyArchive::readFile(QFile::encodeName(saved).toStdString(), back).ok);
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.pairs()[0].answer(), std::string_view("answer needed here"));
        // The second Save goes to the same file without asking for a name.
        m_grid->model()->insertRowsAt(1, {PairTableModel::textRow("q", "a", 2)});
        QVERIFY(m_grid->save());
        QCOMPARE(m_dialogTitles.size(), 1);
    }

    void saveCancelledOrEmptyWritesNothing()
    {
        const QString path = dataPath("Keep");
        PairList original = makeList(5);
        std::string error;
        QVERIFY(FlyArchive::writeFile(QFile::encodeName(path).toStdString(), original, "s", &error));
        const QByteArray before = fileBytes(path);

        grid(GridView::Mode::Edit, &original);
        m_grid->setFilePath(path);
        for (int i = 0; i < 5; ++i) {
            m_grid->setCurrentRow(0);
            m_scripts.push_back(acceptAs());
            m_grid->deleteCurrent();
        }
        QVERIFY(!m_grid->save());
        QCOMPARE(m_prompter.messages.last().text, QString(GridView::NothingToSave));
        QCOMPARE(fileBytes(path), before);

        const QStringList files = QDir(m_dir.path() + "/data").entryList(QDir::Files);
        grid(GridView::Mode::New, nullptr);
        m_grid->model()->insertRowsAt(0, {PairTableModel::textRow("q", "a", 1)});
        m_scripts = {cancel()};
        QVERIFY(!m_grid->save());
        QCOMPARE(QDir(m_dir.path() + "/data").entryList(QDir::Files), files);
    }

    void failedSaveClearsThePathAndKeepsTheLearnerInTheEditor()
    {
        grid(GridView::Mode::Edit, nullptr);
        m_grid->model()->insertRowsAt(0, {PairTableModel::textRow("q", "a", 1)});
        QVERIFY(!m_grid->isModified());
        QVERIFY(m_grid->model()->setData(m_grid->model()->index(0, 0), "edited"));
        m_grid->setFilePath(m_dir.path() + "/no/such/folder/list.fly");
        m_prompter.messageAnswers = {Prompter::Yes};
        QVERIFY(!m_grid->askToSaveChanges());
        QCOMPARE(m_prompter.messages.first().text, QString(GridView::SaveChangesQuestion));
        QCOMPARE(m_prompter.messages.last().text, QString(GridView::SaveFailed));
        QVERIFY(m_grid->filePath().isEmpty());
        QVERIFY(m_grid->isModified());
        m_prompter.messageAnswers = {Prompter::No};
        QVERIFY(m_grid->askToSaveChanges());
        m_prompter.messageAnswers = {Prompter::Cancel};
        QVERIFY(!m_grid->askToSaveChanges());
    }

    void editWorkingCopiesReachTheFile()
    {
        PairList list = makeList(5);
        list.setNotes("old notes");
        list.setSubject("Geography");
        grid(GridView::Mode::Edit, &list);
        QCOMPARE(m_grid->notes(), QString("old notes"));
        m_scripts = {[](QDialog& dialog) {
            dialog.findChild<QLineEdit*>()->setText("secret");
            dialog.accept();
            return int(dialog.result());
        }};
        m_grid->editPassword();
        QCOMPARE(m_grid->password(), QString("secret"));
        QVERIFY(m_grid->isModified());
        m_grid->setFilePath(dataPath("Edited"));
        QVERIFY(m_grid->save());
        PairList back;
        QVERIFY(FlyArchive::readFile(QFile::encodeName(dataPath("Edited")).toStdString(), back).ok);
        QCOMPARE(back.password(), std::string("secret"));
        QCOMPARE(back.subject(), std::string("Geography"));
        QCOMPARE(back.pairs()[4].right(), 4);
    }

    void newAsksToSaveAndEmptiesEverything()
    {
        PairList list = makeList(2);
        list.wrongAnswers().push_back(Pair("q0", "w"));
        grid(GridView::Mode::Edit, &list);
        m_grid->setFilePath(dataPath("Two"));
        m_scripts = {fillPair("x", "y"), cancel()};
        m_grid->addPair();
        m_prompter.messageAnswers = {Prompter::Cancel};
        m_grid->newList();
        QCOMPARE(m_grid->mode(), GridView::Mode::Edit);
        m_prompter.messageAnswers = {Prompter::No};
        m_grid->newList();
        QCOMPARE(m_grid->mode(), GridView::Mode::New);
        QCOMPARE(m_grid->model()->rows(), 0);
        QVERIFY(m_grid->filePath().isEmpty());
        QVERIFY(m_grid->workingList().wrongAnswers().empty());
        QCOMPARE(m_grid->title(), QString("new Q&A-list"));
    }

    void fillNewHoldsAnImportUnsaved()
    {
        PairList imported = makeList(3, "imp");
        imported.wrongAnswers().push_back(Pair("imp0", "w"));
        m_grid = std::make_unique<GridView>(context());
        m_grid->fillNew(imported);
        QCOMPARE(m_grid->mode(), GridView::Mode::New);
        QCOMPARE(questions(), (QStringList{"imp0", "imp1", "imp2"}));
        QCOMPARE(m_grid->workingList().wrongAnswers()[0].kind(), int32_t(Pair::WrongAnswer));
        QVERIFY(m_grid->isModified());
        QVERIFY(m_grid->filePath().isEmpty());
        // Save starts from the imported file's name.
        m_grid->fillNew(imported, "Vocabulary 3");
        QString suggested;
        m_scripts = {[&suggested](QDialog& dialog) {
            suggested = dynamic_cast<ListNameDialog&>(dialog).nameEdit()->text();
            return int(QDialog::Rejected);
        }};
        QVERIFY(!m_grid->save());
        QCOMPARE(suggested, QString("Vocabulary 3"));
    }

    void keyboardOperation()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::Edit, &list);
        QTableView* table = m_grid->table();
        m_scripts = {cancel()};
        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(m_dialogTitles.last(), QString("Add/Edit Q&A-pair"));
        m_grid->setCurrentRow(1);
        m_scripts = {cancel()};
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(m_dialogTitles.last(), QString("Add/Edit Q&A-pair"));
        m_scripts = {acceptAs()};
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(questions(), (QStringList{"q0", "q2"}));
        int help = 0;
        connect(m_grid.get(), &GridView::helpRequested, this, [&help](int context) { help = context; });
        QTest::keyClick(table, Qt::Key_F1);
        QCOMPARE(help, GridView::EditorHelpContext);

        // F2 edits the question in place; the edit is undoable like any other.
        m_grid->setCurrentRow(0);
        QVERIFY(m_grid->model()->setData(m_grid->model()->index(0, 0), "typed"));
        QCOMPARE(questions().first(), QString("typed"));
        m_grid->undoStack()->undo();
        QCOMPARE(questions().first(), QString("q0"));
    }

    void findWalksQuestionsAndAnswers()
    {
        PairList list = makeList(4);
        list.pairs()[2].setAnswer("Needle");
        grid(GridView::Mode::View, &list);
        QVERIFY(m_grid->find("needle", false));
        QCOMPARE(m_grid->currentRow(), 2);
        QVERIFY(m_grid->find("q", false));
        QCOMPARE(m_grid->currentRow(), 3);
        QVERIFY(m_grid->find("q", true));
        QCOMPARE(m_grid->currentRow(), 2);
        QVERIFY(!m_grid->find("absent", false));
    }

    void sortIsUndoableInTheEditor()
    {
        const PairList list = makeList(3);
        grid(GridView::Mode::Edit, &list);
        m_grid->sortByHeader(PairTableModel::Question); // ascending: no change
        m_grid->sortByHeader(PairTableModel::Question); // descending
        QCOMPARE(questions(), (QStringList{"q2", "q1", "q0"}));
        m_grid->setCurrentRow(0);
        m_scripts = {acceptAs()};
        m_grid->deleteCurrent();
        m_grid->undoStack()->undo();
        m_grid->undoStack()->undo();
        QCOMPARE(questions(), (QStringList{"q0", "q1", "q2"}));
    }
};

QTEST_MAIN(GridViewTest)
#include "gridview_test.moc"
