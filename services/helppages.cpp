#include "services/helppages.h"

#include "services/uilanguage.h"

#include <QFileInfo>
#include <QUrl>

namespace brainlark
{

QString HelpPages::url(const QString& programFolder, int context)
{
    // The page in the language of the program's texts when the folder has it, English otherwise.
    QString page = programFolder + QStringLiteral("/help/index.html");
    const QString language = UiLanguage::current();
    const QString translated = programFolder + QStringLiteral("/help/index_%1.html").arg(language);
    if (language != QLatin1String("en") && QFileInfo(translated).isFile())
        page = translated;
    QUrl url = QUrl::fromLocalFile(page);
    if (context != 0)
        url.setFragment(QStringLiteral("context-%1").arg(context));
    return url.toString();
}

} // namespace brainlark
