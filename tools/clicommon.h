#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "core/importreader.h"
#include "core/pairlist.h"

namespace brainlark::cli
{

class CliArgs;

/// The list's name as list texts hold it: the file name without folder and ".fly", in UTF-8.
std::string titleOf(const std::string& path);

/// Reads a list; on failure prints the one-line reason and returns false.
/// `version`, when given, receives the file's list format version.
bool loadList(const std::string& path, PairList& list, std::ostream& err, uint32_t* version = nullptr);

/// A message as one line for standard error: its lines joined by single blanks.
std::string oneLine(const std::string& text);

/// Prints "brainlark-cli: PATH: REASON" as one line; the path is left out when the reason names it already
/// ("cannot open PATH: No such file or directory").
void complain(std::ostream& err, const std::string& path, const std::string& reason);

/// The installed copy of a shipped data file (a path relative to the shipped data folder): the share folder
/// beside the program, bin/../share/brainlark. Empty when there is none (a build folder, a moved program).
std::string installedFile(const std::string& relative);
/// installedFile(), else the data/ folder of the source tree the program was built from, when it is still
/// there. Empty when there is neither.
std::string findShippedFile(const std::string& relative);

/// The program stamp a written list carries: --stamp when given (so that output can be compared byte for
/// byte), else this moment's.
std::string stampFor(const CliArgs& args);
/// Writes the list; on failure prints the one-line reason and returns false.
bool saveList(const std::string& path, PairList& list, const std::string& stamp, std::ostream& err);
/// What an import skipped and left out, one line each on standard error.
void reportImport(const std::string& in, const ImportResult& result, std::ostream& err);
/// Writes the pairs imported from `in` as the list `path` and says how many; refuses, as the program does, a
/// list too small for a quiz. The pairs as read are let go once the list holds them. Returns the command's
/// exit code.
int saveImportedList(const std::string& in, ImportResult&& result, const std::string& path,
                     const std::string& stamp, std::ostream& out, std::ostream& err);

/// Checks option errors and the positional count; complains with the usage line when they are wrong.
bool expectArgs(const CliArgs& args, size_t count, const char* usage, std::ostream& err);

} // namespace brainlark::cli
