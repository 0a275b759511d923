#include "quiz/ui/quizview.h"
#include "quiz/ui/reasontext.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include "quiz/engine/backgroundpattern.h"
#include "quiz/engine/newquestionanimation.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/nothingdue.h"
#include "quiz/ui/questionnotesdialog.h"
#include "quiz/ui/quizaccessible.h"
#include "quiz/ui/quizanimator.h"
#include "quiz/ui/quizinput.h"
#include "quiz/ui/quizviewmenu.h"
#include "quiz/ui/smartcounterdialog.h"
#include "services/prompter.h"
#include "settings/appsettings.h"

namespace brainlark
{

namespace
{

constexpr int kMinimumPairs = 5;

} // namespace

QuizView::QuizView(AppSettings& settings, const Services& services, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_services(services),
      m_sounds(settings, *services.sound, *services.random), m_guides(settings, *services.prompter),
      m_nothingDue(m_due, *services.prompter), m_look(settings), m_canvas(settings),
      m_timeline(*services.scheduler)
{
    QuizAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled); // the type-in field takes what input methods compose
    setMinimumSize(320, 240);
    m_autoTimer.setSingleShot(true);
    connect(&m_autoTimer, &QTimer::timeout, this, &QuizView::showAutomaticAnswer);
    FeedbackPlayer::Host& host = *this;
    m_feedback =
        std::make_unique<FeedbackPlayer>(host, m_canvas, m_screen, m_look, m_sounds, m_settings, services);
    MatchScreen::Host& matchHost = *this;
    m_match = std::make_unique<MatchScreen>(matchHost, m_settings, services, m_sounds);
    Slideshow::Host& slideshowHost = *this;
    m_slideshow = std::make_unique<Slideshow>(slideshowHost, m_settings, services, m_sounds, m_guides);
    m_runDialog = [](QDialog& dialog) { return dialog.exec(); };
}

QuizView::~QuizView() = default;

void QuizView::setList(PairList* list)
{
    cancelPlayback();
    m_autoTimer.stop();
    m_slideshow->setList(list);
    m_match->setList(list);
    m_list = list;
    m_started = false;
    m_screen.clear();
    if (list)
        applyAnswerSelection(*list);
    if (!list)
        m_session.reset();
    else if (m_session)
        m_session->setList(*list);
    else
        m_session = std::make_unique<QuizSession>(*list, *m_services.random, *m_services.clock);
    if (m_session)
        m_session->setDueQueue(&m_due);
    m_due.reset();
    render();
    emit statusTextChanged(statusText());
    emit stateChanged();
}

void QuizView::applyAnswerSelection(PairList& list)
{
    // The learner's choice is kept in the fun flags; a list without predefined wrong answers quietly gets
    // random ones, and one that has them is quizzed the right way round.
    const bool predefined = m_settings.funFlag(funflags::kPredefinedAnswers) && !list.wrongAnswers().empty();
    m_settings.setAnswerMode(predefined ? AppSettings::AnswerMode::Predefined
                                        : AppSettings::AnswerMode::Random);
    if (predefined)
        list.unreverse();
}

bool QuizView::canStart() const
{
    return m_list && m_list->count() >= kMinimumPairs;
}

QString QuizView::statusText() const
{
    // The engine's "Right: %d - Wrong: %d", in the language of the program's texts.
    return tr("Right: %1 - Wrong: %2")
        .arg(m_session ? m_session->rightCount() : 0)
        .arg(m_session ? m_session->wrongCount() : 0);
}

QuizMode QuizView::mode() const
{
    const int stored = m_settings.quizMode();
    return stored >= 0 && stored <= 3 ? static_cast<QuizMode>(stored) : QuizMode::MultipleChoice;
}

AnswerMode QuizView::answerMode() const
{
    // Predefined is only in force for a list that has predefined wrong answers.
    const bool predefined = m_settings.answerMode() == AppSettings::AnswerMode::Predefined && m_list &&
                            !m_list->wrongAnswers().empty();
    return predefined ? AnswerMode::Predefined : AnswerMode::Random;
}

AppFlags QuizView::flags() const
{
    return AppFlags(m_settings.funFlags(), m_settings.funFlags2());
}

QuizScreen::Input QuizView::screenInput() const
{
    QuizScreen::Input input;
    input.width = width();
    input.height = height();
    input.layout = static_cast<BoxLayout>(m_settings.effectiveLayout());
    input.mode = mode();
    input.flags = flags();
    input.preFill = m_settings.preFill();
    input.programFolder = m_settings.installPath();
    return input;
}

QuizPainter::State QuizView::paintState() const
{
    QuizPainter::State state;
    const int right = m_session ? m_session->rightCount() : 0;
    state.counterShown = m_settings.funFlag(funflags::kSmartCounter);
    state.rightCount = right;
    const int factor = m_settings.alertFactor();
    state.alert = factor > 0 && right > 0 && right % factor == 0;
    state.alertSide = m_alertSide;
    state.centreTypein = m_settings.funFlag2(funflags2::kTypeinCenterText);
    return state;
}

// --- Drawing ---------------------------------------------------------------------------------------

void QuizView::render()
{
    m_canvas.fit(size());
    if (slideshowRunning()) {
        m_slideshow->render();
        return;
    }
    if (m_started && matching()) {
        m_match->render();
        return;
    }
    if (questionShown())
        m_canvas.paintQuestion(m_screen, m_look, paintState());
    else
        m_canvas.paintMessage(m_look,
                              canStart() ? tr("Press Start (or Enter) to begin the quiz.")
                                         : tr("Choose a Q&A-list with at least five pairs to start a quiz."));
    present();
}

void QuizView::present()
{
    update();
}

void QuizView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_canvas.image().size() != size() && resting()) { // else what plays paints, and the size waits
        m_canvas.fit(size());
        render();
    }
    painter.drawImage(0, 0, m_canvas.image());
    if (devicePixelRatioF() > 1 && screenState() == ScreenState::Slideshow)
        m_slideshow->paintRestingCard(painter);
}

