#include "core/pcxdecoder.h"

#include <algorithm>
#include <cstring>

#include "core/messages.h"

namespace brainlark
{

namespace
{

struct PcxHeader {
    int version = 0;
    int encoding = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    int bytesPerLine = 0;
    int width = 0;
    int height = 0;
};

uint8_t byteAt(std::string_view bytes, size_t at)
{
    return static_cast<uint8_t>(bytes[at]);
}

int le16(std::string_view bytes, size_t at)
{
    return byteAt(bytes, at) | (byteAt(bytes, at + 1) << 8);
}

PcxResult failure(std::string reason)
{
    PcxResult result;
    result.error = std::move(reason);
    return result;
}

PcxHeader readHeader(std::string_view bytes)
{
    PcxHeader header;
    header.version = byteAt(bytes, 1);
    header.encoding = byteAt(bytes, 2);
    header.bitsPerPixel = byteAt(bytes, 3);
    const int xMin = le16(bytes, 4);
    const int yMin = le16(bytes, 6);
    const int xMax = le16(bytes, 8);
    const int yMax = le16(bytes, 10);
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;
    header.planes = byteAt(bytes, 65);
    header.bytesPerLine = le16(bytes, 66);
    return header;
}

/// Checks everything the header claims before a byte is allocated; empty when the header is usable.
std::string headerProblem(const PcxHeader& header)
{
    if (header.version > 5)
        return Messages::format(Messages::PcxVersion, {std::to_string(header.version)});
    if (header.encoding != 1)
        return Messages::format(Messages::PcxEncoding, {std::to_string(header.encoding)});
    if (header.bitsPerPixel != 8 || (header.planes != 1 && header.planes != 3))
        return Messages::format(Messages::PcxFormat,
                                {std::to_string(header.bitsPerPixel), std::to_string(header.planes)});
    if (header.width < 1 || header.height < 1)
        return Messages::PcxSize;
    if (header.width > PcxDecoder::MaxSide || header.height > PcxDecoder::MaxSide ||
        int64_t(header.width) * header.height > PcxDecoder::MaxPixels)
        return Messages::format(Messages::PcxTooLarge,
                                {std::to_string(header.width), std::to_string(header.height)});
    if (header.bytesPerLine < header.width)
        return Messages::PcxLineLength;
    return {};
}

/// run-length decoder over the image data. Runs may continue across scan lines (some writers do
/// that), so the pending run is kept between calls.
class RleReader
{
public:
    explicit RleReader(std::string_view data) : m_data(data) {}

    /// The most bytes this data could expand to: a two-byte run gives at most 63, a literal one.
    static uint64_t maxDecodedSize(size_t encoded) { return uint64_t(encoded / 2) * 63 + encoded % 2; }

    /// Fills out with n decoded bytes; false when the data ends first.
    bool read(uint8_t* out, size_t n)
    {
        while (n > 0) {
            if (m_runLeft == 0 && !nextRun())
                return false;
            const size_t take = std::min(n, m_runLeft);
            std::memset(out, m_runValue, take);
            out += take;
            n -= take;
            m_runLeft -= take;
        }
        return true;
    }

private:
    bool nextRun()
    {
        if (m_pos >= m_data.size())
            return false;
        const uint8_t code = byteAt(m_data, m_pos++);
        if ((code & 0xC0) != 0xC0) {
            m_runLeft = 1;
            m_runValue = code;
            return true;
        }
        if (m_pos >= m_data.size())
            return false;
        m_runLeft = code & 0x3F; // a run of 0 is legal and yields nothing
        m_runValue = byteAt(m_data, m_pos++);
        return true;
    }

    std::string_view m_data;
    size_t m_pos = 0;
    size_t m_runLeft = 0;
    uint8_t m_runValue = 0;
};

struct Palette {
    uint32_t colours[256];
};

Palette readPalette(std::string_view tail)
{
    Palette palette;
    for (int i = 0; i < 256; ++i) {
        const size_t at = 1 + size_t(i) * 3;
        palette.colours[i] = 0xFF000000u | (uint32_t(byteAt(tail, at)) << 16) |
                             (uint32_t(byteAt(tail, at + 1)) << 8) | byteAt(tail, at + 2);
    }
    return palette;
}

Palette greyscale()
{
    Palette palette;
    for (uint32_t i = 0; i < 256; ++i)
        palette.colours[i] = 0xFF000000u | (i << 16) | (i << 8) | i;
    return palette;
}

bool decodeRows(const PcxHeader& header, std::string_view data, const Palette* palette,
                std::vector<uint32_t>& pixels)
{
    const size_t line = size_t(header.bytesPerLine);
    std::vector<uint8_t> scan(line * size_t(header.planes));
    RleReader reader(data);
    uint32_t* out = pixels.data();
    for (int y = 0; y < header.height; ++y) {
        if (!reader.read(scan.data(), scan.size()))
            return false;
        for (int x = 0; x < header.width; ++x) {
            if (palette) {
                *out++ = palette->colours[scan[size_t(x)]];
            } else {
                *out++ = 0xFF000000u | (uint32_t(scan[size_t(x)]) << 16) |
                         (uint32_t(scan[line + size_t(x)]) << 8) | scan[2 * line + size_t(x)];
            }
        }
    }
    return true;
}

} // namespace

PcxResult PcxDecoder::decode(std::string_view bytes)
{
    if (bytes.size() < HeaderSize || byteAt(bytes, 0) != 0x0A)
        return failure(Messages::NotPcx);
    const PcxHeader header = readHeader(bytes);
    if (std::string problem = headerProblem(header); !problem.empty())
        return failure(std::move(problem));

    std::string_view data = bytes.substr(HeaderSize);
    Palette palette = greyscale();
    if (header.planes == 1 && data.size() >= PaletteSize &&
        byteAt(bytes, bytes.size() - PaletteSize) == 0x0C) {
        palette = readPalette(bytes.substr(bytes.size() - PaletteSize));
        data.remove_suffix(PaletteSize);
    }

    const uint64_t needed = uint64_t(header.bytesPerLine) * uint64_t(header.planes) * uint64_t(header.height);
    if (needed > RleReader::maxDecodedSize(data.size()))
        return failure(Messages::PcxTruncated);

    PcxResult result;
    result.picture.width = header.width;
    result.picture.height = header.height;
    result.picture.pixels.resize(size_t(header.width) * size_t(header.height));
    if (!decodeRows(header, data, header.planes == 1 ? &palette : nullptr, result.picture.pixels))
        return failure(Messages::PcxTruncated);
    result.ok = true;
    return result;
}

} // namespace brainlark
