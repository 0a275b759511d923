#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brainlark
{

/// Cursor over the little-endian primitives of a list file. Every read checks the bytes that are left and
/// throws std::runtime_error("unexpected end of file") when they run out, so callers never see torn
/// values. Lengths and counts are only decoded here; trusting them is the caller's business.
class ArchiveReader
{
public:
    explicit ArchiveReader(std::string_view bytes);

    size_t remaining() const { return static_cast<size_t>(m_end - m_pos); }
    size_t position() const { return static_cast<size_t>(m_pos - m_begin); }

    uint16_t readU16();
    uint32_t readU32();
    int32_t readI32() { return static_cast<int32_t>(readU32()); }
    float readFloat();
    /// Array size: 16 bits, or 0xFFFF followed by 32 bits.
    uint32_t readCount();
    /// Length-prefixed byte string; a length beyond the remaining bytes fails before anything is allocated.
    std::string readString();
    /// Reads n raw bytes (n must have been checked by the caller or is checked here).
    std::string_view readBytes(size_t n);

    [[noreturn]] static void fail(const std::string& reason);

private:
    void need(size_t n) const;

    const unsigned char* m_begin;
    const unsigned char* m_pos;
    const unsigned char* m_end;
};

} // namespace brainlark
