#pragma once

// Builds deck packages for tests and benchmarks with the same libraries the reader uses: Qt SQL writes the
// collection, libzstd compresses it, libzip packs it.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/ankifields.h"

namespace brainlark::ankimaker
{

struct AnkiNote {
    std::vector<std::string> fields;
    int64_t deck = 1;
    int64_t noteType = 1;
    int64_t filteredDeck = 0; ///< when set, the card is lent to this deck and `deck` is its own
};

/// Which collection the package holds and how its media list is written.
enum class AnkiForm {
    Legacy, ///< collection.anki2 (note types in JSON), media list JSON
    Anki21, ///< collection.anki21, the same schema
    Newest, ///< collection.anki21b (tables, zstd), media list and files zstd, list in protobuf
};

struct AnkiCollection {
    int schema = 0; ///< 0: 11 for the older forms, 18 for the newest
    std::vector<AnkiNoteType> noteTypes{{1, "Basic", {"Front", "Back"}}};
    std::vector<AnkiDeck> decks{{1, "Default"}};
    std::vector<AnkiNote> notes;
};

struct ZipEntry {
    std::string name;
    std::string bytes;
};

/// Writes the collection as an SQLite database of the given schema (11: JSON in col, 18: tables).
void writeCollection(const std::string& path, const AnkiCollection& collection, int schema);
void writeZip(const std::string& path, const std::vector<ZipEntry>& entries);
std::string zstdCompress(std::string_view bytes);
std::string fileBytes(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);
/// The protobuf media list of the newest packages: one entry per name, in order.
std::string protobufMediaList(const std::vector<std::string>& names);

/// A whole package in `folder`; media by name, numbered in the order of the map. Returns its path.
std::string makePackage(const std::string& folder, const std::string& fileName,
                        const AnkiCollection& collection, AnkiForm form,
                        const std::map<std::string, std::string>& media = {});

} // namespace brainlark::ankimaker
