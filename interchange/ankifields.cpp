#include "interchange/ankifields.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/messages.h"
#include "core/utf8.h"

namespace brainlark::AnkiFields
{

namespace
{

bool fail(std::string* error, std::string what)
{
    if (error)
        *error = std::move(what);
    return false;
}

// A reader of the protobuf wire format, bounds-checked at every step.
class Wire
{
public:
    explicit Wire(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }

    bool varint(uint64_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (atEnd())
                return false;
            const auto byte = static_cast<uint8_t>(m_bytes[m_at++]);
            value |= uint64_t(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }

    bool lengthDelimited(std::string_view& value)
    {
        uint64_t length;
        if (!varint(length) || length > m_bytes.size() - m_at)
            return false;
        value = m_bytes.substr(m_at, size_t(length));
        m_at += size_t(length);
        return true;
    }

    // Reads a key and skips the value unless it is of the wanted kind; wire types 3 and 4 (groups) and
    // unknown ones are malformed here.
    bool skip(unsigned wireType)
    {
        uint64_t ignored;
        std::string_view ignoredBytes;
        switch (wireType) {
        case 0:
            return varint(ignored);
        case 1:
            return advance(8);
        case 2:
            return lengthDelimited(ignoredBytes);
        case 5:
            return advance(4);
        default:
            return false;
        }
    }

private:
    bool advance(size_t count)
    {
        if (count > m_bytes.size() - m_at)
            return false;
        m_at += count;
        return true;
    }

    std::string_view m_bytes;
    size_t m_at = 0;
};

bool parseJson(std::string_view text, nlohmann::json& json, std::string* error)
{
    json = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return fail(error, Messages::NotJsonObject);
    return true;
}

int64_t idOf(const nlohmann::json& object, const std::string& key)
{
    const auto found = object.find("id");
    if (found != object.end() && found->is_number_integer())
        return found->get<int64_t>();
    // The key is the id as text.
    int64_t id = 0;
    for (char c : key) {
        if (c < '0' || c > '9' || id > (INT64_MAX - 9) / 10)
            return 0;
        id = id * 10 + (c - '0');
    }
    return id;
}

std::string textOf(const nlohmann::json& object, const char* key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? Utf8::sanitized(found->get<std::string>())
                                                       : std::string();
}

} // namespace

std::vector<std::string_view> split(std::string_view fields, size_t maxFields)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (parts.size() + 1 < maxFields) {
        const size_t end = fields.find('\x1f', start);
        if (end == std::string_view::npos)
            break;
        parts.push_back(fields.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(fields.substr(start));
    return parts;
}

bool splitCloze(std::string_view field, std::string& question, std::string& answer)
{
    std::string shown, filled;
    size_t from = 0;
    bool found = false;
    for (size_t at = field.find("{{c"); at != std::string_view::npos; at = field.find("{{c", from)) {
        size_t digits = at + 3;
        while (digits < field.size() && field[digits] >= '0' && field[digits] <= '9')
            ++digits;
        const size_t end = field.find("}}", digits);
        if (digits == at + 3 || field.compare(digits, 2, "::") != 0 || end == std::string_view::npos) {
            shown.append(field.substr(from, at + 3 - from));
            from = at + 3;
            continue;
        }
        const std::string_view gap = field.substr(digits + 2, end - digits - 2);
        const size_t hint = gap.find("::");
        shown.append(field.substr(from, at - from));
        shown += hint == std::string_view::npos ? std::string("[...]")
                                                : "[" + std::string(gap.substr(hint + 2)) + "]";
        if (found)
            filled += ", ";
        filled.append(gap.substr(0, hint));
        from = end + 2;
        found = true;
    }
    if (!found)
        return false;
    shown.append(field.substr(from));
    question = std::move(shown);
    answer = std::move(filled);
    return true;
}

bool parseJsonMediaMap(std::string_view json, std::unordered_map<std::string, std::string>& entryByName,
                       std::string* error)
{
    nlohmann::json map;
    if (!parseJson(json, map, error))
        return fail(error, Messages::MediaListNotObject);
    for (const auto& [entry, name] : map.items()) {
        if (!name.is_string())
            return fail(error, Messages::format(Messages::MediaListNoFile, {Utf8::sanitized(entry)}));
        entryByName.emplace(name.get<std::string>(), entry);
    }
    return true;
}

bool parseProtobufMediaMap(std::string_view bytes, std::unordered_map<std::string, std::string>& entryByName,
                           std::string* error)
{
    Wire entries(bytes);
    uint64_t index = 0;
    while (!entries.atEnd()) {
        uint64_t key;
        if (!entries.varint(key))
            return fail(error, Messages::MediaListMalformed);
        if (key >> 3 != 1 || (key & 7) != 2) {
            if (!entries.skip(unsigned(key & 7)))
                return fail(error, Messages::MediaListMalformed);
            continue;
        }
        std::string_view entry;
        if (!entries.lengthDelimited(entry))
            return fail(error, Messages::MediaListMalformed);
        Wire fields(entry);
        std::string_view name;
        uint64_t zipName = index;
        while (!fields.atEnd()) {
            uint64_t fieldKey;
            if (!fields.varint(fieldKey))
                return fail(error, Messages::MediaListMalformedEntry);
            const uint64_t number = fieldKey >> 3;
            const unsigned wireType = unsigned(fieldKey & 7);
            bool ok;
            if (number == 1 && wireType == 2)
                ok = fields.lengthDelimited(name);
            else if (number == 255 && wireType == 0)
                ok = fields.varint(zipName);
            else
                ok = fields.skip(wireType);
            if (!ok)
                return fail(error, Messages::MediaListMalformedEntry);
        }
        if (!name.empty())
            entryByName.emplace(std::string(name), std::to_string(zipName));
        ++index;
    }
    return true;
}

bool parseJsonNoteTypes(std::string_view json, std::vector<AnkiNoteType>& types, std::string* error)
{
    nlohmann::json models;
    if (!parseJson(json, models, error))
        return fail(error, Messages::NoteTypesNotObject);
    for (const auto& [key, model] : models.items()) {
        if (!model.is_object())
            continue;
        AnkiNoteType type;
        type.id = idOf(model, key);
        type.name = textOf(model, "name");
        std::vector<std::pair<int64_t, std::string>> fields;
        const auto found = model.find("flds");
        if (found != model.end() && found->is_array()) {
            for (const auto& field : *found) {
                if (!field.is_object())
                    continue;
                const auto ord = field.find("ord");
                const int64_t position = ord != field.end() && ord->is_number_integer()
                                             ? ord->get<int64_t>()
                                             : int64_t(fields.size());
                fields.emplace_back(position, textOf(field, "name"));
            }
        }
        std::stable_sort(fields.begin(), fields.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& field : fields)
            type.fields.push_back(std::move(field.second));
        types.push_back(std::move(type));
    }
    std::sort(types.begin(), types.end(),
              [](const AnkiNoteType& a, const AnkiNoteType& b) { return a.id < b.id; });
    return true;
}

bool parseJsonDecks(std::string_view json, std::vector<AnkiDeck>& decks, std::string* error)
{
    nlohmann::json all;
    if (!parseJson(json, all, error))
        return fail(error, Messages::DecksNotObject);
    for (const auto& [key, deck] : all.items()) {
        if (deck.is_object())
            decks.push_back({idOf(deck, key), deckName(textOf(deck, "name"))});
    }
    std::sort(decks.begin(), decks.end(),
              [](const AnkiDeck& a, const AnkiDeck& b) { return a.name < b.name; });
    return true;
}

std::string deckName(std::string_view stored)
{
    std::string name;
    name.reserve(stored.size());
    for (char c : stored) {
        if (c == '\x1f')
            name += "::";
        else
            name += c;
    }
    return Utf8::sanitized(name);
}

std::string safeFileName(std::string_view name)
{
    std::string safe = Utf8::sanitized(name);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
            c == '"' || c == '<' || c == '>' || c == '|')
            c = '_';
    }
    const size_t start = safe.find_first_not_of(". ");
    safe.erase(0, start == std::string::npos ? safe.size() : start);
    while (!safe.empty() && (safe.back() == ' ' || safe.back() == '.'))
        safe.pop_back();
    constexpr size_t MaxBytes = 120;
    if (safe.size() > MaxBytes) {
        const size_t dot = safe.rfind('.');
        const std::string extension =
            dot != std::string::npos && safe.size() - dot <= 10 ? safe.substr(dot) : std::string();
        size_t cut = MaxBytes - extension.size();
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xc0) == 0x80)
            --cut;
        safe = safe.substr(0, cut) + extension;
    }
    return safe.empty() ? std::string("media") : safe;
}

bool isZstd(std::string_view bytes)
{
    return bytes.size() >= 4 && bytes.compare(0, 4, std::string_view("\x28\xb5\x2f\xfd", 4)) == 0;
}

} // namespace brainlark::AnkiFields
