#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/pairlist.h"

namespace brainlark
{

/// Outcome of reading a list: ok, or a one-line reason ("unexpected end of file", "bad schema 11" ...).
struct LoadResult {
    bool ok = false;
    std::string error;
    /// The list format version the file was written with (1-10), once read.
    uint32_t version = 0;
    explicit operator bool() const { return ok; }
};

/// Reader and writer of the .fly list format (little-endian archive of the pairs, the version-dependent
/// list fields and the wrong answers).
class FlyArchive
{
public:
    /// Format written by this program: list version and pair class schema.
    static constexpr uint32_t CurrentVersion = 10;
    static constexpr uint16_t CurrentSchema = 10;
    /// The class tag every list file stores for a pair. Files written by other programs carry it, so it
    /// stays "Word" byte for byte although the program calls the class Pair.
    static constexpr std::string_view PairClassTag = "Word";

    /// Reads a whole list from bytes. On success `out` is replaced; on failure it is left untouched.
    static LoadResult read(std::string_view bytes, PairList& out);
    static LoadResult readFile(const std::string& path, PairList& out);

    enum class PairArray { Pairs, WrongAnswers };
    using PairVisitor = std::function<void(PairArray array, const Pair& pair)>;
    /// Reads a list without keeping its pairs, for lists too big to hold more than once: every pair and then
    /// every wrong answer is handed to `visit` as it is read and lives only during the call; `fields`
    /// receives the list's own fields (notes, stamps, password, subject, last index) and no pairs. A damaged
    /// file can fail after some pairs were visited: callers that must not act on half a list scan twice,
    /// the first time without a visitor.
    static LoadResult scan(const TextStore& bytes, PairList& fields, const PairVisitor& visit);

    /// Serialises the list as version 10. Like a save: unreverses the list and puts `stamp` into the
    /// created stamp when that is empty, otherwise into the saved stamp.
    static std::string write(PairList& list, const std::string& stamp);
    /// write() into a temporary file beside `path`, flushed, then renamed over it: a crash or a full disk
    /// never leaves a torn list. An existing target keeps its permission bits; a read-only one is refused.
    /// Returns false with a one-line reason when nothing could be written (the target is then untouched).
    static bool writeFile(const std::string& path, PairList& list, const std::string& stamp,
                          std::string* error);
    /// writeFile() for the automatic save, which only ever updates a list that is still there: refuses,
    /// writing nothing and leaving `list` as it is, when `path` does not exist or is not writable.
    static bool writeExistingFile(const std::string& path, PairList& list, const std::string& stamp,
                                  std::string* error);

    /// The program stamp: "Version 4.0###<program items>###<local date and time>". The caller formats the
    /// date, so the stamp is reproducible in tests.
    static std::string makeStamp(const std::string& localDateTime);
};

} // namespace brainlark
