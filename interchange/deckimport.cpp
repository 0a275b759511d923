#include "interchange/deckimport.h"

#include <algorithm>
#include <filesystem>

#include "core/filereader.h"
#include "core/messages.h"
#include "interchange/ankipackage.h"
#include "interchange/kvtmlreader.h"

namespace brainlark
{

namespace
{

constexpr DeckFormat AllFormats[] = {DeckFormat::Tsv, DeckFormat::Csv, DeckFormat::At, DeckFormat::Kvtml,
                                     DeckFormat::Apkg};

bool endsWith(std::string_view name, std::string_view suffix)
{
    if (name.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

std::optional<ImportFormat> textFormat(DeckFormat format)
{
    switch (format) {
    case DeckFormat::Tsv:
        return ImportFormat::Tsv;
    case DeckFormat::Csv:
        return ImportFormat::Csv;
    case DeckFormat::At:
        return ImportFormat::At;
    case DeckFormat::Kvtml:
    case DeckFormat::Apkg:
        break;
    }
    return std::nullopt;
}

DeckFormat deckFormat(ImportFormat format)
{
    switch (format) {
    case ImportFormat::Tsv:
        return DeckFormat::Tsv;
    case ImportFormat::Csv:
        return DeckFormat::Csv;
    case ImportFormat::At:
        break;
    }
    return DeckFormat::At;
}

ImportResult readText(std::string_view bytes, DeckFormat format, const DeckImportOptions& deckOptions)
{
    ImportOptions options = ImportReader::detect(bytes);
    const ImportFormat wanted = *textFormat(format);
    if (options.format != wanted) {
        options.format = wanted;
        options.separator = ImportReader::defaultSeparator(wanted);
    }
    options.header = deckOptions.header;
    options.keepHtml = deckOptions.keepHtml;
    options.columns = deckOptions.columns;
    return ImportReader::read(bytes, options);
}

} // namespace

const char* DeckImport::formatName(DeckFormat format)
{
    switch (format) {
    case DeckFormat::Tsv:
        return "tsv";
    case DeckFormat::Csv:
        return "csv";
    case DeckFormat::At:
        return "at";
    case DeckFormat::Kvtml:
        return "kvtml";
    case DeckFormat::Apkg:
        break;
    }
    return "apkg";
}

bool DeckImport::parseFormat(std::string_view name, DeckFormat& format)
{
    for (DeckFormat f : AllFormats) {
        if (name == formatName(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

DeckFormat DeckImport::detect(std::string_view bytes, std::string_view fileName)
{
    if (bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4))
        return DeckFormat::Apkg;
    if (KvtmlReader::looksLikeKvtml(bytes))
        return DeckFormat::Kvtml;
    const bool xml = bytes.substr(0, 5) == "<?xml" || bytes.substr(0, 8) == "\xEF\xBB\xBF<?xml";
    if (xml && endsWith(fileName, ".kvtml"))
        return DeckFormat::Kvtml;
    const ImportOptions text = ImportReader::detect(bytes);
    // Text read as '@' lines may be a table whose texts hold '@' (addresses) or no separator at all: a name
    // that says it is a table is taken at its word when most lines hold that table's separator (or none
    // holds any).
    if (text.format == ImportFormat::At) {
        const bool csv = endsWith(fileName, ".csv");
        const bool tsv = endsWith(fileName, ".tsv") || endsWith(fileName, ".tab");
        const char separator = csv ? ',' : '\t';
        size_t lines = 0, separated = 0, ats = 0;
        const std::string_view head = bytes.substr(0, 256 * 1024);
        for (size_t begin = 0; (csv || tsv) && begin < head.size();) {
            size_t end = head.find('\n', begin);
            if (end == std::string_view::npos)
                end = head.size();
            const std::string_view line = head.substr(begin, end - begin);
            begin = end + 1;
            if (line.find_first_not_of(" \t\r") == std::string_view::npos)
                continue;
            ++lines;
            separated += line.find(separator) != std::string_view::npos;
            ats += line.find('@') != std::string_view::npos;
        }
        if ((csv || tsv) && (ats == 0 || 2 * separated >= lines) && lines > 0)
            return csv ? DeckFormat::Csv : DeckFormat::Tsv;
    }
    return deckFormat(text.format);
}

namespace
{

// A package is read from its file in place: it may be far larger than what the other readers take in
// memory, and its media are entries of the archive.
ImportResult readPackage(const std::string& path, const DeckImportOptions& options,
                         const ImportProgress& progress)
{
    ImportResult result;
    AnkiPackage package;
    std::string error;
    if (package.open(path, &error)) {
        if (!options.deck.empty()) {
            std::string names;
            bool known = false;
            for (const AnkiDeck& deck : package.decks()) {
                known = known || deck.name == options.deck;
                names += (names.empty() ? "\"" : ", \"") + deck.name + "\"";
            }
            if (!known) {
                result.error = Messages::format(Messages::NoSuchDeck, {options.deck, names});
                return result;
            }
        }
        AnkiImportOptions anki;
        anki.programFolder = options.programFolder;
        anki.keepHtml = options.keepHtml;
        anki.deck = options.deck;
        anki.fields = options.noteTypeFields;
        anki.convert = options.convertMedia;
        if (package.read(anki, result, progress, &error))
            return result;
    }
    result = ImportResult();
    result.cancelled = error == "import cancelled";
    if (!result.cancelled)
        result.error = error;
    return result;
}

} // namespace

ImportResult DeckImport::importDeck(const std::string& path, const DeckImportOptions& options,
                                    const ImportProgress& progress)
{
    std::error_code ignored;
    if (options.format
            ? *options.format == DeckFormat::Apkg && std::filesystem::is_regular_file(path, ignored)
            : isPackage(path))
        return readPackage(path, options, progress);
    std::string reason;
    const auto failed = [&reason] {
        ImportResult result;
        result.error = Messages::format(Messages::CannotReadFile, {reason});
        return result;
    };
    const std::optional<DeckFormat> format = options.format ? options.format : detectFile(path, &reason);
    if (!format)
        return failed();
    if (const std::optional<ImportFormat> text = textFormat(*format)) {
        // Text is read a block at a time: a file of gigabytes takes the memory of the pairs it holds.
        ImportOptions textOptions;
        if (!ImportReader::detectFile(path, textOptions, &reason))
            return failed();
        if (textOptions.format != *text) {
            textOptions.format = *text;
            textOptions.separator = ImportReader::defaultSeparator(*text);
        }
        textOptions.header = options.header;
        textOptions.keepHtml = options.keepHtml;
        textOptions.columns = options.columns;
        ImportResult result;
        if (!ImportReader::readFile(path, textOptions, result, &reason, progress))
            return failed();
        if (!result.cancelled)
            keepDeck(result, options.deck);
        return result;
    }
    std::string bytes;
    if (!FileReader::read(path, bytes, &reason))
        return failed();
    DeckImportOptions known = options;
    known.format = format;
    return importBytes(bytes, path, known, progress);
}

std::optional<DeckFormat> DeckImport::detectFile(const std::string& path, std::string* error)
{
    if (isPackage(path))
        return DeckFormat::Apkg;
    FileBlocks file(path, error);
    std::string head;
    if (!file.isOpen() || !file.next(head, 256 * 1024, error))
        return std::nullopt;
    return detect(head, path);
}

ImportResult DeckImport::importBytes(std::string_view bytes, std::string_view fileName,
                                     const DeckImportOptions& options, const ImportProgress& progress)
{
    const DeckFormat format = options.format.value_or(detect(bytes, fileName));
    ImportResult result;
    switch (format) {
    case DeckFormat::Kvtml:
        result = KvtmlReader::read(bytes, options, progress);
        break;
    case DeckFormat::Apkg:
        result.error = "A deck package is read from its file, not from bytes in memory.";
        break;
    case DeckFormat::Tsv:
    case DeckFormat::Csv:
    case DeckFormat::At:
        result = readText(bytes, format, options);
        break;
    }
    if (result.error.empty() && !result.cancelled)
        keepDeck(result, options.deck);
    return result;
}

bool DeckImport::isPackage(const std::string& path)
{
    // Not a FIFO or a device: opening one to look into it could wait for ever.
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored) && AnkiPackage::looksLikePackage(path);
}

void DeckImport::keepDeck(ImportResult& result, const std::string& deck)
{
    if (deck.empty())
        return;
    if (std::find(result.decks.begin(), result.decks.end(), deck) == result.decks.end()) {
        std::string names;
        for (const std::string& name : result.decks)
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
        result.error = names.empty() ? Messages::format(Messages::NoDecks, {deck})
                                     : Messages::format(Messages::NoSuchDeck, {deck, names});
        result.pairs.clear();
        result.preview.clear();
        return;
    }
    result.pairs.erase(std::remove_if(result.pairs.begin(), result.pairs.end(),
                                      [&](const ImportedPair& pair) { return pair.deck != deck; }),
                       result.pairs.end());
    result.decks = {deck};
    result.preview.clear();
    for (const ImportedPair& pair : result.pairs) {
        if (result.preview.size() == ImportResult::PreviewRows)
            break;
        ImportRow row{pair.line, {pair.question, pair.answer}};
        row.fields.insert(row.fields.end(), pair.wrongAnswers.begin(), pair.wrongAnswers.end());
        result.preview.push_back(std::move(row));
    }
}

} // namespace brainlark
