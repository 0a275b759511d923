#include "tools/listjson.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>

namespace brainlark::cli
{

using nlohmann::json;
using nlohmann::ordered_json;

static ordered_json wordToJson(const Pair& w)
{
    ordered_json j;
    j["question"] = w.question();
    j["answer"] = w.answer();
    j["timesInQuestion"] = w.timesInQuestion();
    j["rating"] = static_cast<double>(w.rating());
    j["right"] = w.right();
    j["wrong"] = w.wrong();
    j["total"] = w.total();
    j["soundPathOne"] = w.soundPathOne();
    j["soundPathTwo"] = w.soundPathTwo();
    j["hint"] = w.hint();
    j["kind"] = w.kind();
    j["picturePathOne"] = w.picturePath();
    return j;
}

// The list's own fields, the members that come before its two arrays.
static ordered_json fieldsToJson(const PairList& list, uint32_t version)
{
    ordered_json j;
    j["version"] = version;
    j["notes"] = list.notes();
    j["createdStamp"] = list.createdStamp();
    j["savedStamp"] = list.savedStamp();
    j["password"] = list.password();
    j["subject"] = list.subject();
    j["lastIndex"] = list.lastIndex();
    return j;
}

ordered_json listToJson(const PairList& list, uint32_t version)
{
    ordered_json j = fieldsToJson(list, version);
    ordered_json pairs = ordered_json::array();
    for (const Pair& w : list.pairs())
        pairs.push_back(wordToJson(w));
    ordered_json wrong = ordered_json::array();
    for (const Pair& w : list.wrongAnswers())
        wrong.push_back(wordToJson(w));
    j["pairs"] = std::move(pairs);
    j["wrongAnswers"] = std::move(wrong);
    return j;
}

namespace
{

// Prints the two arrays of a dump as their items arrive, laid out as dump(2) lays out the whole document.
class JsonArrayPrinter
{
public:
    explicit JsonArrayPrinter(std::ostream& out) : m_out(out) {}

    /// Closes the arrays before `array` and opens it (an array without items still shows as []).
    void enter(FlyArchive::PairArray array)
    {
        static const char* const names[] = {"pairs", "wrongAnswers"};
        while (m_open < static_cast<int>(array)) {
            close();
            ++m_open;
            m_out << ",\n  \"" << names[m_open] << "\": [";
            m_empty = true;
        }
    }
    /// One pair as an object of the array, written by hand: building a JSON value per pair and dumping it
    /// costs several times more than the rest of a dump. Members and formatting match wordToJson and dump(2).
    void item(const Pair& w)
    {
        std::string& o = m_buffer;
        o.assign(m_empty ? "\n    {" : ",\n    {");
        m_empty = false;
        text(o, "question", w.question());
        text(o, "answer", w.answer());
        number(o, "timesInQuestion", w.timesInQuestion());
        member(o, "rating");
        o += ordered_json(static_cast<double>(w.rating())).dump();
        number(o, "right", w.right());
        number(o, "wrong", w.wrong());
        number(o, "total", w.total());
        text(o, "soundPathOne", w.soundPathOne());
        text(o, "soundPathTwo", w.soundPathTwo());
        text(o, "hint", w.hint());
        number(o, "kind", w.kind());
        text(o, "picturePathOne", w.picturePath());
        o += "\n    }";
        m_out.write(o.data(), static_cast<std::streamsize>(o.size()));
    }
    void finish()
    {
        enter(FlyArchive::PairArray::WrongAnswers);
        close();
        m_out << "\n}";
    }

private:
    static void member(std::string& o, const char* name)
    {
        o += o.back() == '{' ? "\n      \"" : ",\n      \"";
        o += name;
        o += "\": ";
    }
    static void number(std::string& o, const char* name, int32_t value)
    {
        member(o, name);
        char digits[16];
        o.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    // A list text as a JSON string, escaped as dump escapes.
    static void text(std::string& o, const char* name, std::string_view bytes)
    {
        member(o, name);
        o += '"';
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80) {
                o += c; // list texts are UTF-8 already
            } else if (c == '"' || c == '\\') {
                o += '\\';
                o += c;
            } else if (byte >= 0x20) {
                o += c;
            } else {
                static const char* const named = "btn\0fr"; // \b \t \n, \f \r
                if (byte >= 8 && byte <= 13 && byte != 11) {
                    o += '\\';
                    o += named[byte - 8];
                } else {
                    static const char hex[] = "0123456789abcdef";
                    o += "\\u00";
                    o += hex[byte >> 4];
                    o += hex[byte & 15];
                }
            }
        }
        o += '"';
    }

    void close()
    {
        if (m_open < 0)
            return;
        m_out << (m_empty ? "]" : "\n  ]");
    }

