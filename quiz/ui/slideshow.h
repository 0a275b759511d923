#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

#include "core/pair.h"
#include "quiz/engine/slideshowplan.h"
#include "quiz/ui/quizstage.h"
#include "services/services.h"

class QPainter;

namespace brainlark
{

class AppSettings;
class EventSounds;
class FlashCard;
class GuideMessages;
class PairList;

/// Shows every pair of the list as a flashcard, one after the other: automatically at the pace of the
/// "slideshow delay" (a timer), or card by card on a click, Space or Right. Runs on the quiz screen while
/// its screen state is Slideshow. The opening and each card play on the quiz screen's timeline, so the
/// learner's Escape or stop button ends the show at once, whatever step it is in.
class Slideshow : public QObject
{
    Q_OBJECT
public:
    /// Where the current card is: being drawn, leaving, on the screen, gone.
    enum class Phase : int { Drawing = 0, Leaving = 1, Shown = 2, Left = 3 };

    /// What the slideshow needs from the quiz view.
    class Host : public QuizStage
    {
    public:
        /// Cards move on only while the quiz screen is the window's active view.
        virtual bool isActiveView() const = 0;
        /// The list's name, shown in the title.
        virtual QString listTitle() const = 0;
        /// The show began or ended (the frame swaps its toolbar picture).
        virtual void slideshowStateChanged() = 0;
        /// The show ended: the quiz goes on with a fresh question.
        virtual void startQuiz() = 0;
    };

    Slideshow(Host& host, AppSettings& settings, const Services& services, EventSounds& sounds,
              GuideMessages& guides);
    ~Slideshow() override;

    /// The list to show (not owned). A running show ends without a new question.
    void setList(PairList* list);

    bool isRunning() const { return m_running; }
    /// Starts the show (the opening, the title, then the cards).
    void start();
    /// Ends the show and starts a fresh question.
    void stop();

    /// Timer 103: the next automatic card, or the end.
    void tick();
    /// Manual mode: the card leaves and the next one comes (a click, Space or Right).
    void advance();
    /// Space and Right advance a manual show, Escape stops any; returns whether the key was used.
    bool key(int key);
    /// Paints the current card again (a manual show after a resize or an uncovering).
    void render();
    /// Draws the card that rests on the screen once more straight onto the view's painter: the back buffer
    /// has one pixel per logical pixel, so on a screen that doubles its pixels the card is drawn sharp here.
    void paintRestingCard(QPainter& painter) const;

    bool isManual() const { return m_plan.isManual(); }
    const std::vector<int>& order() const { return m_order; }
    /// Index into the order; −1 before the first card.
    int position() const { return m_position; }
    /// The list index of the card on the screen; −1 when stopped.
    int currentPair() const { return m_current; }
    Phase phase() const { return m_phase; }
    bool answerShown() const { return m_answerShown; }
    /// The pair of the card on the screen (valid while currentPair() is not −1).
    const Pair& cardPair() const { return m_pair; }
    const QTimer& timer() const { return m_timer; }

signals:
    /// A card has come to rest on the screen; answerShown() tells whether its answer shows with it.
    void cardShown();
    /// The answer of the card on the screen has come up after its delay.
    void cardAnswerShown();
    /// The show is over or was stopped.
    void ended();

private:
    void cardsBegin();
    bool nextCard();
    void showCard(bool automatic);
    void cardDone();
    void addSteps(Timeline& timeline, const std::vector<SlideshowPlan::Step>& steps, bool numbered);
    void addStep(Timeline& timeline, const SlideshowPlan::Step& step, bool numbered);
    void drawCard(Timeline* timeline, int entryMs, bool numbered);
    void cardLeaves(Timeline& timeline, int ms, bool numbered);
    void finish(bool restartQuiz);
    FlashCard makeCard(bool numbered) const;
    QString pairSound(int which) const;
    void ensureStage();

    Host& m_host;
    AppSettings& m_settings;
    Services m_services;
    EventSounds& m_sounds;
    GuideMessages& m_guides;
    PairList* m_list = nullptr;
    SlideshowPlan m_plan{0};
    QTimer m_timer;
    QImage m_stage; // what lies under the cards
    std::vector<int> m_order;
    Pair m_pair; // the card's pair, copied: the list may change under a running card
    int m_position = -1;
    int m_current = -1;
    Phase m_phase = Phase::Left;
    bool m_running = false;
    bool m_inCard = false;
    bool m_advancePending = false; // a manual show moves on once the leaving card is gone
    bool m_tickPending = false;
    bool m_answerShown = false;
    bool m_numbered = false; // the card on the screen shows its number
};

} // namespace brainlark
