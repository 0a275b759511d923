#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "services/eventsounds.h"
#include "services/speechlanguage.h"

namespace brainlark
{

class AppSettings;
class ListDocument;
class MainWindow;
class QuizView;
class Speaker;
struct Services;

/// Read aloud: the Quiz menu's "Read Aloud" (Ctrl+R) reads the question on the screen, or its answer once
/// the answer is known (judged right, a wrong answer that moves on, or shown automatically), with the
/// system's voice for the language of that side; the options read each question as it appears and each
/// answer as it becomes known. A side whose pair has a recorded sound is never spoken: the command plays
/// the sound, automatic reading leaves it to the sound options. The languages are the list's, as chosen in
/// Notes and Subject and kept by the frame's language store, else guessed from the texts' script.
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

private:
    enum class Side { None, Question, Answer };

    void questionShown();
    void answerRevealed();
    /// Reads a side of the question on the screen (or plays its sound when asked by the learner). A
    /// question read of itself waits for what is being read to end.
    void read(Side side, bool asked);
    void speak(const QString& text, const QString& language);
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
    std::function<void()> m_next;
    QString m_told;
};

} // namespace brainlark
