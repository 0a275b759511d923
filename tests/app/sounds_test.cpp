#include "settings/appsettings.h"
#include "quiz/ui/congratulation.h"
#include "services/eventsounds.h"
#include "services/qtsoundplayer.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace brainlark;
using namespace brainlark::testing;

namespace
{

/// A settings holder, a recording player and a scripted random source wired to EventSounds.
struct Rig {
    explicit Rig(int scheme, QList<uint32_t> draws = {})
        : random(std::move(draws)), settings(random), sounds(settings, player, random)
    {
        settings.setInstallPath("/pf");
        settings.setSoundTheme(scheme);
    }
    ScriptedRandom random;
    AppSettings settings;
    RecordingSoundPlayer player;
    EventSounds sounds;
};

QByteArray pcmWav(int sampleRate, int samples)
{
    QByteArray data(samples, char(0x80));
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    u32(36 + quint32(data.size()));
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(quint32(sampleRate));
    u32(quint32(sampleRate)); // byte rate: mono, 8 bits
    u16(1);
    u16(8);
    wav.append("data");
    u32(quint32(data.size()));
    wav.append(data);
    return wav;
}

} // namespace

class SoundsTest : public QObject
{
    Q_OBJECT

private slots:
    void schemeNames();
    void simpleSchemeNames();
    void cartoonsWrongCoversAllVariants();
    void cartoons2AndReplacements();
    void noneIsSilent();
    void playUsesMediaFolderAndMode();
    void consecutiveCallsDrawFreshVariants();
    void muteSilencesEverySound();
    void funnySoundsSwitchOnlyEventSounds();
    void everyNameOfEverySchemeIsShipped();
    void congratulationDrawsInOrder();
    void wavLengthFromHeader();
    void playerReportsTheEndOfEverySound();
};

void SoundsTest::schemeNames()
{
    QCOMPARE(EventSounds::schemeNames(), QStringList({"None", "Cartoons", "Simple", "Cartoons-2"}));
    Rig rig(3);
    QCOMPARE(rig.sounds.schemeName(), QString("Cartoons-2"));
    QCOMPARE(EventSounds::schemeName(5), QString("Cartoons"));
}

void SoundsTest::simpleSchemeNames()
{
    Rig rig(2, {0, 0, 0, 1}); // tranz, anim, w and r each draw once
    for (int event : {EventSounds::Card, EventSounds::Hint, EventSounds::Happy})
        QVERIFY(rig.sounds.eventSoundName(event).isEmpty());
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Transition), QString("tranz_1_1.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Animation), QString("anim_1_0.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Wrong), QString("w_2_0.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Right), QString("r_2_1.wav"));

    rig.sounds.playEventSound(EventSounds::Card);
    rig.sounds.playEventSound(EventSounds::Hint);
    rig.sounds.playEventSound(EventSounds::Happy);
    QVERIFY(rig.player.plays.isEmpty());
}

void SoundsTest::cartoonsWrongCoversAllVariants()
{
    QList<uint32_t> draws;
    for (uint32_t v = 0; v < 16; ++v)
        draws.append(v);
    Rig rig(1, draws);
    QSet<QString> names;
    for (int i = 0; i < 16; ++i)
        names.insert(rig.sounds.eventSoundName(EventSounds::Wrong));
    QCOMPARE(names.size(), 15);
    for (int v = 0; v < 15; ++v)
        QVERIFY(names.contains(QStringLiteral("w_1_%1.wav").arg(v)));

    // Unscripted draws stay inside the range too.
    for (int i = 0; i < 200; ++i) {
        const QString name = rig.sounds.eventSoundName(EventSounds::Wrong);
        QVERIFY2(names.contains(name), qPrintable(name));
    }
}

void SoundsTest::cartoons2AndReplacements()
{
    Rig rig(3, {6, 4});
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Wrong), QString("w_3_6.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Right), QString("r_3_4.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Transition), QString("tranz_1_1.wav"));
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Animation), QString("anim_1_0.wav"));
    QVERIFY(rig.sounds.eventSoundName(EventSounds::Card).isEmpty());
    // Scheme and event numbers wrap around.
    QCOMPARE(rig.sounds.eventSoundName(EventSounds::Transition + 7, 6), QString("tranz_1_1.wav"));
    QCOMPARE(EventSounds::variantCount(1, EventSounds::Wrong), 15);
    QCOMPARE(EventSounds::variantCount(2, EventSounds::Card), -1);
}

void SoundsTest::noneIsSilent()
{
    Rig rig(0);
    for (int event = 0; event < EventSounds::kEventCount; ++event) {
        rig.sounds.playEventSound(EventSounds::Event(event));
        rig.sounds.playEventSound(EventSounds::Event(event), [] {});
    }
    QVERIFY(rig.player.plays.isEmpty());
}

void SoundsTest::playUsesMediaFolderAndMode()
{
    Rig rig(1, {2, 0});
    rig.sounds.playEventSound(EventSounds::Right, [] {});
    rig.sounds.playEventSound(EventSounds::Happy);
    QCOMPARE(rig.player.plays.size(), 2);
    QCOMPARE(rig.player.plays[0].path, QString("/pf/media/r_1_2.wav"));
    QVERIFY(rig.player.plays[0].wait);
    QCOMPARE(rig.player.plays[1].path, QString("/pf/media/happy_1_0.wav"));
    QVERIFY(!rig.player.plays[1].wait);
}

