#pragma once

#include <QRect>
#include <memory>
#include <vector>

#include "quiz/engine/feedbackstep.h"
#include "quiz/engine/quiztypes.h"
#include "quiz/ui/quizpainter.h"
#include "quiz/ui/screenstate.h"
#include "services/services.h"

namespace brainlark
{

class AppSettings;
class EventSounds;
class QuizAnimator;
class QuizCanvas;
class QuizLook;
class QuizScreen;
class QuizSession;
class Timeline;
class TransitionEffect;

/// Turns what follows a judged answer on the quiz screen into a timeline, step by step as FeedbackPlan lists
/// it: event sounds and pauses, the colours of the answered box, the Smart Counter's banner and flash, the
/// transition, the reminder card and the change to the next question. It also owns the animations the
/// quiz view runs itself (the new question's entry, the automatic answer's pulse).
class FeedbackPlayer
{
public:
    /// What the player leaves to the quiz view.
    class Host
    {
    public:
        virtual ~Host() = default;
        /// Paints the screen as it is now into the canvas and puts it on the screen.
        virtual void render() = 0;
        /// Puts the canvas on the screen as it is.
        virtual void present() = 0;
        virtual QuizPainter::State paintState() const = 0;
        virtual AnswerMode answerMode() const = 0;
        /// Builds the next question and adds its entry to the timeline.
        virtual void showNextQuestion(Timeline& timeline) = 0;
        virtual void armAutoAnswer() = 0;
        /// The score and the list's statistics changed.
        virtual void reportStatus() = 0;
        virtual void focusMainWindow() = 0;
        /// The Smart Counter moves to the other side after its banner.
        virtual void flipAlertSide() = 0;
        virtual ScreenState screenState() const = 0;
        virtual void setScreenState(ScreenState state) = 0;
    };

    static constexpr int RightLayerPauseMs = 35;

    FeedbackPlayer(Host& host, QuizCanvas& canvas, QuizScreen& screen, const QuizLook& look,
                   EventSounds& sounds, const AppSettings& settings, const Services& services);
    ~FeedbackPlayer();
    FeedbackPlayer(const FeedbackPlayer&) = delete;
    FeedbackPlayer& operator=(const FeedbackPlayer&) = delete;

    /// Adds the steps to the timeline. hit is the answered box or button (−1: none).
    void add(Timeline& timeline, const std::vector<FeedbackStep>& steps, QuizSession& session, int hit);

    /// Adds the automatic answer: the answer shows under the question in a grey-to-white pulse, then the
    /// question as it was; nothing is judged.
    void addAutomaticAnswer(Timeline& timeline, const QString& answer);

    QuizAnimator& animator() { return *m_animator; }
    TransitionEffect& transition() { return *m_transition; }

private:
    void add(Timeline& timeline, const FeedbackStep& step, int hit);
    void restoreHitBox(int hit, bool normalColours);
    void redrawHitBoxRight(Timeline& timeline, int hit);
    void runBanner(Timeline& timeline);
    void runCounterFlash(Timeline& timeline, const FeedbackStep& step);
    void runTransition(Timeline& timeline, int ms);
    void runReminderCard(Timeline& timeline);

    Host& m_host;
    QuizCanvas& m_canvas;
    QuizScreen& m_screen;
    const QuizLook& m_look;
    EventSounds& m_sounds;
    const AppSettings& m_settings;
    Services m_services;
    std::unique_ptr<QuizAnimator> m_animator;
    std::unique_ptr<TransitionEffect> m_transition;
    QuizSession* m_session = nullptr;
};

} // namespace brainlark
