#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include "quiz/engine/matchgame.h"
#include "quiz/engine/matchkeyboard.h"
#include "quiz/engine/ratingorder.h"
#include "quiz/ui/matchpainter.h"
#include "quiz/ui/quizstage.h"
#include "services/services.h"

namespace brainlark
{

class AppSettings;
class EventSounds;
class PairList;

/// The matching quiz on the quiz screen: a board of question and answer boxes that the learner connects
/// with lines (dragged with the mouse, or picked with the keyboard), judged with "Try" and abandoned with
/// "Skip". The quiz view hands it painting, clicks, moves, releases and keys while the quiz mode is
/// Matching; the rules are MatchGame's, the drawing MatchPainter's.
class MatchScreen
{
public:
    /// What the screen needs from the quiz view.
    class Host : public QuizStage
    {
    public:
        /// Pair statistics changed (a judged board).
        virtual void statisticsChanged() = 0;
        /// One pair of a judged board: its list index and whether it was matched right.
        virtual void pairJudged(int index, bool right) = 0;
        /// Up to `count` pairs due for review, most urgent first (the selection Due).
        virtual std::vector<int> duePairs(int count) = 0;
        /// The box with the keyboard focus is now the one of this name (for assistive technology).
        virtual void announce(const QString& name) = 0;
        /// The learner picked a question box to connect (a key, or a press that starts a line): the list
        /// index of its pair.
        virtual void questionBoxPicked(int pair) = 0;
        /// A board was judged: the list index of the pair of each answer box matched right, top to bottom
        /// in the question column.
        virtual void rightMatchesJudged(const std::vector<int>& answerPairs) = 0;
    };

    MatchScreen(Host& host, AppSettings& settings, const Services& services, EventSounds& sounds);
    ~MatchScreen();
    MatchScreen(const MatchScreen&) = delete;
    MatchScreen& operator=(const MatchScreen&) = delete;

    /// The list to match (not owned; null for none); the board empties.
    void setList(PairList* list);
    /// Ratings or pairs were changed elsewhere (another quiz mode, an edit): the next board reads them
    /// afresh, and a board that no longer fits the list is replaced.
    void listChanged();

    /// A new round from outside (Start, the Matching command, Reverse): ratings are read afresh.
    void start();
    bool hasBoard() const { return !m_game.board().isEmpty(); }

    /// Paints the board as it is into the canvas and shows it.
    void render();

    void press(const QPoint& point);
    void move(const QPoint& point);
    void release(const QPoint& point);
    /// Arrow keys, Enter, Delete, Escape, T (Try) and S (Skip); returns whether the key was used.
    bool key(int key);

    const MatchGame& game() const { return m_game; }
    const MatchKeyboard& keyboard() const { return m_keyboard; }
    MatchLayout layout() const;
    /// "Question 2 of 4: Paris, connected to answer 3" and the like, for assistive technology.
    QString accessibleName(MatchBox box) const;
    /// The text a box shows (empty for a box not on the board).
    QString boxText(MatchBox box) const;
    /// The name of the focused box (empty without a board).
    QString focusName() const { return accessibleName(m_keyboard.focus()); }
    /// The list index of the pair of the question box the learner is at: the one picked with a key or a line
    /// is dragged from, else the focused question box, else the first; −1 without a board.
    int currentQuestionPair() const;

private:
    void newRound();
    void pressTry();
    void pressSkip();
    void playRelease();
    void addStep(Timeline& timeline, const FeedbackStep& step);
    MatchPainter::Scene scene() const;
    AppFlags flags() const;

    Host& m_host;
    AppSettings& m_settings;
    Services m_services;
    EventSounds& m_sounds;
    PairList* m_list = nullptr;
    MatchGame m_game;
    MatchKeyboard m_keyboard;
    RatingOrder m_ratings;
    QImage m_board; // the board without the rubber band, while a line is dragged
};

} // namespace brainlark
