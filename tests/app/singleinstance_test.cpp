#include "app/application.h"
#include "settings/memorysettingsstore.h"
#include "core/clock.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// One application object with fakes and an in-memory store it can be inspected through.
struct Instance {
    explicit Instance(const QString& lockFolder)
    {
        auto owned = std::make_unique<MemorySettingsStore>();
        store = owned.get();
        services = fakes.services();
        app = std::make_unique<Application>(std::move(owned), services);
        app->setLockFolder(lockFolder);
    }
    FakeServices fakes;
    Services services;
    MemorySettingsStore* store = nullptr;
    std::unique_ptr<Application> app;
};

const char* const kHoldLock = "--hold-lock";

/// Child-process mode: take the lock in the given folder, say so, and hold it until stdin closes.
int holdLock(const QString& folder)
{
    Instance holder(folder);
    if (!holder.app->acquireSingleInstance())
        return 3;
    std::puts("locked");
    std::fflush(stdout);
    char buffer[16];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void firstInstanceLoadsSeedsAndSaves();
    void secondInstanceShowsMessageAndTouchesNothing();
    void storedInstallPathIsUsed();
    void failedStartSavesNothing();
    void lockHeldByAnotherProcess();
    void commandLine();

private:
    QTemporaryDir m_tmp;
};

void SingleInstanceTest::firstInstanceLoadsSeedsAndSaves()
{
    const QString folder = m_tmp.filePath("first/pf");
    Instance one(m_tmp.filePath("first/lock"));
    one.store->setRaw("visual style", 4);
    one.store->setRaw("student name", "Ann");
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--program-folder", folder}), std::nullopt);
    QVERIFY(one.app->initialize());
    QVERIFY(!one.app->isSecondInstance());
    QVERIFY(one.fakes.prompter.messages.isEmpty());
    QCOMPARE(one.app->settings().visualStyle(), 4);
    QCOMPARE(one.app->settings().effectiveLayout(), 3);
    QCOMPARE(one.app->settings().installPath(), folder);
    QCOMPARE(one.app->programFolder().root(), folder);
    QCOMPARE(one.app->settings().currentBkgFilePath(), folder + "/bkg/3.gif");
    QVERIFY(QFileInfo(folder + "/data").isDir());
    QVERIFY(QFile::exists(folder + "/media/r_1_0.wav")); // seeded from the source tree's data

    one.app->settings().setStudentName("Bea");
    one.store->clearLog();
    QCOMPARE(one.app->shutdown(), 0);
    QCOMPARE(one.store->raw("student name").toString(), QString("Bea"));
    QVERIFY(one.store->writtenKeys().contains("question selection mode"));

    // The lock went with the exit.
    Instance again(m_tmp.filePath("first/lock"));
    QVERIFY(again.app->acquireSingleInstance());
}

void SingleInstanceTest::secondInstanceShowsMessageAndTouchesNothing()
{
    const QString lock = m_tmp.filePath("second/lock");
    const QStringList args = {"brainlark", "--program-folder", m_tmp.filePath("second/pf")};
    Instance one(lock);
    one.app->parseCommandLine(args);
    QVERIFY(one.app->initialize());

    Instance two(lock);
    two.store->setRaw("student name", "Ann");
    two.app->parseCommandLine(args);
    QVERIFY(!two.app->initialize());
    QVERIFY(two.app->isSecondInstance());
    QCOMPARE(two.fakes.prompter.messages.size(), 1);
    QCOMPARE(two.fakes.prompter.messages[0].text, QString("Another instance of this application already running!"));
    QCOMPARE(two.fakes.prompter.messages[0].icon, Prompter::Icon::Stop);
    QCOMPARE(two.fakes.prompter.messages[0].buttons, Prompter::Buttons::Ok);
    QCOMPARE(two.app->shutdown(), 0);
    QVERIFY(two.store->readKeys().isEmpty());
    QVERIFY(two.store->writtenKeys().isEmpty());
    QCOMPARE(two.store->size(), 1);

    // The first instance is unaffected and still the one.
    QVERIFY(!one.app->isSecondInstance());
    Instance three(lock);
    QVERIFY(!three.app->acquireSingleInstance());
    one.app->shutdown();
}

