#include "core/randomsource.h"

namespace brainlark
{

uint32_t RandomSource::below(uint32_t bound)
{
    if (bound == 0)
        return 0;
    // Rejection keeps the draw uniform for bounds that do not divide 2^31.
    const uint32_t limit = 0x80000000u - (0x80000000u % bound);
    uint32_t value;
    do {
        value = next() & 0x7FFFFFFFu;
    } while (value >= limit);
    return value % bound;
}

} // namespace brainlark
