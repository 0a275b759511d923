#include "quiz/engine/quizquestion.h"

#include <algorithm>

#include "quiz/engine/randomindexset.h"
#include "quiz/engine/wronganswerindex.h"

namespace brainlark
{

namespace
{

int pickSequential(WordList& list)
{
    const int64_t n = list.GetCount();
    // A damaged position (below -1, or past the end after the list shrank) restarts or wraps cleanly.
    const int64_t last = std::max<int64_t>(list.lastIndex(), -1);
    const int index = static_cast<int>((last + 1) % n);
    list.setLastIndex(index);
    return index;
}

int pickRandom(const WordList& list, const std::string& previous, RandomSource& random)
{
    const uint32_t n = static_cast<uint32_t>(list.GetCount());
    int index = 0;
    for (int draw = 0; draw < QuizQuestion::RandomDraws; ++draw) {
        index = static_cast<int>(random.below(n));
        if (list.pairs()[static_cast<size_t>(index)].GetQuestion() != previous)
            break;
    }
    return index;
}

int pickSmart(WordList& list, const std::string& previous, RandomSource& random, const Clock& clock)
{
    const std::vector<int32_t> candidates = list.SortByRating(QuizQuestion::SmartPickCandidates);
    const uint32_t n = static_cast<uint32_t>(list.GetCount());
    // Lists under five pairs are refused before a quiz starts; the modulo keeps a short list safe anyway.
    const uint32_t count = static_cast<uint32_t>(candidates.size());
    int index = candidates.front();
    for (int draw = 0; draw < QuizQuestion::SmartPickDraws; ++draw) {
        const uint32_t ticks = static_cast<uint32_t>(static_cast<uint64_t>(clock.ticksMs()) % n);
        const uint32_t k = (random.next() + ticks) % count;
        index = candidates[k];
        if (list.pairs()[static_cast<size_t>(index)].GetQuestion() != previous)
            break;
    }
    return index;
}

} // namespace

QuizQuestion QuizQuestion::build(WordList& list, const QuestionRequest& request, RandomSource& random,
                                 const Clock& clock, WrongAnswerIndex* wrongAnswers)
{
    QuizQuestion question;
    question.m_mode = request.mode;
    question.m_startSeconds = clock.wallSeconds();
    if (list.GetCount() <= 0)
        return question;
    question.m_questionIndex = pickIndex(list, request, random, clock);
    question.m_question = list.pairs()[static_cast<size_t>(question.m_questionIndex)];
    if (request.mode == QuizMode::TrueFalse || request.mode == QuizMode::TypeIn)
        question.buildTrueFalse(list, request, random, wrongAnswers);
    else
        question.buildMultipleChoice(list, request, random, wrongAnswers);
    return question;
}

int QuizQuestion::pickIndex(WordList& list, const QuestionRequest& request, RandomSource& random,
                            const Clock& clock)
{
    switch (request.selection) {
    case SelectionMode::Sequential:
        return pickSequential(list);
    case SelectionMode::Random:
        return pickRandom(list, request.previousQuestion, random);
    case SelectionMode::SmartPick:
        break;
    }
    return pickSmart(list, request.previousQuestion, random, clock);
}

std::vector<const Word*> QuizQuestion::predefinedWrongAnswers(const WordList& list,
                                                              WrongAnswerIndex* index) const
{
    std::vector<const Word*> found;
    if (index == nullptr) {
        list.CollectWrongAnswers(m_question.GetQuestion(), found);
        return found;
    }
    for (int i : index->lookup(list, m_question.GetQuestion()))
        found.push_back(&list.wrongAnswers()[static_cast<size_t>(i)]);
    return found;
}

void QuizQuestion::buildMultipleChoice(const WordList& list, const QuestionRequest& request,
                                       RandomSource& random, WrongAnswerIndex* index)
{
    const int c = request.choiceCount;
    const int n = list.GetCount();
    if (request.answers == AnswerMode::Random) {
        const RandomIndexSet drawn(random, c, n, m_questionIndex);
        for (int i : drawn.indices())
            m_choices.push_back(list.pairs()[static_cast<size_t>(i)]);
        return;
    }
    // Candidates: the pair itself (slot 0), then its predefined wrong answers in list order.
    std::vector<const Word*> candidates{&list.pairs()[static_cast<size_t>(m_questionIndex)]};
    for (const Word* w : predefinedWrongAnswers(list, index))
        candidates.push_back(w);
    const int m = static_cast<int>(candidates.size());
    if (m >= c) {
        const RandomIndexSet drawn(random, c, m, 0);
        for (int i : drawn.indices())
            m_choices.push_back(*candidates[static_cast<size_t>(i)]);
        return;
    }
    // Too few wrong answers: fill up with random pairs (the asked one among them), then shuffle.
    std::vector<const Word*> pool;
    const RandomIndexSet pairs(random, c - m + 1, n, m_questionIndex);
    for (int i : pairs.indices())
        pool.push_back(&list.pairs()[static_cast<size_t>(i)]);
    pool.insert(pool.end(), candidates.begin() + 1, candidates.end());
    const RandomIndexSet order(random, static_cast<int>(pool.size()), static_cast<int>(pool.size()));
    for (int i : order.indices())
        m_choices.push_back(*pool[static_cast<size_t>(i)]);
}

void QuizQuestion::buildTrueFalse(const WordList& list, const QuestionRequest& request, RandomSource& random,
                                  WrongAnswerIndex* index)
{
    const bool statementTrue = random.next() % 2 == 0;
    Word wrong;
    std::vector<const Word*> predefined;
    if (request.answers == AnswerMode::Predefined)
        predefined = predefinedWrongAnswers(list, index);
    if (!predefined.empty()) {
        wrong = *predefined[random.below(static_cast<uint32_t>(predefined.size()))];
    } else {
        // May be the asked pair itself; then both buttons are right.
        wrong = list.pairs()[random.below(static_cast<uint32_t>(list.GetCount()))];
    }
    const Word& first = statementTrue ? m_question : wrong;
    const Word& rest = statementTrue ? wrong : m_question;
    const int c = std::max(request.choiceCount, 2);
    m_choices.push_back(first);
    for (int i = 1; i < c; ++i)
        m_choices.push_back(rest);
}

void QuizQuestion::setResponseTime(const Clock& clock)
{
    const int64_t elapsed = clock.wallSeconds() - m_startSeconds;
    m_responseSeconds = static_cast<int>(std::clamp<int64_t>(elapsed, 0, INT32_MAX));
}

bool QuizQuestion::judgeChoice(int choice, const Clock& clock)
{
    setResponseTime(clock);
    if (isEmpty() || choice < 0 || choice >= choiceCount())
        return false;
    const Word& p = m_choices[static_cast<size_t>(choice)];
    if (p.kind() != Word::Pair)
        return false;
    if (p.GetQuestion() == m_question.GetQuestion())
        return true;
    return p.GetAnswer() == m_question.GetAnswer();
}

bool QuizQuestion::judgeTyped(const std::string& typed, const TypeinOptions& options, const Clock& clock)
{
    setResponseTime(clock);
    if (isEmpty())
        return false;
    return TypeinRules::matches(typed, m_question.GetAnswer(), options);
}

} // namespace brainlark
