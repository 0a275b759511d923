#include "quiz/engine/wronganswerindex.h"

namespace brainlark
{

std::vector<int> WrongAnswerIndex::lookup(const PairList& list, std::string_view question)
{
    if (!isCurrent(list))
        rebuild(list);
    auto it = m_byQuestion.find(std::string(question));
    if (it != m_byQuestion.end() && !stillMatches(list, question, it->second)) {
        rebuild(list);
        it = m_byQuestion.find(std::string(question));
    }
    return it == m_byQuestion.end() ? std::vector<int>{} : it->second;
}

bool WrongAnswerIndex::isCurrent(const PairList& list) const
{
    const auto& entries = list.wrongAnswers();
    return m_built && m_list == &list && m_storage == entries.data() && m_size == entries.size();
}

bool WrongAnswerIndex::stillMatches(const PairList& list, std::string_view question,
                                    const std::vector<int>& hits) const
{
    const auto& entries = list.wrongAnswers();
    for (int i : hits) {
        if (i < 0 || static_cast<size_t>(i) >= entries.size())
            return false;
        const Pair& w = entries[static_cast<size_t>(i)];
        if (w.kind() != Pair::WrongAnswer || w.question() != question)
            return false;
    }
    return true;
}

void WrongAnswerIndex::rebuild(const PairList& list)
{
    m_byQuestion.clear();
    const auto& entries = list.wrongAnswers();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind() == Pair::WrongAnswer)
            m_byQuestion[std::string(entries[i].question())].push_back(static_cast<int>(i));
    }
    m_list = &list;
    m_storage = entries.data();
    m_size = entries.size();
    m_built = true;
}

} // namespace brainlark
