#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/textstore.h"

namespace brainlark
{

/// Cursor over the little-endian primitives of a list file. Every read checks the bytes that are left and
/// throws std::runtime_error("unexpected end of file") when they run out, so callers never see torn
/// values. Lengths and counts are only decoded here; trusting them is the caller's business.
/// The primitives are inline: a large list is read a field at a time. Offsets are 32 bits (spanOf), so
/// the reader is given at most TextStore::MaxSize bytes.
class ArchiveReader
{
public:
    explicit ArchiveReader(std::string_view bytes)
        : m_begin(reinterpret_cast<const unsigned char*>(bytes.data())), m_pos(m_begin),
          m_end(m_begin + bytes.size())
    {
    }

    size_t remaining() const { return static_cast<size_t>(m_end - m_pos); }
    /// Asks the cache for the bytes a few records ahead (a hint: it never faults).
    void prefetchAhead() const { __builtin_prefetch(m_pos + 1024); }

    uint16_t readU16()
    {
        need(2);
        const uint16_t value = static_cast<uint16_t>(m_pos[0] | (m_pos[1] << 8));
        m_pos += 2;
        return value;
    }
    uint32_t readU32()
    {
        need(4);
        const uint32_t value = static_cast<uint32_t>(m_pos[0]) | (static_cast<uint32_t>(m_pos[1]) << 8) |
                               (static_cast<uint32_t>(m_pos[2]) << 16) |
                               (static_cast<uint32_t>(m_pos[3]) << 24);
        m_pos += 4;
        return value;
    }
    int32_t readI32() { return static_cast<int32_t>(readU32()); }
    float readFloat()
    {
        const uint32_t bits = readU32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    /// Array size: 16 bits, or 0xFFFF followed by 32 bits.
    uint32_t readCount()
    {
        const uint16_t shortCount = readU16();
        return shortCount != 0xFFFF ? shortCount : readU32();
    }
    /// A string as it lies in the file: Windows-1252 bytes, or after the wide marker (0xFF, 0xFFFE) the
    /// UTF-16LE units of a text the code page cannot hold. A length beyond the remaining bytes fails before
    /// anything is allocated.
    struct StoredText {
        std::string_view bytes;
        bool wide = false;
    };
    StoredText readStoredText()
    {
        need(1);
        const size_t length = *m_pos++;
        if (length != 0xFF)
            return {readBytes(length), false};
        return readLongText();
    }
    /// The next string as UTF-8, whichever form it is stored in.
    std::string readString() { return toUtf8(readStoredText()); }
    /// A stored string as UTF-8; an unpaired surrogate in a wide string fails the read.
    static std::string toUtf8(StoredText text);
    static void appendUtf8(StoredText text, std::string& out);
    /// The same written to `out`, which has room for maxUtf8Size() bytes; returns the end of what was
    /// written.
    static char* toUtf8(StoredText text, char* out);
    static size_t maxUtf8Size(StoredText text);
    /// Where bytes the reader handed out lie, counted from the first byte it was given.
    TextSpan spanOf(std::string_view bytes) const
    {
        return {static_cast<uint32_t>(reinterpret_cast<const unsigned char*>(bytes.data()) - m_begin),
                static_cast<uint32_t>(bytes.size())};
    }
    /// The next n bytes, without copying.
    std::string_view readBytes(size_t n)
    {
        need(n);
        const std::string_view bytes(reinterpret_cast<const char*>(m_pos), n);
        m_pos += n;
        return bytes;
    }

    [[noreturn]] static void fail(const std::string& reason);

private:
    void need(size_t n) const
    {
        if (remaining() < n)
            failEndOfFile();
    }
    [[noreturn]] static void failEndOfFile();
    StoredText readLongText();

    const unsigned char* m_begin;
    const unsigned char* m_pos;
    const unsigned char* m_end;
};

} // namespace brainlark
