#include "Browser.h"

#include <QDesktopServices>

namespace zand {

bool DesktopBrowser::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace zand
