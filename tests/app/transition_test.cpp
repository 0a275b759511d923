#include "quiz/engine/textbox.h"
#include "quiz/ui/backgroundpainter.h"
#include "quiz/ui/imagelayer.h"
#include "quiz/ui/textboxpainter.h"
#include "quiz/ui/transitioneffect.h"
#include "services/timeline.h"
#include "support/fakes.h"

#include <QDir>
#include <QPainter>
#include <QtTest>
#include <memory>

using namespace brainlark;
using brainlark::testing::VirtualScheduler;
using brainlark::testing::ScriptedRandom;

namespace
{

/// A picture in which every pixel differs from its neighbours, so a misplaced copy shows.
QImage gradient(const QSize& size, int blue)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, blue));
    return image;
}

/// The quiz view as a transition sees it: an old screen, a background, and a record of everything.
struct FakeView {
    explicit FakeView(QSize size = QSize(200, 100), QList<uint32_t> draws = {}, uint32_t seed = 1)
        : random(std::move(draws), seed), old(gradient(size, 10)), background(gradient(size, 200))
    {
        scheduler.timeline = &timeline;
        TransitionTarget target;
        target.grabScreen = [this] { return old; };
        target.paintBackground = [this](QPainter& painter, const QRect& area) {
            painter.drawImage(area.topLeft(), background);
        };
        target.backgroundIsPlain = [this] { return plain; };
        target.present = [this](const QImage& frame) {
            frames.append(frame);
            timeline.append(QStringLiteral("frame"));
            runningWhilePresenting = runningWhilePresenting && effect->isRunning();
        };
        target.setScreenState = [this](ScreenState state) {
            timeline.append(QStringLiteral("state %1").arg(int(state)));
        };
        target.playSound = [this] { timeline.append(QStringLiteral("tranz")); };
        effect = std::make_unique<TransitionEffect>(target, random);
    }

    /// Runs the effect to its end.
    void run(int kind, const QColor& colour, int durationMs)
    {
        effect->run(sequence, kind, colour, durationMs);
        sequence.start();
        scheduler.settle();
    }

    QImage backgroundFrame() const { return background.convertToFormat(QImage::Format_RGB32); }

    ScriptedRandom random;
    VirtualScheduler scheduler;
    Timeline sequence{scheduler};
    QStringList timeline;
    QImage old;
    QImage background;
    bool plain = true;
    QList<QImage> frames;
    bool runningWhilePresenting = true;
    std::unique_ptr<TransitionEffect> effect;
};

bool allOneColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour.rgb())
                return false;
    return true;
}

} // namespace

class TransitionTest : public QObject
{
    Q_OBJECT

private slots:
    void pauseTimelineOfEachKind_data();
    void pauseTimelineOfEachKind();
    void zeroPausesAreSkipped();
    void screenStateAndSoundFrameTheRun();
    void randomKindIsOneToSeven();
    void barsNeverRunOverAPictureOrPattern();
    void finalFrameIsTheBackground();
    void barsEndInTheEffectColour();
    void bandRevealFollowsTheDirection();
    void slideOutMovesTheOldPicture();
    void tileDissolveCopiesEveryTenthTile();
    void centreZoomGrowsOrShrinks();
    void tinyViewStillEndsOnTheBackground();
    void clearFillsWithTheLastColour();
    void directionIsRandomOrGiven();
    void renderForInspection();
};

