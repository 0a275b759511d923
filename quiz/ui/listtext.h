#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace brainlark
{

/// Where list texts (Windows-1252 bytes) meet Qt's Unicode strings.
class ListText
{
public:
    static QString toQString(std::string_view bytes);
    /// Characters Windows-1252 cannot hold become '?'.
    static std::string fromQString(const QString& text);
};

} // namespace brainlark
