#include "quiz/scheduling/fsrsweights.h"

#include <charconv>
#include <cmath>

namespace brainlark
{

FsrsWeights FsrsWeights::defaults()
{
    return {{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
             1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542}};
}

const std::array<std::pair<double, double>, fsrs::WeightCount>& FsrsWeights::bounds()
{
    // The initial stabilities stay between the least stability and 100 days, the rest as published.
    static const std::array<std::pair<double, double>, fsrs::WeightCount> limits = {{
        {fsrs::MinStability, 100.0},
        {fsrs::MinStability, 100.0},
        {fsrs::MinStability, 100.0},
        {fsrs::MinStability, 100.0},
        {1.0, 10.0},
        {0.001, 4.0},
        {0.001, 4.0},
        {0.001, 0.75},
        {0.0, 4.5},
        {0.0, 0.8},
        {0.001, 3.5},
        {0.001, 5.0},
        {0.001, 0.25},
        {0.001, 0.9},
        {0.0, 4.0},
        {0.0, 1.0},
        {1.0, 6.0},
        {0.0, 2.0},
        {0.0, 2.0},
        {0.0, 0.8},
        {0.1, 0.8},
    }};
    return limits;
}

FsrsWeights FsrsWeights::bounded() const
{
    FsrsWeights result = *this;
    for (int i = 0; i < fsrs::WeightCount; ++i) {
        const auto [low, high] = bounds()[i];
        result.w[i] = std::isfinite(w[i]) ? std::fmin(std::fmax(w[i], low), high) : defaults().w[i];
    }
    return result;
}

bool FsrsWeights::isValid() const
{
    for (int i = 0; i < fsrs::WeightCount; ++i)
        if (!std::isfinite(w[i]) || w[i] < bounds()[i].first || w[i] > bounds()[i].second)
            return false;
    return true;
}

std::string FsrsWeights::toText() const
{
    // Locale-independent both ways: the stored text must read back the same under any language setting.
    std::string text;
    char number[32];
    for (int i = 0; i < fsrs::WeightCount; ++i) {
        const auto written = std::to_chars(number, number + sizeof number, w[i]);
        if (i > 0)
            text += ' ';
        text.append(number, written.ptr);
    }
    return text;
}

std::optional<FsrsWeights> FsrsWeights::fromText(std::string_view text)
{
    FsrsWeights weights;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    const auto skipSeparators = [&] {
        while (at != end && (*at == ' ' || *at == ',' || *at == '\t' || *at == '\n'))
            ++at;
    };
    for (int i = 0; i < fsrs::WeightCount; ++i) {
        skipSeparators();
        const auto read = std::from_chars(at, end, weights.w[i]);
        if (read.ec != std::errc() || !std::isfinite(weights.w[i]))
            return std::nullopt;
        at = read.ptr;
    }
    skipSeparators();
    if (at != end)
        return std::nullopt;
    return weights;
}

} // namespace brainlark
