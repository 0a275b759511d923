#include "core/subject.h"

namespace brainlark
{

const QuizInfo* Subject::findList(const std::string& key) const
{
    const auto it = m_lists.find(key);
    return it == m_lists.end() ? nullptr : it->second.get();
}

const QuizInfo* Subject::addList(const std::string& key)
{
    auto& slot = m_lists[key];
    if (!slot)
        slot = std::make_unique<QuizInfo>(key + ".fly");
    return slot.get();
}

} // namespace brainlark
