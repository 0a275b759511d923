// Window skins: the palette index by exact name, loading and applying a skin, a missing or unsafe skin
// changing nothing, turning skins off, and every shipped skin being a style sheet Qt reads without
// complaint.
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <sys/resource.h>
#include <sys/stat.h>

#include "quiz/ui/qtcolor.h"
#include "quiz/ui/quizlook.h"
#include "services/skins.h"
#include "settings/appsettings.h"
#include "settings/skinpalette.h"
#include "support/fakes.h"

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        g_warnings.append(message);
}

struct SkinRig {
    SkinRig() { QDir(dir.path()).mkpath("skins"); }
    void writeSkin(const QString& name, const QByteArray& sheet) const
    {
        QFile file(dir.filePath("skins/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sheet);
    }

    QTemporaryDir dir;
    ScriptedRandom random;
    AppSettings settings{random};
    Skins skins{settings, dir.filePath("skins")};
};

} // namespace

class SkinsTest : public QObject
{
    Q_OBJECT
private slots:
    void paletteIndexByExactName_data();
    void paletteIndexByExactName();
    void applyingASkinStylesEveryWindowAndSetsThePalette();
    void aSkinFromAnotherFolderIsTakenFromTheSkinsFolder();
    void missingSkinChangesNothingAndSaysNothing();
    void aHugeSkinFileIsNotRead();
    void picturesASkinNamesAreReadSafely();
    void skinsOffRestoresThePlainLook();
    void windowsOpenedLaterGetTheSkin();
    void everyShippedSkinIsAStyleSheetQtReads();
    void everyPaletteGivesReadableBoxes();
};

void SkinsTest::paletteIndexByExactName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    const char* const names[] = {"",           "green.skn", "studio.skn", "winaqua.skn", "hardware.skn",
                                 "galaxy.skn", "media.skn", "cosmo.skn"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(names[i][0] ? names[i] : "none") << QString(names[i]) << i;
    QTest::newRow("Green.skn keeps palette 0") << "Green.skn" << 0;
    QTest::newRow("another skin") << "mine.skn" << 0;
    QTest::newRow("with a folder") << "skins/green.skn" << 0;
}

void SkinsTest::paletteIndexByExactName()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(SkinPalette::indexForSkin(name), index);
    SkinRig rig;
    rig.settings.setSkinName("before.skn");
    rig.settings.setSkinIndex(4);
    const bool file = !name.isEmpty() && !name.contains('/');
    if (file)
        rig.writeSkin(name, "QWidget { }");
    rig.skins.applySkin(name);
    // An empty name only stores the name, and a name with a folder is no skin: the palette stays.
    QCOMPARE(rig.settings.skinName(), file || name.isEmpty() ? name : QString("before.skn"));
    QCOMPARE(rig.settings.skinIndex(), file ? index : 4);
}

void SkinsTest::applyingASkinStylesEveryWindowAndSetsThePalette()
{
    SkinRig rig;
    rig.writeSkin("galaxy.skn", "QPushButton { color: #31ecfd; }");
    QWidget main;
    QWidget picture;
    rig.skins.skinsOff();
    rig.skins.skinWindow(&main);
    rig.skins.skinWindow(&picture);
    QVERIFY(main.styleSheet().isEmpty()); // no skin chosen yet
    QSignalSpy palette(&rig.skins, &Skins::paletteChanged);
    rig.skins.applySkin("galaxy.skn");
    QCOMPARE(rig.settings.skinIndex(), 5);
    QCOMPARE(rig.settings.palette().rgb(SkinPalette::Background), 0xA7C90Bu);
    QCOMPARE(main.styleSheet(), QString("QPushButton { color: #31ecfd; }"));
    QCOMPARE(picture.styleSheet(), main.styleSheet());
    QCOMPARE(palette.size(), 1);

    // The style reaches the widgets inside a skinned window.
    auto* button = new QPushButton("OK", &main);
    button->ensurePolished();
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0x31, 0xec, 0xfd));
}