void TransitionTest::pauseTimelineOfEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<uint32_t>("size");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("endPause");
    // 200 × 100 pixels, 300 ms; "size" is the random number behind the kind's w, s or t.
    QTest::newRow("1 vertical bars, w 4") << 1 << 0u << 52 << 5 << 0;    // n = 200/4 + 2
    QTest::newRow("1 vertical bars, w 8") << 1 << 4u << 27 << 11 << 0;   // n = 200/8 + 2
    QTest::newRow("2 closing bars, w 4") << 2 << 0u << 52 << 5 << 0;     // n = 51, lines in pairs
    QTest::newRow("2 closing bars, w 5") << 2 << 1u << 42 << 7 << 0;     // n = 41
    QTest::newRow("3 horizontal bars, w 4") << 3 << 0u << 27 << 11 << 0; // n = 100/4 + 2
    QTest::newRow("4 band reveal, s 10") << 4 << 5u << 11 << 27 << 0;    // 100/9 bands
    QTest::newRow("4 band reveal, s 5") << 4 << 0u << 25 << 12 << 0;     // 100/4 bands
    QTest::newRow("5 slide out, t 10") << 5 << 0u << 11 << 30 << 0;      // 100/10 + 1 steps
    QTest::newRow("5 slide out, t 14") << 5 << 4u << 8 << 42 << 0;       // 100/14 + 1 steps
    QTest::newRow("6 tile dissolve") << 6 << 3u << 10 << 30 << 200;
    QTest::newRow("7 centre zoom") << 7 << 0u << 30 << 10 << 200;
}

void TransitionTest::pauseTimelineOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(uint32_t, size);
    QFETCH(int, steps);
    QFETCH(int, pause);
    QFETCH(int, endPause);
    FakeView view(QSize(200, 100), {size});
    view.run(kind, Qt::darkBlue, 300);
    QList<int> expected(steps, pause);
    if (endPause)
        expected.append(endPause);
    QCOMPARE(view.scheduler.pauses, expected);
    QCOMPARE(view.frames.size(), steps);
    QCOMPARE(view.effect->lastKind(), kind);
    // One frame shown before each step's pause.
    QCOMPARE(view.timeline.indexOf(QStringLiteral("frame")) + 1,
             view.timeline.indexOf(QStringLiteral("pause:%1").arg(pause)));
}

void TransitionTest::zeroPausesAreSkipped()
{
    FakeView zoom;
    zoom.run(7, Qt::black, 20); // 20 / 30 = 0 ms per step
    QCOMPARE(zoom.scheduler.pauses, QList<int>({200}));
    QCOMPARE(zoom.frames.size(), 30);

    FakeView bars(QSize(200, 100), {0});
    bars.run(1, Qt::black, 51); // 51 / 52 = 0 ms per line
    QVERIFY(bars.scheduler.pauses.isEmpty());
    QCOMPARE(bars.frames.size(), 52);
}

void TransitionTest::screenStateAndSoundFrameTheRun()
{
    FakeView view;
    view.run(4, Qt::black, 0);
    QVERIFY(view.timeline.size() > 4);
    QCOMPARE(view.timeline.first(), QStringLiteral("state 2"));
    QCOMPARE(view.timeline.at(1), QStringLiteral("tranz"));
    QCOMPARE(view.timeline.last(), QStringLiteral("state 3"));
    QCOMPARE(view.timeline.count(QStringLiteral("tranz")), 1);
    QVERIFY(view.runningWhilePresenting);
    QVERIFY(!view.effect->isRunning());
}

void TransitionTest::randomKindIsOneToSeven()
{
    for (uint32_t draw = 0; draw < 14; ++draw) {
        FakeView view(QSize(60, 40), {draw});
        view.run(-1, Qt::black, 0);
        QCOMPARE(view.effect->lastKind(), int(1 + draw % 7));
    }
}

void TransitionTest::barsNeverRunOverAPictureOrPattern()
{
    QSet<int> seen;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        FakeView view(QSize(60, 40), {}, seed);
        view.plain = false;
        const int requested = seed % 4 == 0 ? -1 : int(seed % 4); // 1, 2, 3 and random
        view.run(requested, Qt::black, 0);
        const int kind = view.effect->lastKind();
        QVERIFY2(kind >= 4 && kind <= 7, qPrintable(QString::number(kind)));
        if (requested != -1)
            QVERIFY(kind == 4 || kind == 5);
        seen.insert(kind);
        QCOMPARE(view.frames.last(), view.backgroundFrame());
    }
    QVERIFY(seen.contains(4));
    QVERIFY(seen.contains(5));
}

