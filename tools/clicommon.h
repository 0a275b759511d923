#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "core/pairlist.h"

namespace brainlark::cli
{

class CliArgs;

/// The list's name as list texts hold it: the file name without folder and ".fly", in Windows-1252.
std::string titleOf(const std::string& path);

/// Reads a list; on failure prints the one-line reason and returns false.
/// `version`, when given, receives the file's list format version.
bool loadList(const std::string& path, PairList& list, std::ostream& err, uint32_t* version = nullptr);

/// Checks option errors and the positional count; complains with the usage line when they are wrong.
bool expectArgs(const CliArgs& args, size_t count, const char* usage, std::ostream& err);

} // namespace brainlark::cli
