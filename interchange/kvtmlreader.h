#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/deckimport.h"

namespace brainlark
{

/// One language (identifier) of a vocabulary.
struct KvtmlLanguage {
    int id = 0;
    std::string name;   ///< as the file names it ("English"); may be empty
    std::string locale; ///< "en", "ja"; may be empty
};

/// Reads KDE vocabulary documents of version 2: each entry's translations in two of the languages become
/// question and answer, the multiple-choice texts of the answer's translation its wrong answers, the
/// translations' comments its notes, and the lesson it is filed in its deck (lessons within lessons are
/// named "Outer / Inner"). Grades, word types and the rest of the learning state are left out.
///
/// Hostile files are refused rather than read: a document type that declares entities (which can make a
/// small file expand to gigabytes), lessons nested deeper than MaxLessonDepth, and damaged XML, whose
/// message names the line.
class KvtmlReader
{
public:
    static constexpr int MaxLessonDepth = 64;

    /// Reads the document. `languages`, when given, receives the file's languages in their order (also
    /// when the chosen ones are missing, so that a chooser can offer them).
    static ImportResult read(std::string_view bytes, const DeckImportOptions& options,
                             const ImportProgress& progress = {},
                             std::vector<KvtmlLanguage>* languages = nullptr);
    /// Whether the bytes start like such a document: an XML declaration, comments or a document type, then
    /// a <kvtml> root.
    static bool looksLikeKvtml(std::string_view bytes);
};

} // namespace brainlark
