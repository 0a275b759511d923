#include "quiz/engine/quizsession.h"

#include <cstdio>

namespace brainlark
{

QuizSession::QuizSession(PairList& list, RandomSource& random, const Clock& clock)
    : m_list(&list), m_random(&random), m_clock(&clock)
{
}

void QuizSession::setList(PairList& list)
{
    m_list = &list;
    m_wrongAnswerIndex.invalidate();
    m_current = QuizQuestion();
    m_reason = QuestionReason();
    m_previousQuestion.clear();
    m_missed = false;
    m_reversed = false;
    resetScore();
}

void QuizSession::resetScore()
{
    m_right = 0;
    m_wrong = 0;
}

std::string QuizSession::scoreText() const
{
    char text[64];
    std::snprintf(text, sizeof text, "Right: %d - Wrong: %d", m_right, m_wrong);
    return text;
}

const QuizQuestion& QuizSession::newQuestion(SelectionMode selection, AnswerMode answers, QuizMode mode)
{
    QuestionRequest request;
    request.selection = selection;
    request.answers = answers;
    request.mode = mode;
    request.previousQuestion = m_previousQuestion;
    m_dueExhausted = false;
    m_missed = false;
    if (selection == SelectionMode::Due) {
        if (!m_due || m_due->smartPickTakesOver()) {
            request.selection = SelectionMode::SmartPick;
        } else {
            request.dueIndex = m_due->next(*m_list, *m_clock, m_previousQuestion);
            if (request.dueIndex < 0) {
                m_dueExhausted = true;
                m_current = QuizQuestion();
                m_reason = QuestionReason();
                return m_current;
            }
        }
    }
    m_current = QuizQuestion::build(*m_list, request, *m_random, *m_clock, &m_wrongAnswerIndex);
    if (!m_current.isEmpty())
        m_previousQuestion = m_current.questionPair().shownQuestion();
    m_reason = QuestionReason();
    if (!m_current.isEmpty() && request.selection == SelectionMode::SmartPick)
        m_reason = QuestionReason::forPair(*m_list, m_current.questionIndex());
    if (!m_current.isEmpty() && request.selection == SelectionMode::Due)
        if (const DuePair* due = m_due->find(m_current.questionIndex()))
            m_reason = QuestionReason::forDue(*due, m_due->today());
    return m_current;
}

AnswerOutcome QuizSession::answerChoice(int choice, const AppFlags& flags, int32_t alertFactor)
{
    if (m_current.isEmpty())
        return {};
    return settle(m_current.judgeChoice(choice, *m_clock), flags, alertFactor);
}

AnswerOutcome QuizSession::answerTyped(const std::string& typed, bool skip, const AppFlags& flags,
                                       int32_t alertFactor)
{
    if (m_current.isEmpty())
        return {};
    const std::string text = skip ? std::string() : typed;
    return settle(m_current.judgeTyped(text, TypeinOptions::fromFlags(flags), *m_clock), flags, alertFactor);
}

AnswerOutcome QuizSession::settle(bool right, const AppFlags& flags, int32_t alertFactor)
{
    AnswerOutcome outcome;
    outcome.judged = true;
    outcome.right = right;
    const int index = m_current.questionIndex();
    // The list may have been replaced or shortened under a shown question; then only the score counts.
    Pair* pair = index < m_list->count() ? m_list->at(index, PairList::Pairs) : nullptr;
    outcome.seconds = m_current.responseSeconds();
    outcome.firstTry = !m_missed;
    if (pair != nullptr) {
        outcome.question = pair->question();
        outcome.answer = pair->answer();
        if (outcome.firstTry && m_due)
            m_due->answered(index);
    }
    if (right) {
        if (pair != nullptr) {
            pair->addRight(1);
            pair->incrementTimesInQuestion();
            pair->updateRating(m_current.responseSeconds(), m_missed);
        }
        m_right = wrappingAdd(m_right, 1);
        outcome.alertDue = alertDue(flags, alertFactor);
    } else {
        if (pair != nullptr)
            pair->addWrong(1);
        m_wrong = wrappingAdd(m_wrong, 1);
        m_missed = true;
    }
    return outcome;
}

bool QuizSession::alertDue(const AppFlags& flags, int32_t alertFactor) const
{
    return flags.fun(AppFlags::SmartCounter) && alertFactor > 0 && m_right % alertFactor == 0;
}

bool QuizSession::movesOnAfterWrong(QuizMode mode, bool skip, const AppFlags& flags)
{
    if (mode == QuizMode::TypeIn)
        return skip || !flags.fun(AppFlags::KeepTrying);
    return flags.fun(AppFlags::ContinueAfterWrong);
}

QuizSession::ReverseResult QuizSession::reverse(AnswerMode answers)
{
    if (answers == AnswerMode::Predefined)
        return ReverseResult::Refused;
    if (m_list->count() > 0)
        m_list->toggleReverse();
    m_reversed = !m_reversed;
    return ReverseResult::Reversed;
}

} // namespace brainlark
