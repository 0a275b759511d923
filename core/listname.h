#pragma once

#include <string>

#include "core/messages.h"

namespace brainlark
{

/// The naming rules of a new list file, as the "Save Q&A-list" dialog applies them when OK is pressed.
class ListName
{
public:
    /// What OK does with the name typed.
    enum class Outcome {
        Empty,     ///< nothing but white space: the dialog stays open without a word
        Forbidden, ///< a character files may not carry: show `message`, stay open
        Ready,     ///< `path` may be written; when `exists`, ask before overwriting
    };

    struct Check {
        Outcome outcome = Outcome::Empty;
        std::string name;    ///< the trimmed name
        char forbidden = 0;  ///< the first forbidden character (Forbidden)
        std::string message; ///< the message to show (Forbidden)
        std::string path;    ///< folder/name.fly (Ready)
        bool exists = false; ///< a list with this name is already there (Ready)
    };

    /// The most characters the name field accepts.
    static constexpr size_t MaxLength = 30;
    static constexpr const char* Forbidden = "*?:<>|#%;/\\";
    static constexpr const char* OverwriteQuestion = Messages::OverwriteList;

    /// Checks the text of the name field, UTF-8 (cut to MaxLength characters first, as the field takes no
    /// more).
    static Check check(const std::string& folder, const std::string& typed);
    /// folder + "/" + name + ".fly".
    static std::string listPath(const std::string& folder, const std::string& name);
    /// The warning for a forbidden character.
    static std::string forbiddenMessage(char c);
};

} // namespace brainlark
