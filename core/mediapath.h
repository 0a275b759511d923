#pragma once

#include <string>

namespace brainlark
{

/// Joins the program folder, a media sub-folder ("quiz_sounds", "quiz_pictures") and a relative path
/// as stored in a list. Stored paths use backslashes (lists are shared with other programs); on disk
/// they become slashes.
std::string joinMediaPath(const std::string& programFolder, const char* subFolder,
                          const std::string& relative);

/// Returns path when it exists; otherwise, walking the path component by component, the first entry
/// whose name matches case-insensitively (files made on other systems often differ in case). Returns
/// path unchanged when nothing matches.
std::string resolveCaseInsensitive(const std::string& path);

/// Lower-cased last three characters of a path: how file types are recognised.
std::string extensionOf(const std::string& path);

} // namespace brainlark
