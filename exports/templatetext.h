#pragma once

#include <string>
#include <string_view>

namespace brainlark
{

/// Template handling shared by the report and the printable test: templates are read line by line and
/// filled by plain text replacement.
class TemplateText
{
public:
    /// The text as a line reader sees it: every line ends in a single line feed whatever ending it had
    /// ("\r\n", "\n" or none at the end of the file).
    static std::string normaliseLines(std::string_view raw);

    /// Replaces every occurrence of `placeholder`, scanning left to right; inserted text is not rescanned.
    static void replaceAll(std::string& text, std::string_view placeholder, std::string_view value);
};

} // namespace brainlark
