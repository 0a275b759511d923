#include "quiz/ui/backgroundpicture.h"

#include <QCoreApplication>

#include "quiz/ui/imagelayer.h"
#include "services/prompter.h"
#include "settings/appsettings.h"

namespace brainlark
{

BackgroundPicture::Outcome BackgroundPicture::setBackgroundPicture(const QString& path)
{
    Outcome outcome;
    const ImageType type = ImageLayer::imageTypeOf(path);
    if (type == ImageType::Unknown)
        return outcome;
    const QString couldNotOpen =
        QCoreApplication::translate("brainlark::BackgroundPicture", "Could not open %1").arg(path);
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

bool BackgroundPicture::useAsBackground(AppSettings& settings, const QString& path, Prompter* prompter)
{
    BackgroundPicture picture;
    const Outcome outcome = picture.setBackgroundPicture(path);
    if (!outcome.accepted) {
        if (prompter && !outcome.message.isEmpty())
            prompter->message(outcome.message, Prompter::Icon::Exclamation);
        return false;
    }
    settings.setBackgroundPicture(picture.image());
    settings.setCurrentBkgFilePath(path);
    return true;
}

} // namespace brainlark
