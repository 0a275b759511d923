#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/importreader.h"
#include "interchange/ankifields.h"

namespace brainlark
{

/// How much of a package is read before it is refused as damaged or hostile: sizes as the archive declares
/// them and as the bytes actually come out of it (a small entry may unpack to gigabytes).
struct AnkiLimits {
    /// The collection database, unpacked to a temporary file (which may be in memory, as /tmp often is). The
    /// largest collections learners keep are a few hundred megabytes.
    uint64_t collectionBytes = uint64_t(1) << 30;
    uint64_t mediaListBytes = uint64_t(16) << 20; ///< the list of media names, unpacked (in memory)
    uint64_t mediaFileBytes = uint64_t(64) << 20; ///< one sound or picture (in memory while copied)
};

/// Which fields of a note type become the pair's sides (from 0); -1 for notes: none.
struct AnkiFieldChoice {
    int question = 0;
    int answer = 1;
    int notes = -1;
};

/// Turns a sound the quiz cannot play into WAV bytes, or a picture it cannot show into JPEG bytes; false
/// when it cannot. The media of a package come in many forms (MP3, PNG, SVG, ...); a converter with the
/// codecs at hand (the window's picture formats) may be given.
using AnkiMediaConverter = std::function<bool(bool sound, std::string_view bytes, std::string& converted)>;

struct AnkiImportOptions {
    /// Where quiz_sounds/ and quiz_pictures/ are. Empty: nothing is copied, and the pairs name their media
    /// by their names in the package (a preview).
    std::string programFolder;
    /// By note type id; a note type not named here takes its first two fields.
    std::unordered_map<int64_t, AnkiFieldChoice> fields;
    bool keepHtml = false; ///< false: fields become plain text
    /// Only this deck and its subdecks ("Parent" takes "Parent::Child" too); empty: every deck.
    std::string deck;
    /// For media the quiz cannot use; none: they are listed in missingMedia.
    AnkiMediaConverter convert;
};

/// Reads the notes of a deck package (.apkg) or a collection package (.colpkg): a zip archive holding the
/// collection (an SQLite database in one of three forms, the newest compressed with zstd), its media files
/// and the list that names them. Opening reads the note types and decks, so that a wizard can show them
/// and let the learner choose the fields; read() turns the notes into pairs and copies their media.
///
/// Every call opens the collection on the calling thread and closes it again, so open() and read() may run
/// on a worker thread (not at the same time). The unpacked collection lives in a temporary folder that is
/// removed with the object.
class AnkiPackage
{
public:
    AnkiPackage();
    ~AnkiPackage();
    AnkiPackage(const AnkiPackage&) = delete;
    AnkiPackage& operator=(const AnkiPackage&) = delete;

    /// Opens the package; false with a message saying what could not be read and, where the learner can do
    /// something about it, how to export the deck so that it can.
    bool open(const std::string& path, std::string* error, const AnkiLimits& limits = {});

    /// The collection form read: "collection.anki21b", "collection.anki21" or "collection.anki2".
    const std::string& collectionName() const;
    int schemaVersion() const;
    const std::vector<AnkiNoteType>& noteTypes() const;
    /// Every deck of the collection, ordered by name (a parent before its subdecks).
    const std::vector<AnkiDeck>& decks() const;
    uint64_t noteCount() const;

    /// Reads the notes into pairs. The progress callback gets notes done and the note count and may cancel:
    /// then false with "import cancelled" (media copied so far stay in their folders).
    bool read(const AnkiImportOptions& options, ImportResult& result, const ImportProgress& progress,
              std::string* error);

    /// open() and read() in one.
    static bool importFile(const std::string& path, const AnkiImportOptions& options, ImportResult& result,
                           const ImportProgress& progress, std::string* error, const AnkiLimits& limits = {});

    /// Whether the bytes start like a zip archive holding a collection (the names are looked for in the
    /// archive's central directory at its end).
    static bool looksLikePackage(const std::string& path);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace brainlark
