#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "core/quizinfo.h"

namespace brainlark
{

/// A subject of the catalogue: its name and the lists filed under it, keyed by the list key (the file name
/// without ".fly"). Keys and names are byte strings compared exactly.
class Subject
{
public:
    explicit Subject(std::string name) : m_name(std::move(name)) {}

    const std::string& name() const { return m_name; }

    /// The entry filed under key, or nullptr.
    const QuizInfo* findList(const std::string& key) const;
    /// Files the list under key with file name key + ".fly"; an existing entry is kept. Returns the entry.
    const QuizInfo* addList(const std::string& key);
    int listCount() const { return static_cast<int>(m_lists.size()); }

private:
    std::string m_name;
    std::unordered_map<std::string, std::unique_ptr<QuizInfo>> m_lists;
};

} // namespace brainlark
