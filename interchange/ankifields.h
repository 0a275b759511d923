#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brainlark
{

/// A note type of a deck package: the names of its fields, in order.
struct AnkiNoteType {
    int64_t id = 0;
    std::string name;
    std::vector<std::string> fields;
    uint64_t notes = 0; ///< notes of this type in the collection
};

/// A deck of a package; subdecks are named "Parent::Child".
struct AnkiDeck {
    int64_t id = 0;
    std::string name;
    uint64_t notes = 0; ///< notes whose first card is in this deck itself (not in a subdeck)
};

/// What a field refers to besides its text: the sounds of "[sound:x.mp3]" and the pictures of
/// <img src="x.jpg">, by their names in the package, in order.
/// The parts of reading a deck package that work on bytes alone (no archive, no database), so that they
/// can be tested and fuzzed on their own.
namespace AnkiFields
{

/// A note's fields as stored: separated by the unit separator 0x1f. Reads at most maxFields fields; the
/// rest stays in the last one. A note of n separators has n + 1 fields.
std::vector<std::string_view> split(std::string_view fields, size_t maxFields = 256);

/// A cloze field ("{{c1::Paris}} is the capital of {{c2::France::country}}") as a question with its gaps
/// shown ("[...] is the capital of [country]") and the answer that fills them ("Paris, France"). False,
/// and nothing changed, for a field without a gap.
bool splitCloze(std::string_view field, std::string& question, std::string& answer);

/// Package entry ("0", "1", ...) for each media file name. The older packages write a JSON object
/// {"0": "dog.jpg"}; the newest a protobuf list of entries whose position is the entry name unless it
/// names one of its own. Malformed input gives false and what was wrong.
bool parseJsonMediaMap(std::string_view json, std::unordered_map<std::string, std::string>& entryByName,
                       std::string* error);
bool parseProtobufMediaMap(std::string_view bytes, std::unordered_map<std::string, std::string>& entryByName,
                           std::string* error);

/// The note types of the older collections' "models" JSON, ordered by id; fields by their "ord".
bool parseJsonNoteTypes(std::string_view json, std::vector<AnkiNoteType>& types, std::string* error);
/// The decks of the older collections' "decks" JSON, ordered by name.
bool parseJsonDecks(std::string_view json, std::vector<AnkiDeck>& decks, std::string* error);
/// A deck name as the newer collections store it (levels separated by 0x1f) in the "Parent::Child" form.
std::string deckName(std::string_view stored);

/// A name for a media file of a package that is safe to create in a media folder: one plain name, never a
/// path (slashes, backslashes, NUL and control bytes become '_', leading dots and blanks go), at most
/// 120 bytes with its extension kept, and never empty.
std::string safeFileName(std::string_view name);

/// Whether a zstd frame starts the bytes.
bool isZstd(std::string_view bytes);

} // namespace AnkiFields

} // namespace brainlark
