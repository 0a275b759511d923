#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "quiz/engine/backgroundpattern.h"
#include "quiz/engine/feedbackplan.h"
#include "quiz/engine/inputrules.h"
#include "quiz/engine/quizsession.h"
#include "quiz/ui/feedbackplayer.h"
#include "quiz/ui/matchscreen.h"
#include "quiz/ui/nothingdue.h"
#include "quiz/ui/quizcanvas.h"
#include "quiz/ui/quizinput.h"
#include "quiz/ui/quizlook.h"
#include "quiz/ui/quizscreen.h"
#include "quiz/ui/quizviewmenu.h"
#include "quiz/ui/slideshow.h"
#include "services/eventsounds.h"
#include "services/guidemessages.h"
#include "services/services.h"
#include "services/timeline.h"

class QDialog;

namespace brainlark
{

class AppSettings;
class PairList;

/// The quiz screen: shows one question of the open list at a time, judges the learner's answer, keeps
/// the score and runs the commands of its menu. Clicks and keys are read by QuizInput, the picture is
/// painted into a QuizCanvas that paintEvent copies, and the feedback after an answer is played by a
/// FeedbackPlayer. Feedback, transitions, animations, matching rounds and slideshow cards play as one
/// timeline at a time; what input means meanwhile is decided by respond() from one table (inputrules.h).
class QuizView : public QWidget,
                 public QuizCommands,
                 private FeedbackPlayer::Host,
                 private MatchScreen::Host,
                 private Slideshow::Host
{
    Q_OBJECT
public:
    static constexpr int AutoAnswerMs = 5000;
    /// Help contexts of the pages the view opens.
    static constexpr int QuizHelpContext = 0x20000 + 32833;
    static constexpr int SmartCounterHelpContext = 131251;
    QuizView(AppSettings& settings, const Services& services, QWidget* parent = nullptr);
    ~QuizView() override;

    /// The list to quiz (not owned; null for none). A new list starts a fresh score; call start() then.
    void setList(PairList* list);
    PairList* list() const { return m_list; }
    /// True when the list can be quizzed (at least five pairs) in a mode this screen supports.
    bool canStart() const;
    bool canReverse() const { return canStart(); }

    QuizSession* session() const { return m_session.get(); }
    /// Where the selection Due learns which pairs are due (the study history; not owned, may be null).
    void setDueSource(DueSource* source) { m_due.setSource(source); }
    DueQueue& dueQueue() { return m_due; }
    const QuizScreen& screen() const { return m_screen; }
    const QuizLook& look() const override { return m_look; }
    bool quizStarted() const { return m_started; }
    ScreenState screenState() const override { return m_state; }
    QString statusText() const;
    const QImage& backBuffer() const { return m_canvas.image(); }
    bool autoAnswerArmed() const { return m_autoTimer.isActive(); }
    /// What plays on the screen now.
    Activity activity() const { return m_activity; }
    /// Decides what the input means now: a Stop has stopped what played, a Refuse has told the learner to
    /// wait. Take and Stop: the caller handles the input; Defer: the caller handles it on settled().
    Response respond(Input input);
    /// Stops what plays at once and brings the screen to rest.
    void stopPlaying();
    bool alertSide() const { return m_alertSide; }
    /// Runs modal dialogs; tests replace it to answer them without a screen.
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_runDialog = std::move(runner); }
    /// Commands of the context menu that belong to the frame go here (when unset, the view runs the ones it
    /// knows itself).
    void setCommandRouter(std::function<void(int)> router) { m_router = std::move(router); }
    /// Whether a routed command can run now; the context menu greys out the others (unset: all can).
    void setCommandAvailability(std::function<bool(int)> test) { m_available = std::move(test); }
    /// Runs a quiz-view command by id (Start, Flip, the quiz modes, Animate, "Mute all Brainlark sounds",
    /// the sound schemes, help).
    bool runCommand(int id);
    /// Paints the whole screen as it is now into the back buffer.
    void render() override;
    /// The matching board (quiz mode 3) and the slideshow, each running on this screen.
    const MatchScreen& matchScreen() const { return *m_match; }
    const Slideshow& slideshow() const { return *m_slideshow; }
    /// Tests step the automatic show with tick() instead of waiting for its timer.
    Slideshow& slideshow() { return *m_slideshow; }
    /// The open list's name, for the slideshow's title.
    void setListTitle(const QString& title) { m_listTitle = title; }

public slots:
    void start();
    void reverse();
    /// 0 Multiple-choice, 1 True/False, 2 Type-in, 3 Matching; then Start.
    void setQuizMode(int mode);
    /// "S&lideshow": starts the slideshow, or stops it when it runs.
    void toggleSlideshow();
    void toggleAnimateNewQuestion();
    /// Lays out the current question again (options, skin or size changed) and repaints.
    void rebuildScreen();
    void showSmartCounterDialog();
    void showQuestionNotes();
    /// Timer 101: reveals the answer in a grey-to-white pulse; nothing is judged.
    void showAutomaticAnswer();

signals:
    /// "Right: %d - Wrong: %d" for the status bar.
    void statusTextChanged(const QString& text);
    /// The list's statistics changed (the document refreshes its list status).
    void listStatusChanged();
    /// Start, Flip and the mode commands may have become available or not.
    void stateChanged();
    void helpRequested(int context);
    /// The question's picture for the picture window (an empty path for a question without one).
    void pictureRequested(const QString& path);
    /// The learner clicked the picture icon: the picture shows also after the picture window was closed.
    void pictureAsked(const QString& path);
    /// A wrong answer moved on: the frame takes the keyboard focus.
    void focusMainFrameRequested();
    /// A new question was built: why it was asked (empty texts outside Smart Pick).
    void questionReasonChanged(const QString& shortText, const QString& details);
    /// Every judged answer: the pair's texts as entered, the quiz mode (0-3), right or wrong, seconds since
    /// the question was shown, and whether it was the question's first answer.
    void answerJudged(const QString& question, const QString& answer, int mode, bool right, double seconds,
                      bool firstTry);

