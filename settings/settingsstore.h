#pragma once

#include <QString>

namespace brainlark
{

/// The per-user key/value store behind the settings: signed 32-bit integers and texts, all in the one
/// section "Version 4.0". A missing or unreadable value yields the caller's default.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(const QString& key, int defaultValue) const = 0;
    virtual QString readString(const QString& key, const QString& defaultValue) const = 0;
    virtual void writeInt(const QString& key, int value) = 0;
    virtual void writeString(const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& key) const = 0;
    /// Pushes pending writes to permanent storage; the in-memory store has nothing to do.
    virtual void sync() {}
};

} // namespace brainlark
