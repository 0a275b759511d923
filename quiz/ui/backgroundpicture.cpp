#include "quiz/ui/backgroundpicture.h"


#include "quiz/ui/imagelayer.h"

namespace brainlark
{

BackgroundPicture::Outcome BackgroundPicture::setBackgroundPicture(const QString& path)
{
    Outcome outcome;
    const ImageType type = ImageLayer::imageTypeOf(path);
    if (type == ImageType::Unknown)
        return outcome;
    const QString couldNotOpen = QStringLiteral("Could not open %1").arg(path);
    // A file that opens but does not decode is refused like one that does not open: accepting it
    // would leave the quiz screen with no picture while the settings claim one.
    PictureResult decoded = ImageLayer::load(path);
    if (!decoded.ok()) {
        outcome.message = couldNotOpen;
        return outcome;
    }
    m_image = std::move(decoded.image);
    m_path = path;
    outcome.accepted = true;
    return outcome;
}

} // namespace brainlark
