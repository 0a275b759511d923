#pragma once

#include <string>

namespace brainlark
{

/// One catalogued list: the list's file name with extension and without folder ("Spanish.fly").
class QuizInfo
{
public:
    explicit QuizInfo(std::string fileName) : m_fileName(std::move(fileName)) {}

    const std::string& fileName() const { return m_fileName; }

private:
    std::string m_fileName;
};

} // namespace brainlark
