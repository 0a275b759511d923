#include "services/qtscheduler.h"
#include "services/timeline.h"
#include "services/qtprompter.h"
#include "support/fakes.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// Runs action on the modal dialog that the next call opens.
void onNextModal(QObject* context, std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, context, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

} // namespace

class ServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxTitleIconAndAnswer_data();
    void messageBoxTitleIconAndAnswer();
    void escapeOnYesNoMeansNo();
    void passwordBox();
    void filtersConvertFromTheClassicForm();
    void helpUrlPointsIntoTheProgramFolder();
    void schedulerCallsBackFromTheEventLoop();
};

void ServicesTest::messageBoxTitleIconAndAnswer_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("boxIcon");
    QTest::addColumn<int>("expected");
    QTest::newRow("stop ok") << int(Prompter::Icon::Stop) << int(Prompter::Buttons::Ok)
                             << int(QMessageBox::Ok) << int(QMessageBox::Critical) << int(Prompter::Ok);
    QTest::newRow("question no") << int(Prompter::Icon::Question) << int(Prompter::Buttons::YesNo)
                                 << int(QMessageBox::No) << int(QMessageBox::Question) << int(Prompter::No);
    QTest::newRow("exclamation cancel")
        << int(Prompter::Icon::Exclamation) << int(Prompter::Buttons::YesNoCancel) << int(QMessageBox::Cancel)
        << int(QMessageBox::Warning) << int(Prompter::Cancel);
    QTest::newRow("information yes") << int(Prompter::Icon::Information)
                                     << int(Prompter::Buttons::YesNoCancel) << int(QMessageBox::Yes)
                                     << int(QMessageBox::Information) << int(Prompter::Yes);
    QTest::newRow("ok cancel") << int(Prompter::Icon::None) << int(Prompter::Buttons::OkCancel)
                               << int(QMessageBox::Cancel) << int(QMessageBox::NoIcon)
                               << int(Prompter::Cancel);
}

void ServicesTest::messageBoxTitleIconAndAnswer()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, boxIcon);
    QFETCH(int, expected);
    RecordingShellOpener shell;
    QtPrompter prompter(shell);
    QString title;
    QString text;
    int shownIcon = -1;
    onNextModal(this, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        box->button(QMessageBox::StandardButton(press))->click();
    });
    const int result = prompter.message("Could not open x", Prompter::Icon(icon), Prompter::Buttons(buttons));
    QCOMPARE(result, expected);
    QCOMPARE(title, QString("Brainlark"));
    QCOMPARE(text, QString("Could not open x"));
    QCOMPARE(shownIcon, boxIcon);
}

void ServicesTest::escapeOnYesNoMeansNo()
{
    RecordingShellOpener shell;
    QtPrompter prompter(shell);
    onNextModal(this, [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(prompter.message("Save?", Prompter::Icon::Question, Prompter::Buttons::YesNo),
             int(Prompter::No));
}

void ServicesTest::passwordBox()
{
    RecordingShellOpener shell;
    QtPrompter prompter(shell);
    QString title;
    onNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        QCOMPARE(dialog->textEchoMode(), QLineEdit::Normal);
        dialog->setTextValue("secret");
        dialog->accept();
    });
    QCOMPARE(prompter.askPassword(), std::optional<QString>("secret"));
    QCOMPARE(title, QString("Enter Password"));

    onNextModal(this, [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(prompter.askPassword(), std::nullopt);
}

void ServicesTest::filtersConvertFromTheClassicForm()
{
    QCOMPARE(QtPrompter::qtFilter("Skin files (*.skn)|*.skn|All Files (*.*)|*.*||"),
             QString("Skin files (*.skn);;All Files (*)"));
    QCOMPARE(QtPrompter::qtFilter("Pictures|*.bmp;*.jpg||"), QString("Pictures (*.bmp *.jpg)"));
    QCOMPARE(QtPrompter::qtFilter("Brainlark Doc (*.fly);;All Files (*)"),
             QString("Brainlark Doc (*.fly);;All Files (*)"));
}

void ServicesTest::helpUrlPointsIntoTheProgramFolder()
{
    RecordingShellOpener shell;
    QtPrompter prompter(shell);
    prompter.setProgramFolder("/home/ann/Brainlark");
    QCOMPARE(prompter.helpUrl(98327), QString("file:///home/ann/Brainlark/help/index.html#context-98327"));
}

// The real scheduler calls back from the event loop, in time order, and never after a cancel.
void ServicesTest::schedulerCallsBackFromTheEventLoop()
{
    QtScheduler scheduler;
    QStringList calls;
    scheduler.after(20, Scheduler::Purpose::Pause, [&] { calls << "late"; });
    const Scheduler::Id dropped = scheduler.after(5, Scheduler::Purpose::Pause, [&] { calls << "dropped"; });
    scheduler.after(0, Scheduler::Purpose::Other, [&] { calls << "soon"; });
    QVERIFY(calls.isEmpty());
    scheduler.cancel(dropped);
    QTRY_COMPARE(calls, QStringList({"soon", "late"}));

    // A timeline on it returns at once and ends by itself.
    Timeline timeline(scheduler);
    bool finished = false;
    timeline.call([&] { calls << "first"; });
    timeline.wait(10);
    timeline.call([&] { calls << "second"; });
    timeline.start([&] { finished = true; });
    QCOMPARE(calls.last(), QString("first"));
    QTRY_VERIFY(finished);
    QCOMPARE(calls.last(), QString("second"));
}

QTEST_MAIN(ServicesTest)
#include "services_test.moc"
