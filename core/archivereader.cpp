#include "core/archivereader.h"

#include <cstring>
#include <stdexcept>

namespace brainlark
{

ArchiveReader::ArchiveReader(std::string_view bytes)
    : m_begin(reinterpret_cast<const unsigned char*>(bytes.data())), m_pos(m_begin),
      m_end(m_begin + bytes.size())
{
}

void ArchiveReader::fail(const std::string& reason)
{
    throw std::runtime_error(reason);
}

void ArchiveReader::need(size_t n) const
{
    if (remaining() < n)
        fail("unexpected end of file");
}

uint16_t ArchiveReader::readU16()
{
    need(2);
    const uint16_t value = static_cast<uint16_t>(m_pos[0] | (m_pos[1] << 8));
    m_pos += 2;
    return value;
}

uint32_t ArchiveReader::readU32()
{
    need(4);
    const uint32_t value = static_cast<uint32_t>(m_pos[0]) | (static_cast<uint32_t>(m_pos[1]) << 8) |
                           (static_cast<uint32_t>(m_pos[2]) << 16) | (static_cast<uint32_t>(m_pos[3]) << 24);
    m_pos += 4;
    return value;
}

float ArchiveReader::readFloat()
{
    const uint32_t bits = readU32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint32_t ArchiveReader::readCount()
{
    const uint16_t shortCount = readU16();
    if (shortCount != 0xFFFF)
        return shortCount;
    return readU32();
}

std::string_view ArchiveReader::readBytes(size_t n)
{
    need(n);
    const std::string_view bytes(reinterpret_cast<const char*>(m_pos), n);
    m_pos += n;
    return bytes;
}

std::string ArchiveReader::readString()
{
    need(1);
    size_t length = *m_pos++;
    if (length == 0xFF) {
        length = readU16();
        // 0xFFFE after the escape marks a UTF-16 string in the archive encoding; lists hold ANSI text only.
        if (length == 0xFFFE)
            fail("unsupported wide string");
        if (length == 0xFFFF)
            length = readU32();
    }
    return std::string(readBytes(length));
}

} // namespace brainlark
