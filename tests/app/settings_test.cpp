#include "settings/appsettings.h"
#include "settings/memorysettingsstore.h"
#include "settings/qsettingsstore.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace brainlark;
using brainlark::testing::ScriptedRandom;

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void freshUserGetsTheDefaults();
    void roundTripKeepsEveryValue();
    void saveWritesTheKeysInTheirOrder();
    void loadReadsTheTableInOrder();
    void hostileValuesAreClamped_data();
    void hostileValuesAreClamped();
    void randomBoxesRerollsTheLayout();
    void bitTestIsSigned();
    void colorRefsConvertBothWays();
    void paletteFollowsSkinIndexAndCustomColour();
    void placementKeysRoundTrip();
    void qsettingsStoreRoundTripAndBadValues();
    void nativeStoreLivesUnderHandyDeck();
};

void SettingsTest::freshUserGetsTheDefaults()
{
    SeededRandom random(7);
    AppSettings settings(random);
    settings.setInstallPath("/opt/bl");
    MemorySettingsStore store;
    QVERIFY(settings.load(store));

    QCOMPARE(settings.visualStyle(), 2);
    QCOMPARE(settings.effectiveLayout(), 1); // Boxes-1
    QCOMPARE(settings.soundTheme(), 1);      // Cartoons
    QCOMPARE(settings.questionSelectionMode(), 0);
    QCOMPARE(settings.desiredRetention(), 0.9);
    QCOMPARE(settings.answerMode(), AppSettings::AnswerMode::Predefined);
    QCOMPARE(settings.customBkgColor(), QColor(200, 200, 200));
    QCOMPARE(settings.skinName(), QString("winaqua.skn"));
    QCOMPARE(settings.funFlags(), 0x3DEABFEFu);
    QCOMPARE(settings.funFlags2(), 0x0000000Bu);
    QCOMPARE(settings.dialogFlags(), 0xFFFFFFFFu);
    QCOMPARE(settings.alertFactor(), 10);
    QCOMPARE(settings.slideshowDelay(), 2);
    QCOMPARE(settings.lineStep(), 22);
    QCOMPARE(settings.lineWidth(), 3);
    QCOMPARE(settings.preFill(), 3);
    QCOMPARE(settings.matchQuizRows(), 4);
    QCOMPARE(settings.quizMode(), 0);
    QCOMPARE(settings.currentFileType(), 5);
    QVERIFY(settings.currentFileName().isEmpty());
    QVERIFY(settings.fillMode() && settings.callGo() && settings.loadLastFile() && settings.playSounds());
    QVERIFY(settings.hatch() && !settings.showHint());
    QCOMPARE(settings.bkgType(), 1);
    QCOMPARE(settings.currentBkgFilePath(), QString("/opt/bl/bkg/3.gif"));
    QCOMPARE(settings.lastBkgImageDir(), QString("/opt/bl/bkg/"));
    QCOMPARE(settings.selectedSubject(), QString("--- All ---"));
    QCOMPARE(settings.matchColorInit(), QColor(100, 100, 100));
    QCOMPARE(settings.matchColorWrong(), QColor(250, 100, 100));
    QCOMPARE(settings.matchColorRight(), QColor(100, 250, 100));

    const QFont question = settings.font(AppSettings::Font::Question);
    QCOMPARE(question.family(), QString("Comic Sans MS"));
    QCOMPARE(question.pixelSize(), 24);
    QCOMPARE(settings.font(AppSettings::Font::Answer).pixelSize(), 19);
    QCOMPARE(settings.font(AppSettings::Font::Card).pixelSize(), 20);
    QCOMPARE(settings.font(AppSettings::Font::PrintedCard).pixelSize(), 64);
    QCOMPARE(settings.font(AppSettings::Font::B).family(), QString("Verdana"));

    QVERIFY(!settings.mainPlacement().complete());
    QCOMPARE(settings.mainPlacement().x1, -1);
    QVERIFY(!settings.pictureWindowRect().complete());
    QCOMPARE(settings.skinIndex(), 0);
}

