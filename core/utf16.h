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
    /// appended an unspecified part, when a surrogate is unpaired.
    static bool appendUtf8(std::string_view unitsLe, std::string& out);
    /// The little-endian UTF-16 units of a UTF-8 text; a malformed sequence becomes U+FFFD.
    static std::string fromUtf8(std::string_view utf8);
};

} // namespace brainlark
