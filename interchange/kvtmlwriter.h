#pragma once

#include <string>

#include "core/pairlist.h"

namespace brainlark
{

/// A list as a KDE vocabulary document of version 2, for the vocabulary programs: two languages named
/// "Question" and "Answer" (the side-aware texts, so a reversed list is written reversed), one lesson named
/// after the list holding every entry (those programs show only entries filed in a lesson), each pair's
/// notes as the question's comment and its predefined wrong answers as the answer's multiple choice.
class KvtmlWriter
{
public:
    /// The document in UTF-8; `title` (UTF-8) names the vocabulary and its lesson.
    static std::string write(const PairList& list, const std::string& title);
};

} // namespace brainlark
