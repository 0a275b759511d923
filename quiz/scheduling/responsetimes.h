#pragma once

#include <map>

namespace brainlark
{

/// The times of a list's right first answers in the timed modes, counted per whole second, and their median:
/// the yardstick GradeRule grades a right answer's time against.
class ResponseTimes
{
public:
    /// Longer times count as this many seconds (an answer left waiting).
    static constexpr int MaxSeconds = 3600;

    static int bucket(double seconds);
    void add(double seconds, int count = 1);
    int count() const { return m_total; }
    /// The median in whole seconds; -1 while fewer than GradeRule::MinTimedAnswers times are known.
    double median() const;
    /// Times per whole second.
    const std::map<int, int>& counts() const { return m_counts; }

private:
    std::map<int, int> m_counts;
    int m_total = 0;
};

} // namespace brainlark
