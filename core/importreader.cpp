#include "core/importreader.h"
#include "core/uitext.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "core/cp1252.h"
#include "core/filereader.h"
#include "core/htmltext.h"
#include "core/listname.h"
#include "core/pairlist.h"
#include "core/textimport.h"
#include "core/utf8.h"

namespace brainlark
{

namespace
{

constexpr char32_t Replacement = 0xFFFD;
constexpr size_t SkippedTextLength = 80;
constexpr size_t DetectionLines = 200;
constexpr std::string_view PictureTag = "[pic1]";

bool isBlank(char c)
{
    return c == ' ' || (static_cast<unsigned char>(c) - 9u) <= 4u;
}

bool isBlankLine(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isBlank);
}

std::string trimmed(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

/// Whether the line holds an '@' with a blank or tab on each side ("France \t\t@ Paris").
bool hasSpacedAt(std::string_view line)
{
    for (size_t pos = line.find('@', 1); pos != std::string_view::npos && pos + 1 < line.size();
         pos = line.find('@', pos + 1)) {
        if (isBlank(line[pos - 1]) && isBlank(line[pos + 1]))
            return true;
    }
    return false;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// One pass over the text, so that a line full of shorthands takes time in proportion to its length.
void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    size_t pos = text.find(from);
    if (pos == std::string::npos)
        return;
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    for (; pos != std::string::npos; pos = text.find(from, done)) {
        out.append(text, done, pos - done).append(to);
        done = pos + from.size();
    }
    out.append(text, done, std::string::npos);
    text = std::move(out);
}

// The '@' format's shorthands for Spanish letters, in the order the plain import applies them.
void applyAccentRules(std::string& line)
{
    static const std::pair<std::string_view, std::string_view> Rules[] = {
        {"n~", "\xC3\xB1"},  {"i''", "\xC3\xAD"}, {"a''", "\xC3\xA1"},
        {"e''", "\xC3\xA9"}, {"u''", "\xC3\xBA"}, {"o''", "\xC3\xB3"},
    };
    for (const auto& [from, to] : Rules)
        replaceAll(line, from, to);
}

// The first 80 characters of a line for a message; a tab shows as a space, other control bytes as \xNN, so
// that a line of NUL bytes or terminal escapes shows as what it is.
std::string shortened(std::string_view line)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string out;
    size_t characters = 0;
    size_t pos = 0;
    for (; pos < line.size() && characters < SkippedTextLength; ++characters) {
        const auto byte = static_cast<unsigned char>(line[pos]);
        if (byte == '\t') {
            out += ' ';
            ++pos;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
            ++pos;
            continue;
        }
        char32_t cp = 0;
        bool ok = false;
        const size_t used = Cp1252::decodeUtf8(line.substr(pos), cp, ok);
        out.append(line.substr(pos, used));
        pos += used;
    }
    if (pos < line.size())
        out += "\xE2\x80\xA6";
    return out;
}

bool isValidUtf8(std::string_view bytes)
{
    for (size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp = 0;
        bool ok = false;
        pos += Cp1252::decodeUtf8(bytes.substr(pos), cp, ok);
        if (!ok)
            return false;
    }
    return true;
}

std::string decodeUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        bool ok = false;
        const size_t used = Cp1252::decodeUtf8(bytes.substr(pos), cp, ok);
        if (ok)
            out.append(bytes.substr(pos, used));
        else
            Cp1252::appendUtf8(out, Replacement);
        pos += used;
    }
    return out;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                Cp1252::appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        Cp1252::appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? Replacement : u);
    }
    if (i < bytes.size())
        Cp1252::appendUtf8(out, Replacement); // a lone last byte
    return out;
}

