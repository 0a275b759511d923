#include "services/desktopshellopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace brainlark
{

void DesktopShellOpener::open(const QString& pathOrUrl)
{
    const QUrl url(pathOrUrl);
    // A one-letter scheme would be a drive letter, never a URL.
    if (url.isValid() && url.scheme().size() > 1)
        QDesktopServices::openUrl(url);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(pathOrUrl));
}

} // namespace brainlark
