#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/textstore.h"
#include "core/wordlist.h"

namespace brainlark
{

/// Reads pairs from the plain-text line format into a list: "question @ answer @ wrong answer ... @ [pic1]
/// name", '#' comment lines, "n~" and "a''"-style accents, and the first empty line ending the import.
/// Appends to what the list already holds; no duplicate check.
class TextImport
{
public:
    /// Imports a whole text and returns the list's pair count afterwards. A text that is UTF-8 (it starts
    /// with a byte-order mark, or it is well-formed and holds multi-byte characters) is converted to
    /// Windows-1252 first, so "España" saved by a UTF-8 editor arrives as one ñ and not as two bytes.
    static int importText(WordList& list, std::string_view bytes);
    /// importText() on a file's bytes. Returns 0 (and leaves the list alone) when the file cannot be opened
    /// or is not a regular file (a device or pipe could feed bytes forever).
    static int importFile(WordList& list, const std::string& fileName);

    /// The picture path a "[pic1] name" field stands for.
    static std::string picturePathFor(std::string_view name);

private:
    // The text becomes the store of the new pairs' texts: lines are converted where they are (a conversion
    // only ever shortens a line), and the pairs point at their fields.
    TextImport(WordList& list, TextStore text) : m_list(list), m_text(std::move(text)) {}
    static int importStore(WordList& list, TextStore text);
    void run();
    /// Handles the line [begin, end). Returns false when the line ends the import (it is empty).
    bool addLine(size_t begin, size_t end);
    size_t convertLine(size_t begin, size_t end);
    void splitFields(size_t begin, size_t end);
    void addPair();

    WordList& m_list;
    TextStore m_text;
    std::vector<TextSpan> m_fields; // trimmed fields of the current line
};

} // namespace brainlark
