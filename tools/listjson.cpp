#include "tools/listjson.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/cp1252.h"

namespace brainlark::cli
{

using nlohmann::json;
using nlohmann::ordered_json;

static ordered_json wordToJson(const Pair& w)
{
    ordered_json j;
    j["question"] = Cp1252::toUtf8(w.question());
    j["answer"] = Cp1252::toUtf8(w.answer());
    j["timesInQuestion"] = w.timesInQuestion();
    j["rating"] = static_cast<double>(w.rating());
    j["right"] = w.right();
    j["wrong"] = w.wrong();
    j["total"] = w.total();
    j["soundPathOne"] = Cp1252::toUtf8(w.soundPathOne());
    j["soundPathTwo"] = Cp1252::toUtf8(w.soundPathTwo());
    j["hint"] = Cp1252::toUtf8(w.hint());
    j["kind"] = w.kind();
    j["picturePathOne"] = Cp1252::toUtf8(w.picturePath());
    return j;
}

ordered_json listToJson(const PairList& list, uint32_t version)
{
    ordered_json j;
    j["version"] = version;
    j["notes"] = Cp1252::toUtf8(list.notes());
    j["createdStamp"] = Cp1252::toUtf8(list.createdStamp());
    j["savedStamp"] = Cp1252::toUtf8(list.savedStamp());
    j["password"] = Cp1252::toUtf8(list.password());
    j["subject"] = Cp1252::toUtf8(list.subject());
    j["lastIndex"] = list.lastIndex();
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

static std::string text(const json& object, const char* key, const std::string& where)
{
    const auto it = object.find(key);
    if (it == object.end())
        return {};
    if (!it->is_string())
        throw std::runtime_error(where + "\"" + key + "\" must be a string");
    return Cp1252::fromUtf8(it->get<std::string>());
}

static int32_t integer(const json& object, const char* key, int32_t fallback, const std::string& where)
{
    const auto it = object.find(key);
    if (it == object.end())
        return fallback;
    if (!it->is_number_integer())
        throw std::runtime_error(where + "\"" + key + "\" must be an integer");
    const auto value = it->get<int64_t>();
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw std::runtime_error(where + "\"" + key + "\" is out of the 32-bit range");
    return static_cast<int32_t>(value);
}

static Pair wordFromJson(const json& j, const std::string& where, int32_t defaultKind)
{
    if (!j.is_object())
        throw std::runtime_error(where + "must be an object");
    Pair w(text(j, "question", where), text(j, "answer", where));
    w.setTimesInQuestion(integer(j, "timesInQuestion", 0, where));
    const auto rating = j.find("rating");
    if (rating != j.end()) {
        if (!rating->is_number() || !std::isfinite(rating->get<double>()))
            throw std::runtime_error(where + "\"rating\" must be a finite number");
        w.setRating(static_cast<float>(rating->get<double>()));
    }
    w.setRight(integer(j, "right", 0, where));
    w.setWrong(integer(j, "wrong", 0, where));
    w.recalculateTotal(); // "total" is derived and never stored
    w.setSoundPath(text(j, "soundPathOne", where), 1);
    w.setSoundPath(text(j, "soundPathTwo", where), 2);
    w.setHint(text(j, "hint", where));
    w.setKind(integer(j, "kind", defaultKind, where));
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
