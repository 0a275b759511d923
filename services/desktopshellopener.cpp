#include "services/desktopshellopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace brainlark
{

bool DesktopShellOpener::open(const QString& pathOrUrl)
{
    const QUrl url(pathOrUrl);
    // A one-letter scheme would be a drive letter, never a URL.
    if (url.isValid() && url.scheme().size() > 1)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pathOrUrl));
}

} // namespace brainlark
