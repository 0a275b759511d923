#include "quiz/ui/backgroundpicture.h"
#include "quiz/ui/imagelayer.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace brainlark;

namespace
{

QString shipped(const QString& name)
{
    return QStringLiteral(BRAINLARK_SOURCE_DIR "/data/bkg/") + name;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A BMP header claiming a huge 24-bit picture, followed by a few bytes of pixel data.
QByteArray hugeBmp(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 imageBytes = 0; // allowed for uncompressed pictures
    out.writeRawData("BM", 2);
    out << quint32(54 + 64) << quint16(0) << quint16(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << imageBytes
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    bytes.append(64, '\x7F');
    return bytes;
}

} // namespace

class ImageLayerTest : public QObject
{
    Q_OBJECT

private slots:
    void typeComesFromTheLastFourCharacters_data();
    void typeComesFromTheLastFourCharacters();
    void decodesEveryShippedBackground_data();
    void decodesEveryShippedBackground();
    void pcxPixelsSurviveTheHandOverToQImage();
    void undecodableBytesFailWithAReason();
    void hugeClaimedSizeIsRefusedByTheAllocationLimit();
    void tiledPictureRepeatsFromTheAreaCorner();
    void stretchedPictureFillsTheArea();
    void backgroundPictureAcceptsKnownTypes();
    void backgroundPictureRefusesUnknownTypesSilently();
    void backgroundPictureReportsFilesItCannotOpen();
    void undecodableBackgroundKeepsThePreviousPicture();
};

void ImageLayerTest::typeComesFromTheLastFourCharacters_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");
    QTest::newRow("bmp") << "/bkg/4.bmp" << int(ImageType::Bmp);
    QTest::newRow("gif") << "3.gif" << int(ImageType::Gif);
    QTest::newRow("jpg") << "1.jpg" << int(ImageType::Jpeg);
    QTest::newRow("pcx") << "sample.pcx" << int(ImageType::Pcx);
    QTest::newRow("upper-case JPG") << "PHOTO.JPG" << int(ImageType::Jpeg);
    QTest::newRow("mixed-case Pcx") << "a.Pcx" << int(ImageType::Pcx);
    QTest::newRow("jpeg is five characters") << "photo.jpeg" << int(ImageType::Unknown);
    QTest::newRow("png") << "x.png" << int(ImageType::Unknown);
    QTest::newRow("no dot") << "xgif" << int(ImageType::Unknown);
    QTest::newRow("only the ending") << ".gif" << int(ImageType::Gif);
    QTest::newRow("empty") << "" << int(ImageType::Unknown);
    QTest::newRow("trailing blank") << "a.gif " << int(ImageType::Unknown);
}

void ImageLayerTest::typeComesFromTheLastFourCharacters()
{
    QFETCH(QString, path);
    QFETCH(int, type);
    QCOMPARE(int(ImageLayer::imageTypeOf(path)), type);
}

void ImageLayerTest::decodesEveryShippedBackground_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"1.jpg", "2.gif", "3.gif", "4.bmp", "5.jpg", "6.gif", "7.bmp", "sample.pcx", "sample24.pcx"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ImageLayerTest::decodesEveryShippedBackground()
{
    QFETCH(QString, name);
    const PictureResult result = ImageLayer::load(shipped(name));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY(result.image.width() >= 16);
    QVERIFY(result.image.height() >= 16);
    // Through memory as well as from the file, with the same outcome.
    const PictureResult again =
        ImageLayer::decode(readAll(shipped(name)), ImageLayer::imageTypeOf(shipped(name)));
    QVERIFY(again.ok());
    QCOMPARE(again.image.size(), result.image.size());
}

void ImageLayerTest::pcxPixelsSurviveTheHandOverToQImage()
{
    const PictureResult rings = ImageLayer::load(shipped("sample.pcx"));
    QVERIFY(rings.ok());
    QCOMPARE(rings.image.size(), QSize(160, 160));
    QCOMPARE(rings.image.pixel(0, 0), qRgb(243, 227, 213));
    QCOMPARE(rings.image.pixel(40, 40), qRgb(248, 238, 227));

    const PictureResult plaid = ImageLayer::load(shipped("sample24.pcx"));
    QVERIFY(plaid.ok());
    QCOMPARE(plaid.image.size(), QSize(175, 140));
    QCOMPARE(plaid.image.pixel(17, 100), qRgb(227, 224, 230));
    // The picture outlives its decoder's buffer hand-over and can be copied and changed.
    QImage copy = plaid.image;
    copy.setPixel(0, 0, qRgb(1, 2, 3));
    QCOMPARE(plaid.image.pixel(0, 0), qRgb(229, 225, 224));
}

void ImageLayerTest::undecodableBytesFailWithAReason()
{
    for (ImageType type : {ImageType::Bmp, ImageType::Gif, ImageType::Jpeg, ImageType::Pcx}) {
        const PictureResult result = ImageLayer::decode("not a picture at all", type);
        QVERIFY(!result.ok());
        QVERIFY(!result.error.isEmpty());
    }
    const PictureResult truncated =
        ImageLayer::decode(readAll(shipped("sample.pcx")).left(300), ImageType::Pcx);
    QVERIFY(!truncated.ok());
    QCOMPARE(truncated.error, QStringLiteral("PCX data truncated"));
    QVERIFY(!ImageLayer::decode(readAll(shipped("3.gif")), ImageType::Unknown).ok());
    QVERIFY(!ImageLayer::load(shipped("missing.gif")).ok());
}

void ImageLayerTest::hugeClaimedSizeIsRefusedByTheAllocationLimit()
{
    // 12000 × 12000 pixels need about 550 MB: Qt would allocate that (and return a mostly empty
    // picture) without the limit; with it the reader refuses before allocating.
    const PictureResult result = ImageLayer::decode(hugeBmp(12000, 12000), ImageType::Bmp);
    QVERIFY(!result.ok());
    QVERIFY(!result.error.isEmpty());
}

void ImageLayerTest::tiledPictureRepeatsFromTheAreaCorner()
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    QImage canvas(20, 12, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        ImageLayer::drawTiled(painter, QRect(1, 2, 17, 9), tile);
    }
    for (int y = 2; y < 11; ++y)
        for (int x = 1; x < 18; ++x)
            QCOMPARE(canvas.pixel(x, y), tile.pixel((x - 1) % 3, (y - 2) % 2));
    QCOMPARE(canvas.pixel(0, 0), qRgb(255, 255, 255)); // outside the area
    QCOMPARE(canvas.pixel(18, 11), qRgb(255, 255, 255));
}

