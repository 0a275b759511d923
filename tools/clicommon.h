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

/// The shipped copy of a data file (a path relative to the shipped data folder): the installed share folder
/// beside the program, else the data/ folder of a source tree found above the current folder or above the
/// program (runs from a build tree). Empty when there is none.
std::string findShippedFile(const std::string& relative);

/// Checks option errors and the positional count; complains with the usage line when they are wrong.
bool expectArgs(const CliArgs& args, size_t count, const char* usage, std::ostream& err);

} // namespace brainlark::cli