    std::ostream& m_out;
    std::string m_buffer;
    int m_open = -1;
    bool m_empty = true;
};

} // namespace

LoadResult writeListJson(const TextStore& bytes, std::ostream& out)
{
    // The list's fields follow its pairs in the file but lead the JSON: a first pass without a visitor
    // finds them and proves the whole file readable before anything is printed.
    PairList fields;
    const LoadResult result = FlyArchive::scan(bytes, fields, nullptr);
    if (!result)
        return result;
    std::string head = fieldsToJson(fields, result.version).dump(2);
    head.resize(head.size() - 2); // the closing "\n}"
    out << head;
    JsonArrayPrinter printer(out);
    FlyArchive::scan(bytes, fields, [&printer](FlyArchive::PairArray array, const Pair& pair) {
        printer.enter(array);
        printer.item(pair);
    });
    printer.finish();
    return result;
}

static std::string text(const json& object, const char* key, const std::string& where)
{
    const auto it = object.find(key);
    if (it == object.end())
        return {};
    if (!it->is_string())
        throw std::runtime_error(where + "\"" + key + "\" must be a string");
    return it->get<std::string>();
}

static int32_t integer(const json& object, const char* key, int32_t fallback, const std::string& where)
{
    const auto it = object.find(key);
    if (it == object.end())
        return fallback;
    if (!it->is_number_integer())
        throw std::runtime_error(where + "\"" + key + "\" must be an integer");
    // Read as signed, 18446744073709551615 would pass as -1.
    const bool fits = it->is_number_unsigned()
                          ? it->get<uint64_t>() <= uint64_t(std::numeric_limits<int32_t>::max())
                          : it->get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                                it->get<int64_t>() <= std::numeric_limits<int32_t>::max();
    if (!fits)
        throw std::runtime_error(where + "\"" + key + "\" is out of the 32-bit range");
    return static_cast<int32_t>(it->get<int64_t>());
}

static Pair wordFromJson(const json& j, const std::string& where, int32_t defaultKind)
{
    if (!j.is_object())
        throw std::runtime_error(where + "must be an object");
    Pair w(text(j, "question", where), text(j, "answer", where));
    w.setTimesInQuestion(integer(j, "timesInQuestion", 0, where));
    const auto rating = j.find("rating");
    if (rating != j.end()) {
        // A list stores ratings as floats, and reading one above the ceiling turns it into 0.
        const double value = rating->is_number() ? rating->get<double>() : std::nan("");
        if (!(value >= -std::numeric_limits<float>::max() && value <= Pair::MaxLoadedRating))
            throw std::runtime_error(where + "\"rating\" must be a number from -3.4e38 to 1000000");
        w.setRating(static_cast<float>(value));
    }
    w.setRight(integer(j, "right", 0, where));
    w.setWrong(integer(j, "wrong", 0, where));
    w.recalculateTotal(); // "total" is derived and never stored
    w.setSoundPath(text(j, "soundPathOne", where), 1);
    w.setSoundPath(text(j, "soundPathTwo", where), 2);
    w.setHint(text(j, "hint", where));
    const int32_t kind = integer(j, "kind", defaultKind, where);
    if (kind != Pair::QuestionAnswer && kind != Pair::WrongAnswer)
        throw std::runtime_error(where + "\"kind\" must be 0 (a pair) or 1 (a wrong answer)");
    w.setKind(kind);
    w.setPicturePath(text(j, "picturePathOne", where));
    return w;
}

static void readPairs(const json& j, const char* key, int32_t defaultKind, std::vector<Pair>& out)
{
    const auto it = j.find(key);
    if (it == j.end())
        return;
    if (!it->is_array())
        throw std::runtime_error(std::string("\"") + key + "\" must be an array");
    out.reserve(it->size());
    size_t index = 0;
    for (const json& item : *it)
        out.push_back(
            wordFromJson(item, std::string(key) + "[" + std::to_string(index++) + "]: ", defaultKind));
}

PairList listFromJson(const json& j)
{
    if (!j.is_object())
        throw std::runtime_error("the document must be a JSON object");
    PairList list;
    list.setNotes(text(j, "notes", ""));
    list.setCreatedStamp(text(j, "createdStamp", ""));
    list.setSavedStamp(text(j, "savedStamp", ""));
    list.setPassword(text(j, "password", ""));
    list.setSubject(text(j, "subject", ""));
    list.setLastIndex(integer(j, "lastIndex", -1, ""));
    readPairs(j, "pairs", Pair::QuestionAnswer, list.pairs());
    readPairs(j, "wrongAnswers", Pair::WrongAnswer, list.wrongAnswers());
    return list;
}

} // namespace brainlark::cli
