#include "quiz/ui/matchscreen.h"

#include <QCoreApplication>
#include <QPainter>

#include "core/pairlist.h"
#include "quiz/engine/matchboard.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizcanvas.h"
#include "quiz/ui/quizinput.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/transitioneffect.h"
#include "services/eventsounds.h"
#include "services/prompter.h"
#include "services/timeline.h"
#include "settings/appsettings.h"

namespace brainlark
{

MatchScreen::MatchScreen(Host& host, AppSettings& settings, const Services& services, EventSounds& sounds)
    : m_host(host), m_settings(settings), m_services(services), m_sounds(sounds)
{
}

MatchScreen::~MatchScreen() = default;

void MatchScreen::setList(PairList* list)
{
    m_list = list;
    m_ratings.invalidate();
    m_game.newRound(MatchBoard());
    m_keyboard.reset();
}

void MatchScreen::listChanged()
{
    m_ratings.invalidate();
    if (m_list && !m_game.board().fits(*m_list))
        newRound();
}

AppFlags MatchScreen::flags() const
{
    return AppFlags(m_settings.funFlags(), m_settings.funFlags2());
}

MatchLayout MatchScreen::layout() const
{
    const QImage& image = m_host.canvas().image();
    return MatchLayout(image.width(), image.height(), m_game.rows());
}

MatchPainter::Scene MatchScreen::scene() const
{
    MatchPainter::Scene scene;
    scene.game = &m_game;
    scene.list = m_list;
    scene.keyboard = &m_keyboard;
    scene.layout = layout();
    scene.colours = {m_settings.matchColorInit(), m_settings.matchColorRight(), m_settings.matchColorWrong()};
    return scene;
}

void MatchScreen::start()
{
    m_ratings.invalidate();
    newRound();
}

void MatchScreen::newRound()
{
    if (!m_list)
        return;
    const auto selection = static_cast<SelectionMode>(m_settings.questionSelectionMode());
    const std::vector<int> due =
        selection == SelectionMode::Due ? m_host.duePairs(m_settings.matchQuizRows()) : std::vector<int>();
    m_game.newRound(MatchBoard::build(*m_list, m_settings.matchQuizRows(), selection, *m_services.random,
                                      &m_ratings, due));
    m_keyboard.reset();
    m_host.setScreenState(ScreenState::Running);
    render();
    m_host.announce(focusName());
}

void MatchScreen::render()
{
    QuizCanvas& canvas = m_host.canvas();
    canvas.clearToBackground(m_host.look());
    if (m_list && hasBoard() && m_game.board().fits(*m_list)) {
        QPainter painter(&canvas.image());
        MatchPainter::paint(painter, scene(), m_host.look());
    }
    m_host.present();
}

void MatchScreen::press(const QPoint& point)
{
    if (!hasBoard())
        return;
    m_keyboard.hide();
    const MatchLayout board = layout();
    const Point p{point.x(), point.y()};
    if (board.tryButton().contains(p)) {
        pressTry();
        return;
    }
    if (board.skipButton().contains(p)) {
        pressSkip();
        return;
    }
    const MatchBox box = board.hitTest(p);
    if (!box.isValid()) {
        render(); // the focus went away
        return;
    }
    render();
    m_board = m_host.canvas().image().copy();
    m_game.beginDrag(box, p);
    if (box.column == MatchBox::Questions)
        m_host.questionBoxPicked(m_game.board().questionPair(box.row));
}

void MatchScreen::move(const QPoint& point)
{
    if (!m_game.isDragging())
        return;
    m_game.dragTo({point.x(), point.y()});
    // The band is drawn afresh over the board each time: drawing it twice would put the board back.
    QImage& image = m_host.canvas().image();
    image = m_board.copy();
    QPainter painter(&image);
    const Point from = m_game.dragStart();
    MatchPainter::paintRubberBand(painter, QPoint(from.x, from.y), point);
    painter.end();
    m_host.present();
}

void MatchScreen::release(const QPoint& point)
{
    if (m_game.isDragging()) {
        m_game.endDrag(layout().hitTest({point.x(), point.y()}));
        m_board = QImage();
        render();
        m_host.announce(focusName()); // a line may have been drawn
        return;
    }
    if (m_game.buttonState() != MatchGame::ButtonState::Idle)
        playRelease();
}

bool MatchScreen::key(int key)
{
    const std::optional<MatchKeyboard::Key> mapped = QuizInput::matchKey(key);
    if (!mapped || !hasBoard())
        return false;
    if (m_game.isDragging())
        return true;
    switch (m_keyboard.press(*mapped, m_game)) {
    case MatchKeyboard::Effect::PressTry:
        pressTry();
        break;
    case MatchKeyboard::Effect::PressSkip:
        pressSkip();
        break;
    case MatchKeyboard::Effect::Picked:
        render();
        m_host.announce(focusName());
        m_host.questionBoxPicked(m_game.board().questionPair(m_keyboard.picked().row));
        return true;
    default:
        render();
        m_host.announce(focusName());
        return true;
    }
    // A key presses and releases the button at once.
    if (m_game.buttonState() != MatchGame::ButtonState::Idle)
        playRelease();
    return true;
}

void MatchScreen::pressTry()
{
    if (!m_list)
        return;
    if (m_game.pressTry(*m_list, flags(), &m_ratings) == MatchGame::TryResult::Incomplete) {
        m_services.prompter->message(
            QCoreApplication::translate("brainlark::MatchGame", MatchGame::ConnectAllText),
            Prompter::Icon::None, Prompter::Buttons::Ok);
        return;
    }
    render();
    for (const auto& [index, right] : m_game.lastJudged())
        m_host.pairJudged(index, right);
    m_host.statisticsChanged();
    std::vector<int> answers;
    for (int row = 0; row < m_game.rows(); ++row) {
        const MatchLine* line = m_game.lineAt({MatchBox::Questions, row});
        if (line && line->colour == MatchLine::Colour::Right)
            answers.push_back(m_game.board().answerPair(line->answerEnd().row));
    }
    m_host.rightMatchesJudged(answers);
}

void MatchScreen::pressSkip()
{
    m_game.pressSkip();
    render();
}

// The buttons' feedback and the change to the next round play as one sequence; the board takes no input
// until it is over.
void MatchScreen::playRelease()
{
    Timeline& timeline = m_host.timeline();
    for (const FeedbackStep& step : MatchGame::releaseSteps(m_game.buttonState(), flags()))
        addStep(timeline, step);
    m_host.play(Activity::MatchRound);
}

void MatchScreen::addStep(Timeline& t, const FeedbackStep& step)
{
    using A = FeedbackStep::Action;
    switch (step.action) {
    case A::RestoreHitBox:
        t.call([this] {
            m_game.release();
            render();
        });
        break;
    case A::PlaySound:
        m_sounds.addEventSound(t, static_cast<EventSounds::Event>(step.sound), !step.async);
        break;
    case A::Pause:
        t.wait(step.ms);
        break;
    case A::Transition:
        t.call([this, &t, ms = step.ms] {
            m_host.transition().chooseDirection(-1);
            m_host.transition().run(t, -1, m_settings.quizBackgroundColor(), ms);
            t.call([this] {
                m_host.canvas().clearToBackground(m_host.look());
                m_host.present();
            });
        });
        break;
    case A::ShowNextQuestion:
        t.call([this] { newRound(); });
        break;
    default: // the quiz's own steps do not occur in a matching round
        break;
    }
}

int MatchScreen::currentQuestionPair() const
{
    if (!m_list || !hasBoard() || !m_game.board().fits(*m_list))
        return -1;
    MatchBox box = m_keyboard.focus();
    if (m_game.isDragging())
        box = m_game.dragBox();
    else if (m_keyboard.picked().isValid())
        box = m_keyboard.picked();
    if (box.column != MatchBox::Questions || box.row < 0 || box.row >= m_game.rows())
        box = {MatchBox::Questions, 0};
    return m_game.board().questionPair(box.row);
}

QString MatchScreen::boxText(MatchBox box) const
{
    if (!m_list || !hasBoard() || box.row < 0 || box.row >= m_game.rows() || !m_game.board().fits(*m_list))
        return {};
    const MatchBoard& board = m_game.board();
    return ListText::toQString(box.column == MatchBox::Questions ? board.questionText(*m_list, box.row)
                                                                 : board.answerText(*m_list, box.row));
}

QString MatchScreen::accessibleName(MatchBox box) const
{
    if (!m_list || !hasBoard() || box.row < 0 || box.row >= m_game.rows() || !m_game.board().fits(*m_list))
        return {};
    const bool question = box.column == MatchBox::Questions;
    const QString text = boxText(box);
    QString name = (question ? QCoreApplication::translate("brainlark::MatchScreen", "Question %1 of %2: %3")
                             : QCoreApplication::translate("brainlark::MatchScreen", "Answer %1 of %2: %3"))
                       .arg(box.row + 1)
                       .arg(m_game.rows())
                       .arg(text);
    const MatchBox partner = m_game.partnerOf(box);
    if (partner.isValid())
        name +=
            (question ? QCoreApplication::translate("brainlark::MatchScreen", ", connected to answer %1")
                      : QCoreApplication::translate("brainlark::MatchScreen", ", connected to question %1"))
                .arg(partner.row + 1);
    if (m_keyboard.picked() == box)
        name += QCoreApplication::translate("brainlark::MatchScreen", ", picked");
    return name;
}

} // namespace brainlark
