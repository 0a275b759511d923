#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/clock.h"
#include "services/services.h"
#include "settings/appsettings.h"
#include "support/fakes.h"

namespace brainlark::testing
{

/// The main window over its document in a temporary program folder, every service a test double. Test
/// classes derive from it: init() calls resetSettings(), changes what it needs, then makeFrame();
/// cleanup() calls dropFrame().
class FrameFixture : public QObject
{
    Q_OBJECT

protected:
    QTemporaryDir m_dir;
    ManualClock m_clock;
    ScriptedRandom m_random;
    RecordingPrompter m_prompter;
    RecordingShellOpener m_shell;
    VirtualScheduler m_scheduler;
    RecordingSoundPlayer m_sound;
    RecordingSpeaker m_speaker;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<ListDocument> m_doc;
    std::unique_ptr<MainWindow> m_frame;

    Services services()
    {
        return Services{&m_clock, &m_random, &m_prompter, &m_shell, &m_scheduler, &m_sound, &m_speaker};
    }
    /// Fresh recorders and default settings whose program folder is the temporary one, with these
    /// subfolders made in it.
    void resetSettings(std::initializer_list<const char*> folders = {});
    /// A document over the settings, its quiz hidden unless asked for.
    void makeDocument(bool quizShown = false);
    /// A document and its main window over the settings.
    void makeFrame(bool quizShown = false);
    /// The window goes before the document, as at the end of the program.
    void dropFrame();
};

} // namespace brainlark::testing
