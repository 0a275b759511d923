#include "quiz/ui/slideshow.h"

#include <QPainter>

#include "core/mediapath.h"
#include "core/pairlist.h"
#include "quiz/ui/flashcard.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizanimator.h"
#include "quiz/ui/quizcanvas.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/slideshowtitle.h"
#include "quiz/ui/transitioneffect.h"
#include "services/eventsounds.h"
#include "services/guidemessages.h"
#include "services/timeline.h"
#include "settings/appsettings.h"

namespace brainlark
{

namespace
{

const QColor kOpeningColour(0, 128, 0);
constexpr int kCardMargin = 10;

} // namespace

Slideshow::Slideshow(Host& host, AppSettings& settings, const Services& services, EventSounds& sounds,
                     GuideMessages& guides)
    : m_host(host), m_settings(settings), m_services(services), m_sounds(sounds), m_guides(guides)
{
    connect(&m_timer, &QTimer::timeout, this, &Slideshow::tick);
}

Slideshow::~Slideshow() = default;

void Slideshow::setList(PairList* list)
{
    if (m_running)
        finish(false);
    m_list = list;
}

void Slideshow::start()
{
    if (m_running || !m_list || m_list->count() == 0)
        return;
    m_plan = SlideshowPlan(m_settings.slideshowDelay());
    m_guides.show(GuideMessages::SlideshowStart);
    m_running = true;
    m_position = -1;
    m_current = -1;
    m_phase = Phase::Left;
    m_host.slideshowStateChanged();
    Timeline& timeline = m_host.timeline();
    m_host.transition().chooseDirection(-1);
    m_host.transition().run(timeline, -1, kOpeningColour, SlideshowPlan::OpeningTransitionMs);
    if (m_settings.funFlag(funflags::kSlideShowTitle)) {
        timeline.call([this, &timeline] {
            SlideshowTitle::add(timeline, m_host, m_settings.palette(), m_host.listTitle());
        });
        timeline.wait(SlideshowPlan::AfterTitlePauseMs);
    }
    timeline.call([this] { cardsBegin(); });
    if (m_plan.isManual())
        timeline.wait(SlideshowPlan::BeforeFirstCardMs);
    timeline.call([this] {
        if (!m_plan.isManual())
            return;
        if (nextCard())
            showCard(false);
        else
            m_host.timeline().call([this] { finish(true); });
    });
    m_host.play(Activity::ShowOpening);
}

void Slideshow::cardsBegin()
{
    m_stage = m_host.canvas().image().copy();
    m_order = SlideshowPlan::order(m_list->count(), m_settings.funFlag(funflags::kSlideRandomOrder),
                                   *m_services.random);
    m_host.setScreenState(ScreenState::Slideshow);
    m_host.slideshowStateChanged();
    if (!m_plan.isManual())
        m_timer.start(m_plan.timerPeriodMs());
}

bool Slideshow::nextCard()
{
    ++m_position;
    if (!m_list || m_position >= static_cast<int>(m_order.size()))
        return false;
    m_current = m_order[static_cast<size_t>(m_position)];
    if (m_current >= m_list->count())
        return false; // the list shrank under the show
    m_pair = m_list->pairs()[static_cast<size_t>(m_current)];
    return true;
}

void Slideshow::tick()
{
    if (!m_running || m_plan.isManual() || !m_host.isActiveView())
        return;
    // A period that ends while a card is still on its way is remembered, as a window timer's message
    // would wait in the queue: the next card then follows as soon as this one is done.
    if (m_inCard) {
        m_tickPending = true;
        return;
    }
    m_tickPending = false;
    if (!nextCard()) {
        finish(true);
        return;
    }
    showCard(true);
}

void Slideshow::advance()
{
    if (!m_running || !m_plan.isManual() || m_phase != Phase::Shown || m_inCard)
        return;
    m_inCard = true;
    m_advancePending = true;
    addSteps(m_host.timeline(),
             SlideshowPlan::manualExit(AppFlags(m_settings.funFlags(), m_settings.funFlags2())), false);
    m_host.timeline().call([this] { cardDone(); });
    m_host.play(Activity::ShowCard);
}

bool Slideshow::key(int key)
{
    if (!m_running)
        return false;
    if (key == Qt::Key_Escape)
        stop();
    else if (key == Qt::Key_Space || key == Qt::Key_Right)
        advance();
    return true; // the quiz's own keys rest while the show runs
}

void Slideshow::showCard(bool automatic)
{
    SlideshowPlan::CardInput input;
    input.flags = AppFlags(m_settings.funFlags(), m_settings.funFlags2());
    input.hasAnswerSound = !m_pair.soundPath(2).empty();
    m_inCard = true;
    Timeline& timeline = m_host.timeline();
    addSteps(timeline, automatic ? m_plan.automaticCard(input) : m_plan.manualCard(input), automatic);
    timeline.call([this] { cardDone(); });
    m_host.play(Activity::ShowCard);
}

// A card has come (or, in a manual show, gone): a remembered tick or advance moves on, the end ends.
void Slideshow::cardDone()
{
    m_inCard = false;
    if (m_advancePending) {
        m_advancePending = false;
        if (nextCard())
            showCard(false);
        else
            m_host.timeline().call([this] { finish(true); });
    } else if (m_tickPending) {
        m_host.timeline().call([this] { tick(); });
    }
}

void Slideshow::addSteps(Timeline& timeline, const std::vector<SlideshowPlan::Step>& steps, bool numbered)
{
    for (const SlideshowPlan::Step& step : steps)
        addStep(timeline, step, numbered);
}

void Slideshow::addStep(Timeline& t, const SlideshowPlan::Step& step, bool numbered)
{
    using A = SlideshowPlan::Step::Action;
    switch (step.action) {
    case A::DrawCard:
        t.call([this, &t, numbered, ms = step.ms] {
            m_answerShown = !m_settings.funFlag(funflags::kSlideDelayAnswer);
            m_phase = Phase::Drawing;
            drawCard(&t, ms, numbered);
            t.call([this] {
                m_phase = Phase::Shown;
                emit cardShown();
            });
        });
        break;
    case A::Pause:
        t.wait(step.ms);
        break;
    case A::PlayQuestionSound:
    case A::PlayAnswerSound:
        t.waitFor([this, which = step.action == A::PlayQuestionSound ? 1 : 2](const Timeline::Done& done) {
            m_sounds.playPairSound(pairSound(which), done);
        });
        break;
    case A::ShowAnswer:
        t.call([this, numbered] {
            m_answerShown = true;
            drawCard(nullptr, 0, numbered);
            emit cardAnswerShown();
        });
        break;
    case A::CardLeaves:
        t.call([this, &t, numbered, ms = step.ms] {
            m_phase = Phase::Leaving;
            cardLeaves(t, ms, numbered);
            t.call([this] { m_phase = Phase::Left; });
        });
        break;
    }
}

FlashCard Slideshow::makeCard(bool numbered) const
{
    const QuizLook& look = m_host.look();
    FlashCard card(FlashCard::loadPicture(m_settings.installPath()), look.cardFont, look.cardColour,
                   look.cardQuestion, look.cardAnswer);
    card.setTexts(ListText::toQString(m_pair.shownQuestion()),
                  m_answerShown ? ListText::toQString(m_pair.shownAnswer()) : QString());
    card.fitInto(m_host.canvas().image().size());
    card.setNumber(numbered ? m_position + 1 : 0);
    return card;
}

void Slideshow::ensureStage()
{
    const QImage& image = m_host.canvas().image();
    if (m_stage.size() != image.size())
        m_stage = m_host.canvas().backgroundOnly(m_host.look());
}

void Slideshow::drawCard(Timeline* timeline, int entryMs, bool numbered)
{
    m_numbered = numbered;
    ensureStage();
    const FlashCard card = makeCard(numbered);
    QImage& image = m_host.canvas().image();
    const QPoint place = card.centredIn(image.size());
    if (timeline && entryMs > 0) {
        // In from the right edge.
        m_host.animator().slideCard(*timeline, m_stage, card, QPoint(image.width() + kCardMargin, place.y()),
                                    place, entryMs);
        return;
    }
    image = m_stage.copy();
    QPainter painter(&image);
    card.draw(painter, place);
    painter.end();
    m_host.present();
}

void Slideshow::cardLeaves(Timeline& timeline, int ms, bool numbered)
{
    ensureStage();
    const FlashCard card = makeCard(numbered);
    const QPoint place = card.centredIn(m_host.canvas().image().size());
    // Out over the left edge.
    m_host.animator().slideCard(timeline, m_stage, card, place,
                                QPoint(-card.size().width() - kCardMargin, place.y()), ms);
    timeline.call([this] {
        m_host.canvas().image() = m_stage.copy();
        m_host.present();
    });
}

void Slideshow::paintRestingCard(QPainter& painter) const
{
    if (!m_running || m_phase != Phase::Shown || m_current < 0)
        return;
    const FlashCard card = makeCard(m_numbered);
    card.draw(painter, card.centredIn(m_host.canvas().image().size()));
}

void Slideshow::render()
{
    if (!m_running || m_inCard)
        return;
    if (m_phase == Phase::Shown && m_current >= 0) {
        drawCard(nullptr, 0, !m_plan.isManual());
        return;
    }
    ensureStage();
    m_host.canvas().image() = m_stage.copy();
    m_host.present();
}

QString Slideshow::pairSound(int which) const
{
    const std::string path = m_pair.soundPath(which);
    if (path.empty())
        return {};
    const std::string full = joinMediaPath(m_settings.installPath().toStdString(), "quiz_sounds", path);
    return QString::fromStdString(resolveCaseInsensitive(full));
}

void Slideshow::stop()
{
    if (m_running)
        finish(true);
}

void Slideshow::finish(bool restartQuiz)
{
    m_host.cancelPlayback(); // nothing of a card draws after the end
    m_current = -1;
    m_timer.stop();
    m_running = false;
    m_inCard = false;
    m_tickPending = false;
    m_advancePending = false;
    m_phase = Phase::Left;
    m_host.setScreenState(ScreenState::Running);
    emit ended();
    m_host.slideshowStateChanged();
    if (restartQuiz)
        m_host.startQuiz();
}

} // namespace brainlark
