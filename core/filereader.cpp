#include "core/filereader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "core/messages.h"

namespace brainlark
{

namespace
{

bool failed(const char* what, const std::string& path, const char* reason, std::string* error)
{
    if (error != nullptr)
        *error = Messages::format(what, {path, reason});
    return false;
}

} // namespace

// An open file descriptor of a regular file, closed when it goes out of scope.
class RegularFile
{
public:
    RegularFile(const std::string& path, std::string* error, size_t maxBytes = TextStore::MaxSize)
        : m_path(path)
    {
        // Devices and FIFOs are not even opened when the name already shows what they are (opening some
        // devices does something). O_NONBLOCK covers the rest: opening a FIFO without a writer would
        // otherwise wait forever. It has no effect on the reads of a regular file, the only kind read
        // further.
        struct stat named {
        };
        if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode)) {
            failed(Messages::FileUnread, path, Messages::NotRegularFile, error);
            return;
        }
        m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0) {
            failed(Messages::FileUnopened, path, std::strerror(errno), error);
            return;
        }
        struct stat st {
        };
        if (::fstat(m_fd, &st) != 0) {
            failed(Messages::FileUnread, path, std::strerror(errno), error);
            close();
        } else if (S_ISDIR(st.st_mode)) {
            failed(Messages::FileUnread, path, std::strerror(EISDIR), error);
            close();
        } else if (!S_ISREG(st.st_mode)) {
            failed(Messages::FileUnread, path, Messages::NotRegularFile, error);
            close();
        } else if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
            failed(Messages::FileUnread, path, std::strerror(EFBIG), error);
            close();
        } else {
            m_size = static_cast<size_t>(st.st_size);
        }
    }
    ~RegularFile() { close(); }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    size_t size() const { return m_size; }

    /// Reads up to `capacity` bytes into data; returns the count read or -1 with errno set.
    long long readInto(char* data, size_t capacity)
    {
        size_t used = 0;
        while (used < capacity) {
            const ssize_t n = ::read(m_fd, data + used, capacity - used);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                break;
            used += static_cast<size_t>(n);
        }
        return static_cast<long long>(used);
    }

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    std::string m_path;
    int m_fd = -1;
    size_t m_size = 0;
};

// The size fstat gives is what is read: a file is a snapshot, and stopping there saves the read that would
// only report its end. A file that shrinks meanwhile gives what was there.
bool FileReader::read(const std::string& path, TextStore& bytes, std::string* error)
{
    RegularFile file(path, error);
    if (!file.isOpen())
        return false;
    try {
        TextStore read;
        char* data = read.resize(file.size());
        const long long used = file.readInto(data, file.size());
        if (used < 0)
            return failed(Messages::FileUnread, path, std::strerror(errno), error);
        read.resize(static_cast<size_t>(used));
        bytes = std::move(read);
    } catch (const std::length_error&) {
        return failed(Messages::FileUnread, path, std::strerror(EFBIG), error);
    } catch (const std::bad_alloc&) {
        return failed(Messages::FileUnread, path, std::strerror(ENOMEM), error);
    }
    return true;
}

bool FileReader::read(const std::string& path, std::string& bytes, std::string* error, size_t maxBytes)
{
    RegularFile file(path, error, maxBytes);
    if (!file.isOpen())
        return false;
    try {
        bytes.resize(file.size());
    } catch (const std::bad_alloc&) {
        return failed(Messages::FileUnread, path, std::strerror(ENOMEM), error);
    }
    const long long used = file.readInto(bytes.data(), bytes.size());
    if (used < 0)
        return failed(Messages::FileUnread, path, std::strerror(errno), error);
    bytes.resize(static_cast<size_t>(used));
    return true;
}

FileBlocks::FileBlocks(const std::string& path, std::string* error)
    : m_path(path), m_file(std::make_unique<RegularFile>(path, error, SIZE_MAX))
{
}

FileBlocks::~FileBlocks() = default;

bool FileBlocks::isOpen() const
{
    return m_file->isOpen();
}

uint64_t FileBlocks::size() const
{
    return m_file->size();
}

bool FileBlocks::next(std::string& block, size_t capacity, std::string* error)
{
    block.resize(capacity);
    const long long used = m_file->isOpen() ? m_file->readInto(block.data(), capacity) : 0;
    if (used < 0) {
        block.clear();
        return failed(Messages::FileUnread, m_path, std::strerror(errno), error);
    }
    block.resize(static_cast<size_t>(used));
    return true;
}

} // namespace brainlark
