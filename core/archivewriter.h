#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace brainlark
{

/// Appends little-endian primitives in the list file's archive encoding to a byte buffer. The buffer starts
/// at the caller's estimate and doubles when that is exceeded; the primitives are inline because a large
/// list is written a field at a time.
class ArchiveWriter
{
public:
    explicit ArchiveWriter(size_t expectedSize) { m_bytes.resize(expectedSize); }

    void writeU16(uint16_t value)
    {
        unsigned char* p = reserveBytes(2);
        p[0] = static_cast<unsigned char>(value);
        p[1] = static_cast<unsigned char>(value >> 8);
    }
    void writeU32(uint32_t value)
    {
        unsigned char* p = reserveBytes(4);
        p[0] = static_cast<unsigned char>(value);
        p[1] = static_cast<unsigned char>(value >> 8);
        p[2] = static_cast<unsigned char>(value >> 16);
        p[3] = static_cast<unsigned char>(value >> 24);
    }
    void writeI32(int32_t value) { writeU32(static_cast<uint32_t>(value)); }
    void writeFloat(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        writeU32(bits);
    }
    /// Array size: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void writeCount(uint32_t count);
    /// A UTF-8 text as the file stores it: in Windows-1252 when the code page holds it (length prefix of 1,
    /// 3 or 7 bytes, then the bytes, no terminator), else in the wide form (0xFF, 0xFFFE, the length in
    /// UTF-16 units in the same 1/3/7-byte form, the UTF-16LE units).
    void writeString(std::string_view text)
    {
        if (text.size() < 0x80 && isAscii(text)) {
            *reserveBytes(1) = static_cast<unsigned char>(text.size());
            writeBytes(text.data(), text.size());
            return;
        }
        writeConverted(text);
    }
    /// Bytes as they are, with the length prefix of an ANSI string.
    void writeRawString(std::string_view bytes)
    {
        writeLength(bytes.size());
        writeBytes(bytes.data(), bytes.size());
    }
    void writeBytes(const char* data, size_t size)
    {
        if (size != 0)
            std::memcpy(reserveBytes(size), data, size);
    }

    size_t size() const { return m_used; }
    /// Hands over the bytes written so far.
    std::string take();

private:
    unsigned char* reserveBytes(size_t n)
    {
        if (m_bytes.size() - m_used < n)
            grow(n);
        unsigned char* p = reinterpret_cast<unsigned char*>(&m_bytes[m_used]);
        m_used += n;
        return p;
    }
    void grow(size_t n);
    static bool isAscii(std::string_view text)
    {
        for (char c : text)
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        return true;
    }
    void writeLength(size_t length)
    {
        if (length < 0xFF)
            *reserveBytes(1) = static_cast<unsigned char>(length);
        else
            writeLongLength(length);
    }
    void writeLongLength(size_t length);
    void writeConverted(std::string_view text);
    std::string m_scratch;

    std::string m_bytes;
    size_t m_used = 0;
};

} // namespace brainlark
