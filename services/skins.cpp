#include "services/skins.h"

#include "core/filereader.h"

#include "settings/appsettings.h"
#include "settings/skinpalette.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

namespace brainlark
{

Skins::Skins(AppSettings& settings, const QString& skinsFolder, QObject* parent)
    : QObject(parent), m_settings(settings), m_folder(skinsFolder)
{
}

bool Skins::skinActive() const
{
    return !m_settings.skinName().isEmpty();
}

void Skins::applySkin(const QString& name)
{
    if (name.isEmpty()) {
        m_settings.setSkinName(name);
        return;
    }
    // Only the name counts: a skin chosen in another folder is looked for in the skins folder, and a
    // stored name that climbs out of it is no skin of ours.
    QString sheet;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        !load(m_folder + QLatin1Char('/') + name, sheet))
        return;
    m_settings.setSkinName(name);
    m_sheet = sheet;
    m_settings.setSkinIndex(SkinPalette::indexForSkin(name));
    emit paletteChanged();
    for (const QPointer<QWidget>& window : m_windows) {
        if (window) {
            applyTo(window);
            window->update();
        }
    }
}

void Skins::skinsOff()
{
    m_settings.setSkinIndex(0);
    m_settings.setSkinName(QString());
    emit paletteChanged();
    for (const QPointer<QWidget>& window : m_windows) {
        if (window)
            window->setStyleSheet(QString());
    }
}

void Skins::skinWindow(QWidget* window)
{
    if (!window)
        return;
    m_windows.removeAll(QPointer<QWidget>());
    if (!m_windows.contains(window))
        m_windows.append(window);
    if (skinActive())
        applyTo(window);
}

bool Skins::load(const QString& path, QString& sheet)
{
    std::string bytes;
    // The size is checked before anything is read: a huge file named like a skin costs nothing.
    if (!FileReader::read(QFile::encodeName(path).toStdString(), bytes, nullptr, size_t(MaxSkinFileBytes)))
        return false;
    sheet = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return copyPictures(sheet);
}

bool Skins::copyPictures(QString& sheet)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(["']?)([^"')]*)\1\s*\))"),
                                        QRegularExpression::CaseInsensitiveOption);
    // Qt also reads a picture named in ways this scan does not take apart: "url" spelt with escapes
    // (u\72l(...)) or a quoted name holding the other quote. Text between the pictures taken here may
    // therefore hold neither a backslash nor another "url(": such a skin is refused.
    const auto plain = [](QStringView text) {
        return !text.contains(QLatin1Char('\\')) &&
               !text.contains(QLatin1String("url("), Qt::CaseInsensitive);
    };
    QString result;
    qsizetype done = 0;
    int pictures = 0;
    QRegularExpressionMatchIterator it = url.globalMatch(sheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString named = match.captured(2).trimmed();
        const QStringView between = QStringView(sheet).mid(done, match.capturedStart() - done);
        if (!plain(between))
            return false;
        result += between;
        done = match.capturedEnd();
        // Pictures built into the program are not files.
        if (named.startsWith(QLatin1Char(':')) ||
            named.startsWith(QLatin1String("qrc:"), Qt::CaseInsensitive)) {
            result += match.captured(0);
            continue;
        }
        if (++pictures > MaxSkinImages)
            return false;
        const QString path = QDir(m_folder).absoluteFilePath(named);
        std::string bytes;
        if (named.isEmpty() || !FileReader::read(QFile::encodeName(path).toStdString(), bytes, nullptr,
                                                 size_t(MaxSkinImageBytes)))
            return false;
        if (!m_pictureCopies) {
            m_pictureCopies = std::make_unique<QTemporaryDir>();
            if (!m_pictureCopies->isValid()) {
                m_pictureCopies.reset();
                return false;
            }
        }
        // Named by their contents, so applying the same skin again makes no new files.
        const QByteArray data = QByteArray::fromStdString(bytes);
        const QString copy = m_pictureCopies->filePath(
            QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex()) +
            QStringLiteral(".") + QFileInfo(named).suffix().left(8));
        if (!QFileInfo::exists(copy)) {
            QFile out(copy);
            if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size())
                return false;
        }
        result += QStringLiteral("url(\"%1\")").arg(copy);
    }
    if (!plain(QStringView(sheet).mid(done)))
        return false;
    result += sheet.mid(done);
    sheet = result;
    return true;
}

void Skins::applyTo(QWidget* window) const
{
    window->setStyleSheet(m_sheet);
}

} // namespace brainlark
