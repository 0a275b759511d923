#include "core/pcxdecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using brainlark::PcxDecoder;
using brainlark::PcxResult;

namespace
{

// A small PCX writer so each case states its pixels next to the bytes that encode them.
struct PcxShape {
    int width = 1;
    int height = 1;
    int planes = 1;
    int bitsPerPixel = 8;
    int bytesPerLine = 0; // 0: width rounded up to even
    int version = 5;
    int encoding = 1;
};

void put16(std::string& out, size_t at, int value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char((value >> 8) & 0xFF);
}

int lineBytes(const PcxShape& shape)
{
    return shape.bytesPerLine ? shape.bytesPerLine : (shape.width + 1) / 2 * 2;
}

std::string header(const PcxShape& shape)
{
    std::string out(128, '\0');
    out[0] = 0x0A;
    out[1] = char(shape.version);
    out[2] = char(shape.encoding);
    out[3] = char(shape.bitsPerPixel);
    put16(out, 8, shape.width - 1);
    put16(out, 10, shape.height - 1);
    out[65] = char(shape.planes);
    put16(out, 66, lineBytes(shape));
    return out;
}

std::string rle(const std::string& line)
{
    std::string out;
    for (size_t i = 0; i < line.size();) {
        size_t n = 1;
        while (i + n < line.size() && line[i + n] == line[i] && n < 63)
            ++n;
        const auto value = static_cast<unsigned char>(line[i]);
        if (n > 1 || value >= 0xC0) {
            out += char(0xC0 | n);
            out += char(value);
        } else {
            out += char(value);
        }
        i += n;
    }
    return out;
}

std::string palette(const std::vector<uint32_t>& colours)
{
    std::string out(1, char(0x0C));
    for (size_t i = 0; i < 256; ++i) {
        const uint32_t c = i < colours.size() ? colours[i] : 0;
        out += char((c >> 16) & 0xFF);
        out += char((c >> 8) & 0xFF);
        out += char(c & 0xFF);
    }
    return out;
}

/// Index rows of an 8-bit picture, padded to the line length and run-length encoded.
std::string indexed(const PcxShape& shape, const std::vector<std::string>& rows)
{
    std::string out = header(shape);
    for (const auto& row : rows)
        out += rle(row + std::string(size_t(lineBytes(shape) - shape.width), '\0'));
    return out;
}

uint32_t px(const PcxResult& result, int x, int y)
{
    return result.picture.pixels.at(size_t(y) * size_t(result.picture.width) + size_t(x));
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::filesystem::path sourceDir()
{
    return BRAINLARK_SOURCE_DIR;
}

TEST(PcxDecoder, EightBitPictureTakesItsColoursFromThePaletteAtTheEnd)
{
    PcxShape shape;
    shape.width = 4;
    shape.height = 3;
    std::vector<uint32_t> colours(256, 0);
    colours[1] = 0xFF0000;
    colours[2] = 0x00FF00;
    colours[3] = 0x0000FF;
    colours[0xC5] = 0x0A141E; // an index with both top bits set must travel as a run of one
    const std::string bytes =
        indexed(shape, {"\x01\x01\x01\x02", std::string("\x03\x00\xC5\xC5", 4), "\x02\x02\x02\x02"}) +
        palette(colours);
    const PcxResult result = PcxDecoder::decode(bytes);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picture.width, 4);
    EXPECT_EQ(result.picture.height, 3);
    EXPECT_EQ(px(result, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(px(result, 3, 0), 0xFF00FF00u);
    EXPECT_EQ(px(result, 0, 1), 0xFF0000FFu);
    EXPECT_EQ(px(result, 1, 1), 0xFF000000u);
    EXPECT_EQ(px(result, 2, 1), 0xFF0A141Eu);
    EXPECT_EQ(px(result, 3, 2), 0xFF00FF00u);
}

TEST(PcxDecoder, TwentyFourBitPictureSkipsTheLinePadding)
{
    PcxShape shape;
    shape.width = 3;
    shape.height = 2;
    shape.planes = 3;
    shape.bytesPerLine = 4;
    std::string bytes = header(shape);
    // Per line: red plane, green plane, blue plane, each with one pad byte that must not show.
    bytes += rle(std::string("\xFF\x00\x00\x77", 4)) + rle(std::string("\x00\xFF\x00\x77", 4)) +
             rle(std::string("\x00\x00\xFF\x77", 4));
    bytes += rle("\x0A\x14\x1E\x77") + rle("\x28\x32\x3C\x77") + rle("\x46\x50\x5A\x77");
    const PcxResult result = PcxDecoder::decode(bytes);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picture.pixels.size(), 6u);
    EXPECT_EQ(px(result, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(px(result, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(px(result, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(px(result, 0, 1), 0xFF0A2846u);
    EXPECT_EQ(px(result, 2, 1), 0xFF1E3C5Au);
}

TEST(PcxDecoder, EightBitPictureWithoutPaletteIsGreyscale)
{
    PcxShape shape;
    shape.width = 2;
    shape.height = 1;
    const PcxResult result = PcxDecoder::decode(indexed(shape, {std::string("\x00\x80", 2)}));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(px(result, 0, 0), 0xFF000000u);
    EXPECT_EQ(px(result, 1, 0), 0xFF808080u);
}

TEST(PcxDecoder, RunsMayContinueIntoTheNextLine)
{
    PcxShape shape;
    shape.width = 4;
    shape.height = 2;
    const std::string bytes = header(shape) + "\xC8\x07" + palette({0, 0, 0, 0, 0, 0, 0, 0x010203});
    const PcxResult result = PcxDecoder::decode(bytes);
    ASSERT_TRUE(result.ok) << result.error;
    for (uint32_t pixel : result.picture.pixels)
        EXPECT_EQ(pixel, 0xFF010203u);
}

TEST(PcxDecoder, RefusesHeadersItCannotOrWillNotDecode)
{
    struct Case {
        const char* name;
        PcxShape shape;
        const char* reason;
    };
    const auto with = [](auto change) {
        PcxShape shape;
        shape.width = 4;
        shape.height = 2;
        change(shape);
        return shape;
    };
    const Case cases[] = {
        {"uncompressed", with([](PcxShape& s) { s.encoding = 0; }), "encoding"},
        {"newer version", with([](PcxShape& s) { s.version = 6; }), "version"},
        {"16 colours", with([](PcxShape& s) { s.bitsPerPixel = 4; }), "format"},
        {"four planes", with([](PcxShape& s) { s.planes = 4; }), "format"},
        {"line shorter than width", with([](PcxShape& s) { s.bytesPerLine = 2; }), "line length"},
        {"side too long", with([](PcxShape& s) { s.width = 16385; }), "too large"},
        {"too many pixels", with([](PcxShape& s) { s.width = 16384, s.height = 4097; }), "too large"},
    };
    for (const Case& c : cases) {
        const std::string bytes = header(c.shape) + std::string(4096, '\x01');
        const PcxResult result = PcxDecoder::decode(bytes);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.name << ": " << result.error;
        EXPECT_TRUE(result.picture.pixels.empty()) << c.name;
    }
    EXPECT_EQ(PcxDecoder::decode("").error, "not a PCX file");
    EXPECT_EQ(PcxDecoder::decode(std::string(200, '\x0B')).error, "not a PCX file");
    std::string inverted = header(with([](PcxShape&) {})) + std::string(64, '\x01');
    put16(inverted, 4, 10); // xmin beyond xmax
    EXPECT_EQ(PcxDecoder::decode(inverted).error, "invalid PCX picture size");
}

TEST(PcxDecoder, HugeClaimBackedByLittleDataFailsBeforeAllocating)
{
    PcxShape shape;
    shape.width = 16384;
    shape.height = 4096; // exactly the pixel limit: only the data check can stop it
    const std::string bytes = header(shape) + std::string(1000, '\xFF');
    const PcxResult result = PcxDecoder::decode(bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "PCX data truncated");
}

TEST(PcxDecoder, EveryCutThroughTheImageDataIsAnError)
{
    PcxShape shape;
    shape.width = 5;
    shape.height = 3;
    shape.planes = 3;
    std::string bytes = header(shape);
    for (int line = 0; line < shape.height * shape.planes; ++line)
        bytes += rle(std::string{char(line), char(line), '\x01', char(0xC1), '\x02', '\0'});
    ASSERT_TRUE(PcxDecoder::decode(bytes).ok);
    for (size_t length = 0; length < bytes.size(); ++length) {
        const PcxResult result = PcxDecoder::decode(std::string_view(bytes).substr(0, length));
        EXPECT_FALSE(result.ok) << "cut at " << length;
        EXPECT_FALSE(result.error.empty()) << "cut at " << length;
    }
}

TEST(PcxDecoder, ReplaysTheFuzzCorpus)
{
    const auto folder = sourceDir() / "fuzz" / "corpus" / "pcx";
    int valid = 0;
    int broken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const PcxResult result = PcxDecoder::decode(readFile(entry.path()));
        if (name.rfind("valid_", 0) == 0) {
            ++valid;
            EXPECT_TRUE(result.ok) << name << ": " << result.error;
            EXPECT_EQ(result.picture.pixels.size(),
                      size_t(result.picture.width) * size_t(result.picture.height))
                << name;
        } else if (name.rfind("bad_", 0) == 0) {
            ++broken;
            EXPECT_FALSE(result.ok) << name;
            EXPECT_FALSE(result.error.empty()) << name;
        }
        // Other files are inputs the fuzzer found interesting: decoding them must simply not crash.
    }
    EXPECT_GE(valid, 3);
    EXPECT_GE(broken, 5);
}

TEST(PcxDecoder, DecodesTheShippedSamples)
{
    const PcxResult rings = PcxDecoder::decode(readFile(sourceDir() / "data" / "bkg" / "sample.pcx"));
    ASSERT_TRUE(rings.ok) << rings.error;
    EXPECT_EQ(rings.picture.width, 160);
    EXPECT_EQ(rings.picture.height, 160);
    EXPECT_EQ(px(rings, 0, 0), 0xFFF3E3D5u);
    EXPECT_EQ(px(rings, 40, 40), 0xFFF8EEE3u);
    EXPECT_EQ(px(rings, 13, 77), 0xFFFBF3EAu);
    EXPECT_EQ(px(rings, 159, 159), 0xFFF3E4D6u);

    // 175 pixels wide: every plane line carries a pad byte.
    const PcxResult plaid = PcxDecoder::decode(readFile(sourceDir() / "data" / "bkg" / "sample24.pcx"));
    ASSERT_TRUE(plaid.ok) << plaid.error;
    EXPECT_EQ(plaid.picture.width, 175);
    EXPECT_EQ(plaid.picture.height, 140);
    EXPECT_EQ(px(plaid, 0, 0), 0xFFE5E1E0u);
    EXPECT_EQ(px(plaid, 174, 139), 0xFFE5E1E0u);
    EXPECT_EQ(px(plaid, 17, 100), 0xFFE3E0E6u);
}

} // namespace
