#include "core/savefile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

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
    for (int i = 0; i < 6; ++i)
        suffix += letters[device() % (sizeof letters - 1)];
    return suffix;
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

bool SaveFile::fail(const std::string& what, const std::string& path, int errorNumber, std::string* error)
{
    if (error != nullptr)
        *error = what + " " + path + ": " + std::strerror(errorNumber);
    discard();
    return false;
}

bool SaveFile::refuse(const char* reason, std::string* error)
{
    if (error != nullptr)
        *error = "cannot save " + m_target + ": " + reason;
    discard();
    return false;
}

void SaveFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}

bool SaveFile::open(std::string* error)
{
    discard();
    struct stat st;
    const bool exists = ::stat(m_target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return fail("cannot save", m_target, errno, error);
    // A link to a missing file: renaming over it would replace the link instead of writing through it.
    if (!exists && ::lstat(m_target.c_str(), &st) == 0)
        return refuse("the link leads to a missing file", error);
    if (exists && S_ISDIR(st.st_mode))
        return fail("cannot save", m_target, EISDIR, error);
    // Renaming over a FIFO or a device node would replace it with a regular file (as root, /dev/null).
    if (exists && !S_ISREG(st.st_mode))
        return refuse("not a regular file", error);
    // Replacing by rename would get past a read-only target; a save must not.
    if (exists) {
        if (const int refusal = writeRefusal(m_target, st))
            return fail("cannot save", m_target, refusal, error);
    }

    const std::string prefix = folderOf(m_target) + "/." + nameOf(m_target).substr(0, 200) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix + randomSuffix();
        // New files get 0666 less the umask, as any created file; existing ones keep their bits below.
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (m_fd >= 0) {
            m_temp = std::move(candidate);
            break;
        }
        if (errno != EEXIST)
            return fail("cannot create a file in", folderOf(m_target), errno, error);
    }
    if (m_fd < 0)
        return fail("cannot create a file in", folderOf(m_target), EEXIST, error);
    // The replacement belongs to whoever owned the old file (a list saved by the superuser stays the
    // learner's); where that cannot be done, it is still saved, as the process's own file.
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        [[maybe_unused]] const int owned = ::fchown(m_fd, st.st_uid, st.st_gid);
    }
    if (exists && ::fchmod(m_fd, st.st_mode & 07777) != 0)
        return fail("cannot set the permissions of", m_temp, errno, error);
    return true;
}

bool SaveFile::writeAll(const std::string& bytes)
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

bool SaveFile::write(const std::string& path, const std::string& bytes, std::string* error)
{
    SaveFile file(path);
    return file.open(error) && file.commit(bytes, error);
}

bool SaveFile::commit(const std::string& bytes, std::string* error)
{
    if (m_fd < 0)
        return fail("cannot save", m_target, EBADF, error);
    if (!writeAll(bytes) || ::fsync(m_fd) != 0)
        return fail("cannot write", m_target, errno, error);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail("cannot write", m_target, errno, error);
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
        return fail("cannot replace", m_target, errno, error);
    m_temp.clear();
    syncFolder(folderOf(m_target));
    return true;
}

bool SaveFile::isWritableFile(const std::string& path, std::string* error)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (error != nullptr)
            *error = "cannot save " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error != nullptr)
            *error = "cannot save " + path + ": " +
                     (S_ISDIR(st.st_mode) ? std::string(std::strerror(EISDIR)) : "not a regular file");
        return false;
    }
    if (const int refusal = writeRefusal(path, st)) {
        if (error != nullptr)
            *error = "cannot save " + path + ": " + std::strerror(refusal);
        return false;
    }
    return true;
}

} // namespace brainlark