void SettingsTest::roundTripKeepsEveryValue()
{
    SeededRandom random(1);
    AppSettings out(random);
    out.setSkinName("galaxy.skn");
    out.setShowHint(true);
    out.setLineStep(40);
    out.setLineWidth(5);
    out.setVisualStyle(5);
    out.setFillMode(false);
    out.setAlertFactor(-25);
    out.setCallGo(false);
    out.setLoadLastFile(false);
    out.setCurrentFileType(3);
    out.setCurrentFileName("/home/x/data/French.fly");
    out.setPlaySounds(false);
    out.setFunFlags(0x12345678);
    out.setFunFlags2(0x4);
    out.setDialogFlags(0x0000F0F0);
    out.setHatch(false);
    out.setSlideshowDelay(-5);
    out.setBkgType(0);
    out.setSoundTheme(3);
    out.setCurrentBkgFilePath("/pics/a.jpg");
    out.setLastBkgImageDir("/pics/");
    out.setCustomBkgColor(QColor(1, 2, 3));
    out.setFont(AppSettings::Font::Question, -30, "DejaVu Sans");
    out.setFont(AppSettings::Font::PrintedCard, -100, "Liberation Serif");
    out.setStudentName("Ann");
    out.setSelectedSubject("Languages");
    out.setPreFill(5);
    out.setMatchQuizRows(7);
    out.setQuizMode(3);
    out.setMatchColorInit(QColor(10, 20, 30));
    out.setMatchColorWrong(QColor(40, 50, 60));
    out.setMatchColorRight(QColor(70, 80, 90));
    out.setQuestionSelectionMode(2);
    out.setDesiredRetentionPercent(85);

    MemorySettingsStore store;
    out.save(store);
    AppSettings in(random);
    in.load(store);

    QCOMPARE(in.skinName(), QString("galaxy.skn"));
    QVERIFY(in.showHint());
    QCOMPARE(in.lineStep(), 40);
    QCOMPARE(in.lineWidth(), 5);
    QCOMPARE(in.visualStyle(), 5);
    QCOMPARE(in.effectiveLayout(), 4);
    QVERIFY(!in.fillMode());
    QCOMPARE(in.alertFactor(), -25);
    QVERIFY(!in.callGo() && !in.loadLastFile() && !in.playSounds() && !in.hatch());
    QCOMPARE(in.currentFileType(), 3);
    QCOMPARE(in.currentFileName(), QString("/home/x/data/French.fly"));
    QCOMPARE(in.funFlags(), 0x12345678u);
    QCOMPARE(in.funFlags2(), 0x4u);
    QCOMPARE(in.dialogFlags(), 0x0000F0F0u);
    QCOMPARE(in.slideshowDelay(), -5);
    QCOMPARE(in.bkgType(), 0);
    QCOMPARE(in.soundTheme(), 3);
    QCOMPARE(in.currentBkgFilePath(), QString("/pics/a.jpg"));
    QCOMPARE(in.lastBkgImageDir(), QString("/pics/"));
    QCOMPARE(in.customBkgColor(), QColor(1, 2, 3));
    QCOMPARE(in.fontHeight(AppSettings::Font::Question), -30);
    QCOMPARE(in.fontFace(AppSettings::Font::Question), QString("DejaVu Sans"));
    QCOMPARE(in.fontHeight(AppSettings::Font::PrintedCard), -100);
    QCOMPARE(in.fontFace(AppSettings::Font::PrintedCard), QString("Liberation Serif"));
    QCOMPARE(in.studentName(), QString("Ann"));
    QCOMPARE(in.selectedSubject(), QString("Languages"));
    QCOMPARE(in.preFill(), 5);
    QCOMPARE(in.matchQuizRows(), 7);
    QCOMPARE(in.quizMode(), 3);
    QCOMPARE(in.matchColorInit(), QColor(10, 20, 30));
    QCOMPARE(in.matchColorWrong(), QColor(40, 50, 60));
    QCOMPARE(in.matchColorRight(), QColor(70, 80, 90));
    QCOMPARE(in.questionSelectionMode(), 2);
    QCOMPARE(in.desiredRetention(), 0.85);
    // 0x12345678 has bit 0x80000 clear, so the answers start as random ones.
    QCOMPARE(in.answerMode(), AppSettings::AnswerMode::Random);
    // Colours are stored as COLORREF numbers.
    QCOMPARE(store.raw("custom bkg color").toInt(), 0x030201);
}

