#pragma once

#include <QString>

namespace brainlark
{

/// The two fixed entries of the subject catalogue ("--- All ---", "--- n/a ---") are stored in English in the
/// settings and compared by their English text; these show them in the program's language and take a shown
/// text back to what is stored. Every other subject is the learner's own text and passes through unchanged.
namespace SubjectNames
{
QString shown(const QString& stored);
QString stored(const QString& shown);
} // namespace SubjectNames

} // namespace brainlark
