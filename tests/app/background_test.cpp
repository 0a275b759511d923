#include "quiz/ui/backgroundpainter.h"
#include "quiz/ui/imagelayer.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

using namespace brainlark;

namespace
{

QImage render(const BackgroundStyle& style, const QSize& size, const QImage& picture = {}, double f = 1.0)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    BackgroundPainter::paint(painter, canvas.rect(), style, picture, f);
    return canvas;
}

/// The colour with its lightness multiplied, worked out by Qt's own HSL conversion.
QRgb expectedLightness(const QColor& colour, double factor)
{
    const QColor hsl = colour.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), std::min(hsl.lightnessF() * factor, 1.0))
        .rgb();
}

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

#define QVERIFY_NEAR(actual, expected)                                                                       \
    QVERIFY2(near(actual, expected),                                                                         \
             qPrintable(QStringLiteral("%1 vs %2").arg(QColor(actual).name(), QColor(expected).name())))

BackgroundStyle patterned(bool shadow)
{
    BackgroundStyle style;
    style.hatch = true;
    style.lineStep = 22;
    style.lineWidth = 1;
    style.shadow3d = shadow;
    style.colour = HslColor(100, 150, 200);
    return style;
}

QImage checkerTile()
{
    QImage tile(5, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            tile.setPixel(x, y, qRgb(50 * x, 60 * y, 200));
    return tile;
}

} // namespace

class BackgroundTest : public QObject
{
    Q_OBJECT

private slots:
    void plainColourFillsEverything();
    void lightnessFactorScalesTheFillAndStopsAtWhite();
    void patternLinesEveryStepToTheFarEdges();
    void shadowPassOnlyWithTheThreeDimensionalBit();
    void patternColourIsCappedAtWhite();
    void widePenCoversRowsAroundTheLine();
    void pictureIsTiledAndPatternIgnored();
    void pictureStyleWithoutPictureFallsBackToTheColour();
    void plainMeansNoPatternAndNoPicture();
    void renderForInspection();
};

void BackgroundTest::plainColourFillsEverything()
{
    BackgroundStyle style;
    style.colour = HslColor(0x9B, 0xCD, 0xFF);
    const QImage image = render(style, QSize(64, 40));
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            QVERIFY_NEAR(image.pixel(x, y), qRgb(0x9B, 0xCD, 0xFF));
}

void BackgroundTest::lightnessFactorScalesTheFillAndStopsAtWhite()
{
    BackgroundStyle style;
    style.colour = HslColor(128, 128, 128);
    QVERIFY_NEAR(render(style, QSize(8, 8), {}, 0.5).pixel(4, 4), qRgb(64, 64, 64));
    style.colour = HslColor(100, 150, 200);
    QVERIFY_NEAR(render(style, QSize(8, 8), {}, 0.8).pixel(4, 4),
                 expectedLightness(QColor(100, 150, 200), 0.8));
    QVERIFY_NEAR(render(style, QSize(8, 8), {}, 3.0).pixel(4, 4), qRgb(255, 255, 255));
}

void BackgroundTest::patternLinesEveryStepToTheFarEdges()
{
    const BackgroundStyle style = patterned(false);
    const QRgb fill = qRgb(100, 150, 200);
    const QRgb line = expectedLightness(QColor(100, 150, 200), 1.1);
    const QImage image = render(style, QSize(441, 440));
    // Column 11 lies between vertical lines: every row there is either fill or a horizontal line.
    QList<int> lineRows;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb pixel = image.pixel(11, y);
        if (near(pixel, line))
            lineRows.append(y);
        else
            QVERIFY_NEAR(pixel, fill);
    }
    QList<int> expected;
    for (int y = 0; y < 440; y += 22)
        expected.append(y);
    QCOMPARE(lineRows, expected); // 22 lines drawn for 440 rows; the last two fall past the edge
    // Vertical lines too, including the one on the last column (440 = 20 steps of 22).
    for (int x : {0, 22, 418, 440})
        QVERIFY_NEAR(image.pixel(x, 11), line);
    QVERIFY_NEAR(image.pixel(439, 11), fill);
}

