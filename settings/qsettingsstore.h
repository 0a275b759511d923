#pragma once

#include "settings/settingsstore.h"

#include <QSettings>

namespace brainlark
{

/// The settings store of the running program: QSettings in the native format, user scope, organisation
/// "Handy_Deck", application "Brainlark", group "Version 4.0" (on Linux
/// $XDG_CONFIG_HOME/Handy_Deck/Brainlark.conf).
class QSettingsStore : public SettingsStore
{
public:
    QSettingsStore();
    /// A store in an explicit INI file, for tools and tests that must not touch the learner's settings.
    explicit QSettingsStore(const QString& iniPath);

    int readInt(const QString& key, int defaultValue) const override;
    QString readString(const QString& key, const QString& defaultValue) const override;
    void writeInt(const QString& key, int value) override;
    void writeString(const QString& key, const QString& value) override;
    bool contains(const QString& key) const override;
    void sync() override;

    QString fileName() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};

} // namespace brainlark
