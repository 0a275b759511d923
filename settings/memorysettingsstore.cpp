#include "settings/memorysettingsstore.h"

namespace brainlark
{

int MemorySettingsStore::readInt(const QString& key, int defaultValue) const
{
    m_readKeys.append(key);
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return defaultValue;
    bool ok = false;
    const int value = it->toInt(&ok);
    return ok ? value : defaultValue;
}

QString MemorySettingsStore::readString(const QString& key, const QString& defaultValue) const
{
    m_readKeys.append(key);
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? defaultValue : it->toString();
}

void MemorySettingsStore::writeInt(const QString& key, int value)
{
    m_writtenKeys.append(key);
    m_values.insert(key, value);
}

void MemorySettingsStore::writeString(const QString& key, const QString& value)
{
    m_writtenKeys.append(key);
    m_values.insert(key, value);
}

bool MemorySettingsStore::contains(const QString& key) const
{
    return m_values.contains(key);
}

void MemorySettingsStore::clearLog()
{
    m_writtenKeys.clear();
    m_readKeys.clear();
}

} // namespace brainlark
