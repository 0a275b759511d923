#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace brainlark
{

/// The one way the program writes a file: lists, exports, reports, databases. A save goes to a hidden
/// temporary file in the target's folder (".<name>.XXXXXX"), is flushed to disk and then renamed over the
/// target, so the target is either the old file or the new one, never a torn mix. A symbolic link is
/// followed: the file it points to is replaced.
///
/// The temporary file exists only while the bytes are written, and its writer holds an advisory lock on
/// it meanwhile. What a killed or crashed save left behind holds no lock: the next save of the same
/// target removes it, never the live temporary file of another program.
class SaveFile
{
public:
    explicit SaveFile(std::string path);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    /// open() and commit() in one: writes the whole file or nothing.
    static bool write(const std::string& path, std::string_view bytes, std::string* error);

    /// Checks that the target may be replaced: refuses a target that exists read-only (also for the
    /// superuser) or is not a regular file (a folder, a FIFO, a device, a link to nothing). Nothing is
    /// created yet, so a caller may check before it spends time on the bytes.
    bool open(std::string* error);
    /// Writes all bytes into a new temporary file, syncs, and replaces the target. The target keeps its
    /// permission bits.
    bool commit(std::string_view bytes, std::string* error);

    /// True when path names an existing regular file this process may write.
    static bool isWritableFile(const std::string& path, std::string* error);
    /// Removes the temporary files in folder that no running save holds: those of the target named
    /// targetName, or with an empty name every one (a folder only this program writes). Returns how many.
    static int removeStaleTemporaries(const std::string& folder, const std::string& targetName = {});
    /// The start of the temporary files' names of a target ("." and up to 200 bytes of its name, ".").
    static std::string temporaryPrefix(const std::string& targetName);
    /// Characters after the prefix.
    static constexpr size_t SuffixLength = 6;

private:
    bool fail(const char* what, const std::string& path, int errorNumber, std::string* error);
    bool refuse(const char* reason, std::string* error);
    bool check(std::string* error);
    bool createTemporary(std::string* error);
    bool writeAll(std::string_view bytes);
    void discard();

    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    bool m_exists = false;
    struct Owner {
        unsigned uid = 0, gid = 0, mode = 0;
    } m_owner;
};

} // namespace brainlark
