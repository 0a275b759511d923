#include "core/archivewriter.h"

#include <algorithm>
#include <cstring>

namespace brainlark
{

ArchiveWriter::ArchiveWriter(size_t expectedSize)
{
    m_bytes.resize(expectedSize);
}

unsigned char* ArchiveWriter::reserveBytes(size_t n)
{
    if (m_bytes.size() - m_used < n)
        m_bytes.resize(std::max(m_bytes.size() * 2, m_used + n));
    unsigned char* p = reinterpret_cast<unsigned char*>(&m_bytes[m_used]);
    m_used += n;
    return p;
}

void ArchiveWriter::writeU16(uint16_t value)
{
    unsigned char* p = reserveBytes(2);
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

void ArchiveWriter::writeU32(uint32_t value)
{
    unsigned char* p = reserveBytes(4);
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

void ArchiveWriter::writeFloat(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeU32(bits);
}

void ArchiveWriter::writeCount(uint32_t count)
{
    if (count < 0xFFFF) {
        writeU16(static_cast<uint16_t>(count));
        return;
    }
    writeU16(0xFFFF);
    writeU32(count);
}

void ArchiveWriter::writeString(const std::string& text)
{
    const size_t length = text.size();
    if (length < 0xFF) {
        *reserveBytes(1) = static_cast<unsigned char>(length);
    } else {
        *reserveBytes(1) = 0xFF;
        if (length < 0xFFFE) {
            writeU16(static_cast<uint16_t>(length));
        } else {
            writeU16(0xFFFF);
            writeU32(static_cast<uint32_t>(length));
        }
    }
    writeBytes(text.data(), length);
}

void ArchiveWriter::writeBytes(const char* data, size_t size)
{
    if (size != 0)
        std::memcpy(reserveBytes(size), data, size);
}

std::string ArchiveWriter::take()
{
    m_bytes.resize(m_used);
    m_used = 0;
    return std::move(m_bytes);
}

} // namespace brainlark
