#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "core/flyarchive.h"
#include "core/pairlist.h"

namespace brainlark::cli
{

/// The list as JSON: every stored field, strings in UTF-8 as the list holds them (the five bytes Windows-1252
/// leaves undefined survive as U+0081 …), ratings as numbers that give back the same float.
/// `version` is the format version the list was read with; lists are always written as version 10.
nlohmann::ordered_json listToJson(const PairList& list, uint32_t version = 10);

/// Writes the list held in `bytes` (a list file's contents) exactly as listToJson(list).dump(2) would, but
/// a pair at a time: neither the list nor the JSON document is ever built whole, so a list of millions of
/// pairs is dumped in little more memory than its file takes. Nothing is written when the bytes are not a
/// readable list; the result then holds the reason.
LoadResult writeListJson(const TextStore& bytes, std::ostream& out);

/// The reverse of listToJson. Throws std::runtime_error with a one-line reason on a malformed document
/// (missing or mistyped member, number out of range).
PairList listFromJson(const nlohmann::json& json);

} // namespace brainlark::cli
