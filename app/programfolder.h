#pragma once

#include <QString>
#include <QStringList>

namespace brainlark
{

/// The program folder ("InstallPath"): lists, sounds, pictures, templates and generated files live in
/// its sub-folders. Paths use '/'. It must be writable, so by default it is a per-user folder seeded
/// from the read-only shipped copy.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString& root = QString());

    QString root() const { return m_root; }
    /// root + tail, where tail starts with '/'.
    QString path(const QString& tail) const;

    QString dataFolder() const { return path("/data/"); }
    QString textFolder() const { return path("/text/"); }
    QString quizSoundsFolder() const { return path("/quiz_sounds/"); }
    QString quizPicturesFolder() const { return path("/quiz_pictures/"); }
    QString exportTextFolder() const { return path("/export_text/"); }
    QString palmFolder() const { return path("/palm/"); }
    QString printableTestsFolder() const { return path("/printable_tests/"); }
    QString browserFolder() const { return path("/browser/"); }
    QString bkgFolder() const { return path("/bkg/"); }
    /// Without a trailing '/': skin files are skinsFolder() + '/' + name.
    QString skinsFolder() const { return path("/skins"); }
    QString mediaFolder() const { return path("/media/"); }
    QString helpFolder() const { return path("/help/"); }
    /// The help pages; a help context N is the anchor "context-N".
    QString helpFile() const { return path("/help/index.html"); }
    QString subjectsFile() const { return path("/subjects.blsub"); }

    /// The sub-folders every program folder has.
    static QStringList subFolderNames();

    /// The folder for this run: the command line's folder, else the stored "InstallPath", else the
    /// per-user data folder. Relative folders are taken from the current directory.
    static QString resolve(const QString& commandLineFolder, const QString& storedInstallPath);
    /// QStandardPaths::AppDataLocation (…/Handy_Deck/Brainlark).
    static QString userDataFolder();
    /// The shipped read-only copy: <prefix>/share/brainlark beside the installed program, else the
    /// source tree's data/ when run from a build tree; empty when neither exists.
    static QString shippedCopy();

    /// Creates the folder and its sub-folders and, unless this version seeded it already, copies every
    /// file of the shipped copy that is missing. Never overwrites; copies are made writable. False
    /// (with a one-line reason) when the folder cannot be created.
    static bool prepare(const QString& root, const QString& shippedCopy, QString* error = nullptr);
    /// The file that records which version seeded the folder.
    static QString seedMarkerName() { return QStringLiteral(".brainlark-seeded"); }

private:
    static void seed(const QString& root, const QString& shippedCopy);

    QString m_root;
};

} // namespace brainlark
