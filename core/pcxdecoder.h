#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brainlark
{

/// A decoded PCX picture: width × height pixels, row by row from the top, each 0xFFRRGGBB (the layout
/// of QImage::Format_RGB32, so the image layer can hand the buffer over without converting it).
struct PcxPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

/// The outcome of decoding: the picture, or a one-line reason why there is none.
struct PcxResult {
    bool ok = false;
    PcxPicture picture;
    std::string error;
};

/// Reads ZSoft PCX pictures (version 5 and earlier headers, RLE-encoded): 8 bits in one plane with
/// the 256-colour palette at the end of the file, and 24 bits as three 8-bit planes. One 8-bit plane
/// without a palette is read as greyscale (what such files hold in practice). Other depths are
/// refused. Nothing in the header is trusted: sizes are limited and checked against what the data
/// could possibly encode before anything is allocated, and truncated data is an error.
class PcxDecoder
{
public:
    static constexpr int MaxSide = 16384;
    static constexpr int64_t MaxPixels = 64 * 1024 * 1024;
    static constexpr size_t HeaderSize = 128;
    static constexpr size_t PaletteSize = 769; // 0x0C marker + 256 RGB triples

    static PcxResult decode(std::string_view bytes);
};

} // namespace brainlark
