#include "app/application.h"

#include "services/desktopshellopener.h"
#include "services/qtscheduler.h"
#include "services/eventsounds.h"
#include "services/guidemessages.h"
#include "app/mainwindow.h"
#include "settings/qsettingsstore.h"
#include "services/qtprompter.h"
#include "services/qtsoundplayer.h"
#include "services/qtspeaker.h"
#include "core/clock.h"
#include "core/randomsource.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

namespace brainlark
{

struct Application::RealServices {
    SystemClock clock;
    // One generator for the whole run, seeded once.
    SeededRandom random{uint32_t(QDateTime::currentMSecsSinceEpoch()) ^ uint32_t(::getpid())};
    DesktopShellOpener shell;
    QtPrompter prompter{shell};
    QtScheduler scheduler;
    QtSoundPlayer sound;

    QtSpeaker speaker;
    Services services() { return Services{&clock, &random, &prompter, &shell, &scheduler, &sound, &speaker}; }
};

Application::Application()
    : m_real(std::make_unique<RealServices>()), m_services(m_real->services()), m_settings(*m_services.random)
{
    wireServices();
}

Application::Application(std::unique_ptr<SettingsStore> store, const Services& services)
    : m_services(services), m_store(std::move(store)), m_settings(*m_services.random)
{
    wireServices();
}

Application::~Application() = default;

void Application::wireServices()
{
    m_eventSounds = std::make_unique<EventSounds>(m_settings, *m_services.sound, *m_services.random);
    m_guideMessages = std::make_unique<GuideMessages>(m_settings, *m_services.prompter);
    // Settings and the per-user data folder are found by these names; main() may have set them.
    if (QCoreApplication::organizationName().isEmpty())
        QCoreApplication::setOrganizationName(QString::fromLatin1(kRootKey));
    const bool defaultName = !QCoreApplication::instance() ||
                             QCoreApplication::applicationName() ==
                                 QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (QCoreApplication::applicationName().isEmpty() || defaultName)
        QCoreApplication::setApplicationName(QString::fromLatin1(kTitle));
    // The desktop matches running windows to the installed menu entry (its name and icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRAINLARK_APP_ID));
}

QString Application::usageText()
{
    return QStringLiteral("Usage: brainlark [--program-folder DIR] [LIST.fly]\n"
                          "\n"
                          "Opens the Q&A-list LIST.fly, or the last list (or the study-module selector).\n"
                          "\n"
                          "  --program-folder DIR  use DIR as the program folder for this run\n"
                          "  --help                show this text\n"
                          "  --version             show the version\n");
}

QString Application::versionText()
{
    return QStringLiteral("%1 %2\n").arg(QLatin1String(kTitle), QLatin1String(kVersion));
}

std::optional<int> Application::parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("program-folder"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({folder, help, version});
    parser.addPositionalArgument(QStringLiteral("list"), QString());
    if (!parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("brainlark")} : arguments)) {
        std::fprintf(stderr, "brainlark: %s\n%s", qPrintable(parser.errorText()), qPrintable(usageText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (parser.isSet(folder) && parser.value(folder).isEmpty())) {
        std::fprintf(stderr, "brainlark: unexpected arguments\n%s", qPrintable(usageText()));
        return 2;
    }
    m_commandLineFolder = parser.value(folder);
    m_listPath = positional.isEmpty() ? QString() : QFileInfo(positional.first()).absoluteFilePath();
    return std::nullopt;
}

QString Application::lockFilePath() const
{
    QString folder = m_lockFolder;
    QString name = QString::fromLatin1(kLockName);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // The temp folder is shared between users; each user gets a lock of their own.
        folder = QDir::tempPath();
        name += QStringLiteral("-%1").arg(::getuid());
    }
    return folder + '/' + name + QStringLiteral(".lock");
}

bool Application::acquireSingleInstance()
{
    QDir().mkpath(QFileInfo(lockFilePath()).absolutePath());
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // Only a dead holder makes a lock stale, never its age: a long study session stays the one.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    m_secondInstance = true;
    m_services.prompter->message(
        QCoreApplication::translate("brainlark::Application",
                                    "Another instance of this application already running!"),
        Prompter::Icon::Stop);
    return false;
}

bool Application::initialize()
{
    if (!acquireSingleInstance())
        return false;
    if (!prepareProgramFolder())
        return false;
    loadSettings();
    return true;
}

QString Application::storedUiLanguage()
{
    return openStore().readString(QStringLiteral("ui language"), QString());
}

SettingsStore& Application::openStore()
{
    if (!m_store)
        m_store = std::make_unique<QSettingsStore>();
    return *m_store;
}

bool Application::prepareProgramFolder()
{
    const QString stored = openStore().readString(QStringLiteral("InstallPath"), QString());
    const QString root = ProgramFolder::resolve(m_commandLineFolder, stored);
    QString error;
    if (!ProgramFolder::prepare(root, ProgramFolder::shippedCopy(), &error)) {
        m_services.prompter->message(error, Prompter::Icon::Stop);
        return false;
    }
    m_programFolder = ProgramFolder(root);
    m_settings.setInstallPath(m_programFolder.root());
    if (m_real)
        m_real->prompter.setProgramFolder(m_programFolder.root());
    return true;
}

void Application::loadSettings()
{
    m_settings.load(openStore());
    m_settingsLoaded = true;
}

void Application::saveSettings()
{
    m_settings.save(openStore());
}

int Application::shutdown()
{
    // Only what was loaded goes back: a start that failed half-way must not overwrite the learner's
    // settings with defaults.
    if (!m_secondInstance && m_settingsLoaded)
        saveSettings();
    m_lock.reset();
    return 0;
}

void Application::setMainWindow(QWidget* window)
{
    if (!m_real)
        return;
    m_real->prompter.setParentWindow(window);
    // The Help buttons of the guide dialogs show the program's own help window.
    if (auto* frame = qobject_cast<MainWindow*>(window))
        m_real->prompter.setHelpOpener([frame = QPointer<MainWindow>(frame)](int context) {
            if (frame)
                frame->openHelp(context);
        });
}

} // namespace brainlark
