#include "core/savefile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/messages.h"

namespace brainlark
{

namespace
{

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A save through a symbolic link updates the file it points to instead of replacing the link. A link that
// leads nowhere is kept as it is: the save then fails on the path itself (see SaveFile::open).
std::string resolveLink(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

// Whether an existing file may be replaced. The superuser passes every access() check, so a file nobody
// may write (mode 0444) counts as read-only for everyone: a save never gets past it.
int writeRefusal(const std::string& path, const struct stat& st)
{
    if (::access(path.c_str(), W_OK) != 0)
        return errno;
    return (st.st_mode & 0222) == 0 ? EACCES : 0;
}

std::string randomSuffix()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::string suffix;
    for (size_t i = 0; i < SaveFile::SuffixLength; ++i)
        suffix += letters[device() % (sizeof letters - 1)];
    return suffix;
}

// ".<target>.XXXXXX": the prefix, then SuffixLength letters or digits as randomSuffix() makes them.
// With an empty target name, the temporary file of any target: ".<something>.XXXXXX".
bool isTemporaryName(const std::string& name, const std::string& targetName)
{
    const size_t suffix = SaveFile::SuffixLength;
    if (targetName.empty()) {
        if (name.size() < suffix + 3 || name[0] != '.' || name[name.size() - suffix - 1] != '.')
            return false;
    } else {
        const std::string prefix = SaveFile::temporaryPrefix(targetName);
        if (name.size() != prefix.size() + suffix || name.compare(0, prefix.size(), prefix) != 0)
            return false;
    }
    return std::all_of(name.end() - long(suffix), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

void syncFolder(const std::string& folder)
{
    // Makes the rename itself durable; a failure here cannot be undone and the data is already in place.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

SaveFile::SaveFile(std::string path) : m_target(resolveLink(path)) {}

SaveFile::~SaveFile()
{
    discard();
}

bool SaveFile::fail(const char* what, const std::string& path, int errorNumber, std::string* error)
{
    if (error != nullptr)
        *error = Messages::format(what, {path, std::strerror(errorNumber)});
    discard();
    return false;
}

bool SaveFile::refuse(const char* reason, std::string* error)
{
    if (error != nullptr)
        *error = Messages::format(Messages::SaveRefused, {m_target, reason});
    discard();
    return false;
}

void SaveFile::discard()
{
    // Removed while still locked, so no other save mistakes it for a leftover of its own.
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool SaveFile::check(std::string* error)
{
    struct stat st;
    m_exists = ::stat(m_target.c_str(), &st) == 0;
    if (!m_exists && errno != ENOENT)
        return fail(Messages::SaveRefused, m_target, errno, error);
    // A link to a missing file: renaming over it would replace the link instead of writing through it.
    if (!m_exists && ::lstat(m_target.c_str(), &st) == 0)
        return refuse(Messages::LinkToMissingFile, error);
    if (m_exists && S_ISDIR(st.st_mode))
        return fail(Messages::SaveRefused, m_target, EISDIR, error);
    // Renaming over a FIFO or a device node would replace it with a regular file (as root, /dev/null).
    if (m_exists && !S_ISREG(st.st_mode))
        return refuse(Messages::NotRegularFile, error);
    // Replacing by rename would get past a read-only target; a save must not.
    if (m_exists) {
        if (const int refusal = writeRefusal(m_target, st))
            return fail(Messages::SaveRefused, m_target, refusal, error);
        m_owner = {st.st_uid, st.st_gid, st.st_mode & 07777u};
    }
    // The temporary file is made later; a folder that cannot take it is reported now, before the caller
    // spends time on the bytes.
    const std::string folder = folderOf(m_target);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fail(Messages::FileNotCreatedIn, folder, errno, error);
    return true;
}

bool SaveFile::open(std::string* error)
{
    discard();
    return check(error);
}

std::string SaveFile::temporaryPrefix(const std::string& targetName)
{
    return "." + targetName.substr(0, 200) + ".";
}

bool SaveFile::createTemporary(std::string* error)
{
    const std::string folder = folderOf(m_target);
    removeStaleTemporaries(folder, nameOf(m_target));
    const std::string prefix = folder + "/" + temporaryPrefix(nameOf(m_target));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix + randomSuffix();
        // New files get 0666 less the umask, as any created file; existing ones keep their bits below.
        const int fd =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, m_exists ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(Messages::FileNotCreatedIn, folder, errno, error);
        }
        // The lock tells other saves that this file is being written. One of them may have taken it as a
        // leftover in the moment before the lock: then it is gone and another name is tried.
        struct stat st;
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
            ::close(fd);
            continue;
        }
        m_fd = fd;
        m_temp = std::move(candidate);
        break;
    }
    if (m_fd < 0)
        return fail(Messages::FileNotCreatedIn, folder, EEXIST, error);
    // The replacement belongs to whoever owned the old file (a list saved by the superuser stays the
    // learner's); where that cannot be done, it is still saved, as the process's own file.
    if (m_exists && (m_owner.uid != ::geteuid() || m_owner.gid != ::getegid())) {
        [[maybe_unused]] const int owned = ::fchown(m_fd, m_owner.uid, m_owner.gid);
    }
    if (m_exists && ::fchmod(m_fd, m_owner.mode) != 0)
        return fail(Messages::PermissionsNotSet, m_temp, errno, error);
    return true;
}

bool SaveFile::writeAll(std::string_view bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

bool SaveFile::write(const std::string& path, std::string_view bytes, std::string* error)
{
    SaveFile file(path);
    return file.open(error) && file.commit(bytes, error);
}

bool SaveFile::commit(std::string_view bytes, std::string* error)
{
    // The target is checked again: time may have passed since open().
    discard();
    if (!check(error) || !createTemporary(error))
        return false;
    if (!writeAll(bytes) || ::fsync(m_fd) != 0)
        return fail(Messages::FileNotWritten, m_target, errno, error);
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
        return fail(Messages::FileNotReplaced, m_target, errno, error);
    m_temp.clear();
    // The lock goes with the descriptor, after the rename: until then the file is a live temporary one.
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(Messages::FileNotWritten, m_target, errno, error);
    syncFolder(folderOf(m_target));
    return true;
}

int SaveFile::removeStaleTemporaries(const std::string& folder, const std::string& targetName)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return 0;
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (isTemporaryName(name, targetName))
            candidates.push_back(name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& name : candidates) {
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // A save that is writing holds the lock; only a file nobody holds is a leftover. The name must
        // still lead to the file that was locked.
        struct stat held;
        struct stat named;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino &&
            named.st_dev == held.st_dev && ::unlink(path.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

bool SaveFile::isWritableFile(const std::string& path, std::string* error)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (error != nullptr)
            *error = Messages::format(Messages::SaveRefused, {path, std::strerror(errno)});
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error != nullptr)
            *error = Messages::format(
                Messages::SaveRefused,
                {path, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : Messages::NotRegularFile});
        return false;
    }
    if (const int refusal = writeRefusal(path, st)) {
        if (error != nullptr)
            *error = Messages::format(Messages::SaveRefused, {path, std::strerror(refusal)});
        return false;
    }
    return true;
}

} // namespace brainlark