static const QStringList kSaveOrder = {"show hint",
                                       "line step",
                                       "line width",
                                       "visual style",
                                       "alert factor",
                                       "fun flags",
                                       "fun flags 2",
                                       "dialog flags",
                                       "call_go",
                                       "load last file",
                                       "current file type",
                                       "current file name",
                                       "skin name",
                                       "play sounds",
                                       "hatch",
                                       "o fill mode",
                                       "bkg type",
                                       "f-sounds theme",
                                       "current bkg file path",
                                       "slideshow delay",
                                       "custom bkg color",
                                       "last bkg image dir",
                                       "font-Q height",
                                       "font-Q face",
                                       "font-A height",
                                       "font-A face",
                                       "font-C height",
                                       "font-C face",
                                       "font-CP height",
                                       "font-CP face",
                                       "font-B height",
                                       "font-B face",
                                       "student name",
                                       "selected subject",
                                       "pre-fill answer selection",
                                       "quiz mode",
                                       "match quiz rows",
                                       "match quiz color - init",
                                       "match quiz color - wrong",
                                       "match quiz color - right",
                                       "question selection mode",
                                       "desired retention",
                                       "read aloud questions",
                                       "read aloud answers",
                                       "read aloud rate"};

void SettingsTest::saveWritesTheKeysInTheirOrder()
{
    SeededRandom random(1);
    AppSettings settings(random);
    MemorySettingsStore store;
    settings.save(store);
    const QStringList written = store.writtenKeys();
    QCOMPARE(written.mid(0, kSaveOrder.size()), kSaveOrder);
    QCOMPARE(written.mid(kSaveOrder.size()),
             QStringList({"pos_flags", "pos_showCmd", "pos_x1", "pos_y1", "pos_x2", "pos_y2", "pos_pic_x1",
                          "pos_pic_y1", "pos_pic_x2", "pos_pic_y2"}));
    QVERIFY(!store.contains("InstallPath"));
    QCOMPARE(store.raw("dialog flags").toInt(), -1);
    QCOMPARE(store.raw("fun flags").toInt(), 0x3DEABFEF);
}

void SettingsTest::loadReadsTheTableInOrder()
{
    SeededRandom random(1);
    AppSettings settings(random);
    MemorySettingsStore store;
    settings.load(store);
    const QStringList expected = {"skin name",
                                  "show hint",
                                  "line step",
                                  "line width",
                                  "visual style",
                                  "o fill mode",
                                  "alert factor",
                                  "call_go",
                                  "load last file",
                                  "current file type",
                                  "current file name",
                                  "InstallPath",
                                  "play sounds",
                                  "fun flags",
                                  "fun flags 2",
                                  "dialog flags",
                                  "hatch",
                                  "slideshow delay",
                                  "bkg type",
                                  "f-sounds theme",
                                  "current bkg file path",
                                  "last bkg image dir",
                                  "custom bkg color",
                                  "font-Q height",
                                  "font-Q face",
                                  "font-A height",
                                  "font-A face",
                                  "font-C height",
                                  "font-C face",
                                  "font-CP height",
                                  "font-CP face",
                                  "font-B height",
                                  "font-B face",
                                  "student name",
                                  "selected subject",
                                  "pre-fill answer selection",
                                  "match quiz rows",
                                  "quiz mode",
                                  "match quiz color - init",
                                  "match quiz color - wrong",
                                  "match quiz color - right",
                                  "question selection mode",
                                  "desired retention",
                                  "read aloud questions",
                                  "read aloud answers",
                                  "read aloud rate"};
    QCOMPARE(store.readKeys().mid(0, expected.size()), expected);
}

