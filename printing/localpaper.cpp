#include "printing/localpaper.h"

#include <QByteArray>
#include <QtGlobal>

namespace brainlark
{

QPageSize::PageSizeId LocalPaper::forTerritory(QLocale::Territory territory)
{
    // The territories whose locales print on letter paper (the C library's paper tables).
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Guatemala:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::PuertoRico:
    case QLocale::Venezuela:
    case QLocale::Philippines:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

QPageSize::PageSizeId LocalPaper::forEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QByteArray name = qgetenv(variable);
        if (name.isEmpty())
            continue;
        // "C" and "POSIX" name no country; QLocale reads "en_US.UTF-8" as English of the United States.
        return forTerritory(QLocale(QString::fromLocal8Bit(name)).territory());
    }
    return QPageSize::A4;
}

} // namespace brainlark
