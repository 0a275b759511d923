#include "quiz/ui/listtext.h"

#include "core/cp1252.h"

namespace brainlark
{

QString ListText::toQString(std::string_view bytes)
{
    return QString::fromStdString(Cp1252::toUtf8(bytes));
}

std::string ListText::fromQString(const QString& text)
{
    return Cp1252::fromUtf8(text.toStdString());
}

} // namespace brainlark
