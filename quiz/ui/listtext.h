#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace brainlark
{

/// Where list texts (UTF-8) meet Qt's strings. Nothing is lost either way.
class ListText
{
public:
    static QString toQString(std::string_view bytes);
    static std::string fromQString(const QString& text);
};

} // namespace brainlark
