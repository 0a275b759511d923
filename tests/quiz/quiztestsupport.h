#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/randomsource.h"
#include "core/pairlist.h"

namespace brainlark::test
{

/// A list of n pairs "q<i>" / "a<i>" with rating i (so pair 0 is the lowest rated).
inline PairList makeList(int n)
{
    PairList list;
    for (int i = 0; i < n; ++i) {
        Pair w("q" + std::to_string(i), "a" + std::to_string(i));
        w.setRating(static_cast<float>(i));
        list.pairs().push_back(w);
    }
    return list;
}

inline Pair wrongAnswer(const std::string& question, const std::string& answer)
{
    Pair w(question, answer);
    w.setKind(Pair::WrongAnswer);
    return w;
}

/// Returns the scripted values in order, then the fallback forever; counts the calls.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<uint32_t> script, uint32_t fallback = 0)
        : m_script(std::move(script)), m_fallback(fallback)
    {
    }
    uint32_t next() override
    {
        const size_t i = m_calls++;
        return i < m_script.size() ? m_script[i] : m_fallback;
    }
    size_t calls() const { return m_calls; }

private:
    std::vector<uint32_t> m_script;
    uint32_t m_fallback;
    size_t m_calls = 0;
};

/// A script of `count` copies of value followed by the rest.
inline std::vector<uint32_t> repeated(uint32_t value, size_t count, std::vector<uint32_t> rest = {})
{
    std::vector<uint32_t> script(count, value);
    script.insert(script.end(), rest.begin(), rest.end());
    return script;
}

} // namespace brainlark::test
