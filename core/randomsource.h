#pragma once

#include <cstdint>
#include <random>

namespace brainlark
{

/// The program's source of randomness. One generator, seeded once; tests seed it with a fixed value.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    /// A uniformly distributed non-negative number (like rand(), but 31 bits).
    virtual uint32_t next() = 0;
    /// Uniform in [0, bound); 0 when bound is 0.
    uint32_t below(uint32_t bound);
};

/// Mersenne twister behind the RandomSource interface.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(uint32_t seed) : m_engine(seed) {}
    uint32_t next() override { return static_cast<uint32_t>(m_engine() >> 1); }
    void reseed(uint32_t seed) { m_engine.seed(seed); }

private:
    std::mt19937 m_engine;
};

} // namespace brainlark
