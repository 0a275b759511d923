#include "services/subjectnames.h"

#include "core/subjectlist.h"
#include <QCoreApplication>

namespace brainlark
{

namespace
{

constexpr const char* kContext = "brainlark::SubjectList";

} // namespace

QString SubjectNames::shown(const QString& stored)
{
    for (const char* fixed : {SubjectList::AllName, SubjectList::NoneName}) {
        if (stored == QLatin1String(fixed))
            return QCoreApplication::translate(kContext, fixed);
    }
    return stored;
}

QString SubjectNames::stored(const QString& shown)
{
    for (const char* fixed : {SubjectList::AllName, SubjectList::NoneName}) {
        if (shown == QCoreApplication::translate(kContext, fixed))
            return QString::fromLatin1(fixed);
    }
    return shown;
}

} // namespace brainlark