// Cuts a text into lines; a line break is LF, CR LF or CR.
class LineCursor
{
public:
    explicit LineCursor(std::string_view text, int64_t firstLine = 1) : m_text(text), m_line(firstLine) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    size_t remaining() const { return m_text.size() - m_pos; }
    /// Whether the line next() gave last ended with a line break (not with the end of the text).
    bool lineEnded() const { return m_lineEnded; }
    void moveTo(size_t pos, int64_t line)
    {
        m_pos = pos;
        m_line = line;
    }
    int64_t lineNumber() const { return m_line; }
    std::string_view next()
    {
        const size_t begin = m_pos;
        size_t end = begin;
        while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        m_pos = end;
        m_lineEnded = end < m_text.size();
        skipLineBreak();
        return m_text.substr(begin, end - begin);
    }
    // Position-level access for the CSV reader, whose records may span lines.
    size_t pos() const { return m_pos; }
    char peek(size_t ahead = 0) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0'; }
    void advance() { ++m_pos; }
    bool atLineBreak() const { return !atEnd() && (peek() == '\n' || peek() == '\r'); }
    void skipLineBreak()
    {
        if (atEnd())
            return;
        if (peek() == '\r' && peek(1) == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }
    std::string_view lineFrom(size_t begin) const
    {
        size_t end = begin;
        while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        return m_text.substr(begin, end - begin);
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    int64_t m_line = 1;
    bool m_lineEnded = true;
};

// The end of a CSV record found without keeping its fields, for a record too long to read that goes on in
// the next block of the file: the same rules as the field reader (a quote opens only at a field's start,
// "" inside quotes is a quote), with the state carried from block to block.
class CsvRecordEnd
{
public:
    explicit CsvRecordEnd(char separator) : m_separator(separator) {}
    /// Scans from pos; returns the position after the line break that ends the record, or npos when the text
    /// ends first. Line breaks passed (inside quotes too) are counted in `lines`.
    size_t scan(std::string_view text, size_t pos, int64_t& lines)
    {
        for (; pos < text.size(); ++pos) {
            const char c = text[pos];
            const bool lineBreak = c == '\n' || c == '\r';
            if (lineBreak && !(c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n'))
                ++lines; // CR LF counts once, at its LF
            switch (m_state) {
            case State::FieldStart:
                if (c == '"')
                    m_state = State::Quoted;
                else if (lineBreak)
                    return end(text, pos);
                else if (c != m_separator && c != ' ' && c != '\t')
                    m_state = State::Unquoted;
                break;
            case State::Quoted:
                if (c == '"')
                    m_state = State::QuoteSeen;
                break;
            case State::QuoteSeen:
                if (c == '"')
                    m_state = State::Quoted;
                else if (c == m_separator)
                    m_state = State::FieldStart;
                else if (lineBreak)
                    return end(text, pos);
                else
                    m_state = State::Unquoted;
                break;
            case State::Unquoted:
                if (c == m_separator)
                    m_state = State::FieldStart;
                else if (lineBreak)
                    return end(text, pos);
                break;
            }
        }
        return std::string_view::npos;
    }
    bool inQuotes() const { return m_state == State::Quoted; }

private:
    enum class State { FieldStart, Quoted, QuoteSeen, Unquoted };
    size_t end(std::string_view text, size_t pos)
    {
        m_state = State::FieldStart;
        return pos + (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1);
    }

    char m_separator;
    State m_state = State::FieldStart;
};

// Column names other trainers and spreadsheets put on the first line.
constexpr std::string_view ColumnNames[] = {"front",
                                            "back",
                                            "question",
                                            "questions",
                                            "answer",
                                            "answers",
                                            "term",
                                            "terms",
                                            "definition",
                                            "definitions",
                                            "word",
                                            "words",
                                            "translation",
                                            "translations",
                                            "meaning",
                                            "meanings",
                                            "prompt",
                                            "response",
                                            "q",
                                            "a",
                                            "clue",
                                            "hint",
                                            "hints",
                                            "note",
                                            "notes",
                                            "wrong answer",
                                            "wrong answers",
                                            "distractor",
                                            "distractors",
                                            "extra",
                                            "tags",
                                            "side 1",
                                            "side 2",
                                            "side a",
                                            "side b",
                                            "text",
                                            "source",
                                            "target",
                                            "native",
                                            "foreign",
                                            "reading",
                                            "example",
                                            "examples",
                                            "english",
                                            "german",
                                            "french",
                                            "spanish",
                                            "italian",
                                            "portuguese",
                                            "russian",
                                            "chinese",
                                            "japanese",
                                            "korean",
                                            "latin",
                                            "greek",
                                            "dutch",
                                            "polish",
                                            "swedish",
                                            "turkish",
                                            "arabic",
                                            "hebrew",
                                            "hindi",
                                            "deutsch",
                                            "englisch",
                                            "espanol",
                                            "francais",
                                            "italiano"};

// A field as a column name: ASCII letters lowered, blanks and the punctuation around names removed.
std::string nameKey(std::string_view field)
{
    std::string key;
    for (char c : field) {
        if (c >= 'A' && c <= 'Z')
            key += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80)
            key += c;
        else if ((c == ' ' || c == '_' || c == '-') && !key.empty() && key.back() != ' ')
            key += ' ';
    }
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

bool isColumnName(std::string_view field)
{
    const std::string key = nameKey(field);
    return std::find(std::begin(ColumnNames), std::end(ColumnNames), key) != std::end(ColumnNames);
}

// The fields of a one-field line written as "Front → Back", "Front -> Back" or "Front => Back".
std::vector<std::string> arrowParts(std::string_view line)
{
    std::vector<std::string> parts;
    for (std::string_view arrow :
         {std::string_view("\xE2\x86\x92"), std::string_view("->"), std::string_view("=>")}) {
        if (line.find(arrow) == std::string_view::npos)
            continue;
        size_t begin = 0;
        for (size_t pos = line.find(arrow);; pos = line.find(arrow, begin)) {
            parts.push_back(trimmed(line.substr(begin, pos == std::string_view::npos ? pos : pos - begin)));
            if (pos == std::string_view::npos)
                return parts;
            begin = pos + arrow.size();
        }
    }
    return parts;
}

bool namesColumns(const std::vector<std::string>& fields)
{
    const std::vector<std::string> parts = fields.size() == 1 ? arrowParts(fields[0]) : fields;
    if (parts.size() < 2)
        return false;
    return isColumnName(parts[0]) && isColumnName(parts[1]);
}

enum class FieldKind { Empty, Digits, Lower, Upper, Other };

FieldKind kindOf(std::string_view field)
{
    if (field.empty())
        return FieldKind::Empty;
    if (field.find_first_of("0123456789") != std::string_view::npos)
        return FieldKind::Digits;
    const char c = field.front();
    if (c >= 'a' && c <= 'z')
        return FieldKind::Lower;
    if (c >= 'A' && c <= 'Z')
        return FieldKind::Upper;
    return FieldKind::Other;
}

// A first record unlike the rest: short capitalised names without digits over columns where nearly every
// other record holds numbers or starts in lower case ("Year, Event" over "1066, Hastings").
bool unlikeTheRest(const std::vector<std::vector<std::string>>& records)
{
    constexpr size_t MinimumRest = 4;
    constexpr size_t NameLength = 40;
    const std::vector<std::string>& first = records.front();
    if (records.size() < MinimumRest + 1 || first.size() < 2)
        return false;
    for (const std::string& field : first) {
        if (field.size() > NameLength || kindOf(field) == FieldKind::Digits)
            return false;
    }
    for (size_t column = 0; column < 2; ++column) {
        if (kindOf(first[column]) != FieldKind::Upper)
            continue;
        size_t digits = 0, lower = 0, counted = 0;
        for (size_t i = 1; i < records.size(); ++i) {
            if (records[i].size() <= column)
                continue;
            ++counted;
            const FieldKind kind = kindOf(records[i][column]);
            digits += kind == FieldKind::Digits;
            lower += kind == FieldKind::Lower;
        }
        if (counted >= MinimumRest && 10 * std::max(digits, lower) >= 9 * counted)
            return true;
    }
    return false;
}

// Whether a further column holds texts like the answers: filled in at least half of the records, mostly of
// the answer's kind (numbers or words) and of a similar length, and not mostly one text (a tag).
bool looksLikeAnswers(const std::vector<std::vector<std::string>>& records, size_t column)
{
    size_t filled = 0, alike = 0, mostRepeated = 0;
    std::map<std::string_view, size_t> counts;
    for (const auto& fields : records) {
        if (fields.size() <= column || fields[column].empty())
            continue;
        const std::string& text = fields[column];
        ++filled;
        mostRepeated = std::max(mostRepeated, ++counts[text]);
        const std::string_view answer = fields.size() > 1 ? std::string_view(fields[1]) : std::string_view();
        const bool sameKind = (kindOf(answer) == FieldKind::Digits) == (kindOf(text) == FieldKind::Digits);
        const bool sameLength =
            !answer.empty() && text.size() <= 3 * answer.size() && answer.size() <= 3 * text.size();
        alike += sameKind && sameLength && text.compare(0, 7, "[sound:") != 0;
    }
    const bool repeated = filled >= 3 && 2 * mostRepeated > filled;
    return filled > 0 && 2 * filled >= records.size() && 10 * alike >= 7 * filled && !repeated;
}

class Reader
{
public:
    Reader(const ImportOptions& options, ImportResult& result, const ImportProgress& progress)
        : m_options(options), m_result(result), m_progress(progress)
    {
    }

    // Reads the records of one block of the text and returns the bytes it used: in a block that is not the
    // last, a record that may go on in the next block is left for it, unless it is too long to keep (then it
    // is skipped, and so is its rest at the start of the next block). Line numbers and the progress go on
    // from block to block.
    size_t read(ImportFormat format, std::string_view text, bool last)
    {
        LineCursor cursor(text, m_line);
        if (passOverRest(text, cursor)) {
            switch (format) {
            case ImportFormat::Tsv:
                readTsv(cursor, last);
                break;
            case ImportFormat::Csv:
                readCsv(text, cursor, last);
                break;
            case ImportFormat::At:
                readAt(cursor, last);
                break;
            }
        }
        m_line = cursor.lineNumber();
        return cursor.pos();
    }
    // Where the block starts in the whole text, and the whole text's size, for the progress.
    void setPlace(uint64_t offset, uint64_t total)
    {
        m_offset = offset;
        m_total = total;
    }
    // Decides on the records held back for the header and column choices, if that has not happened yet.
    void finish();

private:
    // The first records are held back until the header line and the columns are decided; so are the lines
    // skipped among them, so that the skipped lines stay in the file's order.
    struct Held {
        int64_t line = 0;
        bool isRecord = true;
        SkipReason reason = SkipReason::NoSeparator;
        std::vector<std::string> fields;
        std::vector<HtmlText::Media> media; // per field, or empty when no field named any
        std::string text;
    };
    static constexpr size_t SampleRecords = 50;

    // Reports progress now and then; false when the learner cancelled.
    bool goOn(size_t done)
    {
        if (m_result.cancelled)
            return false;
        if (!m_progress || (++m_steps & 0x3FF) != 0)
            return true;
        m_result.cancelled = !m_progress(std::min<uint64_t>(m_offset + done, m_total), m_total);
        return !m_result.cancelled;
    }
    // Whether the record at the cursor is to be read in this block: a block that is not the last leaves the
    // end (where a record of up to MaxRecordBytes may be cut) to the next one.
    static bool readsHere(const LineCursor& cursor, bool last)
    {
        return last || cursor.remaining() > ImportReader::MaxRecordBytes + 2;
    }
    // The next line; one cut by the end of a block that is not the last is longer than a record may be, and
    // its rest in the next block is passed over.
    std::string_view nextLine(LineCursor& cursor, bool last)
    {
        const std::string_view line = cursor.next();
        if (!last && !cursor.lineEnded())
            m_passOverLine = true;
        return line;
    }
    // Passes over the rest of a line (or CSV record) begun in an earlier block; false while the block ends
    // first.
    bool passOverRest(std::string_view text, LineCursor& cursor);

    // Every skipped line is counted; the first ones are kept to be listed, so that a file of millions of
    // lines that are not pairs takes no more memory than the pairs it holds.
    void skip(int64_t line, SkipReason reason, std::string_view text)
    {
        if (!m_decided) {
            // Only the start is ever shown; a line of gigabytes is not copied.
            m_held.push_back(
                {line, false, reason, {}, {}, std::string(text.substr(0, 4 * SkippedTextLength))});
            return;
        }
        ++m_result.skippedCount;
        if (m_result.skipped.size() < ImportResult::ListedSkips)
            m_result.skipped.push_back({line, reason, shortened(text)});
    }
    // A record of the TSV or CSV file: its fields (trimmed) and its first line for messages.
    void record(int64_t line, std::vector<std::string>& fields, std::string_view text);
    void decide();
    bool onlyMedia(size_t column) const;
    ColumnRole onlyMediaRole(size_t column) const;
    void take(int64_t line, std::vector<std::string>& fields, std::vector<HtmlText::Media>& media,
              std::string_view text);
    // Checks the first two fields; returns the pair to fill, or null when the record was skipped.
    ImportedPair* addPair(int64_t line, const std::vector<std::string>& fields, std::string_view text);
    void keepPreview(int64_t line, const std::vector<std::string>& fields,
                     const std::vector<HtmlText::Media>& media = {});
    std::vector<std::string> split(std::string_view line) const;
    bool readCsvField(LineCursor& cursor, std::string& field, bool& closed) const;
    void readAt(LineCursor& cursor, bool last);
    void readTsv(LineCursor& cursor, bool last);
    void readCsv(std::string_view text, LineCursor& cursor, bool last);

    const ImportOptions& m_options;
    ImportResult& m_result;
    const ImportProgress& m_progress;
    size_t m_steps = 0;
    bool m_decided = false;
    std::vector<Held> m_held;
    size_t m_heldRecords = 0;
    std::vector<bool> m_columnTaken;  // per column: text went into a pair
    std::vector<bool> m_columnFilled; // per column: held text
    uint64_t m_offset = 0;
    uint64_t m_total = 0;
    int64_t m_line = 1;          // the line the next block starts on
    bool m_passOverLine = false; // the start of the next block is the rest of a line too long to keep
    std::unique_ptr<CsvRecordEnd> m_passOverRecord; // the same for a CSV record
    bool m_atStarted = false;                       // '@' files: the columns are set and the header decided
    bool m_headerPending = false; // '@' files: the next line is the header the learner named
    bool m_atEnded = false;       // '@' files: the empty line that ends the file was read
};

bool Reader::passOverRest(std::string_view text, LineCursor& cursor)
{
    if (m_passOverRecord) {
        int64_t lines = 0;
        const size_t end = m_passOverRecord->scan(text, cursor.pos(), lines);
        cursor.moveTo(end == std::string_view::npos ? text.size() : end, cursor.lineNumber() + lines);
        if (end == std::string_view::npos)
            return false;
        m_passOverRecord.reset();
        return true;
    }
    if (m_passOverLine) {
        cursor.next();
        if (!cursor.lineEnded())
            return false;
        m_passOverLine = false;
    }
    return true;
}

void Reader::record(int64_t line, std::vector<std::string>& fields, std::string_view text)
{
    // Sounds and pictures the fields name are taken before the markup goes.
    std::vector<HtmlText::Media> media;
    for (size_t i = 0; i < fields.size(); ++i) {
        HtmlText::Media found;
        if (HtmlText::takeMedia(fields[i], found)) {
            media.resize(fields.size());
            media[i] = std::move(found);
        }
    }
    if (!m_options.keepHtml) {
        for (std::string& field : fields) {
            if (HtmlText::looksLikeHtml(field)) {
                field = HtmlText::toPlainText(field);
                ++m_result.htmlFields;
            }
        }
    }
    if (m_decided) {
        take(line, fields, media, text);
        return;
    }
    m_held.push_back(
        {line, true, SkipReason::NoSeparator, std::move(fields), std::move(media), std::string(text)});
    if (++m_heldRecords == SampleRecords)
        decide();
}

void Reader::finish()
{
    if (!m_decided)
        decide();
    for (size_t column = 0; column < m_columnFilled.size(); ++column) {
        if (m_columnFilled[column] && !m_columnTaken[column])
            m_result.ignoredColumns.push_back(column);
    }
}

void Reader::decide()
{
    m_decided = true;
    std::vector<std::vector<std::string>> records;
    for (const Held& held : m_held) {
        if (held.isRecord)
            records.push_back(held.fields);
    }
    switch (m_options.header) {
    case HeaderLine::Yes:
        m_result.headerSkipped = !records.empty();
        break;
    case HeaderLine::No:
        break;
    case HeaderLine::Auto:
        m_result.headerSkipped =
            m_options.format != ImportFormat::At && ImportReader::looksLikeHeader(records);
        break;
    }
    std::vector<std::string> header;
    if (m_result.headerSkipped) {
        header = std::move(records.front());
        records.erase(records.begin());
    }

    std::vector<ColumnRole>& columns = m_result.columns;
    if (m_options.format == ImportFormat::At) {
        columns = {ColumnRole::Question, ColumnRole::Answer};
    } else if (!m_options.columns.empty()) {
        columns = m_options.columns;
    } else {
        size_t count = 2;
        for (const auto& fields : records)
            count = std::max(count, fields.size());
        columns = {ColumnRole::Question, ColumnRole::Answer};
        // A further column the header line names is what it says; the others are judged by their texts.
        for (size_t column = 2; column < count; ++column) {
            const std::string name = column < header.size() ? nameKey(header[column]) : std::string();
            if (name == "wrong answer" || name == "wrong answers" || name == "distractor" ||
                name == "distractors")
                columns.push_back(ColumnRole::WrongAnswer);
            else if (name == "notes" || name == "note" || name == "hint" || name == "hints")
                columns.push_back(ColumnRole::Notes);
            else if (name == "sound" || name == "sounds" || name == "audio")
                columns.push_back(ColumnRole::Sound);
            else if (name == "picture" || name == "pictures" || name == "image" || name == "images")
                columns.push_back(ColumnRole::Picture);
            else
                columns.push_back(looksLikeAnswers(records, column) ? ColumnRole::WrongAnswer
                                  : onlyMedia(column)               ? onlyMediaRole(column)
                                                                    : ColumnRole::Ignored);
        }
    }

    std::vector<Held> held = std::move(m_held);
    m_held.clear();
    bool headerSeen = false;
    for (Held& h : held) {
        if (!h.isRecord) {
            skip(h.line, h.reason, h.text);
        } else if (m_result.headerSkipped && !headerSeen) {
            headerSeen = true;
            skip(h.line, SkipReason::Header, h.text);
        } else {
            take(h.line, h.fields, h.media, h.text);
        }
    }
}

// Whether the column held media references and no text in the held records.
bool Reader::onlyMedia(size_t column) const
{
    bool named = false;
    bool header = m_result.headerSkipped;
    for (const Held& h : m_held) {
        if (!h.isRecord || std::exchange(header, false) || column >= h.fields.size())
            continue; // the header line names the column, it holds no media
        if (!h.fields[column].empty())
            return false;
        named = named || (column < h.media.size() &&
                          !(h.media[column].sound.empty() && h.media[column].picture.empty()));
    }
    return named;
}

ColumnRole Reader::onlyMediaRole(size_t column) const
{
    for (const Held& h : m_held) {
        if (h.isRecord && column < h.media.size() && !h.media[column].sound.empty())
            return ColumnRole::Sound;
    }
    return ColumnRole::Picture;
}

void Reader::keepPreview(int64_t line, const std::vector<std::string>& fields,
                         const std::vector<HtmlText::Media>& media)
{
    if (m_result.preview.size() >= ImportResult::PreviewRows)
        return;
    ImportRow& row = m_result.preview.emplace_back(ImportRow{line, fields});
    // The media a field names are shown with it, as they were written.
    for (size_t i = 0; i < media.size(); ++i) {
        std::string& cell = row.fields[i];
        for (const auto& [mark, name] :
             {std::pair{"[sound:", &media[i].sound}, {"[picture:", &media[i].picture}}) {
            if (!name->empty())
                cell += (cell.empty() ? "" : " ") + (mark + *name) + "]";
        }
    }
}

void Reader::take(int64_t line, std::vector<std::string>& fields, std::vector<HtmlText::Media>& media,
                  std::string_view text)
{
    std::vector<ColumnRole>& columns = m_result.columns;
    if (m_options.format == ImportFormat::At) {
        while (columns.size() < fields.size())
            columns.push_back(ColumnRole::WrongAnswer);
    } else {
        while (columns.size() < fields.size())
            columns.push_back(ColumnRole::Ignored);
    }
    if (m_columnFilled.size() < columns.size()) {
        m_columnFilled.resize(columns.size(), false);
        m_columnTaken.resize(columns.size(), false);
    }
    std::string* question = nullptr;
    std::string* answer = nullptr;
    std::string* notes = nullptr;
    for (size_t column = 0; column < fields.size(); ++column) {
        if (columns[column] == ColumnRole::Question && !question)
            question = &fields[column];
        else if (columns[column] == ColumnRole::Answer && !answer)
            answer = &fields[column];
        else if (columns[column] == ColumnRole::Notes && !notes)
            notes = &fields[column];
    }
    SkipReason reason = SkipReason::NoSeparator;
    if (fields.size() < 2)
        reason = SkipReason::NoSeparator;
    else if (!question || question->empty())
        reason = SkipReason::EmptyQuestion;
    else if (!answer || answer->empty())
        reason = SkipReason::EmptyAnswer;
    else {
        for (size_t column = 0; column < fields.size(); ++column) {
            const bool filled =
                !fields[column].empty() ||
                (column < media.size() && !(media[column].sound.empty() && media[column].picture.empty()));
            m_columnFilled[column] = m_columnFilled[column] || filled;
            if (filled && columns[column] != ColumnRole::Ignored)
                m_columnTaken[column] = true;
        }
        keepPreview(line, fields, media);
        ImportedPair& pair = m_result.pairs.emplace_back();
        pair.line = line;
        pair.question = std::move(*question);
        pair.answer = std::move(*answer);
        if (notes)
            pair.notes = std::move(*notes);
        for (size_t column = 0; column < fields.size(); ++column) {
            if (fields[column].empty())
                continue;
            switch (columns[column]) {
            case ColumnRole::WrongAnswer:
                pair.wrongAnswers.push_back(std::move(fields[column]));
                break;
            case ColumnRole::Sound: // the first sound column is the question's, the next the answer's
                (pair.questionSound.empty() ? pair.questionSound : pair.answerSound) =
                    std::move(fields[column]);
                break;
            case ColumnRole::Picture:
                if (pair.picturePath.empty())
                    pair.picturePath = std::move(fields[column]);
                break;
            default:
                break;
            }
        }
        for (size_t column = 0; column < media.size(); ++column) {
            if (columns[column] == ColumnRole::Ignored)
                continue;
            SparseText* side = nullptr;
            if (columns[column] == ColumnRole::Question)
                side = &pair.questionSound;
            else if (columns[column] == ColumnRole::Answer)
                side = &pair.answerSound;
            else if (columns[column] == ColumnRole::Sound)
                side = pair.questionSound.empty() ? &pair.questionSound : &pair.answerSound;
            if (side && side->empty() && !media[column].sound.empty()) {
                m_columnTaken[column] = true;
                *side = std::move(media[column].sound);
            }
            if (!media[column].picture.empty() && pair.picturePath.empty()) {
                m_columnTaken[column] = true;
                pair.picturePath = std::move(media[column].picture);
            }
        }
        return;
    }
    skip(line, reason, text);
}

ImportedPair* Reader::addPair(int64_t line, const std::vector<std::string>& fields, std::string_view text)
{
    if (fields.size() < 2)
        skip(line, SkipReason::NoSeparator, text);
    else if (fields[0].empty())
        skip(line, SkipReason::EmptyQuestion, text);
    else if (fields[1].empty())
        skip(line, SkipReason::EmptyAnswer, text);
    else {
        keepPreview(line, fields);
        ImportedPair& pair = m_result.pairs.emplace_back();
        pair.line = line;
        pair.question = fields[0];
        pair.answer = fields[1];
        return &pair;
    }
    return nullptr;
}

std::vector<std::string> Reader::split(std::string_view line) const
{
    std::vector<std::string> fields;
    size_t begin = 0;
    for (size_t pos = line.find(m_options.separator);; pos = line.find(m_options.separator, begin)) {
        fields.push_back(trimmed(line.substr(begin, pos == std::string_view::npos ? pos : pos - begin)));
        if (pos == std::string_view::npos)
            return fields;
        begin = pos + 1;
    }
}

void Reader::readAt(LineCursor& cursor, bool last)
{
    if (!m_atStarted) {
        // The program's own format names no columns; a header line is skipped only when the learner says so.
        m_atStarted = true;
        m_decided = true;
        m_result.columns = {ColumnRole::Question, ColumnRole::Answer};
        m_headerPending = m_options.header == HeaderLine::Yes;
    }
    while (!cursor.atEnd() && readsHere(cursor, last) && goOn(cursor.pos())) {
        const int64_t number = cursor.lineNumber();
        const std::string_view raw = nextLine(cursor, last);
        if (m_atEnded) {
            // The first empty line ends the file; what follows is reported, not read.
            if (!raw.empty())
                skip(number, SkipReason::AfterEnd, raw);
            continue;
        }
        if (raw.empty()) {
            m_atEnded = true;
            continue;
        }
        if (raw.front() == '#') {
            skip(number, SkipReason::Comment, raw);
            continue;
        }
        if (m_headerPending) {
            m_headerPending = false;
            m_result.headerSkipped = true;
            skip(number, SkipReason::Header, raw);
            continue;
        }
        if (raw.size() > ImportReader::MaxRecordBytes) {
            skip(number, SkipReason::TooLong, raw);
            continue;
        }
        std::string line(raw);
        applyAccentRules(line);
        std::replace(line.begin(), line.end(), '\t', ' ');
        const std::vector<std::string> fields = split(line);
        while (m_result.columns.size() < fields.size())
            m_result.columns.push_back(ColumnRole::WrongAnswer);
        ImportedPair* pair = addPair(number, fields, raw);
        if (!pair)
            continue;
        for (size_t i = 2; i < fields.size(); ++i) {
            if (startsWith(fields[i], PictureTag))
                pair->picturePath = TextImport::picturePathFor(trimmed(fields[i].substr(PictureTag.size())));
            else
                pair->wrongAnswers.push_back(fields[i]);
        }
    }
}

void Reader::readTsv(LineCursor& cursor, bool last)
{
    while (!cursor.atEnd() && readsHere(cursor, last) && goOn(cursor.pos())) {
        const int64_t number = cursor.lineNumber();
        const std::string_view line = nextLine(cursor, last);
        if (isBlankLine(line))
            continue;
        if (line.front() == '#') {
            skip(number, SkipReason::Comment, line);
        } else if (line.size() > ImportReader::MaxRecordBytes) {
            skip(number, SkipReason::TooLong, line);
        } else {
            std::vector<std::string> fields = split(line);
            record(number, fields, line);
        }
    }
}

// One field at the cursor; stops before the separator or line break that ends it. `closed` turns false when
// a quoted field runs into the end of the text.
bool Reader::readCsvField(LineCursor& cursor, std::string& field, bool& closed) const
{
    field.clear();
    while (!cursor.atEnd() && (cursor.peek() == ' ' || cursor.peek() == '\t') &&
           cursor.peek() != m_options.separator)
        cursor.advance();
    const bool quoted = cursor.peek() == '"';
    if (quoted) {
        cursor.advance();
        for (;;) {
            if (cursor.atEnd()) {
                closed = false;
                return false;
            }
            const char c = cursor.peek();
            if (c == '"' && cursor.peek(1) == '"') {
                field += '"';
                cursor.advance();
                cursor.advance();
            } else if (c == '"') {
                cursor.advance();
                break;
            } else if (cursor.atLineBreak()) {
                if (field.size() <= ImportReader::MaxRecordBytes)
                    field += '\n';
                cursor.skipLineBreak();
            } else {
                if (field.size() <= ImportReader::MaxRecordBytes)
                    field += c;
                cursor.advance();
            }
        }
    }
    // Unquoted text, or stray text after a closing quote, runs to the separator or the line end.
    while (!cursor.atEnd() && !cursor.atLineBreak() && cursor.peek() != m_options.separator) {
        if (field.size() <= ImportReader::MaxRecordBytes)
            field += cursor.peek();
        cursor.advance();
    }
    return true;
}

void Reader::readCsv(std::string_view text, LineCursor& cursor, bool last)
{
    std::vector<std::string> fields;
    std::string field;
    while (!cursor.atEnd() && readsHere(cursor, last) && goOn(cursor.pos())) {
        const int64_t number = cursor.lineNumber();
        const size_t begin = cursor.pos();
        const std::string_view firstLine = cursor.lineFrom(begin);
        if (isBlankLine(firstLine) || firstLine.front() == '#') {
            if (!isBlankLine(firstLine))
                skip(number, SkipReason::Comment, firstLine);
            nextLine(cursor, last);
            continue;
        }
        fields.clear();
        bool closed = true;
        for (;;) {
            if (!readCsvField(cursor, field, closed))
                break;
            fields.push_back(trimmed(field));
            if (cursor.atEnd() || cursor.atLineBreak())
                break;
            cursor.advance(); // the separator
        }
        if (!last && cursor.atEnd()) {
            // The record runs on into the next block, so it is longer than a record is kept: the rest of it
            // is passed over there, by the same rules.
            skip(number, SkipReason::TooLong, firstLine);
            m_passOverRecord = std::make_unique<CsvRecordEnd>(m_options.separator);
            int64_t lines = 0;
            m_passOverRecord->scan(text, begin, lines);
            cursor.moveTo(text.size(), number + lines);
            break;
        }
        if (!closed) {
            // Nothing after a quote that is never closed is read (it runs to the end of the text).
            skip(number, SkipReason::UnclosedQuote, firstLine);
            cursor.moveTo(text.size(), cursor.lineNumber());
            break;
        }
        cursor.skipLineBreak();
        if (cursor.pos() - begin > ImportReader::MaxRecordBytes)
            skip(number, SkipReason::TooLong, firstLine);
        else
            record(number, fields, firstLine);
    }
}

// The length of the bytes without a UTF-8 sequence cut short at their end (the next block may complete it).
size_t wholeUtf8(std::string_view bytes)
{
    const size_t size = bytes.size();
    for (size_t back = 1; back <= std::min<size_t>(size, 4); ++back) {
        const auto c = static_cast<unsigned char>(bytes[size - back]);
        if ((c & 0xC0) == 0x80)
            continue;
        const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

// The same for UTF-16: whole units, and not the first half of a surrogate pair.
size_t wholeUtf16(std::string_view bytes, bool bigEndian)
{
    size_t size = bytes.size() & ~size_t(1);
    if (size >= 2) {
        const auto high = static_cast<unsigned char>(bytes[size - (bigEndian ? 2 : 1)]);
        if (high >= 0xD8 && high <= 0xDB)
            size -= 2;
    }
    return size;
}

// How many bytes make a block of a file read in blocks, and of its start read to tell its format.
constexpr size_t FileBlockBytes = 4 * 1024 * 1024;
constexpr size_t DetectionBytes = 256 * 1024;

} // namespace

ImportEncoding ImportReader::detectEncoding(std::string_view bytes)
{
    if (Cp1252::hasUtf8Bom(bytes))
        return ImportEncoding::Utf8Bom;
    if (startsWith(bytes, "\xFF\xFE"))
        return ImportEncoding::Utf16Le;
    if (startsWith(bytes, "\xFE\xFF"))
        return ImportEncoding::Utf16Be;
    // UTF-16 without a byte order mark: text files hold no NUL characters, while UTF-16 text in the Latin
    // scripts has a zero byte in nearly every other place, on the odd places for little endian.
    const size_t sample = std::min<size_t>(bytes.size(), 4096) & ~size_t(1);
    size_t zerosEven = 0, zerosOdd = 0;
    for (size_t i = 0; i < sample; i += 2) {
        zerosEven += bytes[i] == '\0';
        zerosOdd += bytes[i + 1] == '\0';
    }
    const size_t units = sample / 2;
    if (units > 0 && 4 * zerosOdd >= units && zerosEven * 8 <= zerosOdd)
        return ImportEncoding::Utf16Le;
    if (units > 0 && 4 * zerosEven >= units && zerosOdd * 8 <= zerosEven)
        return ImportEncoding::Utf16Be;
    return isValidUtf8(bytes) ? ImportEncoding::Utf8 : ImportEncoding::Windows1252;
}

std::string ImportReader::decode(std::string_view bytes, ImportEncoding encoding)
{
    switch (encoding) {
    case ImportEncoding::Utf8:
    case ImportEncoding::Utf8Bom:
        return decodeUtf8(Cp1252::hasUtf8Bom(bytes) ? bytes.substr(3) : bytes);
    case ImportEncoding::Utf16Le:
        return decodeUtf16(startsWith(bytes, "\xFF\xFE") ? bytes.substr(2) : bytes, false);
    case ImportEncoding::Utf16Be:
        return decodeUtf16(startsWith(bytes, "\xFE\xFF") ? bytes.substr(2) : bytes, true);
    case ImportEncoding::Windows1252:
        break;
    }
    return Cp1252::toUtf8(bytes);
}

ImportOptions ImportReader::detectFormat(std::string_view utf8)
{
    size_t lines = 0, tabs = 0, ats = 0, spacedAts = 0, commas = 0, semicolons = 0;
    LineCursor cursor(utf8);
    while (!cursor.atEnd() && lines < DetectionLines) {
        const std::string_view line = cursor.next();
        if (isBlankLine(line) || line.front() == '#')
            continue;
        ++lines;
        tabs += line.find('\t') != std::string_view::npos;
        ats += line.find('@') != std::string_view::npos;
        spacedAts += hasSpacedAt(line);
        commas += line.find(',') != std::string_view::npos;
        semicolons += line.find(';') != std::string_view::npos;
    }
    // A separator counts when at least half of the lines hold it. An '@' with white space on both sides is
    // this program's own format: its own export writes "question \t\t@ answer", so those lines hold tabs
    // too and are asked about first. Tabs rarely stand inside a text, then a bare '@'; commas and
    // semicolons also stand in texts.
    auto most = [lines](size_t n) { return n > 0 && 2 * n >= lines; };
    ImportOptions options;
    if (most(spacedAts))
        options.format = ImportFormat::At;
    else if (most(tabs))
        options.format = ImportFormat::Tsv;
    else if (most(ats) || (!most(commas) && !most(semicolons)))
        options.format = ImportFormat::At;
    else
        options.format = ImportFormat::Csv;
    options.separator = defaultSeparator(options.format);
    if (options.format == ImportFormat::Csv && semicolons > commas)
        options.separator = ';';
    return options;
}

ImportOptions ImportReader::detect(std::string_view bytes)
{
    const ImportEncoding encoding = detectEncoding(bytes);
    // The format is told by the first lines; decoding the rest of a large file would only take time.
    ImportOptions options = detectFormat(decode(bytes.substr(0, DetectionBytes), encoding));
    options.encoding = encoding;
    return options;
}

ImportResult ImportReader::read(std::string_view bytes, const ImportOptions& options,
                                const ImportProgress& progress)
{
    ImportResult result;
    result.options = options;
    // Valid UTF-8 is read where it lies; only other encodings, or bytes to mend, are copied.
    std::string decoded;
    std::string_view text = Cp1252::hasUtf8Bom(bytes) ? bytes.substr(3) : bytes;
    const bool utf8 = options.encoding == ImportEncoding::Utf8 || options.encoding == ImportEncoding::Utf8Bom;
    if (!utf8 || !isValidUtf8(text)) {
        decoded = decode(bytes, options.encoding);
        text = decoded;
    }
    // One pair a line at most: room for them at once, so that the pairs are not moved to ever larger blocks
    // as they come (moving 8 million pairs held the old block and the new one, twice the memory, at once).
    // A file of empty lines reserves no more than a few million.
    constexpr size_t MostReserved = size_t(1) << 24;
    result.pairs.reserve(
        std::min<size_t>(MostReserved, size_t(std::count(text.begin(), text.end(), '\n')) + 1));
    Reader reader(result.options, result, progress);
    reader.setPlace(0, text.size());
    reader.read(options.format, text, true);
    reader.finish();
    return result;
}

struct ImportStream::Private {
    Private(const ImportOptions& options, ImportProgress callback, uint64_t totalBytes)
        : progress(std::move(callback)), total(totalBytes)
    {
        result.options = options;
    }

    bool take(std::string_view bytes, bool last);

    ImportResult result; // before the reader, which reads its options
    ImportProgress progress;
    Reader reader{result.options, result, progress};
    uint64_t total = 0;
    uint64_t fed = 0;
    bool started = false;
    std::string raw;  // bytes not decoded yet: a character cut by the end of a block
    std::string text; // decoded text not read yet: a record that may go on in the next block
};

bool ImportStream::Private::take(std::string_view bytes, bool last)
{
    if (result.cancelled)
        return false;
    raw.append(bytes);
    const ImportEncoding encoding = result.options.encoding;
    if (!started) {
        if (!last && raw.size() < 3)
            return true;
        started = true;
        // The byte-order mark goes as read() drops it.
        if (encoding == ImportEncoding::Utf8 || encoding == ImportEncoding::Utf8Bom) {
            if (Cp1252::hasUtf8Bom(raw))
                raw.erase(0, 3);
        } else if ((encoding == ImportEncoding::Utf16Le && startsWith(raw, "\xFF\xFE")) ||
                   (encoding == ImportEncoding::Utf16Be && startsWith(raw, "\xFE\xFF"))) {
            raw.erase(0, 2);
        }
        // Room for one pair a line, judged by the first block (see read()).
        if (total > raw.size() && !raw.empty()) {
            const double lines =
                double(std::count(raw.begin(), raw.end(), '\n')) * double(total) / double(raw.size());
            result.pairs.reserve(std::min<size_t>(size_t(1) << 24, size_t(lines * 1.05) + 1));
        }
    }
    size_t usable = raw.size();
    if (!last) {
        if (encoding == ImportEncoding::Utf16Le || encoding == ImportEncoding::Utf16Be)
            usable = wholeUtf16(raw, encoding == ImportEncoding::Utf16Be);
        else if (encoding != ImportEncoding::Windows1252)
            usable = wholeUtf8(raw);
    }
    const std::string_view piece(raw.data(), usable);
    if ((encoding == ImportEncoding::Utf8 || encoding == ImportEncoding::Utf8Bom) && isValidUtf8(piece))
        text.append(piece);
    else if (encoding == ImportEncoding::Utf8 || encoding == ImportEncoding::Utf8Bom)
        text += decodeUtf8(piece);
    else if (encoding == ImportEncoding::Windows1252)
        text += Cp1252::toUtf8(piece);
    else
        text += decodeUtf16(piece, encoding == ImportEncoding::Utf16Be);
    raw.erase(0, usable);
    // A CR at the end may be the first half of a CR LF.
    std::string_view view = text;
    if (!last && !view.empty() && view.back() == '\r')
        view.remove_suffix(1);
    reader.setPlace(std::min(fed, total), std::max(total, fed));
    text.erase(0, reader.read(result.options.format, view, last));
    fed += bytes.size();
    return !result.cancelled;
}

ImportStream::ImportStream(const ImportOptions& options, ImportProgress progress, uint64_t total)
    : d(std::make_unique<Private>(options, std::move(progress), total))
{
}

ImportStream::~ImportStream() = default;

bool ImportStream::feed(std::string_view bytes)
{
    return d->take(bytes, false);
}

ImportResult ImportStream::finish()
{
    d->take({}, true);
    d->reader.finish();
    return std::move(d->result);
}

bool ImportReader::detectFile(const std::string& path, ImportOptions& options, std::string* error)
{
    FileBlocks file(path, error);
    if (!file.isOpen())
        return false;
    std::string head;
    if (!file.next(head, DetectionBytes, error))
        return false;
    const bool whole = head.size() >= file.size();
    std::string carry = whole ? std::string() : head.substr(wholeUtf8(head));
    head.resize(head.size() - carry.size());
    options = detect(head);
    if (whole || options.encoding != ImportEncoding::Utf8)
        return true;
    // UTF-8 only when the whole file is: one stray byte of another encoding far down makes it Windows-1252.
    std::string block;
    for (;;) {
        if (!file.next(block, FileBlockBytes, error))
            return false;
        const bool end = block.empty();
        carry += block;
        const size_t usable = end ? carry.size() : wholeUtf8(carry);
        if (!isValidUtf8(std::string_view(carry).substr(0, usable))) {
            options = detectFormat(Cp1252::toUtf8(head));
            options.encoding = ImportEncoding::Windows1252;
            return true;
        }
        if (end)
            return true;
        carry.erase(0, usable);
    }
}

bool ImportReader::readFile(const std::string& path, const ImportOptions& options, ImportResult& result,
                            std::string* error, const ImportProgress& progress)
{
    FileBlocks file(path, error);
    if (!file.isOpen())
        return false;
    ImportStream stream(options, progress, file.size());
    std::string block;
    for (;;) {
        if (!file.next(block, FileBlockBytes, error))
            return false;
        if (block.empty() || !stream.feed(block))
            break;
    }
    result = stream.finish();
    return true;
}

int ImportReader::appendTo(const ImportResult& result, PairList& list)
{
    list.pairs().reserve(list.pairs().size() + result.pairs.size());
    for (const ImportedPair& imported : result.pairs) {
        Pair& pair = list.pairs().emplace_back(imported.question, imported.answer);
        if (!imported.notes.empty())
            pair.setHint(imported.notes);
        if (!imported.picturePath.empty())
            pair.setPicturePath(imported.picturePath);
        pair.setSoundPath(imported.questionSound, 1);
        pair.setSoundPath(imported.answerSound, 2);
        for (const std::string& wrong : imported.wrongAnswers)
            list.wrongAnswers().emplace_back(imported.question, wrong).setKind(Pair::WrongAnswer);
    }
    return list.count();
}

std::vector<ImportReader::DeckList> ImportReader::splitByDeck(const ImportResult& result)
{
    std::vector<DeckList> lists;
    std::map<std::string, size_t> byDeck;
    std::set<std::string> used;
    for (const std::string& deck : result.decks) {
        if (byDeck.count(deck))
            continue;
        DeckList list;
        std::string name;
        for (size_t pos = 0; pos < deck.size();) {
            if (deck.compare(pos, 2, "::") == 0) {
                name += " - ";
                pos += 2;
            } else {
                const char c = deck[pos++];
                name += std::strchr(ListName::Forbidden, c) || static_cast<unsigned char>(c) < 0x20 ? '_' : c;
            }
        }
        const auto cut = [](const std::string& text, size_t characters) {
            return Utf8::encode(Utf8::decode(text).substr(0, characters));
        };
        const std::string base = trimmed(cut(name, ListName::MaxLength)).empty()
                                     ? std::string("Deck")
                                     : trimmed(cut(name, ListName::MaxLength));
        // Two decks whose names differ only in what a file name cannot hold get a number.
        name = base;
        for (int n = 2; used.count(name); ++n) {
            const std::string suffix = " " + std::to_string(n);
            name = cut(base, ListName::MaxLength - suffix.size()) + suffix;
        }
        used.insert(name);
        list.name = name;
        list.subject = deck.substr(0, deck.find("::"));
        list.result.options = result.options;
        list.result.decks = {deck};
        byDeck[deck] = lists.size();
        lists.push_back(std::move(list));
    }
    for (const ImportedPair& pair : result.pairs) {
        const auto found = byDeck.find(pair.deck);
        if (found != byDeck.end())
            lists[found->second].result.pairs.push_back(pair);
    }
    lists.erase(
        std::remove_if(lists.begin(), lists.end(), [](const DeckList& l) { return l.result.pairs.empty(); }),
        lists.end());
    return lists;
}

const char* ImportReader::formatName(ImportFormat format)
{
    switch (format) {
    case ImportFormat::Tsv:
        return "tsv";
    case ImportFormat::Csv:
        return "csv";
    case ImportFormat::At:
        break;
    }
    return "at";
}

bool ImportReader::parseFormat(std::string_view name, ImportFormat& format)
{
    for (ImportFormat f : {ImportFormat::Tsv, ImportFormat::Csv, ImportFormat::At}) {
        if (name == formatName(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

const char* ImportReader::encodingName(ImportEncoding encoding)
{
    switch (encoding) {
    case ImportEncoding::Utf8:
        return "UTF-8";
    case ImportEncoding::Utf8Bom:
        return "UTF-8 with byte-order mark";
    case ImportEncoding::Utf16Le:
        return "UTF-16 LE";
    case ImportEncoding::Utf16Be:
        return "UTF-16 BE";
    case ImportEncoding::Windows1252:
        break;
    }
    return "Windows-1252";
}

const char* ImportReader::reasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::Comment:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "comment");
    case SkipReason::NoSeparator:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "no separator");
    case SkipReason::EmptyQuestion:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "empty question");
    case SkipReason::EmptyAnswer:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "empty answer");
    case SkipReason::UnclosedQuote:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "quote not closed");
    case SkipReason::Header:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "header line");
    case SkipReason::TooLong:
        return QT_TRANSLATE_NOOP("brainlark::ImportReader", "longer than 1 MB");
    case SkipReason::AfterEnd:
        break;
    }
    return QT_TRANSLATE_NOOP("brainlark::ImportReader", "after the empty line that ends the file");
}

namespace
{
const struct {
    ColumnRole role;
    const char* name;
    char letter;
} Roles[] = {
    {ColumnRole::Question, "question", 'q'},
    {ColumnRole::Answer, "answer", 'a'},
    {ColumnRole::WrongAnswer, "wrong answer", 'w'},
    {ColumnRole::Notes, "notes", 'n'},
    {ColumnRole::Sound, "sound", 's'},
    {ColumnRole::Picture, "picture", 'p'},
    {ColumnRole::Ignored, "ignored", '-'},
};
} // namespace

const char* ImportReader::roleName(ColumnRole role)
{
    for (const auto& r : Roles) {
        if (r.role == role)
            return r.name;
    }
    return "ignored";
}

bool ImportReader::parseColumns(std::string_view text, std::vector<ColumnRole>& columns)
{
    std::vector<ColumnRole> parsed;
    bool question = false, answer = false;
    for (size_t begin = 0; begin <= text.size();) {
        size_t end = text.find(',', begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view item = text.substr(begin, end - begin);
        const auto* role = std::find_if(std::begin(Roles), std::end(Roles), [item](const auto& r) {
            return item.size() == 1 && item[0] == r.letter;
        });
        if (role == std::end(Roles))
            return false;
        parsed.push_back(role->role);
        question = question || role->role == ColumnRole::Question;
        answer = answer || role->role == ColumnRole::Answer;
        begin = end + 1;
    }
    if (!question || !answer)
        return false;
    columns = std::move(parsed);
    return true;
}

bool ImportReader::looksLikeHeader(const std::vector<std::vector<std::string>>& records)
{
    if (records.empty() || records.front().empty())
        return false;
    if (namesColumns(records.front())) {
        // A list of column or language names ("English, Englisch") names no columns in its first line.
        size_t alike = 0;
        for (size_t i = 1; i < records.size(); ++i)
            alike += namesColumns(records[i]);
        return 2 * alike < records.size() - 1 || records.size() == 1;
    }
    return unlikeTheRest(records);
}

char ImportReader::defaultSeparator(ImportFormat format)
{
    switch (format) {
    case ImportFormat::Tsv:
        return '\t';
    case ImportFormat::Csv:
        return ',';
    case ImportFormat::At:
        break;
    }
    return '@';
}

} // namespace brainlark