void BackgroundTest::shadowPassOnlyWithTheThreeDimensionalBit()
{
    const QRgb fill = qRgb(100, 150, 200);
    const QRgb shadow = expectedLightness(QColor(100, 150, 200), 0.95);
    const QRgb line = expectedLightness(QColor(100, 150, 200), 1.1);
    const QImage flat = render(patterned(false), QSize(200, 120));
    const QImage raised = render(patterned(true), QSize(200, 120));
    for (int y : {2, 24, 46, 112}) {
        QVERIFY_NEAR(raised.pixel(11, y), shadow);
        QVERIFY_NEAR(flat.pixel(11, y), fill);
    }
    for (int x : {2, 24, 178}) {
        QVERIFY_NEAR(raised.pixel(x, 11), shadow);
        QVERIFY_NEAR(flat.pixel(x, 11), fill);
    }
    // The main pass is drawn last, over the shadow.
    QVERIFY_NEAR(raised.pixel(11, 22), line);
    QVERIFY_NEAR(raised.pixel(2, 22), line);
}

void BackgroundTest::patternColourIsCappedAtWhite()
{
    BackgroundStyle style = patterned(false);
    style.colour = HslColor(240, 240, 250); // lightness 0.96: × 1.1 would pass 1.0
    const QImage image = render(style, QSize(50, 50));
    QCOMPARE(image.pixel(11, 22), qRgb(255, 255, 255));
}

void BackgroundTest::widePenCoversRowsAroundTheLine()
{
    BackgroundStyle style = patterned(false);
    style.lineWidth = 3;
    const QRgb line = expectedLightness(QColor(100, 150, 200), 1.1);
    const QImage image = render(style, QSize(100, 100));
    int covered = 0;
    for (int y = 15; y < 30; ++y)
        covered += near(image.pixel(11, y), line) ? 1 : 0;
    QCOMPARE(covered, 3);
    QVERIFY_NEAR(image.pixel(11, 22), line);
}

void BackgroundTest::pictureIsTiledAndPatternIgnored()
{
    BackgroundStyle style = patterned(true);
    style.type = 1;
    const QImage tile = checkerTile();
    const QImage image = render(style, QSize(53, 31), tile);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), tile.pixel(x % 5, y % 4));
}

void BackgroundTest::pictureStyleWithoutPictureFallsBackToTheColour()
{
    BackgroundStyle style;
    style.type = 1;
    style.colour = HslColor(10, 200, 30);
    QVERIFY_NEAR(render(style, QSize(10, 10)).pixel(5, 5), qRgb(10, 200, 30));
}

void BackgroundTest::plainMeansNoPatternAndNoPicture()
{
    BackgroundStyle style;
    QVERIFY(BackgroundPainter::isPlain(style));
    style.hatch = true;
    QVERIFY(!BackgroundPainter::isPlain(style));
    style.hatch = false;
    style.type = 1;
    QVERIFY(!BackgroundPainter::isPlain(style));
}

// The backgrounds as the quiz screen shows them: the wider pattern differs from the narrow one, and the
// shipped picture is decoded and tiled from the top left corner. Set BRAINLARK_RENDER_DIR to save them there
// and look at them.
void BackgroundTest::renderForInspection()
{
    BackgroundStyle style = patterned(true);
    style.colour = HslColor(0x9B, 0xCD, 0xFF);
    const QImage narrow = render(style, QSize(640, 440));
    style.lineWidth = 4;
    style.lineStep = 30;
    const QImage wide = render(style, QSize(640, 440));
    QVERIFY(narrow != wide);
    const PictureResult picture = ImageLayer::load(QStringLiteral(BRAINLARK_SOURCE_DIR "/data/bkg/3.gif"));
    QVERIFY(picture.ok());
    const QImage tile = picture.image.convertToFormat(QImage::Format_RGB32);
    style.type = 1;
    const QImage tiled = render(style, QSize(640, 440), picture.image);
    for (const QPoint& at : {QPoint(0, 0), QPoint(tile.width() + 3, 5), QPoint(639, 439), QPoint(317, 222)})
        QCOMPARE(tiled.pixel(at), tile.pixel(at.x() % tile.width(), at.y() % tile.height()));

    const QString folder = qEnvironmentVariable("BRAINLARK_RENDER_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(narrow.save(folder + "/background-pattern.png"));
    QVERIFY(wide.save(folder + "/background-pattern-wide.png"));
    QVERIFY(tiled.save(folder + "/background-3gif.png"));
}

QTEST_MAIN(BackgroundTest)
#include "background_test.moc"
