// Feeds arbitrary bytes to the byte-level parts of the deck package reader: the media lists (JSON and
// protobuf), the note types and decks of the older collections, field splitting and the media references
// of a field, cloze gaps. Checks what must always hold: split fields join back to the input, every name a
// media list gives becomes a safe file name (no path, no NUL, valid UTF-8, at most 120 bytes), protobuf
// entries name numbered archive entries.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/htmltext.h"
#include "core/utf8.h"
#include "interchange/ankifields.h"

namespace
{

using namespace brainlark;

std::string safeNameViolation(const std::string& name)
{
    const std::string safe = AnkiFields::safeFileName(name);
    if (safe.empty() || safe.size() > 120)
        return "safe name of bad length";
    if (safe.find_first_of(std::string("/\\\0", 3)) != std::string::npos || safe.front() == '.')
        return "safe name holds a path: " + safe;
    if (!Utf8::isValid(safe))
        return "safe name is not UTF-8";
    return "";
}

std::string violation(std::string_view bytes)
{
    const auto parts = AnkiFields::split(bytes, 1 + bytes.size() % 7);
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i)
        joined.append(i ? "\x1f" : "").append(parts[i]);
    if (joined != bytes || parts.size() > 1 + bytes.size() % 7)
        return "split fields do not join back";
    const HtmlText::MediaNames media = HtmlText::mediaNames(bytes);
    for (const auto* names : {&media.sounds, &media.pictures})
        for (const std::string& name : *names) {
            const std::string why = safeNameViolation(name);
            if (name.empty() || !why.empty())
                return "field media: " + why;
        }
    if (HtmlText::withoutSounds(bytes).size() > bytes.size())
        return "removing sounds grew the field";
    std::string question = "untouched", answer = "untouched";
    const bool gaps = AnkiFields::splitCloze(bytes, question, answer);
    if (!gaps && (question != "untouched" || answer != "untouched"))
        return "a field without gaps changed the outputs";
    // A gap's marker is longer than what it leaves in the question, and its text is in the field.
    if (gaps && question.size() + answer.size() > 2 * bytes.size())
        return "cloze outputs grew beyond the field";
    std::unordered_map<std::string, std::string> map;
    if (AnkiFields::parseProtobufMediaMap(bytes, map, nullptr)) {
        for (const auto& [name, entry] : map) {
            if (entry.empty() || entry.find_first_not_of("0123456789") != std::string::npos)
                return "protobuf entry not a number";
            const std::string why = safeNameViolation(name);
            if (!why.empty())
                return why;
        }
    }
    map.clear();
    if (AnkiFields::parseJsonMediaMap(bytes, map, nullptr))
        for (const auto& entry : map) {
            const std::string why = safeNameViolation(entry.first);
            if (!why.empty())
                return why;
        }
    std::vector<AnkiNoteType> types;
    AnkiFields::parseJsonNoteTypes(bytes, types, nullptr);
    std::vector<AnkiDeck> decks;
    AnkiFields::parseJsonDecks(bytes, decks, nullptr);
    for (const AnkiDeck& deck : decks)
        if (!Utf8::isValid(deck.name))
            return "deck name is not UTF-8";
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string why = violation(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!why.empty()) {
        std::fprintf(stderr, "deck package fields: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
