#pragma once

#include <string>
#include <sys/types.h>

#include "core/textstore.h"

namespace brainlark
{

/// The file side of saving and loading lists. A save goes to a temporary file in the target's folder
/// (".<name>.XXXXXX"), is flushed to disk and then renamed over the target, so the target is either the
/// old list or the new one, never a torn mix. Without commit() the temporary file is removed again.
class ArchiveFile
{
public:
    explicit ArchiveFile(std::string path);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    /// Creates the temporary file. Refuses a target that is a folder or that exists read-only.
    bool open(std::string* error);
    /// Writes all bytes, syncs, and replaces the target. The target keeps its permission bits.
    bool commit(const std::string& bytes, std::string* error);
    /// Path of the temporary file while one is open (tests use it).
    const std::string& temporaryPath() const { return m_temp; }

    /// Reads a whole file (up to TextStore::MaxSize bytes).
    static bool readAll(const std::string& path, TextStore& bytes, std::string* error);
    static bool readAll(const std::string& path, std::string& bytes, std::string* error);
    /// True when path names an existing regular file this process may write.
    static bool isWritableFile(const std::string& path, std::string* error);

private:
    bool fail(const std::string& what, const std::string& path, int errorNumber, std::string* error);
    bool writeAll(const std::string& bytes);
    void discard();

    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
};

} // namespace brainlark