void SettingsTest::hostileValuesAreClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("line step 0") << "line step" << 0 << 3;
    QTest::newRow("line step negative") << "line step" << -50 << 3;
    QTest::newRow("line step huge") << "line step" << 1000000 << 1000;
    QTest::newRow("line width 0") << "line width" << 0 << 1;
    QTest::newRow("visual style 9") << "visual style" << 9 << 5;
    QTest::newRow("visual style -1") << "visual style" << -1 << 0;
    QTest::newRow("quiz mode 4") << "quiz mode" << 4 << 3;
    QTest::newRow("selection 7") << "question selection mode" << 7 << 3; // Due is the highest
    QTest::newRow("retention 50 %") << "desired retention" << 50 << 70;
    QTest::newRow("retention 100 %") << "desired retention" << 100 << 97;
    QTest::newRow("read aloud 5") << "read aloud questions" << 5 << 1;
    QTest::newRow("rate 50") << "read aloud rate" << 50 << 10;
    QTest::newRow("rate -50") << "read aloud rate" << -50 << -10;
    QTest::newRow("theme -3") << "f-sounds theme" << -3 << 0;
    QTest::newRow("theme 12") << "f-sounds theme" << 12 << 3;
    QTest::newRow("pre-fill 6") << "pre-fill answer selection" << 6 << 5;
    QTest::newRow("rows 1") << "match quiz rows" << 1 << 2;
    QTest::newRow("rows 50") << "match quiz rows" << 50 << 10;
    QTest::newRow("delay 500") << "slideshow delay" << 500 << 60;
    QTest::newRow("delay -500 stays manual") << "slideshow delay" << -500 << -60;
    QTest::newRow("delay -5 kept") << "slideshow delay" << -5 << -5;
    QTest::newRow("alert 1") << "alert factor" << 1 << 3;
    QTest::newRow("alert -1 stays off") << "alert factor" << -1 << -3;
    QTest::newRow("alert 0 off with 10") << "alert factor" << 0 << -10;
    QTest::newRow("alert 99999") << "alert factor" << 99999 << 1000;
    QTest::newRow("alert INT_MIN") << "alert factor" << INT32_MIN << -1000;
    QTest::newRow("font positive") << "font-Q height" << 30 << -30;
    QTest::newRow("font tiny") << "font-A height" << -2 << -6;
    QTest::newRow("font huge") << "font-C height" << -5000 << -200;
    QTest::newRow("font zero") << "font-CP height" << 0 << -64;
    QTest::newRow("font INT_MIN") << "font-B height" << INT32_MIN << -200;
    QTest::newRow("fill 5") << "o fill mode" << 5 << 1;
    QTest::newRow("hatch -2") << "hatch" << -2 << 0;
    QTest::newRow("bkg type 3") << "bkg type" << 3 << 1;
    QTest::newRow("call_go 2") << "call_go" << 2 << 1;
    QTest::newRow("load last 9") << "load last file" << 9 << 1;
    QTest::newRow("play sounds 7") << "play sounds" << 7 << 1;
    QTest::newRow("show hint -1") << "show hint" << -1 << 0;
    QTest::newRow("colour top byte") << "custom bkg color" << int(0xFF102030) << 0x102030;
    QTest::newRow("file type kept") << "current file type" << -77 << -77;
}

void SettingsTest::hostileValuesAreClamped()
{
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(int, expected);
    SeededRandom random(3);
    AppSettings settings(random);
    MemorySettingsStore in;
    in.setRaw(key, stored);
    settings.load(in);
    MemorySettingsStore out;
    settings.save(out);
    QCOMPARE(out.raw(key).toInt(), expected);
}