void QuizView::resizeEvent(QResizeEvent*)
{
    if (respond(Input::Resize) == Response::Defer) { // what plays owns the buffer until it ends
        m_resizePending = true;
        return;
    }
    m_canvas.fit(size());
    if (questionShown())
        m_screen.relayout(m_session->current(), m_look, screenInput());
    render();
}

// --- The question cycle ----------------------------------------------------------------------------

void QuizView::start()
{
    if (slideshowRunning()) {
        m_slideshow->stop(); // which starts again here with a fresh question
        return;
    }
    if (!resting())
        return;
    if (!canStart()) {
        render(); // a list too short to quiz says so, also when a slideshow of it has just ended
        return;
    }
    if (matching()) {
        startMatching();
        return;
    }
    buildQuestion();
    showQuestion(m_timeline);
    m_timeline.call([this] {
        armAutoAnswer();
        emit statusTextChanged(statusText());
        emit stateChanged();
    });
    play(Activity::Answering);
}

void QuizView::startMatching()
{
    m_autoTimer.stop();
    m_screen.clear(); // no question of the other modes stays behind the board
    m_look = QuizLook(m_settings);
    m_canvas.fit(size());
    m_started = true;
    m_state = ScreenState::Running;
    emit questionReasonChanged(QString(), QString()); // a board is not asked for one pair's reason
    m_match->start();
    emit statusTextChanged(statusText());
    emit stateChanged();
}

void QuizView::buildQuestion()
{
    const QuizMode quizMode = mode();
    m_session->newQuestion(static_cast<SelectionMode>(m_settings.questionSelectionMode()), answerMode(),
                           quizMode);
    m_settings.setVisualStyle(m_settings.visualStyle()); // "Random Boxes" draws a layout per question
    m_look = QuizLook(m_settings);
    m_canvas.fit(size());
    m_screen.build(m_session->current(), m_look, screenInput());
    m_hit = -1;
    m_started = true;
    m_state = ScreenState::Running;
    if (m_session->dueExhausted()) {
        emit questionReasonChanged(tr("Nothing due today"), m_nothingDue.text());
        offerSmartPickWhenNothingDue();
        return;
    }
    emit questionReasonChanged(ReasonText::shortText(m_session->reason()),
                               ReasonText::details(m_session->reason()));
    QuizAccessible::questionChanged(this);
}

void QuizView::showQuestion(Timeline& timeline)
{
    if (m_settings.funFlag(funflags::kAnimateQuestion)) {
        const NewQuestionAnimation animation(*m_services.random, mode());
        m_feedback->animator().newQuestion(timeline, m_canvas.backgroundOnly(m_look), m_screen, m_look,
                                           paintState(), animation);
    }
    timeline.call([this] {
        render();
        // A question without a picture asks too (with no path), so an open picture window does not keep
        // showing the previous pair's picture.
        if (m_settings.funFlag(funflags::kShowPictures))
            emit pictureRequested(m_screen.picturePath());
        m_session->markShown();
        if (questionShown()) {
            QuizAccessible::questionShown(this);
            emit questionOnScreen();
        }
    });
}