void SoundsTest::consecutiveCallsDrawFreshVariants()
{
    // One generator for the run: two sounds in the same second still differ when the draws differ.
    SeededRandom random(12345);
    AppSettings settings(random);
    settings.setSoundTheme(1);
    RecordingSoundPlayer player;
    EventSounds sounds(settings, player, random);
    for (int i = 0; i < 40; ++i)
        sounds.playEventSound(EventSounds::Wrong);
    const QStringList names = player.fileNames();
    QVERIFY(QSet<QString>(names.begin(), names.end()).size() > 5);
}

void SoundsTest::muteSilencesEverySound()
{
    Rig rig(1);
    rig.settings.setPlaySounds(false);
    for (int event = 0; event < EventSounds::kEventCount; ++event)
        rig.sounds.playEventSound(EventSounds::Event(event), [] {});
    rig.sounds.playPairSound("/pf/quiz_sounds/hello.wav", [] {});
    QVERIFY(rig.player.plays.isEmpty());

    rig.settings.setPlaySounds(true);
    rig.sounds.playPairSound("/pf/quiz_sounds/hello.wav", [] {});
    rig.sounds.playEventSound(EventSounds::Happy);
    QCOMPARE(rig.player.fileNames(), QStringList({"hello.wav", "happy_1_0.wav"}));
}

void SoundsTest::funnySoundsSwitchOnlyEventSounds()
{
    Rig rig(1);
    rig.settings.setFunFlag(funflags::kFunnySounds, false);
    for (int event = 0; event < EventSounds::kEventCount; ++event)
        rig.sounds.playEventSound(EventSounds::Event(event));
    QVERIFY(rig.player.plays.isEmpty());
    rig.sounds.playPairSound("/pf/quiz_sounds/a.wav");
    QCOMPARE(rig.player.fileNames(), QStringList({"a.wav"}));
    QVERIFY(!rig.player.plays[0].wait);
}

void SoundsTest::everyNameOfEverySchemeIsShipped()
{
    const QString media = QStringLiteral(BRAINLARK_SOURCE_DIR "/data/media/");
    for (int scheme = 1; scheme < EventSounds::kSchemeCount; ++scheme) {
        for (int event = 0; event < EventSounds::kEventCount; ++event) {
            const int count = EventSounds::variantCount(scheme, event);
            QList<uint32_t> draws;
            for (int v = 0; v < count; ++v)
                draws.append(uint32_t(v));
            Rig rig(scheme, draws);
            for (int v = 0; v < count; ++v) {
                const QString name = rig.sounds.eventSoundName(event);
                QVERIFY2(QFile::exists(media + name), qPrintable(name));
            }
        }
    }
}

void SoundsTest::congratulationDrawsInOrder()
{
    ScriptedRandom random({4, 2, 3, 1});
    const Congratulation c = Congratulation::make(random);
    QCOMPARE(c.text, QString("~*~ You're doing a great job! ~*~"));
    QCOMPARE(c.textColor, QColor(0, 128, 0));
    QCOMPARE(c.backgroundColor, QColor(211, 211, 211));
    QCOMPARE(c.style, 4);

    ScriptedRandom more({11, 3, 4, 4});
    const Congratulation d = Congratulation::make(more);
    QCOMPARE(d.text, QString("^^^ Keep up the good work! ^^^"));
    QCOMPARE(d.textColor, QColor(255, 165, 0));
    QCOMPARE(d.backgroundColor, QColor(173, 216, 230));
    QCOMPARE(d.style, 0);
    QCOMPARE(Congratulation::texts().size(), 6);
}

void SoundsTest::wavLengthFromHeader()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("half.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pcmWav(8000, 4000));
    file.close();
    QCOMPARE(QtSoundPlayer::wavDurationMs(path), 500);

    QFile junk(dir.filePath("junk.wav"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("RIFF\x10\0\0\0WAVEdata");
    junk.close();
    QCOMPARE(QtSoundPlayer::wavDurationMs(junk.fileName()), -1);
    QCOMPARE(QtSoundPlayer::wavDurationMs(dir.filePath("missing.wav")), -1);
    QVERIFY(QtSoundPlayer::wavDurationMs(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/media/r_1_0.wav")) > 0);
}

void SoundsTest::playerReportsTheEndOfEverySound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("short.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pcmWav(8000, 400));
    file.close();

    QtSoundPlayer player;
    int ended = 0;
    player.play(dir.filePath("missing.wav"), [&] { ++ended; });
    player.play(QString(), [&] { ++ended; });
    QCOMPARE(ended, 0); // never from inside play()
    QTRY_COMPARE(ended, 2);
    // Whether or not an audio device exists, the end of a sound is reported; a replaced one ends too.
    player.play(path, [&] { ++ended; });
    player.play(path, [&] { ++ended; });
    QTRY_COMPARE(ended, 3);
    player.stop();
    QTRY_COMPARE(ended, 4);
}

QTEST_MAIN(SoundsTest)
#include "sounds_test.moc"
