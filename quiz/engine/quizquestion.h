#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/pairlist.h"
#include "core/randomsource.h"
#include "quiz/engine/quiztypes.h"
#include "quiz/engine/typeinrules.h"

namespace brainlark
{

class WrongAnswerIndex;

/// What the next question is built from.
struct QuestionRequest {
    SelectionMode selection = SelectionMode::SmartPick;
    AnswerMode answers = AnswerMode::Random;
    QuizMode mode = QuizMode::MultipleChoice;
    /// Question text of the last question built; Smart Pick and Random try not to repeat it.
    std::string previousQuestion;
    int choiceCount = PairList::ChoiceCount;
    /// The pair to ask for the selection Due (the session picks it from its due queue).
    int dueIndex = -1;
};

/// One shown question: the pair asked, its answer choices (copies, so later list edits cannot reach them)
/// and the timing of the answer. Everything random goes through the given RandomSource, time through Clock.
class QuizQuestion
{
public:
    /// Draw limits of the repeat check.
    static constexpr int SmartPickDraws = 200;
    static constexpr int RandomDraws = 100;
    static constexpr int SmartPickCandidates = 5;

    /// An empty question (no pair, no choices); judging it is always wrong.
    QuizQuestion() = default;

    /// Picks the pair by the selection mode (Sequential advances list.lastIndex()), then builds the choices
    /// by quiz mode and answer mode. Predefined wrong answers are looked up in wrongAnswers when given,
    /// else by scanning the list. An empty list gives an empty question. The start time is set to now;
    /// call markShown() once the question is on the screen.
    static QuizQuestion build(PairList& list, const QuestionRequest& request, RandomSource& random,
                              const Clock& clock, WrongAnswerIndex* wrongAnswers = nullptr);

    /// Index of the asked pair in the list; -1 for an empty question.
    int questionIndex() const { return m_questionIndex; }
    bool isEmpty() const { return m_questionIndex < 0; }
    QuizMode mode() const { return m_mode; }
    /// A copy of the asked pair as it was when the question was built.
    const Pair& questionPair() const { return m_question; }
    /// The choices; a choice's position is its box index. In True/False and Type-in only choice 0 is shown
    /// ("True" judges choice 0, "False" choice 1).
    const std::vector<Pair>& choices() const { return m_choices; }
    int choiceCount() const { return static_cast<int>(m_choices.size()); }

    /// Takes the start time; drawing and animation then do not count toward the response time.
    void markShown(const Clock& clock) { m_startSeconds = clock.wallSeconds(); }
    int64_t startSeconds() const { return m_startSeconds; }
    /// Whole seconds from the start time to the last judgement (never negative).
    int responseSeconds() const { return m_responseSeconds; }

    /// Multiple-choice and True/False: a predefined wrong answer is wrong; the same question text is right;
    /// otherwise the same answer text is right. Out-of-range choices are wrong. Sets the response time.
    bool judgeChoice(int choice, const Clock& clock);
    /// Type-in: the typed text against the asked pair's answer under the options ("Skip" passes "").
    bool judgeTyped(const std::string& typed, const TypeinOptions& options, const Clock& clock);

private:
    static int pickIndex(PairList& list, const QuestionRequest& request, RandomSource& random,
                         const Clock& clock);
    void buildMultipleChoice(const PairList& list, const QuestionRequest& request, RandomSource& random,
                             WrongAnswerIndex* index);
    void buildTrueFalse(const PairList& list, const QuestionRequest& request, RandomSource& random,
                        WrongAnswerIndex* index);
    std::vector<const Pair*> predefinedWrongAnswers(const PairList& list, WrongAnswerIndex* index) const;
    void setResponseTime(const Clock& clock);

    int m_questionIndex = -1;
    QuizMode m_mode = QuizMode::MultipleChoice;
    Pair m_question;
    std::vector<Pair> m_choices;
    int64_t m_startSeconds = 0;
    int m_responseSeconds = 0;
};

} // namespace brainlark