void TransitionTest::finalFrameIsTheBackground()
{
    // Sizes that are no multiple of any band, step or tile size.
    for (int kind = 4; kind <= 7; ++kind)
        for (int direction : {0, 1})
            for (uint32_t seed = 1; seed <= 6; ++seed) {
                FakeView view(QSize(203, 107), {}, seed);
                view.effect->chooseDirection(direction);
                view.run(kind, Qt::black, 0);
                QVERIFY2(
                    view.frames.last() == view.backgroundFrame(),
                    qPrintable(
                        QStringLiteral("kind %1 direction %2 seed %3").arg(kind).arg(direction).arg(seed)));
                for (const QImage& frame : view.frames)
                    QCOMPARE(frame.size(), QSize(203, 107));
            }
}

void TransitionTest::barsEndInTheEffectColour()
{
    for (int kind = 1; kind <= 3; ++kind)
        for (uint32_t width = 0; width < 5; ++width) {
            FakeView view(QSize(203, 107), {width});
            view.run(kind, QColor(12, 34, 56), 0);
            QVERIFY2(allOneColour(view.frames.last(), QColor(12, 34, 56)),
                     qPrintable(QStringLiteral("kind %1 width %2").arg(kind).arg(4 + width)));
            // The first bar alone is w pixels wide at the edge (half of it outside the view).
            QVERIFY(!allOneColour(view.frames.first(), QColor(12, 34, 56)));
        }
}

void TransitionTest::bandRevealFollowsTheDirection()
{
    for (int direction : {0, 1}) {
        FakeView view(QSize(100, 100), {5}); // s = 10: bands of 10 rows, 9 apart
        view.effect->chooseDirection(direction);
        view.run(4, Qt::black, 0);
        const QImage first = view.frames.first();
        const int revealed = direction == 1 ? 0 : 99;
        const int untouched = direction == 1 ? 99 : 0;
        QCOMPARE(first.pixel(50, revealed), view.background.pixel(50, revealed));
        QCOMPARE(first.pixel(50, untouched), view.old.pixel(50, untouched));
        QCOMPARE(first.pixel(50, direction == 1 ? 9 : 90),
                 view.background.pixel(50, direction == 1 ? 9 : 90));
        QCOMPARE(first.pixel(50, direction == 1 ? 10 : 89), view.old.pixel(50, direction == 1 ? 10 : 89));
    }
}

void TransitionTest::slideOutMovesTheOldPicture()
{
    for (int direction : {0, 1}) {
        FakeView view(QSize(100, 100), {0}); // t = 10
        view.effect->chooseDirection(direction);
        view.run(5, Qt::black, 0);
        const QImage& step3 = view.frames.at(2); // moved by 30 pixels
        if (direction == 0) {                    // up
            QCOMPARE(step3.pixel(50, 20), view.old.pixel(50, 50));
            QCOMPARE(step3.pixel(50, 80), view.background.pixel(50, 80));
        } else { // down
            QCOMPARE(step3.pixel(50, 50), view.old.pixel(50, 20));
            QCOMPARE(step3.pixel(50, 10), view.background.pixel(50, 10));
        }
        QCOMPARE(view.frames.size(), 11);
    }
    // The moving picture carries an etched double edge: dark outside, light inside along the top.
    FakeView view(QSize(100, 100), {0});
    view.effect->chooseDirection(1);
    view.run(5, Qt::black, 0);
    QCOMPARE(view.frames.first().pixel(50, 10), qRgb(128, 128, 128));
    QCOMPARE(view.frames.first().pixel(50, 11), qRgb(255, 255, 255));
}

