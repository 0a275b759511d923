#include "app/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace brainlark;

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class ProgramFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void resolutionOrder();
    void pathsUseSlashes();
    void prepareCreatesEverySubFolder();
    void seedingNeverOverwritesTheLearnersFiles();
    void seedingHappensOncePerVersion();
    void seededCopiesAreWritable();
    void unusableFolderFails();
    void shippedCopyFoundFromBuildTree();
};

void ProgramFolderTest::resolutionOrder()
{
    QCOMPARE(ProgramFolder::resolve("/cmd/folder/", "/stored"), QString("/cmd/folder"));
    QCOMPARE(ProgramFolder::resolve(QString(), "/stored/x/../y"), QString("/stored/y"));
    QCOMPARE(ProgramFolder::resolve(QString(), QString()), QDir::cleanPath(ProgramFolder::userDataFolder()));
    QVERIFY(!ProgramFolder::userDataFolder().isEmpty());
    QCOMPARE(ProgramFolder::resolve("rel", QString()), QDir::current().absoluteFilePath("rel"));
}

void ProgramFolderTest::pathsUseSlashes()
{
    const ProgramFolder folder("/home/ann/bl/");
    QCOMPARE(folder.root(), QString("/home/ann/bl"));
    QCOMPARE(folder.dataFolder(), QString("/home/ann/bl/data/"));
    QCOMPARE(folder.quizSoundsFolder(), QString("/home/ann/bl/quiz_sounds/"));
    QCOMPARE(folder.mediaFolder(), QString("/home/ann/bl/media/"));
    QCOMPARE(folder.skinsFolder(), QString("/home/ann/bl/skins"));
    QCOMPARE(folder.helpFile(), QString("/home/ann/bl/help/index.html"));
    QCOMPARE(folder.subjectsFile(), QString("/home/ann/bl/subjects.blsub"));
    // An empty program folder starts every path at the root.
    QCOMPARE(ProgramFolder().skinsFolder(), QString("/skins"));
    QCOMPARE(ProgramFolder("/").mediaFolder(), QString("/media/"));
}

void ProgramFolderTest::prepareCreatesEverySubFolder()
{
    QTemporaryDir tmp;
    const QString root = tmp.filePath("deep/program");
    QVERIFY(ProgramFolder::prepare(root, QString()));
    for (const QString& name : ProgramFolder::subFolderNames())
        QVERIFY2(QFileInfo(root + '/' + name).isDir(), qPrintable(name));
    QCOMPARE(ProgramFolder::subFolderNames().size(), 12);
}

void ProgramFolderTest::seedingNeverOverwritesTheLearnersFiles()
{
    QTemporaryDir tmp;
    const QString shipped = tmp.filePath("shipped");
    writeFile(shipped + "/data/Sample.fly", "shipped sample");
    writeFile(shipped + "/data/Other.fly", "shipped other");
    writeFile(shipped + "/media/r_1_0.wav", "RIFF");
    writeFile(shipped + "/reports_template.html", "<html>");
    const QString root = tmp.filePath("user");
    writeFile(root + "/data/Sample.fly", "the learner's own statistics");

    QVERIFY(ProgramFolder::prepare(root, shipped));
    QCOMPARE(readFile(root + "/data/Sample.fly"), QByteArray("the learner's own statistics"));
    QCOMPARE(readFile(root + "/data/Other.fly"), QByteArray("shipped other"));
    QCOMPARE(readFile(root + "/media/r_1_0.wav"), QByteArray("RIFF"));
    QCOMPARE(readFile(root + "/reports_template.html"), QByteArray("<html>"));
}

void ProgramFolderTest::seedingHappensOncePerVersion()
{
    QTemporaryDir tmp;
    const QString shipped = tmp.filePath("shipped");
    writeFile(shipped + "/data/Sample.fly", "sample");
    const QString root = tmp.filePath("user");
    QVERIFY(ProgramFolder::prepare(root, shipped));
    QVERIFY(QFile::remove(root + "/data/Sample.fly")); // the learner deleted the sample
    QVERIFY(ProgramFolder::prepare(root, shipped));
    QVERIFY(!QFile::exists(root + "/data/Sample.fly"));

    // A folder seeded by another version gets the missing files again.
    writeFile(root + '/' + ProgramFolder::seedMarkerName(), "3.0\n");
    QVERIFY(ProgramFolder::prepare(root, shipped));
    QCOMPARE(readFile(root + "/data/Sample.fly"), QByteArray("sample"));
}

void ProgramFolderTest::seededCopiesAreWritable()
{
    QTemporaryDir tmp;
    const QString shipped = tmp.filePath("shipped");
    writeFile(shipped + "/data/Locked.fly", "x");
    QFile::setPermissions(shipped + "/data/Locked.fly", QFile::ReadOwner | QFile::ReadGroup);
    const QString root = tmp.filePath("user");
    QVERIFY(ProgramFolder::prepare(root, shipped));
    QVERIFY(QFile::permissions(root + "/data/Locked.fly") & QFile::WriteOwner);
}

void ProgramFolderTest::unusableFolderFails()
{
    QTemporaryDir tmp;
    writeFile(tmp.filePath("file"), "not a folder");
    QString error;
    QVERIFY(!ProgramFolder::prepare(tmp.filePath("file/sub"), QString(), &error));
    QVERIFY(error.contains(tmp.filePath("file/sub")));
}

void ProgramFolderTest::shippedCopyFoundFromBuildTree()
{
    // run from the build tree there is no installed share/brainlark, so the source data serves.
    QCOMPARE(ProgramFolder::shippedCopy(), QDir::cleanPath(BRAINLARK_SOURCE_DIR "/data"));
}

QTEST_MAIN(ProgramFolderTest)
#include "programfolder_test.moc"
