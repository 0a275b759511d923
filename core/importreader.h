#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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
    Comment,       ///< starts with '#'
    NoSeparator,   ///< only one field
    EmptyQuestion, ///< the first field is empty
    EmptyAnswer,   ///< the second field is empty
    UnclosedQuote, ///< a quoted field runs to the end of the file (Csv)
    AfterEnd,      ///< below the empty line that ends an '@' file
    Header,        ///< the first line names the columns ("Front", "Back")
    TooLong,       ///< a record of more than ImportReader::MaxRecordBytes, no pair of a trainer
};

/// Called now and then during a long import with the bytes (or records) done and the total; returning
/// false cancels the import.
using ImportProgress = std::function<bool(uint64_t done, uint64_t total)>;

/// Whether the first line names the columns instead of holding a pair.
enum class HeaderLine { Auto, Yes, No };

/// What a column of a TSV or CSV file becomes.
enum class ColumnRole { Question, Answer, WrongAnswer, Notes, Sound, Picture, Ignored };

struct ImportOptions {
    ImportOptions() = default;
    ImportOptions(ImportEncoding textEncoding, ImportFormat lineFormat, char fieldSeparator)
        : encoding(textEncoding), format(lineFormat), separator(fieldSeparator)
    {
    }

    ImportEncoding encoding = ImportEncoding::Utf8;
    ImportFormat format = ImportFormat::At;
    char separator = '@';
    HeaderLine header = HeaderLine::Auto;
    bool keepHtml = false; ///< false: fields holding HTML become plain text
    /// The role of each column, from the first; empty: question, answer, then wrong answers where the
    /// texts look like answers, else ignored. Columns beyond the list are ignored.
    std::vector<ColumnRole> columns;
};

/// A text most pairs leave empty, in the room of one pointer: an import of millions of pairs without notes,
/// media or decks spends nothing on them. Reads as the std::string it holds.
class SparseText
{
public:
    SparseText() = default;
    SparseText(const SparseText& other) { assign(other.str()); }
    SparseText(SparseText&&) noexcept = default;
    SparseText& operator=(const SparseText& other)
    {
        if (this != &other)
            assign(other.str());
        return *this;
    }
    SparseText& operator=(SparseText&&) noexcept = default;
    SparseText& operator=(std::string text)
    {
        assign(std::move(text));
        return *this;
    }

    const std::string& str() const { return m_text ? *m_text : empty_(); }
    operator const std::string&() const { return str(); }
    bool empty() const { return !m_text; }
    size_t size() const { return str().size(); }
    friend bool operator==(const SparseText& a, std::string_view b) { return a.str() == b; }
    friend bool operator!=(const SparseText& a, std::string_view b) { return a.str() != b; }
    friend bool operator==(std::string_view a, const SparseText& b) { return a == b.str(); }

private:
    static const std::string& empty_()
    {
        static const std::string none;
        return none;
    }
    void assign(std::string text)
    {
        if (text.empty())
            m_text.reset();
        else if (m_text)
            *m_text = std::move(text);
        else
            m_text = std::make_unique<std::string>(std::move(text));
    }

    std::unique_ptr<std::string> m_text;
};

/// One pair read from the text, in UTF-8.
struct ImportedPair {
    int64_t line = 0; ///< first line of its record, from 1
    std::string question;
    std::string answer;
    std::vector<std::string> wrongAnswers;
    SparseText notes;
    SparseText picturePath;   ///< relative to the pictures folder (quiz_pictures)
    SparseText questionSound; ///< relative to the sounds folder (quiz_sounds)
    SparseText answerSound;   ///< relative to the sounds folder (quiz_sounds)
    SparseText deck;          ///< the deck or lesson it came from ("" for one-list files)
};

struct SkippedLine {
    int64_t line = 0;
    SkipReason reason = SkipReason::NoSeparator;
    std::string text; ///< the line as read (UTF-8), shortened to 80 characters
};

/// One record of the file as columns, for a preview that shows every column.
struct ImportRow {
    int64_t line = 0;
    std::vector<std::string> fields;
};

struct ImportResult {
    ImportOptions options;
    std::vector<ImportedPair> pairs;
    bool headerSkipped = false;
    /// The role each column had, one per column seen (the '@' format: question, answer, wrong answers).
    std::vector<ColumnRole> columns;
    /// Columns (from 0) that held text no pair took, in order.
    std::vector<size_t> ignoredColumns;
    size_t htmlFields = 0; ///< fields turned from HTML into plain text
    /// The fields of the first pairs, as read (after the HTML conversion).
    std::vector<ImportRow> preview;
    static constexpr size_t PreviewRows = 50;
    /// The first skipped lines (at most ListedSkips); skippedCount counts them all.
    std::vector<SkippedLine> skipped;
    size_t skippedCount = 0;
    static constexpr size_t ListedSkips = 1000;
    /// Deck or lesson names in the order of the file (empty for one-list files).
    std::vector<std::string> decks;
    /// Media the file names that were not found or could not be taken, each with why.
    std::vector<std::string> missingMedia;
    /// Why the file could not be read at all (then there are no pairs), as one sentence; empty when it was.
    std::string error;
    bool cancelled = false; ///< the progress callback asked to stop (a text keeps the pairs read until then)
};

