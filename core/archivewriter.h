#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace brainlark
{

/// Appends little-endian primitives in the list file's archive encoding to a byte buffer. The buffer is
/// sized up front from the caller's estimate, so a list is serialised without regrowing.
class ArchiveWriter
{
public:
    explicit ArchiveWriter(size_t expectedSize);

    void writeU16(uint16_t value);
    void writeU32(uint32_t value);
    void writeI32(int32_t value) { writeU32(static_cast<uint32_t>(value)); }
    void writeFloat(float value);
    /// Array size: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void writeCount(uint32_t count);
    /// Length prefix (1, 3 or 7 bytes) and the bytes, no terminator.
    void writeString(const std::string& text);
    void writeBytes(const char* data, size_t size);

    /// Encoded sizes, for the up-front estimate.
    static size_t countSize(uint32_t count) { return count < 0xFFFF ? 2 : 6; }
    static size_t stringSize(size_t length) { return (length < 0xFF ? 1 : length < 0xFFFE ? 3 : 7) + length; }

    size_t size() const { return m_used; }
    /// Hands over the bytes written so far.
    std::string take();

private:
    unsigned char* reserveBytes(size_t n);

    std::string m_bytes;
    size_t m_used = 0;
};

} // namespace brainlark