    /// A question has come onto the screen.
    void questionOnScreen();
    /// The learner now knows the answer of the question on the screen: judged right, a wrong answer that
    /// moves on, or shown automatically.
    void answerRevealed();

    /// Matching: the learner picked the question box of the pair of this list index to connect it.
    void questionPicked(int pair);
    /// Matching: a board was judged; the list index of the pair of each answer box matched right.
    void matchesRight(const QList<int>& answerPairs);

    /// The learner gave input that must wait; text says so.
    void inputRefused(const QString& text);
    /// What played has ended or was stopped: the screen is at rest.
    void settled();

public:
    /// Where the type-in field stands and what it holds, for input methods.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The accessible interfaces read the painted parts straight from the view.
    friend class QuizViewAccessible;
    friend class QuizPartAccessible;

    QuizMode mode() const;
    AnswerMode answerMode() const override;
    AppFlags flags() const;
    QuizScreen::Input screenInput() const;
    QuizPainter::State paintState() const override;
    bool questionShown() const { return m_started && m_screen.hasQuestion(); }

    // What the feedback player leaves to the view.
    void present() override;
    void showNextQuestion(Timeline& timeline) override;
    void armAutoAnswer() override;
    void reportStatus() override;
    void focusMainWindow() override;
    void flipAlertSide() override { m_alertSide = !m_alertSide; }
    void setScreenState(ScreenState state) override { m_state = state; }

    // What the matching board and the slideshow leave to the view.
    QuizCanvas& canvas() override { return m_canvas; }
    QuizAnimator& animator() override { return m_feedback->animator(); }
    TransitionEffect& transition() override { return m_feedback->transition(); }
    void statisticsChanged() override { emit listStatusChanged(); }
    void pairJudged(int index, bool right) override;
    std::vector<int> duePairs(int count) override;
    /// Nothing more is due: says so and offers to go on with Smart Pick, once what plays has ended.
    void offerSmartPickWhenNothingDue();
    void announce(const QString& name) override;
    void questionBoxPicked(int pair) override { emit questionPicked(pair); }
    void rightMatchesJudged(const std::vector<int>& answerPairs) override
    {
        emit matchesRight(QList<int>(answerPairs.begin(), answerPairs.end()));
    }
    bool isActiveView() const override { return isVisible(); }
    QString listTitle() const override { return m_listTitle; }
    void slideshowStateChanged() override;
    void startQuiz() override { start(); }
    Timeline& timeline() override { return m_timeline; }
    void play(Activity activity) override;
    void cancelPlayback() override;
    void comeToRest();
    bool resting() const { return m_activity == Activity::Resting || m_activity == Activity::ShowResting; }
    bool matching() const { return mode() == QuizMode::Matching; }
    bool slideshowRunning() const { return m_slideshow->isRunning(); }
    void startMatching();

    void buildQuestion();
    void showQuestion(Timeline& timeline);

    void press(const QPoint& point);
    void release();
    void showPicture();
    void applyAnswerSelection(PairList& list);
    void judge(int hit);
    void answerByKey(int hit);
    QuizInput::Showing showing() const;
    bool typeinKey(QKeyEvent* event);
    bool answerKey(QKeyEvent* event);
    int runDialog(QDialog& dialog);
    void routeCommand(int id);

    AppSettings& m_settings;
    Services m_services;
    EventSounds m_sounds;
    GuideMessages m_guides;
    PairList* m_list = nullptr;
    std::unique_ptr<QuizSession> m_session;
    DueQueue m_due;
    NothingDue m_nothingDue;
    bool m_offeringSmartPick = false;
    QuizLook m_look;
    QuizScreen m_screen;
    QuizCanvas m_canvas;
    std::unique_ptr<FeedbackPlayer> m_feedback;
    std::unique_ptr<MatchScreen> m_match;
    std::unique_ptr<Slideshow> m_slideshow;
    QString m_listTitle;
    QTimer m_autoTimer;
    std::function<int(QDialog&)> m_runDialog;
    std::function<void(int)> m_router;
    std::function<bool(int)> m_available;
    ScreenState m_state = ScreenState::Running;
    bool m_started = false;
    int m_hit = -1;
    AnswerOutcome m_outcome;
    bool m_skip = false;
    bool m_alertSide = false;
    Timeline m_timeline;
    Activity m_activity = Activity::Resting;
    bool m_resizePending = false;
};

} // namespace brainlark