/// Reads pairs from text files in the formats of ImportFormat, with the encoding and separator detected
/// or given. Qt-free: the import wizard previews with it and the command-line tool imports with it.
/// Unlike the plain text import, it says which lines it skipped and why.
class ImportReader
{
public:
    /// A longer record is skipped unread: memory stays within the pairs kept, whatever the file holds.
    static constexpr size_t MaxRecordBytes = 1024 * 1024;

    /// UTF-8 with a byte-order mark, UTF-16 LE/BE with one or, without one, when zero bytes fill nearly
    /// every other place; UTF-8 without a mark when the bytes are valid UTF-8, otherwise Windows-1252.
    static ImportEncoding detectEncoding(std::string_view bytes);
    /// The text as UTF-8, byte-order mark removed. Malformed sequences become U+FFFD.
    static std::string decode(std::string_view bytes, ImportEncoding encoding);
    /// Encoding, format and separator as they look most likely for these bytes.
    static ImportOptions detect(std::string_view bytes);
    /// The format and separator a decoded text most likely uses.
    static ImportOptions detectFormat(std::string_view utf8);

    /// Reads every pair of the bytes with the given options; `progress`, when given, hears of the bytes read
    /// now and then and may cancel (the result then says so and holds what was read until then).
    static ImportResult read(std::string_view bytes, const ImportOptions& options,
                             const ImportProgress& progress = {});
    /// Encoding, format and separator of a file, as detect() gives them for its bytes, read a block at a
    /// time: the format from the first lines, UTF-8 only when every byte of the file is.
    static bool detectFile(const std::string& path, ImportOptions& options, std::string* error);
    /// Reads the file as read() reads its bytes, a block at a time, so that the memory taken is that of the
    /// pairs kept whatever the file's size. False with the reason when the file cannot be read.
    static bool readFile(const std::string& path, const ImportOptions& options, ImportResult& result,
                         std::string* error, const ImportProgress& progress = {});
    /// Appends the pairs (converted to list bytes) and their wrong answers to the list; returns the pair
    /// count afterwards.
    static int appendTo(const ImportResult& result, PairList& list);

    /// A list of its own for each deck of the result: the name its file gets ("Languages::German" becomes
    /// "Languages - German", characters a file name may not hold become '_', at most ListName::MaxLength
    /// characters, unique among them), the subject (the top deck's name) and the deck's pairs, in the order
    /// of `decks`. Decks without pairs are left out.
    struct DeckList {
        std::string name;
        std::string subject;
        ImportResult result;
    };
    static std::vector<DeckList> splitByDeck(const ImportResult& result);

    /// "tsv", "csv", "at"; parseFormat() accepts the same names and reports false for others.
    static const char* formatName(ImportFormat format);
    static bool parseFormat(std::string_view name, ImportFormat& format);
    static const char* encodingName(ImportEncoding encoding);
    static const char* reasonText(SkipReason reason);
    /// "question", "answer", "wrong answer", "notes", "ignored".
    static const char* roleName(ColumnRole role);
    /// A column list as "q,a,w,n,-" (question, answer, wrong answer, notes, ignored); false for others.
    static bool parseColumns(std::string_view text, std::vector<ColumnRole>& columns);
    /// Whether a first record looks like column names rather than a pair, given the records after it.
    static bool looksLikeHeader(const std::vector<std::vector<std::string>>& records);
    /// The separator a format uses unless the learner picks another.
    static char defaultSeparator(ImportFormat format);
};

/// Reads a text that comes a block at a time, as ImportReader::read() reads it whole: feed() takes the next
/// bytes, finish() reads what is left and gives the result. Between blocks it keeps the pairs read and at
/// most the start of one record (a record longer than ImportReader::MaxRecordBytes is passed over, not kept).
class ImportStream
{
public:
    /// `total`, when known, is the size of the whole text, for the progress.
    explicit ImportStream(const ImportOptions& options, ImportProgress progress = {}, uint64_t total = 0);
    ~ImportStream();
    ImportStream(const ImportStream&) = delete;
    ImportStream& operator=(const ImportStream&) = delete;

    /// False once the progress cancelled the reading: the bytes are not read then.
    bool feed(std::string_view bytes);
    ImportResult finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace brainlark