void QuizView::armAutoAnswer()
{
    m_autoTimer.stop();
    if (m_settings.showHint() && !matching())
        m_autoTimer.start(AutoAnswerMs);
}

void QuizView::press(const QPoint& point)
{
    if (!questionShown() || m_state == ScreenState::Slideshow || mode() == QuizMode::Matching)
        return;
    using Target = QuizInput::Click::Target;
    const QuizInput::Click click = QuizInput::hitTest(m_screen, m_look, paintState(), point);
    switch (click.target) {
    case Target::Answer:
        judge(click.index);
        break;
    case Target::AnswerSound:
        m_sounds.playPairSound(m_screen.answerSound(click.index));
        break;
    case Target::Counter:
        showSmartCounterDialog();
        break;
    case Target::QuestionSound:
        m_sounds.playPairSound(m_screen.questionSound());
        break;
    case Target::Picture:
        showPicture();
        break;
    case Target::Nothing:
        break;
    }
}

void QuizView::showPicture()
{
    // Without a picture window to show it, the click must not switch on "Show automatically" for nothing.
    if (!isSignalConnected(QMetaMethod::fromSignal(&QuizView::pictureAsked)))
        return;
    m_settings.setFunFlag(funflags::kShowPictures, true);
    emit pictureAsked(m_screen.picturePath());
}

void QuizView::judge(int hit)
{
    const AppFlags options = flags();
    m_hit = hit;
    m_skip = false;
    if (mode() == QuizMode::TypeIn) {
        m_skip = hit == 1;
        const std::string typed = m_screen.typein() ? m_screen.typein()->typedText() : std::string();
        m_outcome =
            m_session->answerTyped(m_skip ? std::string() : typed, m_skip, options, m_settings.alertFactor());
    } else {
        m_outcome = m_session->answerChoice(hit, options, m_settings.alertFactor());
    }
    if (m_outcome.judged)
        QuizAccessible::announce(
            this,
            QuizAccessible::feedbackText(
                m_outcome.right, ListText::toQString(m_session->current().questionPair().shownAnswer())));
    if (m_outcome.judged && !m_outcome.question.empty())
        emit answerJudged(ListText::toQString(m_outcome.question), ListText::toQString(m_outcome.answer),
                          static_cast<int>(mode()), m_outcome.right, m_outcome.seconds, m_outcome.firstTry);
    TextBox* box = m_screen.hitBox(hit);
    if (box)
        box->setShadowDepth(0);
    m_screen.setFeedback(hit, m_outcome.right ? QuizLook::Feedback::Right : QuizLook::Feedback::Wrong);
    if (!m_outcome.right && mode() == QuizMode::TypeIn && options.fun(AppFlags::ClearAnswerField) &&
        m_screen.typein())
        m_screen.typein()->clear();
    render();
    m_autoTimer.stop(); // the release that follows plays the feedback
    if (!m_outcome.right)
        m_sounds.playEventSound(EventSounds::Wrong);
}

void QuizView::announce(const QString& name)
{
    setAccessibleName(name);
    QuizAccessible::boardChanged(this);
}

void QuizView::release()
{
    if (m_hit < 0 || m_activity != Activity::Resting)
        return;
    m_feedback->add(m_timeline, FeedbackPlan::release(m_outcome.right), *m_session, m_hit);
    FeedbackPlan::Input input;
    input.right = m_outcome.right;
    input.movesOn = !m_outcome.right && QuizSession::movesOnAfterWrong(mode(), m_skip, flags());
    input.missed = m_session->missed();
    input.mode = mode();
    input.classicLayout = m_screen.layout().layout() == BoxLayout::Classic;
    input.alertDue = m_outcome.alertDue;
    input.flags = flags();
    const int hit = m_outcome.right || input.movesOn ? -1 : m_hit;
    m_hit = -1; // a wrong box keeps its colour; the next click judges afresh
    m_feedback->add(m_timeline, FeedbackPlan::advance(input), *m_session, hit);
    if (input.right || input.movesOn)
        emit answerRevealed();
    play(Activity::Answering);
}

void QuizView::showNextQuestion(Timeline& timeline)
{
    buildQuestion();
    showQuestion(timeline);
}

