#pragma once

#include "settings/settingsstore.h"

#include <QMap>
#include <QStringList>
#include <QVariant>

namespace brainlark
{

/// A settings store held in memory. It keeps the order of the writes and reads, so tests can check
/// what was written, in which order, and that nothing was touched at all.
class MemorySettingsStore : public SettingsStore
{
public:
    int readInt(const QString& key, int defaultValue) const override;
    QString readString(const QString& key, const QString& defaultValue) const override;
    void writeInt(const QString& key, int value) override;
    void writeString(const QString& key, const QString& value) override;
    bool contains(const QString& key) const override;

    /// Raw access for tests: a value of any type, as a hand-edited store could hold it.
    void setRaw(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    QVariant raw(const QString& key) const { return m_values.value(key); }
    int size() const { return m_values.size(); }

    const QStringList& writtenKeys() const { return m_writtenKeys; }
    const QStringList& readKeys() const { return m_readKeys; }
    void clearLog();

private:
    QMap<QString, QVariant> m_values;
    QStringList m_writtenKeys;
    mutable QStringList m_readKeys;
};

} // namespace brainlark
