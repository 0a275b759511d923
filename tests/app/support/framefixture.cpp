#include "support/framefixture.h"

#include <QDir>

namespace brainlark::testing
{

void FrameFixture::resetSettings(std::initializer_list<const char*> folders)
{
    for (const char* folder : folders)
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    m_prompter = RecordingPrompter();
    m_shell = RecordingShellOpener();
    m_sound = RecordingSoundPlayer();
    m_speaker = RecordingSpeaker();
    m_settings = std::make_unique<AppSettings>(m_random);
    m_settings->setInstallPath(m_dir.path());
    m_settings->resetToDefaults();
}

void FrameFixture::makeDocument(bool quizShown)
{
    m_doc = std::make_unique<ListDocument>(*m_settings, services());
    m_doc->setQuizShown(quizShown);
}

void FrameFixture::makeFrame(bool quizShown)
{
    makeDocument(quizShown);
    m_frame = std::make_unique<MainWindow>(*m_doc, *m_settings, services());
}

void FrameFixture::dropFrame()
{
    m_frame.reset();
    m_doc.reset();
}

} // namespace brainlark::testing