void QuizView::reportStatus()
{
    emit statusTextChanged(statusText());
    emit listStatusChanged();
}

void QuizView::focusMainWindow()
{
    emit focusMainFrameRequested();
}

// --- Automatic answer -----------------------------------------------------------------------------

void QuizView::showAutomaticAnswer()
{
    m_autoTimer.stop();
    if (!questionShown() || m_activity != Activity::Resting || !isVisible() || !m_settings.showHint() ||
        slideshowRunning())
        return;
    if (m_settings.funFlag(funflags::kHintSound))
        m_sounds.playEventSound(EventSounds::Hint);
    m_feedback->addAutomaticAnswer(m_timeline,
                                   ListText::toQString(m_session->current().questionPair().shownAnswer()));
    emit answerRevealed();
    play(Activity::Revealing);
}

// --- What plays on the screen -----------------------------------------------------------------------

void QuizView::play(Activity activity)
{
    m_activity = activity;
    if (!m_timeline.isRunning())
        m_timeline.start([this] { comeToRest(); });
}

void QuizView::cancelPlayback()
{
    m_timeline.cancel();
    m_activity = Activity::Resting;
}

void QuizView::comeToRest()
{
    m_activity = slideshowRunning() ? Activity::ShowResting : Activity::Resting;
    if (m_resizePending && m_activity == Activity::Resting) {
        m_resizePending = false;
        m_canvas.fit(size());
        if (questionShown())
            m_screen.relayout(m_session->current(), m_look, screenInput());
        render();
    }
    emit settled();
    emit stateChanged();
}

// A show that ended by itself, or was stopped, leaves the screen at rest unless the quiz that follows plays
// its entry; the news goes out from the event loop, after the show has finished ending.
void QuizView::slideshowStateChanged()
{
    emit stateChanged();
    if (slideshowRunning())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_activity == Activity::Resting && !m_timeline.isRunning())
                emit settled();
        },
        Qt::QueuedConnection);
}

void QuizView::stopPlaying()
{
    const Activity was = m_activity;
    cancelPlayback();
    if (was == Activity::ShowOpening || was == Activity::ShowCard || was == Activity::ShowResting) {
        m_services.sound->stop();
        m_slideshow->stop(); // which starts the quiz again with a fresh question
    } else if (was != Activity::Resting) {
        m_hit = -1;
        m_state = ScreenState::Running;
        render(); // the question as it stands, without what was playing over it
    }
    if (!m_timeline.isRunning())
        comeToRest();
}

Response QuizView::respond(Input input)
{
    const Response response = brainlark::respond(m_activity, input);
    if (response == Response::Stop)
        stopPlaying();
    if (response != Response::Refuse)
        return response;
    const QString why = slideshowRunning() ? tr("Press Escape to stop the slideshow first.")
                                           : tr("Wait until the next question is on the screen.");
    emit inputRefused(why);
    QuizAccessible::announce(this, why); // a screen reader says it too: the status bar is not read out
    return response;
}

// --- Commands ---------------------------------------------------------------------------------------

void QuizView::reverse()
{
    if (!resting() || !m_session || m_state == ScreenState::Slideshow)
        return;
    m_guides.show(GuideMessages::Flip);
    if (m_session->reverse(answerMode()) == QuizSession::ReverseResult::Refused) {
        m_services.prompter->message(
            QCoreApplication::translate("brainlark::QuizSession", QuizSession::ReverseRefusedText),
            Prompter::Icon::Exclamation, Prompter::Buttons::Ok);
        return;
    }
    start();
}

void QuizView::setQuizMode(int quizMode)
{
    if (quizMode < 0 || quizMode > 3 || slideshowRunning())
        return;
    m_settings.setQuizMode(quizMode);
    start();
    emit stateChanged();
}

void QuizView::toggleSlideshow()
{
    if (slideshowRunning()) {
        stopPlaying();
        return;
    }
    if (!resting())
        return;
    m_autoTimer.stop();
    m_slideshow->start();
}

void QuizView::toggleAnimateNewQuestion()
{
    m_settings.setFunFlag(funflags::kAnimateQuestion, !m_settings.funFlag(funflags::kAnimateQuestion));
    emit stateChanged();
}

void QuizView::rebuildScreen()
{
    m_look = QuizLook(m_settings);
    if (questionShown())
        m_screen.relayout(m_session->current(), m_look, screenInput());
    m_match->listChanged();
    render();
}

