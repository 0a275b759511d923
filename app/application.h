#pragma once

#include "settings/appsettings.h"
#include "app/programfolder.h"
#include "services/services.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QLockFile;
class QWidget;

namespace brainlark
{

class EventSounds;
class GuideMessages;
class QtPrompter;
class SettingsStore;

/// The application object: refuses a second running instance, finds the program folder, owns the
/// settings for the whole run and the services that reach the outside world, and writes the settings
/// back at exit. main() drives it:
///
///     if (auto code = app.parseCommandLine(qApp->arguments())) return *code;
///     if (!app.initialize()) return 1;
///     … create and show the main window …
///     qApp->exec(); return app.shutdown();
class Application
{
public:
    static constexpr const char* kLockName = "cardloom-mfc-cool-application-uniquie-id";
    static constexpr const char* kRootKey = "Handy_Deck";
    static constexpr const char* kTitle = "Brainlark";
    static constexpr const char* kSection = "Version 4.0";
    static constexpr const char* kVersion = "4.0";

    /// The running program: the native settings store (opened only once this is the one instance) and
    /// the real services.
    Application();
    /// Tests: their own store and services (every member of services non-null; they stay the caller's).
    Application(std::unique_ptr<SettingsStore> store, const Services& services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    /// Reads "--program-folder DIR", "--help", "--version" and an optional list path (arguments[0] is
    /// the program). Returns the exit code when the program should end now (help and version print and
    /// give 0, a bad command line prints the reason and gives 2); nullopt to go on.
    std::optional<int> parseCommandLine(const QStringList& arguments);
    QString commandLineListPath() const { return m_listPath; }
    QString commandLineProgramFolder() const { return m_commandLineFolder; }
    static QString usageText();
    static QString versionText();

    /// Where the single-instance lock lives (default: the runtime folder, else the temp folder).
    void setLockFolder(const QString& folder) { m_lockFolder = folder; }
    QString lockFilePath() const;
    /// Takes the single-instance lock; when another instance holds it, shows "Another instance of
    /// this application already running!" with the stop icon, sets the second-instance flag and
    /// returns false.
    bool acquireSingleInstance();
    bool isSecondInstance() const { return m_secondInstance; }

    /// Start-up: the single instance, the program folder (created and seeded when needed) and the
    /// settings. False ends the program.
    bool initialize();
    /// The language chosen for the program's texts as stored (empty: the system's), readable before
    /// initialize() so that its first messages are already translated.
    QString storedUiLanguage();
    /// Exit: saves the settings unless this is a second instance or they were never loaded; releases
    /// the lock. Returns the exit code.
    int shutdown();

    void loadSettings();
    void saveSettings();

    /// The main window, once it exists, is the parent of the message boxes.
    void setMainWindow(QWidget* window);

    AppSettings& settings() { return m_settings; }
    const AppSettings& settings() const { return m_settings; }
    const Services& services() const { return m_services; }
    /// Null before initialize() in the running program.
    SettingsStore* store() { return m_store.get(); }
    const ProgramFolder& programFolder() const { return m_programFolder; }
    EventSounds& eventSounds() { return *m_eventSounds; }
    GuideMessages& guideMessages() { return *m_guideMessages; }

private:
    struct RealServices;

    void wireServices();
    bool prepareProgramFolder();
    SettingsStore& openStore();

    std::unique_ptr<RealServices> m_real;
    Services m_services;
    std::unique_ptr<SettingsStore> m_store;
    AppSettings m_settings;
    ProgramFolder m_programFolder;
    std::unique_ptr<EventSounds> m_eventSounds;
    std::unique_ptr<GuideMessages> m_guideMessages;
    std::unique_ptr<QLockFile> m_lock;
    QString m_lockFolder;
    QString m_commandLineFolder;
    QString m_listPath;
    bool m_secondInstance = false;
    bool m_settingsLoaded = false;
};

} // namespace brainlark
