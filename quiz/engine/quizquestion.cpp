#include "quiz/engine/quizquestion.h"

#include <algorithm>

#include "quiz/engine/randomindexset.h"
#include "quiz/engine/wronganswerindex.h"

namespace brainlark
{

namespace
{

int pickSequential(PairList& list)
{
    const int64_t n = list.count();
    // A damaged position (below -1, or past the end after the list shrank) restarts or wraps cleanly.
    const int64_t last = std::max<int64_t>(list.lastIndex(), -1);
    const int index = static_cast<int>((last + 1) % n);
    list.setLastIndex(index);
    return index;
}

int pickRandom(const PairList& list, const std::string& previous, RandomSource& random)
{
    const uint32_t n = static_cast<uint32_t>(list.count());
    int index = 0;
    for (int draw = 0; draw < QuizQuestion::RandomDraws; ++draw) {
        index = static_cast<int>(random.below(n));
        if (list.pairs()[static_cast<size_t>(index)].shownQuestion() != previous)
            break;
    }
    return index;
}

int pickSmart(PairList& list, const std::string& previous, RandomSource& random, const Clock& clock)
{
    const std::vector<int32_t> candidates = list.sortByRating(QuizQuestion::SmartPickCandidates);
    const uint32_t n = static_cast<uint32_t>(list.count());
    // Lists under five pairs are refused before a quiz starts; the modulo keeps a short list safe anyway.
    const uint32_t count = static_cast<uint32_t>(candidates.size());
    int index = candidates.front();
    for (int draw = 0; draw < QuizQuestion::SmartPickDraws; ++draw) {
        const uint32_t ticks = static_cast<uint32_t>(static_cast<uint64_t>(clock.ticksMs()) % n);
        const uint32_t k = (random.next() + ticks) % count;
        index = candidates[k];
        if (list.pairs()[static_cast<size_t>(index)].shownQuestion() != previous)
            break;
    }
    return index;
}

} // namespace

QuizQuestion QuizQuestion::build(PairList& list, const QuestionRequest& request, RandomSource& random,
                                 const Clock& clock, WrongAnswerIndex* wrongAnswers)
{
    QuizQuestion question;
    question.m_mode = request.mode;
    question.m_startSeconds = clock.wallSeconds();
    if (list.count() <= 0)
        return question;
    question.m_questionIndex = pickIndex(list, request, random, clock);
    question.m_question = list.pairs()[static_cast<size_t>(question.m_questionIndex)];
    if (request.mode == QuizMode::TrueFalse || request.mode == QuizMode::TypeIn)
        question.buildTrueFalse(list, request, random, wrongAnswers);
    else
        question.buildMultipleChoice(list, request, random, wrongAnswers);
    return question;
}

int QuizQuestion::pickIndex(PairList& list, const QuestionRequest& request, RandomSource& random,
                            const Clock& clock)
{
    switch (request.selection) {
    case SelectionMode::Sequential:
        return pickSequential(list);
    case SelectionMode::Random:
        return pickRandom(list, request.previousQuestion, random);
    case SelectionMode::Due:
        if (request.dueIndex >= 0 && request.dueIndex < list.count())
            return request.dueIndex;
        break;
    case SelectionMode::SmartPick:
        break;
    }
    return pickSmart(list, request.previousQuestion, random, clock);
}

std::vector<const Pair*> QuizQuestion::predefinedWrongAnswers(const PairList& list,
                                                              WrongAnswerIndex* index) const
{
    std::vector<const Pair*> found;
    if (index == nullptr) {
        list.collectWrongAnswers(m_question.shownQuestion(), found);
        return found;
    }
    for (int i : index->lookup(list, m_question.shownQuestion()))
        found.push_back(&list.wrongAnswers()[static_cast<size_t>(i)]);
    return found;
}

void QuizQuestion::buildMultipleChoice(const PairList& list, const QuestionRequest& request,
                                       RandomSource& random, WrongAnswerIndex* index)
{
    const int c = request.choiceCount;
    const int n = list.count();
    if (request.answers == AnswerMode::Random) {
        const RandomIndexSet drawn(random, c, n, m_questionIndex);
        for (int i : drawn.indices())
            m_choices.push_back(list.pairs()[static_cast<size_t>(i)]);
        return;
    }
    // Candidates: the pair itself (slot 0), then its predefined wrong answers in list order.
    std::vector<const Pair*> candidates{&list.pairs()[static_cast<size_t>(m_questionIndex)]};
    for (const Pair* w : predefinedWrongAnswers(list, index))
        candidates.push_back(w);
    const int m = static_cast<int>(candidates.size());
    if (m >= c) {
        const RandomIndexSet drawn(random, c, m, 0);
        for (int i : drawn.indices())
            m_choices.push_back(*candidates[static_cast<size_t>(i)]);
        return;
    }
    // Too few wrong answers: fill up with random pairs (the asked one among them), then shuffle.
    std::vector<const Pair*> pool;
    const RandomIndexSet pairs(random, c - m + 1, n, m_questionIndex);
    for (int i : pairs.indices())
        pool.push_back(&list.pairs()[static_cast<size_t>(i)]);
    pool.insert(pool.end(), candidates.begin() + 1, candidates.end());
    const RandomIndexSet order(random, static_cast<int>(pool.size()), static_cast<int>(pool.size()));
    for (int i : order.indices())
        m_choices.push_back(*pool[static_cast<size_t>(i)]);
}

void QuizQuestion::buildTrueFalse(const PairList& list, const QuestionRequest& request, RandomSource& random,
                                  WrongAnswerIndex* index)
{
    const bool statementTrue = random.next() % 2 == 0;
    Pair wrong;
    std::vector<const Pair*> predefined;
    if (request.answers == AnswerMode::Predefined)
        predefined = predefinedWrongAnswers(list, index);
    if (!predefined.empty()) {
        wrong = *predefined[random.below(static_cast<uint32_t>(predefined.size()))];
    } else {
        // May be the asked pair itself; then both buttons are right.
        wrong = list.pairs()[random.below(static_cast<uint32_t>(list.count()))];
    }
    const Pair& first = statementTrue ? m_question : wrong;
    const Pair& rest = statementTrue ? wrong : m_question;
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
    const Pair& p = m_choices[static_cast<size_t>(choice)];
    if (p.kind() != Pair::QuestionAnswer)
        return false;
    if (p.shownQuestion() == m_question.shownQuestion())
        return true;
    return p.shownAnswer() == m_question.shownAnswer();
}

bool QuizQuestion::judgeTyped(const std::string& typed, const TypeinOptions& options, const Clock& clock)
{
    setResponseTime(clock);
    if (isEmpty())
        return false;
    return TypeinRules::matches(typed, m_question.shownAnswer(), options);
}

} // namespace brainlark
