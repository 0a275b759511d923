#pragma once

#include <string>

#include "core/pairlist.h"

namespace brainlark
{

/// A list as a table for spreadsheets and other trainers: UTF-8 without a byte-order mark, a first line
/// naming the columns (Question, Answer, Wrong answer, ... as many as the pair with the most), then one row
/// per pair with the side-aware question and answer and the wrong answers filed under the pair's question.
///
/// The first line is written because a table without one is guessed at: the text import (and most
/// trainers) take a first line of known column names as a header, while a first pair that happens to look
/// unlike the rest could be taken for one and lost; the named "Wrong answer" columns also tell the import
/// what those columns are, whatever their texts look like.
///
/// Texts that hold markup ("<b>", "&amp;") are written as HTML with the markup escaped, because importers
/// (this program's too) turn HTML fields into plain text: the escaped form comes back as the text it was.
class TableExport
{
public:
    /// RFC 4180: fields separated by commas, rows ended by CR LF; a field holding a comma, a quote, a line
    /// break, white space at either end or a leading '#' is quoted, its quotes doubled. Line breaks in a
    /// text stay in its quoted field.
    static std::string csv(const PairList& list);
    /// Fields separated by tabs, rows ended by LF. Tab-separated text cannot quote, so a text holding a line
    /// break (or starting with '#', which readers take for a comment) is written as HTML, its breaks as
    /// <br>, which other trainers and this program's import read back as line breaks; a tab in a text
    /// becomes a space.
    static std::string tsv(const PairList& list);
};

} // namespace brainlark
