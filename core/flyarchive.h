#pragma once

#include <string>
#include <string_view>

#include "core/wordlist.h"

namespace brainlark {

/// Outcome of reading a list: ok, or a one-line reason ("unexpected end of file", "bad schema 11" ...).
struct LoadResult {
    bool ok = false;
    std::string error;
    explicit operator bool() const { return ok; }
};

/// Reader and writer of the .fly list format (little-endian archive of the pairs, the version-dependent
/// list fields and the wrong answers).
class FlyArchive {
public:
    /// Reads a whole list from bytes. On success `out` is replaced; on failure it is left untouched.
    static LoadResult read(std::string_view bytes, WordList& out);
    static LoadResult readFile(const std::string& path, WordList& out);

    /// Serialises the list as version 10. Like a save: unreverses the list and puts `stamp` into the
    /// created stamp when that is empty, otherwise into the saved stamp.
    static std::string write(WordList& list, const std::string& stamp);
    /// write() into a temporary file beside `path`, flushed, then renamed over it: a crash or a full disk
    /// never leaves a torn list. Returns false with a one-line reason when nothing could be written.
    static bool writeFile(const std::string& path, WordList& list, const std::string& stamp, std::string* error);

    /// The program stamp: "Version 4.0###<program items>###<local date and time>".
    static std::string makeStamp(const std::string& localDateTime);
};

} // namespace brainlark