void SettingsTest::randomBoxesRerollsTheLayout()
{
    ScriptedRandom random({0, 1, 2, 3, 5});
    AppSettings settings(random);
    const int drawsBefore = random.draws();
    QList<int> layouts;
    for (int i = 0; i < 5; ++i) {
        settings.setVisualStyle(0);
        layouts.append(settings.effectiveLayout());
    }
    QCOMPARE(layouts, QList<int>({1, 2, 3, 4, 2}));
    QCOMPARE(random.draws() - drawsBefore, 5);
    QCOMPARE(settings.visualStyle(), 0);

    settings.setVisualStyle(1);
    QCOMPARE(settings.effectiveLayout(), 0); // Classic
    settings.setVisualStyle(4);
    QCOMPARE(settings.effectiveLayout(), 3); // Boxes-3

    // A stored style 0 goes through the setter on load.
    SeededRandom seeded(99);
    AppSettings loaded(seeded);
    MemorySettingsStore store;
    store.setRaw("visual style", 0);
    loaded.load(store);
    QCOMPARE(loaded.visualStyle(), 0);
    QVERIFY(loaded.effectiveLayout() >= 1 && loaded.effectiveLayout() <= 4);
}

void SettingsTest::bitTestIsSigned()
{
    SeededRandom random(1);
    AppSettings settings(random);
    settings.setDialogFlags(0xFFFFFFFF);
    QVERIFY(settings.dialogFlag(0x2));
    QVERIFY(settings.dialogFlag(0x40000000));
    QVERIFY(!settings.dialogFlag(0x80000000));

    settings.setFunFlags(0);
    settings.setFunFlag(0x80000000, true);
    QCOMPARE(settings.funFlags(), 0x80000000u);
    QVERIFY(!settings.funFlag(0x80000000));

    settings.setFunFlags(0x3DEABFEF);
    settings.setFunFlag(funflags::kFunnySounds, false);
    QCOMPARE(settings.funFlags(), 0x3DEABFEFu & ~0x800u);
    QVERIFY(!settings.funFlag(funflags::kFunnySounds));
    QVERIFY(settings.funFlag(funflags::kRoundCorners));
    settings.setFunFlag(funflags::kFunnySounds, true);
    QCOMPARE(settings.funFlags(), 0x3DEABFEFu);

    settings.setFunFlags2(0);
    settings.setFunFlag2(funflags2::kCustomBkgColor, true);
    QVERIFY(settings.funFlag2(funflags2::kCustomBkgColor));
    QVERIFY(settings.appFlags().fun2(AppFlags::CustomBackground));
    QVERIFY(settings.appFlags().fun(AppFlags::FunnySounds));
    QVERIFY(!settings.funFlag2(funflags2::kMatchWiderLine));

    // The test is on the signed AND: with the top bit in the result it reads as clear.
    QVERIFY(AppSettings::testBits(0x80000001, 0x00000001));
    QVERIFY(!AppSettings::testBits(0x80000001, 0x80000001));
    QVERIFY(!AppSettings::testBits(0x80000000, 0xFFFFFFFF));
}

void SettingsTest::colorRefsConvertBothWays()
{
    QCOMPARE(AppSettings::colorFromRef(0x006464FA), QColor(250, 100, 100));
    QCOMPARE(AppSettings::colorFromRef(0xAB010203), QColor(3, 2, 1));
    QCOMPARE(AppSettings::colorRef(QColor(1, 2, 3)), 0x00030201u);
    QCOMPARE(AppSettings::colorRef(QColor::fromHsv(0, 255, 255)), 0x000000FFu);
}

