#pragma once

#include <QImage>
#include <QString>

namespace brainlark
{

class AppSettings;
class Prompter;

/// The picture behind the quiz screen, with the path it came from.
class BackgroundPicture
{
public:
    /// What became of a request: accepted, or refused with a message for the learner (shown with
    /// the exclamation icon) or, for a file that is not a picture type at all, silently.
    struct Outcome {
        bool accepted = false;
        QString message;
    };

    /// Takes the picture at path when its type is known and it can be opened and decoded. A refused
    /// path leaves the previous picture in place, so nothing is half replaced.
    Outcome setBackgroundPicture(const QString& path);

    /// Makes the picture at path the quiz background: the decoded picture and "current bkg file path"
    /// in settings. A refused picture leaves the old one; its message goes to prompter unless that is
    /// null (the start-up check falls back to the plain colour quietly).
    static bool useAsBackground(AppSettings& settings, const QString& path, Prompter* prompter);

    bool hasPicture() const { return !m_image.isNull(); }
    const QImage& image() const { return m_image; }
    const QString& path() const { return m_path; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

private:
    QImage m_image;
    QString m_path;
};

} // namespace brainlark