void SkinsTest::aSkinFromAnotherFolderIsTakenFromTheSkinsFolder()
{
    SkinRig rig;
    rig.writeSkin("cosmo.skn", "QWidget { color: blue; }");
    QWidget window;
    rig.skins.skinWindow(&window);
    // The chooser hands over a path elsewhere; the frame passes its file name only.
    rig.skins.applySkin(QFileInfo("/elsewhere/cosmo.skn").fileName());
    QCOMPARE(window.styleSheet(), QString("QWidget { color: blue; }"));
    QCOMPARE(rig.settings.skinIndex(), 7);
}

void SkinsTest::missingSkinChangesNothingAndSaysNothing()
{
    SkinRig rig;
    rig.writeSkin("green.skn", "QLabel { color: green; }");
    QWidget window;
    rig.skins.skinWindow(&window);
    rig.skins.applySkin("green.skn");
    QFile outside(rig.dir.filePath("outside.skn"));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write("QLabel { color: red; }");
    outside.close();
    for (const QString& name :
         {QString("studio.skn"), QString("../skins"), QString("../outside.skn"), QString("huge.skn")}) {
        if (name == "huge.skn")
            rig.writeSkin(name, QByteArray(int(Skins::MaxSkinFileBytes) + 10, ' '));
        rig.skins.applySkin(name);
        QCOMPARE(window.styleSheet(), QString("QLabel { color: green; }"));
        QCOMPARE(rig.settings.skinName(), QString("green.skn"));
        QCOMPARE(rig.settings.skinIndex(), 1);
    }
    // After Turn Skins Off the last skin that loaded does not come back for a skin that is not there.
    rig.skins.skinsOff();
    rig.skins.applySkin("studio.skn");
    QVERIFY(window.styleSheet().isEmpty());
    QVERIFY(rig.settings.skinName().isEmpty());
    QCOMPARE(rig.settings.skinIndex(), 0);
}

// A huge file named like a skin is refused by its size, before it is read.
void SkinsTest::aHugeSkinFileIsNotRead()
{
    SkinRig rig;
    QFile huge(rig.dir.filePath("skins/huge.skn"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(300 * 1024 * 1024)); // sparse: takes no room on the disk
    huge.close();
    const QString skin = rig.settings.skinName();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    rig.skins.applySkin("huge.skn");
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    QCOMPARE(rig.settings.skinName(), skin);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 50 * 1024,
             qPrintable(QString("peak memory grew by %1 kB").arg(after.ru_maxrss - before.ru_maxrss)));
}

// Pictures a skin names are read as every file of the program is; a FIFO or a device refuses the skin
// instead of hanging the program.
void SkinsTest::picturesASkinNamesAreReadSafely()
{
    SkinRig rig;
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(rig.dir.filePath("skins/red.png")));
    rig.writeSkin("pictured.skn", "QWidget#face { background-image: url(red.png); }");
    QFrame window; // a frame paints its style sheet background
    window.setObjectName("face");
    window.resize(8, 8);
    rig.skins.skinWindow(&window);
    rig.skins.applySkin("pictured.skn");
    QCOMPARE(rig.settings.skinName(), QString("pictured.skn"));
    QCOMPARE(window.grab().toImage().pixelColor(2, 2), QColor(Qt::red));
    const QString sheet = window.styleSheet();

    // Pictures Qt would read although the scan cannot take them apart are refused with the skin: "url"
    // spelt with escapes, a quoted name holding the other quote (both name regular files here, so that a
    // skin let through fails the test rather than hanging it).
    const QByteArray redFile = QFile::encodeName(rig.dir.filePath("skins/red.png"));
    const QByteArray quoted = QFile::encodeName(rig.dir.filePath("skins/r'ed.png"));
    QVERIFY(QFile::copy(rig.dir.filePath("skins/red.png"), QString::fromUtf8(quoted)));
    QVERIFY(mkfifo(QFile::encodeName(rig.dir.filePath("skins/pipe.png")).constData(), 0600) == 0);
    const QByteArray sheets[] = {"u\\72l(" + redFile + ")", "\\000075rl(" + redFile + ")",
                                 "url(\"" + quoted + "\")", "url(pipe.png)",
                                 "url(/dev/zero)",          "url(missing.png)"};
    for (const QByteArray& named : sheets) {
        rig.writeSkin("bad.skn", "QWidget { background-image: " + named + "; }");
        rig.skins.applySkin("bad.skn");
        QVERIFY2(rig.settings.skinName() == "pictured.skn", named.constData());
        QCOMPARE(window.styleSheet(), sheet);
        window.grab();
    }
}

