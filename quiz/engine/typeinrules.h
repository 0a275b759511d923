#pragma once

#include <string>
#include <string_view>

#include "quiz/engine/appflags.h"

namespace brainlark
{

/// The "When checking answer ..." options of the Type-in mode.
struct TypeinOptions {
    bool ignoreCase = false;
    bool ignoreSpaces = false;
    bool ignorePunctuation = false;

    static TypeinOptions fromFlags(const AppFlags& flags);
};

/// The text rules of the Type-in mode: answer comparison, the pre-fill patterns and accent cycling.
/// Texts are Windows-1252 byte strings.
class TypeinRules
{
public:
    /// Pre-fill patterns, numbered as "pre-fill answer selection" stores them.
    enum PreFill : int {
        None = 0,
        FirstAndLast = 1,
        FirstAndLastOfEveryWord = 2,
        EveryOther = 3,
        EveryThird = 4,
        EveryFourth = 5
    };

    /// Trims whitespace, then applies the chosen options in the order case, spaces, punctuation.
    static std::string normalize(std::string_view text, const TypeinOptions& options);
    /// Right when both texts normalise to the same bytes. No accent folding.
    static bool matches(std::string_view typed, std::string_view answer, const TypeinOptions& options);

    /// The answer with the hidden characters replaced by '*'; always as long as the answer. Patterns outside
    /// 0-5 hide like pattern 0.
    static std::string preFill(std::string_view answer, int pattern);

    /// ASCII letters and digits, and the lower-case accented letters of the word-character table.
    static bool isWordCharacter(unsigned char c);

    /// Replaces the character before position with its neighbour in its accent group (direction +1 or -1,
    /// wrapping). Unchanged when position is outside 1..size or the character is in no group.
    static std::string cycleAccent(const std::string& text, int position, int direction);
};

} // namespace brainlark