void ImageLayerTest::stretchedPictureFillsTheArea()
{
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    QImage canvas(12, 6, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        ImageLayer::drawStretched(painter, QRect(2, 1, 8, 4), two);
        ImageLayer::drawAt(painter, QPoint(10, 5), two);
    }
    QCOMPARE(canvas.pixel(2, 1), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(5, 4), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(6, 1), qRgb(0, 0, 255));
    QCOMPARE(canvas.pixel(9, 4), qRgb(0, 0, 255));
    QCOMPARE(canvas.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(canvas.pixel(10, 5), qRgb(255, 0, 0)); // own size at the point
    QCOMPARE(canvas.pixel(11, 5), qRgb(0, 0, 255));
}

void ImageLayerTest::backgroundPictureAcceptsKnownTypes()
{
    QTemporaryDir dir;
    const QString upper = dir.filePath("PHOTO.JPG");
    QVERIFY(writeFile(upper, readAll(shipped("1.jpg"))));
    BackgroundPicture picture;
    const BackgroundPicture::Outcome outcome = picture.setBackgroundPicture(upper);
    QVERIFY(outcome.accepted);
    QVERIFY(outcome.message.isEmpty());
    QCOMPARE(picture.path(), upper);
    const QImage direct = ImageLayer::load(shipped("1.jpg")).image;
    QCOMPARE(picture.width(), direct.width());
    QCOMPARE(picture.height(), direct.height());

    QVERIFY(picture.setBackgroundPicture(shipped("sample24.pcx")).accepted);
    QCOMPARE(picture.width(), 175);
    QCOMPARE(picture.height(), 140);
    QCOMPARE(picture.path(), shipped("sample24.pcx"));
}

void ImageLayerTest::backgroundPictureRefusesUnknownTypesSilently()
{
    QTemporaryDir dir;
    const QString jpeg = dir.filePath("photo.jpeg"); // a real JPEG, but only the last four characters count
    QVERIFY(writeFile(jpeg, readAll(shipped("1.jpg"))));
    BackgroundPicture picture;
    QVERIFY(picture.setBackgroundPicture(shipped("3.gif")).accepted);
    for (const QString& path : {jpeg, dir.filePath("notes.txt"), dir.filePath("missing.png")}) {
        const BackgroundPicture::Outcome outcome = picture.setBackgroundPicture(path);
        QVERIFY(!outcome.accepted);
        QVERIFY2(outcome.message.isEmpty(), qPrintable(outcome.message));
    }
    QCOMPARE(picture.path(), shipped("3.gif"));
    QVERIFY(picture.hasPicture());
}

void ImageLayerTest::backgroundPictureReportsFilesItCannotOpen()
{
    QTemporaryDir dir;
    BackgroundPicture picture;
    const QString missing = dir.filePath("gone.gif");
    const BackgroundPicture::Outcome outcome = picture.setBackgroundPicture(missing);
    QVERIFY(!outcome.accepted);
    QCOMPARE(outcome.message, QStringLiteral("Could not open ") + missing);
    QVERIFY(!picture.hasPicture());
    QVERIFY(picture.path().isEmpty());
}

void ImageLayerTest::undecodableBackgroundKeepsThePreviousPicture()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.bmp");
    QVERIFY(writeFile(broken, "BM this is no bitmap"));
    BackgroundPicture picture;
    QVERIFY(picture.setBackgroundPicture(shipped("6.gif")).accepted);
    const QSize before(picture.width(), picture.height());
    const BackgroundPicture::Outcome outcome = picture.setBackgroundPicture(broken);
    QVERIFY(!outcome.accepted);
    QCOMPARE(outcome.message, QStringLiteral("Could not open ") + broken);
    QCOMPARE(picture.path(), shipped("6.gif"));
    QCOMPARE(QSize(picture.width(), picture.height()), before);
}

QTEST_MAIN(ImageLayerTest)
#include "imagelayer_test.moc"
