#include "services/helppages.h"

#include <QUrl>

namespace brainlark
{

QString HelpPages::url(const QString& programFolder, int context)
{
    QUrl url = QUrl::fromLocalFile(programFolder + QStringLiteral("/help/index.html"));
    if (context != 0)
        url.setFragment(QStringLiteral("context-%1").arg(context));
    return url.toString();
}

} // namespace brainlark
