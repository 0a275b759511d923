#pragma once

#include "core/uitext.h"

#include <cstdint>
#include <string>

#include "core/clock.h"
#include "core/pairlist.h"
#include "core/randomsource.h"
#include "quiz/engine/appflags.h"
#include "quiz/engine/duequeue.h"
#include "quiz/engine/questionreason.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/engine/wronganswerindex.h"

namespace brainlark
{

/// What judging one answer did.
struct AnswerOutcome {
    bool judged = false; ///< false when there was no question to judge
    bool right = false;
    bool alertDue = false; ///< a right answer reached a Smart Counter alert
    // The judged pair as entered (empty when the list changed under the question) and the time taken.
    std::string question;
    std::string answer;
    int seconds = 0;
    bool firstTry = false; ///< the question's first answer: the pair's review
};

/// The question cycle of one open list: the score, the previous question text, the missed flag and the
/// current question. Statistics go to the list's own pairs (not to the question's copies).
/// The list, random source and clock must outlive the session.
class QuizSession
{
public:
    QuizSession(PairList& list, RandomSource& random, const Clock& clock);

    /// Switches to another list: score, previous question, missed flag and current question start afresh.
    void setList(PairList& list);
    PairList& list() { return *m_list; }
    /// Tells the session that pairs or wrong answers were edited, so cached look-ups are rebuilt.
    void listChanged() { m_wrongAnswerIndex.invalidate(); }

    // Score ("Right: %d - Wrong: %d"); starts at 0, cleared only by resetScore().
    int32_t rightCount() const { return m_right; }
    int32_t wrongCount() const { return m_wrong; }
    void resetScore();
    std::string scoreText() const;

    /// Builds the next question, remembers its text as the previous question and clears the missed flag.
    /// For the selection Due it asks the due queue (given with setDueQueue); when nothing more is due the
    /// question is empty and dueExhausted() tells why, unless the learner let Smart Pick take over.
    const QuizQuestion& newQuestion(SelectionMode selection, AnswerMode answers, QuizMode mode);
    /// The due pairs of the open list; the session tells it which pairs were answered. May be null.
    void setDueQueue(DueQueue* queue) { m_due = queue; }
    /// The last newQuestion() with the selection Due found nothing more due today.
    bool dueExhausted() const { return m_dueExhausted; }
    const QuizQuestion& current() const { return m_current; }
    /// Why the current question was asked (explained for Smart Pick and Due).
    const QuestionReason& reason() const { return m_reason; }
    QuizQuestion& current() { return m_current; }
    const std::string& previousQuestion() const { return m_previousQuestion; }
    /// Takes the current question's start time; call when it has been drawn.
    void markShown() { m_current.markShown(*m_clock); }

    /// Set once the current question received a wrong answer.
    bool missed() const { return m_missed; }
    void setMissed(bool missed) { m_missed = missed; }

    /// Multiple-choice and True/False click on choice (box index or 0 "True" / 1 "False").
    AnswerOutcome answerChoice(int choice, const AppFlags& flags, int32_t alertFactor);
    /// Type-in "Try" with the typed text, or "Skip" (judges the empty text).
    AnswerOutcome answerTyped(const std::string& typed, bool skip, const AppFlags& flags,
                              int32_t alertFactor);

    /// Smart Counter: counting is on (fun flags 0x20), the alert factor N is positive and the right count
    /// is a multiple of N. N is stored negative while alerts are switched off.
    bool alertDue(const AppFlags& flags, int32_t alertFactor) const;

    /// After a wrong answer: Type-in moves on for "Skip" or unless "Keep trying"; the other modes move on
    /// only with "Continue after wrong answer".
    static bool movesOnAfterWrong(QuizMode mode, bool skip, const AppFlags& flags);

    enum class ReverseResult { Reversed, Refused };
    static constexpr const char* ReverseRefusedText =
        QT_TRANSLATE_NOOP("brainlark::QuizSession",
                          "Sorry, questions and answers can not be reversed in the Predefined Answers mode.");
    /// Swaps questions and answers of the list, or refuses in the Predefined answer mode (nothing changes;
    /// the caller shows ReverseRefusedText). The caller builds the new question.
    ReverseResult reverse(AnswerMode answers);
    /// Toggled by every successful reverse().
    bool isReversed() const { return m_reversed; }

private:
    AnswerOutcome settle(bool right, const AppFlags& flags, int32_t alertFactor);

    PairList* m_list;
    RandomSource* m_random;
    const Clock* m_clock;
    WrongAnswerIndex m_wrongAnswerIndex;
    DueQueue* m_due = nullptr;
    bool m_dueExhausted = false;
    QuizQuestion m_current;
    QuestionReason m_reason;
    std::string m_previousQuestion;
    int32_t m_right = 0;
    int32_t m_wrong = 0;
    bool m_missed = false;
    bool m_reversed = false;
};

} // namespace brainlark
