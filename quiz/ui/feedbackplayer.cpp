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
#include "services/timeline.h"
#include "settings/appsettings.h"

namespace brainlark
{

FeedbackPlayer::FeedbackPlayer(Host& host, QuizCanvas& canvas, QuizScreen& screen, const QuizLook& look,
                               EventSounds& sounds, const AppSettings& settings, const Services& services)
    : m_host(host), m_canvas(canvas), m_screen(screen), m_look(look), m_sounds(sounds), m_settings(settings),
      m_services(services)
{
    m_animator = std::make_unique<QuizAnimator>(
        m_canvas.image(), [this] { m_host.present(); }, *services.clock);
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
    target.playSound = [this] { m_sounds.playEventSound(EventSounds::Transition); };
    m_transition = std::make_unique<TransitionEffect>(target, *services.random);
}

FeedbackPlayer::~FeedbackPlayer() = default;

void FeedbackPlayer::add(Timeline& timeline, const std::vector<FeedbackStep>& steps, QuizSession& session,
                         int hit)
{
    m_session = &session;
    for (const FeedbackStep& step : steps)
        add(timeline, step, hit);
}

void FeedbackPlayer::add(Timeline& t, const FeedbackStep& step, int hit)
{
    using A = FeedbackStep::Action;
    switch (step.action) {
    case A::Pause:
        t.wait(step.ms);
        break;
    case A::PlaySound:
        m_sounds.addEventSound(t, static_cast<EventSounds::Event>(step.sound), !step.async);
        break;
    case A::RestoreHitBox:
        t.call([this, hit] { restoreHitBox(hit, true); });
        break;
    case A::RedrawHitBoxRight:
        t.call([this, &t, hit] { redrawHitBoxRight(t, hit); });
        break;
    case A::InvalidateHitBox:
        t.call([this, hit] { restoreHitBox(hit, false); });
        break;
    case A::RedrawCounter:
    case A::InvalidateQuestionBand:
        t.call([this] { m_host.render(); });
        break;
    case A::Banner:
        t.call([this, &t] { runBanner(t); });
        break;
    case A::CounterFlash:
        t.call([this, &t, step] { runCounterFlash(t, step); });
        break;
    case A::Reverse:
        t.call([this] { m_session->reverse(m_host.answerMode()); });
        break;
    case A::Transition:
        t.call([this, &t, ms = step.ms] { runTransition(t, ms); });
        break;
    case A::ReminderCard:
        t.call([this, &t] { runReminderCard(t); });
        break;
    case A::ClearMissed:
        t.call([this] { m_session->setMissed(false); });
        break;
    case A::SetMissed:
        t.call([this] { m_session->setMissed(true); });
        break;
    case A::ShowNextQuestion:
        t.call([this, &t] { m_host.showNextQuestion(t); });
        break;
    case A::PlayQuestionSound:
        t.call([this] {
            if (m_screen.questionHasSound())
                m_sounds.playPairSound(m_screen.questionSound());
        });
        break;
    case A::FocusMainFrame:
        t.call([this] { m_host.focusMainWindow(); });
        break;
    case A::UpdateStatus:
        t.call([this] { m_host.reportStatus(); });
        break;
    case A::ArmAutoAnswerTimer:
        t.call([this] { m_host.armAutoAnswer(); });
        break;
    }
}

// The answered box stands out again (shadow depth 1); a right one also loses its feedback colour, a wrong
// one keeps it until the next click judges afresh.
void FeedbackPlayer::restoreHitBox(int hit, bool normalColours)
{
    if (TextBox* box = m_screen.hitBox(hit))
        box->setShadowDepth(1);
    if (normalColours)
        m_screen.setFeedback(hit, QuizLook::Feedback::Normal);
    m_host.render();
}

void FeedbackPlayer::redrawHitBoxRight(Timeline& timeline, int hit)
{
    m_screen.setFeedback(hit, QuizLook::Feedback::Right);
    m_host.render();
    const TextBox* box = m_screen.hitBox(hit);
    for (int layer = 0; box && layer < box->shadowDepth(); ++layer)
        timeline.wait(RightLayerPauseMs);
}

void FeedbackPlayer::runBanner(Timeline& timeline)
{
    const Congratulation congratulation = Congratulation::make(*m_services.random);
    m_animator->banner(timeline, m_canvas.image().copy(), m_screen, m_look, m_host.paintState(),
                       congratulation);
    timeline.call([this] {
        m_host.flipAlertSide();
        m_host.render();
    });
}

void FeedbackPlayer::runCounterFlash(Timeline& timeline, const FeedbackStep& step)
{
    const QuizPainter::State state = m_host.paintState();
    const Rect counter = m_screen.counter(state.rightCount, state.alertSide, m_look).rect();
    m_animator->counterFlash(timeline, m_canvas.image().copy(), QuizPainter::toQRect(counter), step.frames,
                             step.ms);
    timeline.call([this] { m_host.render(); });
}

void FeedbackPlayer::runTransition(Timeline& timeline, int ms)
{
    m_transition->chooseDirection(-1);
    m_transition->run(timeline, -1, m_settings.quizBackgroundColor(), ms);
    // The screen then shows the background: the next question is drawn over it.
    timeline.call([this] {
        m_canvas.clearToBackground(m_look);
        m_host.present();
    });
}

void FeedbackPlayer::runReminderCard(Timeline& timeline)
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
                                       : QString::fromStdString(resolveCaseInsensitive(joinMediaPath(
                                             m_settings.installPath().toStdString(), "quiz_sounds", sound)));
    m_animator->reminderCard(timeline, m_canvas.image().copy(), card, direction, [this, path](Timeline& t) {
        if (path.isEmpty())
            t.wait(500);
        else
            m_sounds.addPairSound(t, path, true);
    });
    timeline.call([this, previous] { m_host.setScreenState(previous); });
}

void FeedbackPlayer::addAutomaticAnswer(Timeline& timeline, const QString& answer)
{
    timeline.call([this, &timeline, answer] {
        const QRect question = QuizPainter::toQRect(m_screen.question().rect());
        const int lineHeight = QFontMetrics(m_look.answerFont).height() + 8;
        const QRect area =
            m_screen.usesBoxes()
                ? QRect(question.left(), question.bottom() + 1 - lineHeight / 2, question.width(), lineHeight)
                : QRect(20, question.bottom() + 2, m_canvas.image().width() - 40, lineHeight);
        m_animator->pulse(timeline, m_canvas.image().copy(), answer, area, m_look.answerFont);
    });
    timeline.call([this] { m_host.render(); });
}

} // namespace brainlark
