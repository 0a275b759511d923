#pragma once

#include <QString>

#include "services/speechlanguage.h"
#include <cstdint>
#include <functional>

class QDialog;

namespace brainlark
{

class AppSettings;
class Clock;
class Prompter;
class SoundPlayer;

/// What the editor's view and dialogs need from the rest of the program: the settings (guide messages,
/// skin), the prompter, the sound player, the clock for the save stamp, the program folder and the way
/// modal dialogs are run (tests fill them in without a screen).
struct EditorContext {
    AppSettings* settings = nullptr;
    Prompter* prompter = nullptr;
    SoundPlayer* sound = nullptr;
    Clock* clock = nullptr;
    QString programFolder;
    std::function<int(QDialog&)> runDialog;
    /// Called before a save replaces an existing list file (the program keeps a backup); false cancels the
    /// save. Without one, saves go ahead.
    std::function<bool(const QString& path)> beforeReplacing;
    /// Where the lists' read-aloud languages are kept (unset: the Notes and Subject dialog still offers
    /// them, guessed from the texts, but nothing is kept).
    LanguageStore languages;

    QString soundFolder() const { return programFolder + QStringLiteral("/quiz_sounds"); }
    QString pictureFolder() const { return programFolder + QStringLiteral("/quiz_pictures"); }
    QString dataFolder() const { return programFolder + QStringLiteral("/data"); }
    /// Runs a modal dialog through runDialog, or exec() without one.
    int run(QDialog& dialog) const;
    /// Shows the guide message of a "dialog flags" bit (GuideMessages::show).
    int guide(uint32_t bit) const;
};

} // namespace brainlark