void TransitionTest::tileDissolveCopiesEveryTenthTile()
{
    FakeView view(QSize(100, 60), {6}); // t = 10: 11 columns, 7 rows
    view.run(6, Qt::black, 0);
    const QImage& first = view.frames.first();
    // Step 0 copies tiles 0, 10, 20, ...: tile 10 is the last of the first row, tile 20 the 10th of the
    // second.
    QCOMPARE(first.pixel(5, 5), view.background.pixel(5, 5));
    QCOMPARE(first.pixel(15, 5), view.old.pixel(15, 5));
    QCOMPARE(first.pixel(95, 15), view.background.pixel(95, 15)); // tile 20 (row 1, column 9)
    QCOMPARE(first.pixel(85, 15), view.old.pixel(85, 15));
    const QImage& second = view.frames.at(1);
    QCOMPARE(second.pixel(15, 5), view.background.pixel(15, 5)); // tile 1
    QCOMPARE(second.pixel(5, 5), view.background.pixel(5, 5));   // kept from step 0
}

void TransitionTest::centreZoomGrowsOrShrinks()
{
    FakeView grow(QSize(280, 140));
    grow.effect->chooseDirection(0);
    grow.run(7, Qt::black, 0);
    const QImage& half = grow.frames.at(13); // step 14: 140 × 70 in the centre
    QCOMPARE(half.pixel(140, 70), grow.background.pixel(140, 70));
    QCOMPARE(half.pixel(71, 36), grow.background.pixel(71, 36));
    QCOMPARE(half.pixel(69, 34), grow.old.pixel(69, 34));
    QCOMPARE(half.pixel(0, 0), grow.old.pixel(0, 0));

    FakeView shrink(QSize(280, 140));
    shrink.effect->chooseDirection(1);
    shrink.run(7, Qt::black, 0);
    const QImage& middle = shrink.frames.at(15); // step 16: 30 − 16 = 14, 140 × 70 of the old picture
    QCOMPARE(middle.pixel(140, 70), shrink.old.pixel(140, 70));
    QCOMPARE(middle.pixel(0, 0), shrink.background.pixel(0, 0));
    QCOMPARE(shrink.frames.first(), shrink.old);
}

void TransitionTest::tinyViewStillEndsOnTheBackground()
{
    // Lower than one band or one slide step: no division by zero, and no old rows left behind.
    for (int kind = 4; kind <= 7; ++kind) {
        FakeView view(QSize(30, 3), {9});
        view.run(kind, Qt::black, 100);
        QCOMPARE(view.frames.last(), view.backgroundFrame());
    }
}

void TransitionTest::clearFillsWithTheLastColour()
{
    FakeView view;
    view.run(7, QColor(200, 10, 10), 0);
    view.frames.clear();
    view.effect->clear();
    QCOMPARE(view.frames.size(), 1);
    QVERIFY(allOneColour(view.frames.first(), QColor(200, 10, 10)));
    QVERIFY(view.scheduler.pauses.size() == 1); // only the end pause of the run
}

void TransitionTest::directionIsRandomOrGiven()
{
    FakeView view(QSize(10, 10), {7, 4});
    QCOMPARE(view.effect->chooseDirection(-1), 1);
    QCOMPARE(view.effect->chooseDirection(-1), 0);
    QCOMPARE(view.effect->chooseDirection(1), 1);
    QCOMPARE(view.effect->chooseDirection(5), 5); // any other value is taken as it is
    QCOMPARE(view.effect->direction(), 5);
    QCOMPARE(view.random.draws(), 2);
}

