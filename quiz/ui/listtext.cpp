#include "quiz/ui/listtext.h"

namespace brainlark
{

QString ListText::toQString(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ListText::fromQString(const QString& text)
{
    return text.toStdString();
}

} // namespace brainlark
