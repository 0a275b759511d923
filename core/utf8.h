#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brainlark
{

/// UTF-8, the form of every text in memory.
class Utf8
{
public:
    /// Whether the bytes are well-formed UTF-8.
    static bool isValid(std::string_view bytes);
    /// The text with every malformed sequence replaced by U+FFFD (one per maximal malformed run).
    static std::string sanitized(std::string_view bytes);
    /// The code points of a text; a malformed sequence gives U+FFFD.
    static std::u32string decode(std::string_view text);
    static std::string encode(std::u32string_view codePoints);
    /// Whether a code point joins the character before it on screen: combining marks, variation selectors,
    /// the zero-width joiner and the emoji skin tones. A hint shows or hides such a mark with its base.
    static bool isExtending(char32_t codePoint);
    /// The characters as the learner sees them: each a base code point with the marks that extend it (and
    /// for the zero-width joiner, the code point it joins on). Offsets into the code points of the text.
    static std::vector<size_t> characterStarts(std::u32string_view codePoints);
};

} // namespace brainlark
