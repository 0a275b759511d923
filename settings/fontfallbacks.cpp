#include "settings/fontfallbacks.h"

#include <QFont>
#include <QStringList>

namespace brainlark
{

void installFontFallbacks()
{
    const QString sans = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {sans, QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("verdana"), {sans, QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), sans});
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"),
                               {QStringLiteral("URW Gothic"), QStringLiteral("URW Gothic L"), sans});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
}

} // namespace brainlark
