// A screen reader's view of the quiz screen: the painted question, answers and buttons are read through the
// accessibility tree, the feedback of an answer is announced, and the names follow each new question.
#include <QAccessible>
#include <QtTest>
#include <algorithm>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/matchscreen.h"
#include "support/quizrig.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

struct Heard {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
QList<Heard> g_heard;

void hear(QAccessibleEvent* event)
{
    if (QAccessibleInterface* iface = event->accessibleInterface())
        g_heard.append({event->type(), iface->role(), iface->text(QAccessible::Name)});
}

struct Part {
    QAccessible::Role role;
    QString name;
    QString description;
};

QList<Part> partsOf(QuizView* view)
{
    QList<Part> parts;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        parts.append({child->role(), child->text(QAccessible::Name), child->text(QAccessible::Description)});
    }
    return parts;
}

QString shown(std::string_view text)
{
    return ListText::toQString(text);
}

} // namespace

class QuizAccessibleTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        g_heard.clear();
        // As when a screen reader listens: events go out only while the platform's accessibility is on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void cleanup() { QAccessible::installUpdateHandler(nullptr); }

    // The parts of each quiz mode in reading order, with their roles, the texts painted and the keys.
    void treeShowsThePaintedParts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("roles");
        const int text = QAccessible::StaticText, button = QAccessible::Button,
                  status = QAccessible::StatusBar;
        QTest::newRow("multiple choice")
            << 0 << QList<int>{text, button, button, button, button, status, status};
        QTest::newRow("true/false") << 1 << QList<int>{text, text, button, button, status, status};
        QTest::newRow("type-in") << 2
                                 << QList<int>{text,  int(QAccessible::EditableText), button, button, status,
                                               status};
    }
    void treeShowsThePaintedParts()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, roles);
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = start(rig, doc, frame, mode);
        QVERIFY(view);
        const QList<Part> parts = partsOf(view);
        QList<int> seen;
        for (const Part& part : parts)
            seen.append(part.role);
        QCOMPARE(seen, roles);
        const QuizQuestion& question = view->session()->current();
        QCOMPARE(parts[0].name, shown(question.questionPair().shownQuestion()));
        QCOMPARE(parts[parts.size() - 2].name, view->statusText()); // then the Smart Counter
        if (mode == 0) {
            QStringList answers;
            for (int i = 1; i <= 4; ++i) {
                answers.append(parts[i].name);
                QCOMPARE(parts[i].description, QStringLiteral("Key %1").arg(i));
            }
            QVERIFY(answers.contains(shown(question.questionPair().shownAnswer())));
            QCOMPARE(answers.removeDuplicates(), 0);
        } else {
            QCOMPARE(parts[2].name, mode == 1 ? QStringLiteral("True") : QStringLiteral("Try"));
            QCOMPARE(parts[3].name, mode == 1 ? QStringLiteral("False") : QStringLiteral("Skip"));
        }
        // Each part lies where it is painted.
        // The view, where the focus stays, is named after the question and described by the answers.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(iface->text(QAccessible::Name), parts[0].name);
        QStringList answers;
        for (int i = 1; i < parts.size() - 2; ++i)
            answers.append(parts[i].description.isEmpty() ? parts[i].name
                                                          : parts[i].description + ": " + parts[i].name);
        QCOMPARE(iface->text(QAccessible::Description), answers.join(", "));
        const QRect screen(view->mapToGlobal(QPoint(0, 0)), view->size());
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* part = iface->child(i);
            const QRect r = part->rect();
            QVERIFY2(!r.isEmpty() && screen.contains(r), qPrintable(part->text(QAccessible::Name)));
            if (part->text(QAccessible::Name) != view->statusText()) // the score covers the whole screen
                QCOMPARE(iface->childAt(r.center().x(), r.center().y())->text(QAccessible::Name),
                         part->text(QAccessible::Name));
        }
    }

    // A key answers; the feedback is announced, and after a right answer the names are the next question's.
    void answerIsAnnouncedAndNamesFollowTheQuestion_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void answerIsAnnouncedAndNamesFollowTheQuestion()
    {
        QFETCH(bool, right);
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = start(rig, doc, frame, 0);
        QVERIFY(view);
        const QString answer = shown(view->session()->current().questionPair().shownAnswer());
        const int asked = view->session()->current().questionIndex();
        const QList<Part> before = partsOf(view);
        int key = -1;
        for (int i = 1; i <= 4 && key < 0; ++i)
            if ((before[i].name == answer) == right)
                key = i;
        QAccessible::installUpdateHandler(hear);
        QTest::keyClick(view, Qt::Key(Qt::Key_0 + key));
        QCoreApplication::processEvents();

        const QString feedback =
            right ? QStringLiteral("Right") : QStringLiteral("Wrong, the answer is ") + answer;
        const auto announced = [&] {
            for (const Heard& h : g_heard)
                if (h.role == QAccessible::Notification && h.type == QAccessible::ObjectShow &&
                    h.name == feedback)
                    return true;
            return false;
        };
        QVERIFY(announced());
        QCOMPARE(view->session()->rightCount(), right ? 1 : 0);
        if (!right)
            return;
        QVERIFY(view->session()->current().questionIndex() != asked);
        const QString next = shown(view->session()->current().questionPair().shownQuestion());
        QCOMPARE(partsOf(view)[0].name, next);
        // The question part is renamed, and so is the focused view, which is what a reader speaks.
        for (const QAccessible::Role role : {QAccessible::StaticText, QAccessible::Client}) {
            bool renamed = false;
            for (const Heard& h : g_heard)
                renamed = renamed || (h.type == QAccessible::NameChanged && h.role == role && h.name == next);
            QVERIFY2(renamed, qPrintable(QString::number(role, 16)));
        }
        // A reader says only the focused view's name when the focus comes, so the question is announced too.
        QVERIFY(std::any_of(g_heard.begin(), g_heard.end(), [&](const Heard& h) {
            return h.role == QAccessible::Notification && h.type == QAccessible::ObjectShow &&
                   h.name.startsWith(next + QStringLiteral(". Key 1: "));
        }));
    }

    // A key that comes while the next question is on its way is refused aloud, not only in the status bar.
    void aRefusedKeyIsAnnounced()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = start(rig, doc, frame, 0);
        QVERIFY(view);
        const QString answer = shown(view->session()->current().questionPair().shownAnswer());
        const QList<Part> parts = partsOf(view);
        int key = 1;
        while (key < 4 && parts[key].name != answer)
            ++key;
        rig.scheduler.eager = false; // what a right answer sets off plays on the clock
        QTest::keyClick(view, Qt::Key(Qt::Key_0 + key));
        QAccessible::installUpdateHandler(hear);
        QTest::keyClick(view, Qt::Key_1);
        QVERIFY(std::any_of(g_heard.begin(), g_heard.end(), [](const Heard& h) {
            return h.role == QAccessible::Notification && h.type == QAccessible::ObjectShow &&
                   h.name == QStringLiteral("Wait until the next question is on the screen.");
        }));
        rig.scheduler.settle();
    }

    // The matching board: both columns with their boxes, the buttons, and each line told by its two ends.
    void matchingBoardShowsColumnsAndLines()
    {
        QuizRig rig(8);
        ListDocument doc(rig.settings, rig.services);
        MainWindow frame(doc, rig.settings, rig.services);
        QuizView* view = start(rig, doc, frame, int(QuizMode::Matching));
        QVERIFY(view);
        const MatchScreen& match = view->matchScreen();
        const int rows = match.game().rows();
        QVERIFY(rows >= 2);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
        const QList<Part> top = partsOf(view);
        QCOMPARE(top.size(), 5); // questions, answers, Try, Skip, score
        const QList<std::tuple<int, QString, MatchBox::Column>> columns = {
            {0, "Questions", MatchBox::Questions}, {1, "Answers", MatchBox::Answers}};
        for (const auto& [index, name, column] : columns) {
            QAccessibleInterface* list = iface->child(index);
            QCOMPARE(list->role(), QAccessible::List);
            QCOMPARE(list->text(QAccessible::Name), name);
            QCOMPARE(list->childCount(), rows);
            for (int row = 0; row < rows; ++row) {
                QAccessibleInterface* item = list->child(row);
                QCOMPARE(item->role(), QAccessible::ListItem);
                QCOMPARE(item->parent(), list);
                QCOMPARE(item->text(QAccessible::Name), match.boxText({column, row}));
                QVERIFY(!item->text(QAccessible::Name).isEmpty());
                const QRect r = item->rect();
                QCOMPARE(r.size(), QSize(match.layout().box({column, row}).width(),
                                         match.layout().box({column, row}).height()));
                QCOMPARE(iface->childAt(r.center().x(), r.center().y()), list);
                QCOMPARE(list->childAt(r.center().x(), r.center().y()), item);
            }
        }
        QCOMPARE(top[2].name, QStringLiteral("Try"));
        QCOMPARE(top[2].description, QStringLiteral("Key T"));
        QCOMPARE(top[3].name, QStringLiteral("Skip"));

        // Enter picks the focused question, Enter again joins it to the focused answer.
        QAccessible::installUpdateHandler(hear);
        QTest::keyClick(view, Qt::Key_Return);
        const MatchBox answer = match.keyboard().focus();
        QCOMPARE(answer.column, int(MatchBox::Answers));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(match.game().partnerOf({MatchBox::Questions, 0}), answer);
        QAccessibleInterface* question = iface->child(0)->child(0);
        QAccessibleInterface* joined = iface->child(1)->child(answer.row);
        QCOMPARE(question->text(QAccessible::Description),
                 QStringLiteral("Connected to answer %1: %2").arg(answer.row + 1).arg(match.boxText(answer)));
        QCOMPARE(joined->text(QAccessible::Description),
                 QStringLiteral("Connected to question 1: ") + match.boxText({MatchBox::Questions, 0}));
        const MatchBox unjoined{MatchBox::Answers, answer.row == 0 ? 1 : 0};
        QCOMPARE(iface->child(1)->child(unjoined.row)->text(QAccessible::Description),
                 QStringLiteral("Not connected"));
        bool told = false, focused = false;
        for (const Heard& h : g_heard) {
            told = told || (h.type == QAccessible::DescriptionChanged && h.role == QAccessible::ListItem &&
                            h.name == question->text(QAccessible::Name));
            focused = focused || (h.type == QAccessible::Focus && h.role == QAccessible::ListItem &&
                                  h.name == match.boxText(match.keyboard().focus()));
        }
        QVERIFY(told);
        QVERIFY(focused);
    }

private:
    static QuizView* start(QuizRig& rig, ListDocument& doc, MainWindow& frame, int mode)
    {
        QuizView* view = wireQuizView(doc, rig.settings, rig.services, frame);
        QDir(rig.folder.path()).mkpath("data");
        if (!doc.loadList(writeList(rig.folder.path() + "/data/Words.fly", 8), ListDocument::OpenList))
            return nullptr;
        frame.resize(800, 600); // room for the True/False and Try/Skip buttons below the boxes
        frame.show();
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame))
            return nullptr;
        view->setFocus();
        rig.settings.setQuizMode(mode);
        view->start();
        return view->quizStarted() ? view : nullptr;
    }
};

QTEST_MAIN(QuizAccessibleTest)
#include "quizaccessible_test.moc"
