#pragma once

#include "quiz/engine/inputrules.h"
#include "quiz/ui/screenstate.h"

namespace brainlark
{

class QuizAnimator;
class QuizCanvas;
class QuizLook;
class Timeline;
class TransitionEffect;

/// The quiz screen as the matching board and the slideshow see it: where they paint and how it is shown,
/// and the screen's one timeline with how it is played.
class QuizStage
{
public:
    virtual ~QuizStage() = default;
    virtual QuizCanvas& canvas() = 0;
    virtual const QuizLook& look() const = 0;
    /// Puts the canvas on the screen.
    virtual void present() = 0;
    virtual void setScreenState(ScreenState state) = 0;
    /// The screen's animations and transitions.
    virtual QuizAnimator& animator() = 0;
    virtual TransitionEffect& transition() = 0;
    /// play() starts the timeline (or lets it go on) with the activity that says what input means
    /// meanwhile; cancelPlayback() drops it without a word.
    virtual Timeline& timeline() = 0;
    virtual void play(Activity activity) = 0;
    virtual void cancelPlayback() = 0;
};

} // namespace brainlark
