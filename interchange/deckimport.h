#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/importreader.h"
#include "interchange/ankipackage.h"

namespace brainlark
{

/// The files of other trainers that can become a list.
enum class DeckFormat {
    Tsv,   ///< tab-separated text
    Csv,   ///< comma- or semicolon-separated text with quoted fields
    At,    ///< this program's own '@' lines
    Kvtml, ///< KDE vocabulary documents, version 2 (XML)
    Apkg,  ///< Anki packages (.apkg, .colpkg: a zip archive)
};

/// What to read and how. Text formats use the fields of ImportOptions; the others ignore them.
struct DeckImportOptions {
    std::optional<DeckFormat> format; ///< none: told by the content (the name only breaks a tie)
    HeaderLine header = HeaderLine::Auto;
    bool keepHtml = false;
    std::vector<ColumnRole> columns; ///< as ImportOptions::columns
    /// Keep only the pairs of this deck or lesson; empty: every deck in the one list. A name the file
    /// does not hold is an error that lists the names it does hold.
    std::string deck;
    /// Vocabularies: the ids of the languages (identifiers) that give the question and the answer;
    /// none: the file's first and second.
    std::optional<int> questionLanguage;
    std::optional<int> answerLanguage;
    /// Packages: the program folder whose quiz_sounds/ and quiz_pictures/ take the media; empty: nothing is
    /// copied and the pairs name their media as the package does.
    std::string programFolder;
    /// Packages: which fields of each note type (by id, as AnkiPackage::noteTypes lists them) become the
    /// question, the answer and the notes; a note type not named takes its first two fields.
    std::unordered_map<int64_t, AnkiFieldChoice> noteTypeFields;
    /// Packages: turns sounds and pictures the quiz cannot use into WAV or JPEG; none: they are listed.
    AnkiMediaConverter convertMedia;
};

/// The one way into the program for another trainer's file: the import wizard and `brainlark-cli import`
/// both come here. Every reader returns core's ImportResult, so the preview, the report of skipped entries
/// and ImportReader::appendTo work the same for each format. Pairs carry their deck (a lesson's name);
/// `decks` lists the names in the order of the file.
class DeckImport
{
public:
    /// "tsv", "csv", "at", "kvtml", "apkg"; parseFormat() accepts these and reports false for others.
    static const char* formatName(DeckFormat format);
    static bool parseFormat(std::string_view name, DeckFormat& format);

    /// The format the bytes are in: a zip archive is a package, an XML document with a <kvtml> root a
    /// vocabulary, anything else text (in the format ImportReader detects). The file name decides only what
    /// the content leaves open: an XML document whose root is not seen early, or text with no separator.
    static DeckFormat detect(std::string_view bytes, std::string_view fileName);
    /// Whether the file is a deck package: a regular file, a zip archive that holds a collection. Such a
    /// file is read in place, never whole into memory.
    static bool isPackage(const std::string& path);
    /// The format of the file at `path`, told by its first bytes (see detect()); none with the reason when it
    /// cannot be read.
    static std::optional<DeckFormat> detectFile(const std::string& path, std::string* error);

    /// Reads the file at `path` (up to the reader's size limit). On failure the result has no pairs and
    /// `error` says why in one sentence (damaged XML names its line); a cancel through `progress` sets
    /// `cancelled`. A package's deck filter also keeps the deck's subdecks ("Parent" takes
    /// "Parent::Child").
    static ImportResult importDeck(const std::string& path, const DeckImportOptions& options,
                                   const ImportProgress& progress = {});
    /// The same for bytes already read; `fileName` only helps detection. Packages are read from their file
    /// (importDeck), not from bytes.
    static ImportResult importBytes(std::string_view bytes, std::string_view fileName,
                                    const DeckImportOptions& options, const ImportProgress& progress = {});

    /// Keeps only the pairs of `deck` (and that name in `decks`); an unknown name sets `error` and drops
    /// every pair. Readers of decked formats share it.
    static void keepDeck(ImportResult& result, const std::string& deck);
};

} // namespace brainlark
