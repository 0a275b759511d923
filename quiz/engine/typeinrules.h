#pragma once

#include <string>
#include <string_view>
#include <vector>

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
/// Texts are UTF-8. For characters Windows-1252 holds the rules are the classic ones (only a-z fold, only
/// the listed letters are word characters); beyond it, every cased script folds and every letter is a
/// word character. Patterns count characters as the learner sees them: a base with its combining marks.
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
    /// Right when both texts normalise to the same characters. No accent folding.
    static bool matches(std::string_view typed, std::string_view answer, const TypeinOptions& options);

    /// The answer with the hidden characters replaced by '*' (one per character, marks and all); always as
    /// many characters as the answer. Patterns outside 0-5 hide like pattern 0.
    static std::string preFill(std::string_view answer, int pattern);

    /// ASCII letters and digits, the lower-case accented letters of the word-character table, and beyond
    /// Windows-1252 the letters and digits of every script.
    static bool isWordCharacter(char32_t c);
    /// The case fold of Ignore case for one code point: a-z to A-Z, other Windows-1252 characters as they
    /// are, beyond the code page the lower case of every cased script.
    static char32_t foldCase(char32_t c);
    /// The characters of a text as the learner sees them, each in UTF-8.
    static std::vector<std::string> characters(std::string_view text);

    /// Replaces the character (counted as characters() does) before position with its neighbour in its accent
    /// group (direction +1 or -1, wrapping). Unchanged when position is outside 1..size or the character is
    /// in no group.
    static std::string cycleAccent(const std::string& text, int position, int direction);
};

} // namespace brainlark