namespace
{

/// A question and four answers over the pattern background: what a transition wipes away.
QImage quizScreen(const QSize& size)
{
    BackgroundStyle pattern;
    pattern.hatch = true;
    pattern.shadow3d = true;
    pattern.colour = HslColor(0x9B, 0xCD, 0xFF);
    QImage screen(size, QImage::Format_RGB32);
    QPainter painter(&screen);
    BackgroundPainter::paint(painter, screen.rect(), pattern, {});
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    TextBox box("Which river flows through Vienna?");
    box.setFramed(true);
    box.setRoundCorners(true);
    box.setFormat(TextBox::DefaultFormat | TextBox::VCenter);
    box.setColors(HslColor(0x2E, 0x40, 0x56), HslColor(0x00, 0x52, 0xA4), HslColor(0xFC, 0xFC, 0xFF));
    box.setTextColor(HslColor(0x2E, 0x40, 0x56));
    box.setRect(Rect::fromSize(10, 5, 460, 90));
    TextBoxPainter::draw(painter, box, font, ColourScheme::from(box.fillColor()));
    const char* answers[] = {"Danube", "Rhine", "Elbe", "Seine"};
    for (int i = 0; i < 4; ++i) {
        box.setText(answers[i]);
        box.setRect(Rect::fromSize(10 + (i / 2) * 235, 110 + (i % 2) * 105, 225, 95));
        TextBoxPainter::draw(painter, box, font, ColourScheme::from(box.fillColor()));
    }
    return screen;
}

} // namespace

// Each effect over a real quiz screen and a tiled background: halfway through, the frame is partly the old
// screen and partly the background, and the last frame is the background alone. With BRAINLARK_RENDER_DIR
// set, the halfway frames are also saved there to be looked at.
void TransitionTest::renderForInspection()
{
    const QString folder = qEnvironmentVariable("BRAINLARK_RENDER_DIR");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    const QImage tile = ImageLayer::load(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/bkg/3.gif")).image;
    QVERIFY(!tile.isNull());
    BackgroundStyle style;
    style.type = 1;
    const QImage old = quizScreen(QSize(480, 320));
    QImage background(old.size(), QImage::Format_RGB32);
    {
        QPainter painter(&background);
        BackgroundPainter::paint(painter, background.rect(), style, tile);
    }
    if (!folder.isEmpty())
        QVERIFY(old.save(folder + "/transition-old.png"));
    struct Shot {
        int kind;
        int direction;
        double at; // fraction of the frames
    };
    for (const Shot& shot : {Shot{4, 1, 0.5}, Shot{4, 0, 0.5}, Shot{5, 0, 0.4}, Shot{6, 0, 0.5},
                             Shot{7, 0, 0.4}, Shot{7, 1, 0.4}}) {
        SeededRandom random(3);
        VirtualScheduler scheduler;
        Timeline sequence(scheduler);
        QList<QImage> frames;
        TransitionTarget target;
        target.grabScreen = [&old] { return old; };
        target.paintBackground = [&](QPainter& painter, const QRect& area) {
            BackgroundPainter::paint(painter, area, style, tile);
        };
        target.backgroundIsPlain = [] { return false; };
        target.present = [&frames](const QImage& frame) { frames.append(frame); };
        TransitionEffect effect(target, random);
        effect.chooseDirection(shot.direction);
        effect.run(sequence, shot.kind, Qt::white, 600);
        sequence.start();
        QVERIFY(frames.size() > 2);
        const QImage frame = frames.at(int(frames.size() * shot.at)).convertToFormat(QImage::Format_RGB32);
        const QString name = QStringLiteral("kind %1, direction %2").arg(shot.kind).arg(shot.direction);
        QCOMPARE(frame.size(), old.size());
        QVERIFY2(frame != old.convertToFormat(QImage::Format_RGB32), qPrintable(name));
        QVERIFY2(frame != background, qPrintable(name));
        QVERIFY2(frames.last().convertToFormat(QImage::Format_RGB32) == background, qPrintable(name));
        if (!folder.isEmpty())
            QVERIFY(frame.save(folder +
                               QStringLiteral("/transition-%1-dir%2.png").arg(shot.kind).arg(shot.direction)));
    }
}

QTEST_MAIN(TransitionTest)
#include "transition_test.moc"