void SkinsTest::skinsOffRestoresThePlainLook()
{
    SkinRig rig;
    rig.writeSkin("media.skn", "QDialog { background: #3a3b3d; }");
    QWidget window;
    rig.skins.skinWindow(&window);
    rig.skins.applySkin("media.skn");
    QSignalSpy palette(&rig.skins, &Skins::paletteChanged);
    rig.skins.skinsOff();
    QCOMPARE(rig.settings.skinIndex(), 0);
    QVERIFY(rig.settings.skinName().isEmpty());
    QVERIFY(window.styleSheet().isEmpty());
    QCOMPARE(palette.size(), 1);
    QWidget later;
    rig.skins.skinWindow(&later);
    QVERIFY(later.styleSheet().isEmpty());
}

void SkinsTest::windowsOpenedLaterGetTheSkin()
{
    SkinRig rig;
    rig.writeSkin("hardware.skn", "QDialog { background: silver; }");
    rig.skins.applySkin("hardware.skn");
    auto* window = new QWidget;
    rig.skins.skinWindow(window);
    QCOMPARE(window->styleSheet(), QString("QDialog { background: silver; }"));
    delete window; // a closed window is forgotten
    rig.skins.applySkin("hardware.skn");
}

void SkinsTest::everyShippedSkinIsAStyleSheetQtReads()
{
    const QDir shipped(QStringLiteral(BRAINLARK_SOURCE_DIR) + "/data/skins");
    const QStringList names = {"green.skn",  "studio.skn", "winaqua.skn", "hardware.skn",
                               "galaxy.skn", "media.skn",  "cosmo.skn"};
    QCOMPARE(shipped.entryList({"*.skn"}, QDir::Files, QDir::Name).size(), names.size());
    for (const QString& name : names) {
        ScriptedRandom random;
        AppSettings settings(random);
        Skins skins(settings, shipped.path());
        QWidget window;
        skins.skinWindow(&window);
        auto* button = new QPushButton("OK", &window);
        skins.applySkin(name);
        QVERIFY2(!skins.loadedStyleSheet().isEmpty(), qPrintable(name));
        QCOMPARE(settings.skinIndex(), SkinPalette::indexForSkin(name));
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        button->ensurePolished();
        window.ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(name + ": " + g_warnings.join("; ")));
    }
}

// The contrast ratio of two colours as screen-reading guidelines define it (1 = same, 21 = black on white).
double contrastRatio(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

void SkinsTest::everyPaletteGivesReadableBoxes()
{
    for (int index = 0; index < SkinPalette::kPaletteCount; ++index) {
        ScriptedRandom random;
        AppSettings settings(random);
        settings.setSkinIndex(index);
        const QuizLook look(settings);
        const struct {
            const char* what;
            HslColor text;
            HslColor fill;
        } boxes[] = {{"question", look.questionText, look.questionFill},
                     {"answer", look.answerText, look.answerFill},
                     {"button", look.buttonText, look.buttonFill},
                     {"transparent box", look.transparentText, look.background.colour}};
        for (const auto& box : boxes) {
            const double ratio = contrastRatio(toQColor(box.text), toQColor(box.fill));
            QVERIFY2(ratio >= 3.0,
                     qPrintable(QString("palette %1, %2: %3").arg(index).arg(box.what).arg(ratio)));
        }
    }
}

QTEST_MAIN(SkinsTest)
#include "skins_test.moc"
