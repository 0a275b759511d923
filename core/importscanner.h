#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brainlark
{

/// Byte classification for the text import, sixteen bytes at a time where the processor can (a scalar loop
/// elsewhere gives the same answers). next() finds the bytes that steer the import: line ends (LF, CR), the
/// field separator '@', and the '~' and apostrophe of the accent rules; everything else is copied as it is.
/// The class of the current block is kept, as a line holds several such bytes close together.
class ImportScanner
{
public:
    static constexpr size_t BlockSize = 16;

    ImportScanner(const char* text, size_t size) : m_text(text), m_size(size) {}

    /// Position of the first steering byte at or after pos, or the text size.
    size_t next(size_t pos)
    {
        for (;;) {
            if (pos - m_block < BlockSize) {
                const uint32_t bits = m_mask & (~0u << (pos - m_block));
                if (bits != 0)
                    return m_block + static_cast<size_t>(__builtin_ctz(bits));
                pos = m_block + BlockSize;
            }
            if (pos >= m_size)
                return m_size;
            m_block = pos;
            m_mask = m_size - pos >= BlockSize ? steeringMask(m_text + pos) : tailMask(pos);
        }
    }

    /// Bit i set when p[i] is a steering byte (16 bytes must be readable).
    static uint32_t steeringMask(const char* p)
    {
#if defined(__SSE2__)
        const __m128i bytes = load(p);
        return movemask(any(
            any(any(equals(bytes, '\n'), equals(bytes, '\r')), any(equals(bytes, '@'), equals(bytes, '~'))),
            equals(bytes, '\'')));
#else
        return scalarMask(p, BlockSize, isSteering);
#endif
    }
    /// Bit i set when p[i] is white space as trimming sees it: blank, tab, LF, VT, FF or CR.
    static uint32_t whiteMask(const char* p)
    {
#if defined(__SSE2__)
        const __m128i bytes = load(p);
        // Tab to CR are 9 to 13: after subtracting 9, those and only those are at most 4 (unsigned).
        const __m128i shifted = _mm_sub_epi8(bytes, _mm_set1_epi8(9));
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(4)), shifted);
        return movemask(any(control, equals(bytes, ' ')));
#else
        return scalarMask(p, BlockSize, isWhite);
#endif
    }
    /// Bit i set when p[i] is a tab (16 bytes must be readable).
    static uint32_t tabMask(const char* p)
    {
#if defined(__SSE2__)
        return movemask(equals(load(p), '\t'));
#else
        return scalarMask(p, BlockSize, [](char c) { return c == '\t'; });
#endif
    }
    /// The number of LF bytes in [p, p + size).
    static size_t countLineFeeds(const char* p, size_t size);

    static bool isWhite(char c)
    {
        return c == ' ' || (static_cast<unsigned char>(c) - 9u) <= 4u;
    }
    static bool isSteering(char c)
    {
        return c == '\n' || c == '\r' || c == '@' || c == '~' || c == '\'';
    }

private:
#if defined(__SSE2__)
    static __m128i load(const char* p)
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static __m128i equals(__m128i bytes, char c)
    {
        return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c));
    }
    static __m128i any(__m128i a, __m128i b)
    {
        return _mm_or_si128(a, b);
    }
    static uint32_t movemask(__m128i hits)
    {
        return static_cast<uint32_t>(_mm_movemask_epi8(hits));
    }
#endif
    template <typename Test> static uint32_t scalarMask(const char* p, size_t count, Test test)
    {
        uint32_t mask = 0;
        for (size_t i = 0; i < count; ++i)
            mask |= static_cast<uint32_t>(test(p[i])) << i;
        return mask;
    }
    // The last, short block: bytes past the end count as none.
    uint32_t tailMask(size_t pos) const
    {
        return scalarMask(m_text + pos, m_size - pos, isSteering);
    }

    const char* m_text;
    size_t m_size;
    size_t m_block = SIZE_MAX - BlockSize; // start of the classified block (none yet)
    uint32_t m_mask = 0;
};

} // namespace brainlark
