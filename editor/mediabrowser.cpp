#include "editor/mediabrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/mediapath.h"
#include "services/prompter.h"

namespace brainlark
{

namespace
{

// The question sound, the answer sound (shared with the wrong answers' sound) and the picture.
QString g_remembered[3];

QString& remembered(MediaBrowser::Side side)
{
    switch (side) {
    case MediaBrowser::Side::QuestionSound:
        return g_remembered[0];
    case MediaBrowser::Side::AnswerSound:
        return g_remembered[1];
    case MediaBrowser::Side::Picture:
        break;
    }
    return g_remembered[2];
}

QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

} // namespace

MediaBrowser::MediaBrowser(Side side, QString folder, Prompter& prompter)
    : m_side(side), m_folder(std::move(folder)), m_prompter(prompter)
{
}

QString MediaBrowser::startFolder() const
{
    const QString& last = remembered(m_side);
    return last.isEmpty() ? m_folder : last;
}

std::optional<QString> MediaBrowser::browse()
{
    const QString start = startFolder();
    const bool picture = m_side == Side::Picture;
    const QString chosen = m_prompter.openFileName(
        picture ? QCoreApplication::translate("brainlark::MediaBrowser", "Picture")
                : QCoreApplication::translate("brainlark::MediaBrowser", "Sound"),
        start, QCoreApplication::translate("brainlark::MediaBrowser", picture ? PictureFilter : SoundFilter));
    if (chosen.isEmpty())
        return std::nullopt;
    return accept(chosen, start);
}

std::optional<QString> MediaBrowser::accept(const QString& chosen, const QString& start)
{
    const std::optional<QString> relative = relativePath(m_folder, chosen);
    if (!relative) {
        m_prompter.message(QCoreApplication::translate("brainlark::MediaBrowser", m_side == Side::Picture
                                                                                      ? PictureRefusal
                                                                                      : SoundRefusal) +
                               start,
                           Prompter::Icon::Exclamation, Prompter::Buttons::Ok);
        return std::nullopt;
    }
    const int slash = relative->lastIndexOf(QLatin1Char('\\'));
    remembered(m_side) = slash < 0 ? m_folder : filePath(m_folder, relative->left(slash));
    return relative;
}

std::optional<QString> MediaBrowser::relativePath(const QString& folder, const QString& file)
{
    if (folder.isEmpty() || file.isEmpty())
        return std::nullopt;
    const QString base = canonical(folder);
    const QString target = canonical(file);
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    if (!target.startsWith(prefix) || target.size() == prefix.size())
        return std::nullopt;
    QString relative = target.mid(prefix.size());
    relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return relative;
}

QString MediaBrowser::filePath(const QString& folder, const QString& stored)
{
    QString relative = stored;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString joined = QDir(folder).filePath(relative);
    return QFile::decodeName(resolveCaseInsensitive(QFile::encodeName(joined).toStdString()).c_str());
}

void MediaBrowser::forgetFolders()
{
    for (QString& folder : g_remembered)
        folder.clear();
}

QString MediaBrowser::rememberedFolder(Side side)
{
    return remembered(side);
}

} // namespace brainlark
