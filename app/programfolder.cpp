#include "app/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace brainlark
{

namespace
{

const char* const kSeedVersion = "4.0";

QString cleaned(const QString& folder)
{
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (QDir::isRelativePath(path))
        path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return path;
}

bool alreadySeeded(const QString& root)
{
    QFile marker(root + '/' + ProgramFolder::seedMarkerName());
    if (!marker.open(QIODevice::ReadOnly))
        return false;
    return marker.readAll().trimmed() == kSeedVersion;
}

void copyMissing(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        return;
    QDir().mkpath(QFileInfo(to).absolutePath());
    if (QFile::copy(from, to)) {
        // The shipped copy is read-only when installed; the learner's copy must not be.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

ProgramFolder::ProgramFolder(const QString& root) : m_root(root)
{
    while (m_root.size() > 1 && m_root.endsWith('/'))
        m_root.chop(1);
}

QString ProgramFolder::path(const QString& tail) const
{
    // An empty root keeps the old rule: every path starts at the root folder.
    return (m_root == QLatin1String("/") ? QString() : m_root) + tail;
}

QStringList ProgramFolder::subFolderNames()
{
    return {"data",    "text", "quiz_sounds", "quiz_pictures", "export_text", "palm", "printable_tests",
            "browser", "bkg",  "skins",       "media",         "help"};
}

QString ProgramFolder::resolve(const QString& commandLineFolder, const QString& storedInstallPath)
{
    if (!commandLineFolder.isEmpty())
        return cleaned(commandLineFolder);
    if (!storedInstallPath.isEmpty())
        return cleaned(storedInstallPath);
    return cleaned(userDataFolder());
}

QString ProgramFolder::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ProgramFolder::shippedCopy()
{
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/brainlark"));
    if (QFileInfo(installed).isDir())
        return installed;
#ifdef BRAINLARK_SOURCE_DATA_DIR
    const QString source = QStringLiteral(BRAINLARK_SOURCE_DATA_DIR);
    if (QFileInfo(source).isDir())
        return QDir::cleanPath(source);
#endif
    return QString();
}

bool ProgramFolder::prepare(const QString& root, const QString& shippedCopy, QString* error)
{
    QDir dir(root);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error)
            *error = QCoreApplication::translate("brainlark::ProgramFolder",
                                                 "Could not create the program folder %1")
                         .arg(root);
        return false;
    }
    for (const QString& name : subFolderNames())
        dir.mkpath(name);
    if (!shippedCopy.isEmpty() && QFileInfo(shippedCopy).isDir() && !alreadySeeded(root))
        seed(root, shippedCopy);
    return true;
}

void ProgramFolder::seed(const QString& root, const QString& shippedCopy)
{
    const QDir source(shippedCopy);
    QDirIterator it(shippedCopy, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        copyMissing(from, root + '/' + source.relativeFilePath(from));
    }
    // The marker keeps files that the learner deleted from coming back on every start; a new
    // version seeds again and brings only its new files.
    QFile marker(root + '/' + seedMarkerName());
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.write(QByteArray(kSeedVersion) + '\n');
}

} // namespace brainlark