bool QuizView::runCommand(int id)
{
    if (id >= CmdSchemeFirst && id < CmdSchemeFirst + EventSounds::kSchemeCount) {
        m_settings.setSoundTheme(id - CmdSchemeFirst);
        return true;
    }
    const std::pair<int, std::function<void()>> commands[] = {
        {CmdStart, [this] { start(); }},
        {CmdFlip, [this] { reverse(); }},
        {CmdMultipleChoice, [this] { setQuizMode(0); }},
        {CmdTrueFalse, [this] { setQuizMode(1); }},
        {CmdTypeIn, [this] { setQuizMode(2); }},
        {CmdMatching, [this] { setQuizMode(3); }},
        {CmdSlideshow, [this] { toggleSlideshow(); }},
        {CmdAnimate, [this] { toggleAnimateNewQuestion(); }},
        {CmdMute, [this] { m_settings.setPlaySounds(!m_settings.playSounds()); }},
        {CmdFunnySounds,
         [this] {
             m_settings.setFunFlag(funflags::kFunnySounds, !m_settings.funFlag(funflags::kFunnySounds));
         }},
        {CmdHelp, [this] { emit helpRequested(QuizHelpContext); }},
    };
    for (const auto& [command, run] : commands) {
        if (command == id) {
            run();
            emit stateChanged();
            return true;
        }
    }
    return false;
}

void QuizView::routeCommand(int id)
{
    const bool scheme = id >= CmdSchemeFirst && id < CmdSchemeFirst + EventSounds::kSchemeCount;
    if (m_router && !scheme)
        m_router(id);
    else
        runCommand(id);
}

int QuizView::runDialog(QDialog& dialog)
{
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

void QuizView::showSmartCounterDialog()
{
    m_guides.show(GuideMessages::SmartCounter);
    SmartCounterDialog dialog(m_settings, this);
    connect(&dialog, &SmartCounterDialog::helpRequested, this,
            [this] { emit helpRequested(SmartCounterHelpContext); });
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    dialog.apply(m_settings);
    if (dialog.resetPressed() && m_session) {
        m_session->resetScore();
        emit statusTextChanged(statusText());
    }
    render();
}

void QuizView::showQuestionNotes()
{
    if (!questionShown())
        return;
    m_guides.show(GuideMessages::QuestionNotes);
    QuestionNotesDialog dialog(ListText::toQString(m_session->current().questionPair().hint()), this);
    runDialog(dialog);
}

// --- Input ------------------------------------------------------------------------------------------

void QuizView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || respond(Input::Answer) != Response::Take)
        return;
    if (slideshowRunning())
        m_slideshow->advance();
    else if (m_started && matching())
        m_match->press(event->position().toPoint());
    else
        press(event->position().toPoint());
}

void QuizView::mouseMoveEvent(QMouseEvent* event)
{
    if (!slideshowRunning() && m_started && matching())
        m_match->move(event->position().toPoint());
}

void QuizView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || slideshowRunning())
        return;
    // The release belongs to the press before it: it plays the feedback of the answer that press judged.
    if (m_started && matching()) {
        if (m_activity == Activity::Resting)
            m_match->release(event->position().toPoint());
    } else {
        release();
    }
}

void QuizView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a quick pair moves a slideshow on and starts a line on the board.
    if (event->button() == Qt::LeftButton && (slideshowRunning() || (m_started && matching()))) {
        mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton || !questionShown() || m_activity != Activity::Resting ||
        m_state == ScreenState::Slideshow)
        return;
    // Only the question box opens the notes. Elsewhere the second click of the pair has already arrived as
    // a press of its own; answering here as well would count it twice.
    const QPoint point = event->position().toPoint();
    if (m_screen.question().rect().contains({point.x(), point.y()}))
        showQuestionNotes();
}

void QuizView::answerByKey(int hit)
{
    if (!questionShown())
        return;
    const bool buttons = m_screen.layout().isTrueFalseOrTypeIn();
    const Rect target =
        buttons ? (hit == 0 ? m_screen.layout().trueTryButton() : m_screen.layout().falseSkipButton())
                : m_screen.answer(hit).rect();
    if (target.isEmpty())
        return;
    judge(hit);
    release();
}

QuizInput::Showing QuizView::showing() const
{
    using S = QuizInput::Showing;
    return slideshowRunning()        ? S::Slideshow
           : m_started && matching() ? S::MatchBoard
           : questionShown()         ? S::Question
                                     : S::NoQuestion;
}

