#pragma once

#include <string>
#include <string_view>

#include "core/pairlist.h"

namespace brainlark
{

/// The two plain-text exports of a list: the numbered question sheet with its answer key, and the BL text
/// that the text import reads back. Texts are built with "\n" line ends and the side-aware question and
/// answer, so a reversed list is exported reversed; writeText() turns the line ends into CR LF.
class TextExport
{
public:
    /// "=== title ===", the numbered questions, then the numbered correct answers.
    static std::string questionSheet(const PairList& list, const std::string& title);
    /// One "question \t\t@ answer  @ wrong @ wrong" line per pair, in list order; the wrong answers are the
    /// ones filed under the pair's stored question, in list order.
    static std::string blText(const PairList& list);

    /// Where both exports go: programFolder/export_text/title.txt.
    static std::string exportPath(const std::string& programFolder, const std::string& title);
    /// Every LF becomes CR LF, as a text-mode write does.
    static std::string withCrLf(std::string_view text);
    /// The bytes of a text file: Windows-1252 when the code page holds the whole text (what older readers
    /// expect), otherwise UTF-8 after a byte-order mark. The text import reads both.
    static std::string fileBytes(std::string_view text);
    /// Writes the text (as fileBytes()) with CR LF line ends through a temporary file beside `path` that is
    /// then renamed over it, so the target is either the old file or the whole new one. Returns false with a
    /// one-line reason in `error` (when given) if nothing could be written.
    static bool writeText(const std::string& path, std::string_view text, std::string* error);
};

} // namespace brainlark
