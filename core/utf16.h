#pragma once

#include <string>
#include <string_view>

namespace brainlark
{

/// UTF-16 little-endian, the form of the wide strings in list files.
class Utf16
{
public:
    /// Appends the UTF-8 form of little-endian UTF-16 units (an even number of bytes). Returns false, having
    /// appended nothing, when a surrogate is unpaired.
    static bool appendUtf8(std::string_view unitsLe, std::string& out);
    /// The same written to `out`, which has room for maxUtf8Size() bytes. Returns the end of what was
    /// written, or nullptr when a surrogate is unpaired. `out` may also point into the memory of the units,
    /// at least threeByteUnits() bytes before them: the UTF-8 form then never overtakes the units still to be
    /// read.
    static char* toUtf8(std::string_view unitsLe, char* out);
    /// The most bytes the UTF-8 form of the units can take: three for every unit.
    static size_t maxUtf8Size(std::string_view unitsLe) { return unitsLe.size() / 2 * 3; }
    /// How many units take three bytes in UTF-8 (from U+0800, surrogates aside): the only ones longer in
    /// UTF-8 than in UTF-16.
    static size_t threeByteUnits(std::string_view unitsLe);
    /// The little-endian UTF-16 units of a UTF-8 text; a malformed sequence becomes U+FFFD.
    static std::string fromUtf8(std::string_view utf8);
};

} // namespace brainlark