void QuizView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QuizHelpContext);
        return;
    }
    const QuizInput::Showing now = showing();
    const std::optional<Input> input = QuizInput::inputOfKey(*event, now, mode());
    if (!input) {
        if (now != QuizInput::Showing::Slideshow)
            QWidget::keyPressEvent(event);
        return;
    }
    if (respond(*input) != Response::Take)
        return; // a Stop (Escape) has done all there was to do
    switch (now) {
    case QuizInput::Showing::Slideshow:
        m_slideshow->key(event->key());
        break;
    case QuizInput::Showing::MatchBoard:
        m_match->key(event->key());
        break;
    case QuizInput::Showing::NoQuestion:
        start();
        break;
    case QuizInput::Showing::Question:
        if (event->key() != Qt::Key_Escape &&
            !(mode() == QuizMode::TypeIn ? typeinKey(event) : answerKey(event)))
            QWidget::keyPressEvent(event);
        break;
    }
}

bool QuizView::typeinKey(QKeyEvent* event)
{
    TypeinField* field = m_screen.typein();
    if (!field)
        return false;
    const TypeinField::Input result = QuizInput::typeInto(*field, *event);
    if (result == TypeinField::Input::Try)
        answerByKey(0);
    else if (result == TypeinField::Input::Changed)
        render();
    return result != TypeinField::Input::Ignored || !event->text().isEmpty();
}

// Text composed by an input method: the pre-edit text shows at the caret, the commit is typed.
void QuizView::inputMethodEvent(QInputMethodEvent* event)
{
    TypeinField* field = mode() == QuizMode::TypeIn ? m_screen.typein() : nullptr;
    if (!field || m_activity != Activity::Resting) { // typing waits, as keys do, for the question at rest
        event->ignore();
        return;
    }
    if (!event->commitString().isEmpty())
        QuizInput::typeText(*field, event->commitString());
    field->setPreedit(ListText::fromQString(event->preeditString()));
    render();
    event->accept();
}

QVariant QuizView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const std::optional<QVariant> answer =
        QuizInput::inputMethodQuery(mode() == QuizMode::TypeIn ? m_screen.typein() : nullptr, query);
    return answer ? *answer : QWidget::inputMethodQuery(query);
}

bool QuizView::answerKey(QKeyEvent* event)
{
    const int answer = QuizInput::answerForKey(event->key(), mode());
    BackgroundPattern::Key key;
    if (answer >= 0) {
        answerByKey(answer);
    } else if (mode() == QuizMode::TrueFalse || !QuizInput::patternKey(event->key(), key)) {
        return false;
    } else if (m_settings.hatch()) { // the arrows tune the line pattern of the background
        int width = m_settings.lineWidth();
        int step = m_settings.lineStep();
        BackgroundPattern::tune(key, width, step);
        m_settings.setLineWidth(width);
        m_settings.setLineStep(step);
        m_look = QuizLook(m_settings);
        render();
    }
    return true;
}

void QuizView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_state == ScreenState::Slideshow || respond(Input::Command) != Response::Take)
        return;
    QuizViewMenu menu(
        m_settings, [this](int id) { routeCommand(id); }, this);
    if (m_available)
        menu.disableUnavailable(m_available);
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? rect().center() : event->pos();
    menu.exec(mapToGlobal(at));
}

std::vector<int> QuizView::duePairs(int count)
{
    return m_list ? m_due.nextPairs(*m_list, *m_services.clock, count) : std::vector<int>();
}

void QuizView::offerSmartPickWhenNothingDue()
{
    // The question is asked once what plays has ended.
    if (m_offeringSmartPick)
        return;
    m_offeringSmartPick = true;
    const auto offer = [this] {
        m_offeringSmartPick = false;
        if (m_session && m_session->dueExhausted() && m_nothingDue.offerSmartPick())
            start();
    };
    if (m_timeline.isRunning())
        connect(this, &QuizView::settled, this, offer,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    else
        QTimer::singleShot(0, this, offer);
}

// Matching settles the pairs of a board together and rates each as one second, as the engine does.
void QuizView::pairJudged(int index, bool right)
{
    if (m_list && index >= 0 && index < m_list->count()) {
        m_due.answered(index);
        const Pair& pair = m_list->pairs()[size_t(index)];
        emit answerJudged(ListText::toQString(pair.question()), ListText::toQString(pair.answer()),
                          static_cast<int>(QuizMode::Matching), right, 1.0, true);
    }
}

} // namespace brainlark
