// Feeds arbitrary bytes to the PCX decoder: it must either fail with a reason or return exactly
// width × height pixels, never crash, read out of bounds or allocate without limit.
#include <cstdlib>
#include <string_view>

#include "core/pcxdecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto result =
        brainlark::PcxDecoder::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.ok) {
        const auto& picture = result.picture;
        if (picture.width < 1 || picture.height < 1 ||
            picture.pixels.size() != size_t(picture.width) * size_t(picture.height))
            std::abort();
    } else if (result.error.empty()) {
        std::abort();
    }
    return 0;
}
