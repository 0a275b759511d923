#pragma once

#include "options/optionsvalues.h"

#include <QString>
#include <functional>

namespace brainlark
{

class AppSettings;

/// Writes the options sheet's values into the settings when the learner presses OK, in a fixed order,
/// and says what the quiz screen has to do about it.
class OptionsApplier
{
public:
    /// What the quiz screen needs after the change.
    struct Outcome {
        bool redraw = false;      ///< lay the screen out again
        bool newQuestion = false; ///< start a new question
    };
    /// The parts of the program the change reaches beyond the settings.
    struct Hooks {
        /// The answer-selection check on the open list after fun flags bit 0x80000 changed; returns
        /// whether a new question is needed.
        std::function<bool()> checkAnswerSelection;
        /// Makes the picture the background; reports an unusable file itself and keeps the old one.
        std::function<void(const QString& path)> setBackgroundPicture;
    };

    OptionsApplier(AppSettings& settings, Hooks hooks);

    Outcome apply(const OptionsValues& values);

private:
    void applyGeneral(const OptionsValues& v, Outcome& outcome);
    void applyVisual(const OptionsValues& v, Outcome& outcome);
    void applyMatching(const OptionsValues& v, Outcome& outcome);
    void applyAdvanced(const OptionsValues& v);
    void applyLayout(const OptionsValues& v, Outcome& outcome);
    void applyTypein(const OptionsValues& v, Outcome& outcome);
    /// Sets a fun flags bit; true when it changed.
    bool changeFunFlag(uint32_t mask, bool on);
    bool changeFunFlag2(uint32_t mask, bool on);

    AppSettings& m_settings;
    Hooks m_hooks;
};

} // namespace brainlark