void SingleInstanceTest::storedInstallPathIsUsed()
{
    Instance one(m_tmp.filePath("stored/lock"));
    const QString stored = m_tmp.filePath("stored/installed");
    one.store->setRaw("InstallPath", stored);
    one.app->parseCommandLine({"brainlark"});
    QVERIFY(one.app->initialize());
    QCOMPARE(one.app->programFolder().root(), stored);
    QCOMPARE(one.app->settings().storedInstallPath(), stored);
    one.app->shutdown();
    QVERIFY(!one.store->writtenKeys().contains("InstallPath"));

    // The command line wins over the stored folder.
    Instance two(m_tmp.filePath("stored/lock"));
    two.store->setRaw("InstallPath", stored);
    two.app->parseCommandLine({"brainlark", "--program-folder", m_tmp.filePath("stored/cmd")});
    QVERIFY(two.app->initialize());
    QCOMPARE(two.app->programFolder().root(), m_tmp.filePath("stored/cmd"));
    two.app->shutdown();
}

void SingleInstanceTest::failedStartSavesNothing()
{
    QFile blocker(m_tmp.filePath("failed-file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Instance one(m_tmp.filePath("failed/lock"));
    one.store->setRaw("student name", "Ann");
    one.app->parseCommandLine({"brainlark", "--program-folder", m_tmp.filePath("failed-file/pf")});
    QVERIFY(!one.app->initialize());
    QCOMPARE(one.fakes.prompter.messages.size(), 1);
    QCOMPARE(one.fakes.prompter.messages[0].icon, Prompter::Icon::Stop);
    one.app->shutdown();
    QVERIFY(one.store->writtenKeys().isEmpty());
    QCOMPARE(one.store->raw("student name").toString(), QString("Ann"));
}

void SingleInstanceTest::lockHeldByAnotherProcess()
{
    const QString lock = m_tmp.filePath("process/lock");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {kHoldLock, lock});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("locked"));

    Instance mine(lock);
    QVERIFY(!mine.app->acquireSingleInstance());
    QCOMPARE(mine.fakes.prompter.messageTexts(),
             QStringList({"Another instance of this application already running!"}));

    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    Instance after(lock);
    QVERIFY(after.app->acquireSingleInstance());
    after.app->shutdown();

    // A holder that died without cleaning up leaves a stale lock, which does not count.
    QProcess crashed;
    crashed.start(QCoreApplication::applicationFilePath(), {kHoldLock, lock});
    QVERIFY(crashed.waitForReadyRead(20000));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(20000));
    QVERIFY(QFile::exists(Instance(lock).app->lockFilePath()));
    Instance survivor(lock);
    QVERIFY(survivor.app->acquireSingleInstance());
}

void SingleInstanceTest::commandLine()
{
    Instance one(m_tmp.filePath("cmd/lock"));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--help"}), std::optional<int>(0));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--version"}), std::optional<int>(0));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--frobnicate"}), std::optional<int>(2));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--program-folder"}), std::optional<int>(2));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "a.fly", "b.fly"}), std::optional<int>(2));
    QCOMPARE(one.app->parseCommandLine({"brainlark", "--program-folder", "/tmp/x", "lists/French.fly"}),
             std::nullopt);
    QCOMPARE(one.app->commandLineProgramFolder(), QString("/tmp/x"));
    QCOMPARE(one.app->commandLineListPath(), QDir::current().absoluteFilePath("lists/French.fly"));
    QCOMPARE(one.app->parseCommandLine({"brainlark"}), std::nullopt);
    QVERIFY(one.app->commandLineListPath().isEmpty());
    QVERIFY(Application::usageText().contains("--program-folder DIR"));
    QCOMPARE(Application::versionText(), QString("Brainlark 4.0\n"));
    // Running windows name the menu entry the package installs.
    QVERIFY(QFile::exists(QStringLiteral(BRAINLARK_SOURCE_DIR "/desktop/") + QGuiApplication::desktopFileName() +
                          QStringLiteral(".desktop")));
    QVERIFY(one.app->lockFilePath().endsWith("/cardloom-mfc-cool-application-uniquie-id.lock"));
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kHoldLock) == 0) {
        QCoreApplication app(argc, argv);
        return holdLock(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "singleinstance_test.moc"
