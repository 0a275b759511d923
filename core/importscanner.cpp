#include "core/importscanner.h"

#include <cstring>

namespace brainlark
{

#if defined(__SSE2__)
namespace
{

size_t sum(__m128i byteCounters)
{
    const __m128i sums = _mm_sad_epu8(byteCounters, _mm_setzero_si128());
    return static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
           static_cast<size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
}

} // namespace
#endif

size_t ImportScanner::countLineFeeds(const char* p, size_t size)
{
    size_t count = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // Byte-wide counters, folded into the total before any of them can overflow.
    while (size - i >= BlockSize) {
        __m128i counters = _mm_setzero_si128();
        for (int round = 0; round < 255 && size - i >= BlockSize; ++round, i += BlockSize)
            counters = _mm_sub_epi8(counters, equals(load(p + i), '\n'));
        count += sum(counters);
    }
#endif
    for (; i < size; ++i)
        count += p[i] == '\n';
    return count;
}

} // namespace brainlark
