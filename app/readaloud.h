#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <deque>
#include <optional>
#include <utility>

#include "services/eventsounds.h"
#include "services/speechlanguage.h"

namespace brainlark
{

class AppSettings;
class ListDocument;
class MainWindow;
class Pair;
class QuizView;
class Speaker;
struct Services;

/// Read aloud: the Quiz menu's "Read Aloud" (Ctrl+R) reads the question on the screen, or its answer once
/// the answer is known (judged right, a wrong answer that moves on, or shown automatically), with the
/// system's voice for the language of that side; the options read each question as it appears and each
/// answer as it becomes known. On the matching board the command reads the question box the learner is at,
/// the options read a question box as it is picked and the answer of each match judged right; in the
/// slideshow the command reads the side of the card that shows last, the options read each card's question
/// as it comes and its answer as it shows, and a new card cuts off what was read of the one before. A side
/// whose pair has a recorded sound is never spoken: the command plays the sound, automatic reading leaves it
/// to the sound options. The languages are the list's, as chosen in Notes and Subject and kept by the
/// frame's language store, else guessed from the texts' script.
///
/// Leaving the quiz (the grid or another list in its place, the window closed) or the end of the slideshow
/// silences the voice, and what waited to be read is dropped.
///
/// Without a speech engine, or without a voice for either side's language, the command is off and its tip
/// says why; the status bar says it once, when automatic reading is on. Nothing here ever opens a box.
class ReadAloud : public QObject
{
    Q_OBJECT
public:
    ReadAloud(QuizView& view, ListDocument& doc, MainWindow& frame, AppSettings& settings,
              const Services& services);

    /// The command: reads the side the learner is at now.
    void readNow();
    /// Why the command cannot read (empty when it can).
    QString unavailableReason() const;
    /// The open list's languages: as kept, else guessed from its texts.
    ListLanguages languages() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Side { None, Question, Answer };
    /// A reading either cuts off what is being read (and drops what waits), or waits for it.
    enum class Turn { Now, After };

    void questionShown();
    void answerRevealed();
    void questionPicked(int pair);
    void matchesRight(const QList<int>& answerPairs);
    void cardShown();
    void cardAnswerShown();
    /// Whether the option asks for the side to be read as it comes (and sounds are on).
    bool automatic(Side side) const;
    /// Reads a side of a pair (or plays its sound when asked by the learner).
    void read(const Pair& pair, Side side, bool asked, Turn turn);
    /// Whether the quiz has a question (of the modes that ask one at a time).
    bool hasQuestion() const;
    /// The list's pair of this index (null when there is none).
    const Pair* listPair(int index) const;
    void speak(const QString& text, const QString& language);
    /// The voice stops, and nothing waits to be read.
    void silence();
    void listLoaded();
    void refresh();
    bool hasVoice(const QString& language) const;

    QuizView& m_view;
    ListDocument& m_doc;
    MainWindow& m_frame;
    AppSettings& m_settings;
    Speaker* m_speaker;
    EventSounds m_sounds;
    Side m_side = Side::None;
    mutable std::optional<ListLanguages> m_guess;
    bool m_speaking = false;
    int m_utterance = 0;
    std::deque<std::pair<QString, QString>> m_waiting; // text and language, in the order they are read
    QString m_told;
};

} // namespace brainlark
