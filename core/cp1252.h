#pragma once

#include <string>
#include <string_view>

namespace brainlark
{

/// Windows-1252, the byte encoding of the texts of list files (unless a text needs the file's wide form) and
/// of ANSI text files. This is the only place that knows the code page; texts in memory are UTF-8. The five
/// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
/// value and back, so any byte string survives a trip through Unicode unchanged.
class Cp1252
{
public:
    /// The code point of one byte; never fails.
    static char32_t toUnicode(unsigned char byte);
    /// The byte for a code point, or '?' when the code page cannot hold it.
    static char fromUnicode(char32_t codePoint);
    /// Whether fromUnicode() holds the code point (rather than falling back to '?').
    static bool canEncode(char32_t codePoint);

    /// Converts list bytes to UTF-8.
    static std::string toUtf8(std::string_view bytes);
    /// The same, appended to `out`.
    static void appendAsUtf8(std::string_view bytes, std::string& out);
    /// The same written to `out`, which has room for maxUtf8Size() bytes; returns the end of what was
    /// written. Up to OverWrite bytes beyond that end may be written too. `out` may also point into the
    /// memory of the bytes, at least 2 * highBytes() + OverWrite before them: the UTF-8 form then never
    /// overtakes the bytes still to be read.
    static char* toUtf8(std::string_view bytes, char* out);
    static constexpr size_t OverWrite = 3;
    /// The most bytes the UTF-8 form of list bytes can take, and the bytes written beyond it: three for every
    /// byte, and one.
    static size_t maxUtf8Size(std::string_view bytes) { return bytes.size() * 3 + 1; }
    /// How many bytes are from 0x80 on: each takes two or three bytes in UTF-8, every other byte one.
    static size_t highBytes(std::string_view bytes);
    /// Converts UTF-8 to list bytes: characters the code page lacks and malformed sequences become '?'
    /// (one '?' per maximal malformed run, as Unicode recommends). Only for texts already known to fit or
    /// where a lossy form is wanted; encode() says whether anything would be lost.
    static std::string fromUtf8(std::string_view utf8);
    /// Converts UTF-8 to list bytes when the code page holds every character; otherwise returns false
    /// (bytes then unspecified). Malformed UTF-8 never fits.
    static bool encode(std::string_view utf8, std::string& bytes);
    /// Whether encode() succeeds.
    static bool holds(std::string_view utf8);
    /// The first character of a UTF-8 text the code page cannot hold (U+FFFD for a malformed sequence), or
    /// 0 when it holds them all; `charIndex` receives its position in characters.
    static char32_t firstUnheld(std::string_view utf8, size_t* charIndex = nullptr);
    /// True when every byte is below 0x80: the same text in the code page and in UTF-8.
    static bool isAscii(std::string_view bytes);

    /// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence: such a text
    /// almost certainly is UTF-8 and not Windows-1252 (where a lead byte followed by the right number of
    /// continuation bytes is rare).
    static bool isValidUtf8WithMultibyte(std::string_view bytes);
    /// True when the bytes start with the UTF-8 byte-order mark EF BB BF.
    static bool hasUtf8Bom(std::string_view bytes);

    /// Decodes one UTF-8 sequence at the start of `text`. Returns how many bytes it used (at least 1 for a
    /// non-empty text) and sets `ok` to false, with `codePoint` unset, when the sequence is malformed.
    static size_t decodeUtf8(std::string_view text, char32_t& codePoint, bool& ok);
    /// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF become U+FFFD.
    static void appendUtf8(std::string& out, char32_t codePoint);
};

} // namespace brainlark
