#include "quiz/ui/imagelayer.h"

#include <QBrush>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <memory>
#include <string_view>
#include <vector>

#include "core/filereader.h"
#include "core/pcxdecoder.h"
#include "services/messagetext.h"

namespace brainlark
{

namespace
{

PictureResult failure(const QString& reason)
{
    PictureResult result;
    result.error = reason;
    return result;
}

/// Hands the decoder's pixel buffer to a QImage without copying it; the image frees it.
QImage adoptPixels(PcxPicture&& picture)
{
    auto owner = std::make_unique<std::vector<uint32_t>>(std::move(picture.pixels));
    auto* bits = reinterpret_cast<uchar*>(owner->data());
    const auto release = [](void* info) {
        std::unique_ptr<std::vector<uint32_t>>(static_cast<std::vector<uint32_t>*>(info));
    };
    QImage image(bits, picture.width, picture.height, qsizetype(picture.width) * 4, QImage::Format_RGB32,
                 release, owner.get());
    if (!image.isNull())
        owner.release();
    return image;
}

PictureResult readPcx(QIODevice& device)
{
    if (device.size() > ImageLayer::MaxPcxFileBytes)
        return failure(QCoreApplication::translate("brainlark::ImageLayer", "PCX file too large"));
    const QByteArray bytes = device.read(ImageLayer::MaxPcxFileBytes + 1);
    if (bytes.size() > ImageLayer::MaxPcxFileBytes) // a stream that did not know its size
        return failure(QCoreApplication::translate("brainlark::ImageLayer", "PCX file too large"));
    PcxResult decoded = PcxDecoder::decode(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!decoded.ok)
        return failure(MessageText::shown(decoded.error));
    PictureResult result;
    result.image = adoptPixels(std::move(decoded.picture));
    if (result.image.isNull())
        result.error = QCoreApplication::translate("brainlark::ImageLayer", "out of memory");
    return result;
}

PictureResult readWithQt(QIODevice& device, const char* format)
{
    // The limit is global to Qt's readers; this layer is the only place that reads pictures.
    QImageReader::setAllocationLimit(ImageLayer::AllocationLimitMb);
    QImageReader reader(&device, format);
    PictureResult result;
    // Refused by its size before anything is decoded, with a reason the learner can act on.
    const QSize size = reader.size();
    if (size.isValid() &&
        qint64(size.width()) * size.height() * 4 > qint64(ImageLayer::AllocationLimitMb) * 1024 * 1024) {
        result.error =
            QCoreApplication::translate("brainlark::ImageLayer", "the picture is too large (%1 x %2 pixels)")
                .arg(size.width())
                .arg(size.height());
        return result;
    }
    result.image = reader.read();
    if (result.image.isNull())
        result.error = reader.errorString();
    return result;
}

} // namespace

ImageType ImageLayer::imageTypeOf(const QString& path)
{
    const QString ending = path.right(4).toLower();
    if (ending == QLatin1String(".bmp"))
        return ImageType::Bmp;
    if (ending == QLatin1String(".gif"))
        return ImageType::Gif;
    if (ending == QLatin1String(".jpg"))
        return ImageType::Jpeg;
    if (ending == QLatin1String(".pcx"))
        return ImageType::Pcx;
    return ImageType::Unknown;
}

PictureResult ImageLayer::load(const QString& path)
{
    const ImageType type = imageTypeOf(path);
    if (type == ImageType::Unknown)
        return failure(QCoreApplication::translate("brainlark::ImageLayer", "unknown picture type"));
    std::string bytes;
    std::string error;
    if (!FileReader::read(QFile::encodeName(path).toStdString(), bytes, &error))
        return failure(MessageText::shown(QString::fromLocal8Bit(error.c_str())));
    return decode(QByteArray::fromStdString(bytes), type);
}

PictureResult ImageLayer::read(QIODevice& device, ImageType type)
{
    switch (type) {
    case ImageType::Bmp:
        return readWithQt(device, "bmp");
    case ImageType::Gif:
        return readWithQt(device, "gif");
    case ImageType::Jpeg:
        return readWithQt(device, "jpeg");
    case ImageType::Pcx:
        return readPcx(device);
    case ImageType::Unknown:
        break;
    }
    return failure(QCoreApplication::translate("brainlark::ImageLayer", "unknown picture type"));
}

PictureResult ImageLayer::decode(const QByteArray& bytes, ImageType type)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, type);
}

void ImageLayer::drawAt(QPainter& painter, const QPoint& topLeft, const QImage& image)
{
    painter.drawImage(topLeft, image);
}

void ImageLayer::drawTiled(QPainter& painter, const QRect& area, const QImage& image)
{
    if (image.isNull() || area.isEmpty())
        return;
    // A texture brush tiles in one call however small the picture is.
    painter.save();
    painter.setBrushOrigin(area.topLeft());
    painter.fillRect(area, QBrush(image));
    painter.restore();
}

void ImageLayer::drawStretched(QPainter& painter, const QRect& area, const QImage& image)
{
    if (image.isNull() || area.isEmpty())
        return;
    painter.drawImage(area, image);
}

} // namespace brainlark
