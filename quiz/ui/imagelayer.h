#pragma once

#include <QImage>
#include <QString>

class QByteArray;
class QIODevice;
class QPainter;
class QPoint;
class QRect;

namespace brainlark
{

/// Picture formats the program reads, recognised by the end of a file name.
enum class ImageType { Unknown, Bmp, Gif, Jpeg, Pcx };

/// A decoded picture, or the reason there is none (a one-line text for the learner's message).
struct PictureResult {
    QImage image;
    QString error;
    bool ok() const { return !image.isNull(); }
};

/// Turns BMP, GIF, JPEG and PCX files into pictures of known size and draws them. BMP, GIF and JPEG
/// go through Qt's readers, PCX through our own decoder. Hostile files cannot exhaust memory: the
/// readers work under an allocation limit and PCX files are size-checked before they are read.
class ImageLayer
{
public:
    static constexpr int AllocationLimitMb = 256;
    static constexpr qint64 MaxPcxFileBytes = 256 * 1024 * 1024;

    /// By the last four characters of the path, lower-cased: ".bmp", ".gif", ".jpg", ".pcx". Only
    /// those four characters count, so "photo.jpeg" is Unknown.
    static ImageType imageTypeOf(const QString& path);

    /// Decodes the file at path as the type its name says; Unknown types fail.
    static PictureResult load(const QString& path);
    /// Decodes an open device as the given type.
    static PictureResult read(QIODevice& device, ImageType type);
    static PictureResult decode(const QByteArray& bytes, ImageType type);

    /// At its own size with its top-left corner at topLeft.
    static void drawAt(QPainter& painter, const QPoint& topLeft, const QImage& image);
    /// Repeated over area, the first copy at the area's top-left corner.
    static void drawTiled(QPainter& painter, const QRect& area, const QImage& image);
    /// Scaled to fill area exactly.
    static void drawStretched(QPainter& painter, const QRect& area, const QImage& image);
};

} // namespace brainlark
