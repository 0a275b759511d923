#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/importscanner.h"
#include "core/textstore.h"
#include "core/pairlist.h"

namespace brainlark
{

/// Reads pairs from the plain-text line format into a list: "question @ answer @ wrong answer ... @ [pic1]
/// name", '#' comment lines, "n~" and "a''"-style accents, and the first empty line ending the import.
/// Appends to what the list already holds; no duplicate check.
class TextImport
{
public:
    /// Imports a whole text and returns the list's pair count afterwards. A text that is UTF-8 (it starts
    /// with a byte-order mark, or it is well-formed and holds multi-byte characters) is read as UTF-8,
    /// anything else as Windows-1252, so "España" arrives as one ñ either way.
    static int importText(PairList& list, std::string_view bytes);
    /// importText() on a file's bytes. Returns 0 (and leaves the list alone) when the file cannot be opened
    /// or is not a regular file (a device or pipe could feed bytes forever).
    static int importFile(PairList& list, const std::string& fileName);

    /// The picture path a "[pic1] name" field stands for.
    static std::string picturePathFor(std::string_view name);

private:
    // The text becomes the store of the new pairs' texts: lines are converted where they are (a conversion
    // only ever shortens a line), and the pairs point at their fields.
    TextImport(PairList& list, TextStore text)
        : m_list(list), m_text(std::move(text)), m_scanner(m_text.data(), m_text.size())
    {
    }
    static int importStore(PairList& list, TextStore text);
    void run();
    size_t readLine(size_t pos);
    void keep(char c, size_t at, size_t& out);
    void addField(size_t begin, size_t end);
    void addPair();

    PairList& m_list;
    TextStore m_text;
    ImportScanner m_scanner;
    // A trimmed field of the current line. Kept as two full words: a TextSpan written as two halves and read
    // back whole stalls the processor on every field.
    struct Field {
        size_t begin;
        size_t end;
        bool empty() const { return begin == end; }
    };
    static TextSpan span(const Field& f)
    {
        return {static_cast<uint32_t>(f.begin), static_cast<uint32_t>(f.end - f.begin)};
    }

    std::vector<Field> m_fields; // trimmed fields of the current line: the first m_fieldCount
    size_t m_fieldCount = 0;
};

} // namespace brainlark
