#pragma once

#include <string_view>

namespace brainlark::cli
{

/// The bytes of a shipped data file that the program carries within itself ("browser/reports_template.html",
/// "paperTests_template.rtf"), or an empty view for a file it does not carry.
std::string_view builtInCopy(std::string_view relative);

} // namespace brainlark::cli
