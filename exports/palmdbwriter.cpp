#include "exports/palmdbwriter.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "core/clock.h"

namespace brainlark
{

namespace
{

void putU16(std::string& out, uint32_t value)
{
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void putU32(std::string& out, uint32_t value)
{
    putU16(out, value >> 16);
    putU16(out, value & 0xFFFF);
}

std::string temporaryPathFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(static_cast<long>(getpid())) + "_" + std::to_string(counter++);
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

PalmDbWriter::PalmDbWriter(const Clock& clock) : m_clock(clock) {}

PalmDbWriter::~PalmDbWriter()
{
    discardTemporary();
}

uint32_t PalmDbWriter::typeCode(const std::string& fourChars)
{
    uint32_t code = 0;
    for (size_t i = 0; i < 4; ++i) {
        const unsigned char c = i < fourChars.size() ? static_cast<unsigned char>(fourChars[i]) : ' ';
        code = (code << 8) | c;
    }
    return code;
}

bool PalmDbWriter::create(const std::string& path, const std::string& name, uint32_t type, uint32_t creator)
{
    discardTemporary();
    m_records.clear();
    m_dataSize = 0;
    m_path = path;
    m_tempPath = temporaryPathFor(path);
    m_fd = ::open(m_tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_tempPath.clear();
        return false;
    }
    m_name = name.substr(0, NameSize - 1);
    m_type = type;
    m_creator = creator;
    return true;
}

bool PalmDbWriter::appendRecord(std::string bytes)
{
    if (m_fd < 0 || m_records.size() >= MaxRecords)
        return false;
    // Record offsets are 32-bit: the whole file must stay below 4 GiB.
    const uint64_t layout = HeaderSize + RecordEntrySize * (m_records.size() + 1) + 2;
    if (layout + m_dataSize + bytes.size() > 0xFFFFFFFFull)
        return false;
    m_dataSize += bytes.size();
    m_records.push_back(std::move(bytes));
    return true;
}

bool PalmDbWriter::close(std::string* error)
{
    if (m_fd < 0) {
        if (error)
            *error = "no database was created";
        return false;
    }
    const uint32_t date = static_cast<uint32_t>(m_clock.wallSeconds() + PalmEpochOffset);
    const bool written =
        writeAll(m_fd, image(m_name, m_type, m_creator, date, m_records)) && ::fsync(m_fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    m_records.clear();
    if (!written || !closed || std::rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
        if (error)
            *error = std::strerror(written && closed ? errno : savedErrno);
        discardTemporary();
        return false;
    }
    m_tempPath.clear();
    return true;
}

std::string PalmDbWriter::image(const std::string& name, uint32_t type, uint32_t creator, uint32_t date,
                                const std::vector<std::string>& records)
{
    std::string out = name.substr(0, NameSize - 1);
    out.resize(NameSize, '\0');
    putU16(out, 0);    // attributes
    putU16(out, 0);    // version
    putU32(out, date); // creation date
    putU32(out, date); // modification date
    putU32(out, 0);    // last backup date
    putU32(out, 0);    // modification number
    putU32(out, 0);    // application info
    putU32(out, 0);    // sort info
    putU32(out, type);
    putU32(out, creator);
    putU32(out, 0); // unique id seed
    putU32(out, 0); // next record list
    putU16(out, static_cast<uint32_t>(records.size()));
    uint32_t offset = static_cast<uint32_t>(HeaderSize + RecordEntrySize * records.size() + 2);
    for (const std::string& record : records) {
        putU32(out, offset);
        out.append(4, '\0'); // attribute byte, then the 3-byte unique id
        offset += static_cast<uint32_t>(record.size());
    }
    out.append(2, '\0');
    for (const std::string& record : records)
        out += record;
    return out;
}

void PalmDbWriter::discardTemporary()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        std::remove(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

} // namespace brainlark