void SettingsTest::paletteFollowsSkinIndexAndCustomColour()
{
    QCOMPARE(SkinPalette::indexForSkin(""), 0);
    QCOMPARE(SkinPalette::indexForSkin("green.skn"), 1);
    QCOMPARE(SkinPalette::indexForSkin("winaqua.skn"), 3);
    QCOMPARE(SkinPalette::indexForSkin("cosmo.skn"), 7);
    QCOMPARE(SkinPalette::indexForSkin("Green.skn"), 0);
    QCOMPARE(SkinPalette::indexForSkin("mine.skn"), 0);
    QCOMPARE(SkinPalette(3).color(SkinPalette::Background), QColor(0x91, 0xC3, 0xFF));
    QCOMPARE(SkinPalette(4).rgb(25), 0x4682B4u);
    QCOMPARE(SkinPalette(1).rgb(SkinPalette::Wrong), 0xFF6347u);
    QCOMPARE(SkinPalette(5).rgb(SkinPalette::Box2), 0xF9FC03u);
    QCOMPARE(SkinPalette(6).rgb(SkinPalette::Box4), 0x465C92u);
    QCOMPARE(SkinPalette(0).rgb(SkinPalette::Counter1), 0xFFA500u);
    QCOMPARE(SkinPalette(12).index(), 0);
    QCOMPARE(SkinPalette(2).rgb(26), 0u);
    const HslColor wrong = SkinPalette(0).hsl(SkinPalette::Wrong);
    QCOMPARE(wrong.red(), 0xFF);
    QCOMPARE(wrong.green(), 0x88);
    QCOMPARE(wrong.blue(), 0x02);

    SeededRandom random(1);
    AppSettings settings(random);
    settings.setSkinIndex(SkinPalette::indexForSkin("studio.skn"));
    QCOMPARE(settings.palette().index(), 2);
    QCOMPARE(settings.quizBackgroundColor(), QColor(0xE6, 0xE6, 0xFA));
    settings.setFunFlag2(funflags2::kCustomBkgColor, true);
    QCOMPARE(settings.quizBackgroundColor(), QColor(200, 200, 200));
}

void SettingsTest::placementKeysRoundTrip()
{
    SeededRandom random(1);
    AppSettings out(random);
    AppSettings::WindowPlacement placement;
    placement.flags = 0;
    placement.showCmd = 1;
    placement.x1 = 10;
    placement.y1 = 20;
    placement.x2 = 810;
    placement.y2 = 620;
    out.setMainPlacement(placement);
    out.setPictureWindowRect({5, 6, 7, 8});
    MemorySettingsStore store;
    out.save(store);
    QCOMPARE(store.raw("pos_x2").toInt(), 810);

    AppSettings in(random);
    in.load(store);
    QVERIFY(in.mainPlacement().complete());
    QCOMPARE(in.mainPlacement().y2, 620);
    QCOMPARE(in.pictureWindowRect().x1, 5);
    QCOMPARE(in.pictureWindowRect().y2, 8);

    // One missing value makes the placement incomplete.
    MemorySettingsStore partial;
    partial.setRaw("pos_flags", 0);
    partial.setRaw("pos_showCmd", 1);
    partial.setRaw("pos_x1", 1);
    partial.setRaw("pos_y1", 1);
    partial.setRaw("pos_x2", 100);
    in.load(partial);
    QVERIFY(!in.mainPlacement().complete());
}

void SettingsTest::qsettingsStoreRoundTripAndBadValues()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("settings.ini");
    SeededRandom random(1);
    {
        QSettingsStore store(path);
        AppSettings settings(random);
        settings.setStudentName("Zoë");
        settings.setDialogFlags(0xFFFFFFFF);
        settings.setSlideshowDelay(-7);
        settings.save(store);
    }
    {
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("Version 4.0/student name").toString(), QString("Zoë"));
        raw.setValue("Version 4.0/fun flags", "4294967295"); // an unsigned number written by hand
        raw.setValue("Version 4.0/line step", "lots");
        raw.setValue("Version 4.0/hatch", "99999999999999");
    }
    QSettingsStore store(path);
    QVERIFY(store.contains("student name"));
    QVERIFY(!store.contains("no such key"));
    QCOMPARE(store.readInt("missing", 42), 42);
    QCOMPARE(store.readString("missing", "x"), QString("x"));
    AppSettings settings(random);
    settings.load(store);
    QCOMPARE(settings.studentName(), QString("Zoë"));
    QCOMPARE(settings.dialogFlags(), 0xFFFFFFFFu);
    QCOMPARE(settings.slideshowDelay(), -7);
    QCOMPARE(settings.funFlags(), 0xFFFFFFFFu);
    QCOMPARE(settings.lineStep(), 22);
    QVERIFY(settings.hatch());
}

void SettingsTest::nativeStoreLivesUnderHandyDeck()
{
    QSettingsStore store;
    QVERIFY2(store.fileName().endsWith("Handy_Deck/Brainlark.conf"), qPrintable(store.fileName()));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
