#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace brainlark
{

class Prompter;

/// The browse rule of the pair dialogs: a sound or picture must lie under its folder (the sound or the
/// picture folder of the program), and the list stores its path relative to that folder with backslashes.
/// The last folder chosen for each side is remembered while the program runs.
class MediaBrowser
{
public:
    enum class Side { QuestionSound, AnswerSound, Picture };

    static constexpr const char* SoundFilter = QT_TR_NOOP("Windows wave files (.wav)|*.wav|");
    static constexpr const char* PictureFilter =
        QT_TR_NOOP("Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|");
    static constexpr const char* SoundRefusal =
        QT_TR_NOOP("Please make sure that the WAV file is located under ");
    static constexpr const char* PictureRefusal =
        QT_TR_NOOP("Please make sure that the image file is located under ");

    /// folder is the sound folder for the two sound sides, the picture folder for Picture.
    MediaBrowser(Side side, QString folder, Prompter& prompter);

    /// Asks for a file; returns the stored form of its path, or nothing when cancelled or refused (a
    /// refusal shows the message naming the folder the file dialog started in).
    std::optional<QString> browse();
    /// What browse() does with a chosen file (no dialog): the stored path, or nothing after the refusal.
    std::optional<QString> accept(const QString& chosen, const QString& startFolder);
    /// The folder the file dialog opens in: the remembered one for this side, else the media folder.
    QString startFolder() const;

    /// The path of file relative to folder with backslashes, or nothing when the file does not lie inside
    /// folder (compared as canonical paths, so "/a/sounds2/x.wav" is not under "/a/sounds").
    static std::optional<QString> relativePath(const QString& folder, const QString& file);
    /// A stored relative path (backslashes) turned into a file path under folder.
    static QString filePath(const QString& folder, const QString& stored);

    /// The remembered folders, emptied (they start empty with every run).
    static void forgetFolders();
    static QString rememberedFolder(Side side);

private:
    Side m_side;
    QString m_folder;
    Prompter& m_prompter;
};

} // namespace brainlark
