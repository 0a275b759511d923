#pragma once

#include <string>
#include <sys/types.h>

namespace brainlark
{

/// The one way the program writes a file: lists, exports, reports, databases. A save goes to a hidden
/// temporary file in the target's folder (".<name>.XXXXXX"), is flushed to disk and then renamed over the
/// target, so the target is either the old file or the new one, never a torn mix. A symbolic link is
/// followed: the file it points to is replaced. Without commit() the temporary file is removed again.
class SaveFile
{
public:
    explicit SaveFile(std::string path);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    /// open() and commit() in one: writes the whole file or nothing.
    static bool write(const std::string& path, const std::string& bytes, std::string* error);

    /// Creates the temporary file. Refuses a target that exists read-only (also for the superuser) or is
    /// not a regular file (a folder, a FIFO, a device, a link to nothing).
    bool open(std::string* error);
    /// Writes all bytes, syncs, and replaces the target. The target keeps its permission bits.
    bool commit(const std::string& bytes, std::string* error);
    /// Path of the temporary file while one is open (tests use it).
    const std::string& temporaryPath() const { return m_temp; }

    /// True when path names an existing regular file this process may write.
    static bool isWritableFile(const std::string& path, std::string* error);

private:
    bool fail(const std::string& what, const std::string& path, int errorNumber, std::string* error);
    bool refuse(const char* reason, std::string* error);
    bool writeAll(const std::string& bytes);
    void discard();

    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
};

} // namespace brainlark
