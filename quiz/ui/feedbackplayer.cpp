#include "quiz/ui/feedbackplayer.h"

#include <QPainter>

#include "core/clock.h"
#include "core/mediapath.h"
#include "quiz/engine/quizsession.h"
#include "quiz/ui/congratulation.h"
#include "quiz/ui/flashcard.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizanimator.h"
#include "quiz/ui/quizcanvas.h"
#include "quiz/ui/quizscreen.h"
#include "quiz/ui/transitioneffect.h"
#include "services/eventsounds.h"
#include "services/pauser.h"
#include "settings/appsettings.h"

namespace brainlark
{

FeedbackPlayer::FeedbackPlayer(Host& host, QuizCanvas& canvas, QuizScreen& screen, const QuizLook& look,
                               EventSounds& sounds, const AppSettings& settings, const Services& services)
    : m_host(host), m_canvas(canvas), m_screen(screen), m_look(look), m_sounds(sounds), m_settings(settings),
      m_services(services)
{
    m_animator = std::make_unique<QuizAnimator>(
        m_canvas.image(), [this] { m_host.present(); }, *services.pauser, *services.clock);
    TransitionTarget target;
    target.grabScreen = [this] { return m_canvas.image().copy(); };
    target.paintBackground = [this](QPainter& painter, const QRect& area) {
        m_canvas.paintBackground(painter, area, m_look);
    };
    target.backgroundIsPlain = [this] { return BackgroundPainter::isPlain(m_look.background); };
    target.present = [this](const QImage& frame) {
        m_canvas.image() = frame.copy();
        m_host.present();
    };
    target.setScreenState = [this](ScreenState state) { m_host.setScreenState(state); };
    target.playSound = [this] { m_sounds.playEventSound(EventSounds::Transition, true); };
    m_transition = std::make_unique<TransitionEffect>(target, *services.random, *services.pauser);
}

FeedbackPlayer::~FeedbackPlayer() = default;

void FeedbackPlayer::play(const std::vector<FeedbackStep>& steps, QuizSession& session, int hit)
{
    m_session = &session;
    m_hit = hit;
    for (const FeedbackStep& step : steps)
        run(step);
}

void FeedbackPlayer::pause(int ms)
{
    if (ms > 0)
        m_services.pauser->pause(ms);
}

void FeedbackPlayer::run(const FeedbackStep& step)
{
    using A = FeedbackStep::Action;
    switch (step.action) {
    case A::Pause:
        pause(step.ms);
        break;
    case A::PlaySound:
        m_sounds.playEventSound(static_cast<EventSounds::Event>(step.sound), step.async);
        break;
    case A::RestoreHitBox:
        restoreHitBox(true);
        break;
    case A::RedrawHitBoxRight:
        redrawHitBoxRight();
        break;
    case A::InvalidateHitBox:
        restoreHitBox(false);
        break;
    case A::RedrawCounter:
    case A::InvalidateQuestionBand:
        m_host.render();
        break;
    case A::Banner:
        runBanner();
        break;
    case A::CounterFlash:
        runCounterFlash(step);
        break;
    case A::Reverse:
        m_session->reverse(m_host.answerMode());
        break;
    case A::Transition:
        runTransition(step.ms);
        break;
    case A::ReminderCard:
        runReminderCard();
        break;
    case A::ClearMissed:
        m_session->setMissed(false);
        break;
    case A::SetMissed:
        m_session->setMissed(true);
        break;
    case A::ShowNextQuestion:
        m_host.showNextQuestion();
        break;
    case A::PlayQuestionSound:
        if (m_screen.questionHasSound())
            playPairSound(m_screen.questionSound(), false);
        break;
    case A::FocusMainFrame:
        m_host.focusMainWindow();
        break;
    case A::UpdateStatus:
        m_host.reportStatus();
        break;
    case A::ArmAutoAnswerTimer:
        m_host.armAutoAnswer();
        break;
    }
}

// The answered box stands out again (shadow depth 1); a right one also loses its feedback colour, a wrong
// one keeps it until the next click judges afresh.
void FeedbackPlayer::restoreHitBox(bool normalColours)
{
    if (TextBox* box = m_screen.hitBox(m_hit))
        box->setShadowDepth(1);
    if (normalColours)
        m_screen.setFeedback(m_hit, QuizLook::Feedback::Normal);
    m_host.render();
}

void FeedbackPlayer::redrawHitBoxRight()
{
    m_screen.setFeedback(m_hit, QuizLook::Feedback::Right);
    m_host.render();
    const TextBox* box = m_screen.hitBox(m_hit);
    for (int layer = 0; box && layer < box->shadowDepth(); ++layer)
        pause(RightLayerPauseMs);
}

void FeedbackPlayer::runBanner()
{
    const QImage base = m_canvas.image().copy();
    const Congratulation congratulation = Congratulation::make(*m_services.random);
    m_animator->banner(base, m_screen, m_look, m_host.paintState(), congratulation);
    m_host.flipAlertSide();
    m_host.render();
}

void FeedbackPlayer::runCounterFlash(const FeedbackStep& step)
{
    const QuizPainter::State state = m_host.paintState();
    const Rect counter = m_screen.counter(state.rightCount, state.alertSide, m_look).rect();
    m_animator->counterFlash(m_canvas.image().copy(), QuizPainter::toQRect(counter), step.frames, step.ms);
    m_host.render();
}

void FeedbackPlayer::runTransition(int ms)
{
    m_transition->chooseDirection(-1);
    m_transition->run(-1, m_settings.quizBackgroundColor(), ms);
    // The screen now shows the background: the next question is drawn over it.
    m_canvas.clearToBackground(m_look);
    m_host.present();
}

void FeedbackPlayer::runReminderCard()
{
    const Pair& pair = m_session->current().questionPair();
    FlashCard card(FlashCard::loadPicture(m_settings.installPath()), m_look.cardFont, m_look.cardColour,
                   m_look.cardQuestion, m_look.cardAnswer);
    card.setTexts(ListText::toQString(pair.shownQuestion()), ListText::toQString(pair.shownAnswer()));
    card.fitInto(m_canvas.image().size());
    const ScreenState previous = m_host.screenState();
    m_host.setScreenState(ScreenState::CardAnimation);
    const int direction = static_cast<int>(m_services.clock->ticksMs() % 3);
    const std::string sound = pair.soundPath(1);
    const QString path = sound.empty() ? QString()
                                       : QString::fromStdString(joinMediaPath(
                                             m_settings.installPath().toStdString(), "quiz_sounds", sound));
    m_animator->reminderCard(m_canvas.image().copy(), card, direction, [this, path] {
        if (path.isEmpty())
            pause(500);
        else
            playPairSound(QString::fromStdString(resolveCaseInsensitive(path.toStdString())), true);
    });
    m_host.setScreenState(previous);
}

void FeedbackPlayer::playPairSound(const QString& path, bool wait)
{
    if (!path.isEmpty())
        m_sounds.playPairSound(path, wait);
}

} // namespace brainlark
