#include "settings/qsettingsstore.h"

#include <cstdint>

namespace brainlark
{

namespace
{
const char* const kGroup = "Version 4.0";
}

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, "Handy_Deck", "Brainlark")
{
    m_settings.beginGroup(kGroup);
}

QSettingsStore::QSettingsStore(const QString& iniPath) : m_settings(iniPath, QSettings::IniFormat)
{
    m_settings.beginGroup(kGroup);
}

int QSettingsStore::readInt(const QString& key, int defaultValue) const
{
    const QVariant value = m_settings.value(key);
    if (!value.isValid())
        return defaultValue;
    // Hand-edited files may hold bit words as unsigned numbers ("4294967295"); keep their 32 bits.
    bool ok = false;
    const qlonglong wide = value.toString().trimmed().toLongLong(&ok);
    if (!ok || wide < INT32_MIN || wide > UINT32_MAX)
        return defaultValue;
    return static_cast<int32_t>(static_cast<uint32_t>(wide));
}

QString QSettingsStore::readString(const QString& key, const QString& defaultValue) const
{
    const QVariant value = m_settings.value(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

void QSettingsStore::writeInt(const QString& key, int value)
{
    m_settings.setValue(key, value);
}

void QSettingsStore::writeString(const QString& key, const QString& value)
{
    m_settings.setValue(key, value);
}

bool QSettingsStore::contains(const QString& key) const
{
    return m_settings.contains(key);
}

void QSettingsStore::sync()
{
    m_settings.sync();
}

} // namespace brainlark
