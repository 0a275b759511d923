#include "services/skins.h"

#include "core/filereader.h"

#include "settings/appsettings.h"
#include "settings/skinpalette.h"

#include <QFile>
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
    m_settings.setSkinName(name);
    // Only the name counts: a skin chosen in another folder is looked for in the skins folder, and a
    // stored name that climbs out of it is no skin of ours.
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')))
        load(m_folder + QLatin1Char('/') + name);
    if (name.isEmpty())
        return;
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

bool Skins::load(const QString& path)
{
    std::string bytes;
    if (!FileReader::read(QFile::encodeName(path).toStdString(), bytes, nullptr) ||
        bytes.size() > size_t(MaxSkinFileBytes))
        return false;
    m_sheet = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return true;
}

void Skins::applyTo(QWidget* window) const
{
    window->setStyleSheet(m_sheet);
}

} // namespace brainlark
