#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brainlark
{

class Pair;
class PairList;
class TextStore;

/// Two hashes that tell versions of a list apart without keeping them: `texts` covers what the learner
/// edits (pairs with their media and notes, wrong answers, the list's notes, subject and password),
/// `content` that and the statistics (counters, ratings, the sequential position). The stamps are in
/// neither, so two saves of the same list a minute apart have the same fingerprint.
struct ListFingerprint {
    uint64_t texts = 0;
    uint64_t content = 0;

    static ListFingerprint of(const PairList& list);
    /// Of a list file's bytes, read without building the list; nothing when they are not a list.
    static std::optional<ListFingerprint> ofBytes(const TextStore& bytes);

    /// "t0123456789abcdef-c0123456789abcdef"; parse() reads it back.
    std::string toText() const;
    static std::optional<ListFingerprint> parse(const std::string& text);

    bool operator==(const ListFingerprint& o) const { return texts == o.texts && content == o.content; }
    bool operator!=(const ListFingerprint& o) const { return !(*this == o); }
};

} // namespace brainlark
