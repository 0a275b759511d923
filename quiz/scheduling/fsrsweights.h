#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "quiz/scheduling/fsrsmodel.h"

namespace brainlark
{

/// The 21 weights w0…w20 of the FSRS-6 model: the published defaults, the bounds the optimizer keeps them
/// in, and their stored form (the numbers separated by blanks).
struct FsrsWeights {
    fsrs::Weights<double> w{};

    /// The published FSRS-6 defaults, fitted by the open-spaced-repetition project on many learners' reviews.
    static FsrsWeights defaults();
    /// The published parameter bounds (low, high) of each weight.
    static const std::array<std::pair<double, double>, fsrs::WeightCount>& bounds();
    /// These weights with each one moved into its bounds.
    FsrsWeights bounded() const;
    /// Every weight finite and within its bounds.
    bool isValid() const;

    std::string toText() const;
    /// 21 finite numbers separated by blanks or commas; anything else gives nothing.
    static std::optional<FsrsWeights> fromText(std::string_view text);

    bool operator==(const FsrsWeights& other) const { return w == other.w; }
    bool operator!=(const FsrsWeights& other) const { return w != other.w; }
};

} // namespace brainlark
