#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brainlark
{

class PairList;

/// How the bytes of a text file are to be read.
enum class ImportEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

/// The line formats other trainers export, and this program's own.
enum class ImportFormat {
    Tsv, ///< question, separator (a tab unless changed), answer; no quoting
    Csv, ///< fields with "double quotes" that may hold separators, quotes ("") and line breaks
    At,  ///< "question @ answer @ wrong answer ... @ [pic1] name", '#' comments, first empty line ends it
};

enum class SkipReason {
    Comment,           ///< starts with '#'
    NoSeparator,       ///< only one field
    EmptyQuestion,     ///< the first field is empty
    EmptyAnswer,       ///< the second field is empty
    UnclosedQuote,     ///< a quoted field runs to the end of the file (Csv)
    AfterEnd,          ///< below the empty line that ends an '@' file
};

struct ImportOptions {
    ImportEncoding encoding = ImportEncoding::Utf8;
    ImportFormat format = ImportFormat::At;
    char separator = '@';
};

/// One pair read from the text, in UTF-8.
struct ImportedPair {
    int64_t line = 0; ///< first line of its record, from 1
    std::string question;
    std::string answer;
    std::vector<std::string> wrongAnswers;
    std::string picturePath; ///< relative to the pictures folder ('@' format only)
};

struct SkippedLine {
    int64_t line = 0;
    SkipReason reason = SkipReason::NoSeparator;
    std::string text; ///< the line as read (UTF-8), shortened to 80 characters
};

struct ImportResult {
    ImportOptions options;
    std::vector<ImportedPair> pairs;
    /// The first skipped lines (at most ListedSkips); skippedCount counts them all.
    std::vector<SkippedLine> skipped;
    size_t skippedCount = 0;
    static constexpr size_t ListedSkips = 1000;
};

/// Reads pairs from text files in the formats of ImportFormat, with the encoding and separator detected
/// or given. Qt-free: the import wizard previews with it and the command-line tool imports with it.
/// Unlike the plain text import, it says which lines it skipped and why.
class ImportReader
{
public:
    /// UTF-8 with a byte-order mark, UTF-16 LE/BE with one or, without one, when zero bytes fill nearly
    /// every other place; UTF-8 without a mark when the bytes are valid UTF-8, otherwise Windows-1252.
    static ImportEncoding detectEncoding(std::string_view bytes);
    /// The text as UTF-8, byte-order mark removed. Malformed sequences become U+FFFD.
    static std::string decode(std::string_view bytes, ImportEncoding encoding);
    /// Encoding, format and separator as they look most likely for these bytes.
    static ImportOptions detect(std::string_view bytes);
    /// The format and separator a decoded text most likely uses.
    static ImportOptions detectFormat(std::string_view utf8);

    /// Reads every pair of the bytes with the given options.
    static ImportResult read(std::string_view bytes, const ImportOptions& options);
    /// Appends the pairs (converted to list bytes) and their wrong answers to the list; returns the pair
    /// count afterwards.
    static int appendTo(const ImportResult& result, PairList& list);

    /// "tsv", "csv", "at"; parseFormat() accepts the same names and reports false for others.
    static const char* formatName(ImportFormat format);
    static bool parseFormat(std::string_view name, ImportFormat& format);
    static const char* encodingName(ImportEncoding encoding);
    static const char* reasonText(SkipReason reason);
    /// The separator a format uses unless the learner picks another.
    static char defaultSeparator(ImportFormat format);
};

} // namespace brainlark
