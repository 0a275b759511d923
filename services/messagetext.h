#pragma once

#include <QString>
#include <string>

namespace brainlark
{

/// A message the Qt-free layers composed in English from one of their templates (core/messages.h), shown in
/// the program's language: the template is found by its fixed text, translated, and filled with the same
/// arguments, each of them translated too when it is such a message itself. Any other text is shown as it is.
namespace MessageText
{
QString shown(const std::string& english);
QString shown(const QString& english);
} // namespace MessageText

} // namespace brainlark
