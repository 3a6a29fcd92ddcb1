#include "Browser.h"

#include "game/Config.h"
#include "game/WebPages.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace zand {

bool DesktopBrowser::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void openWebPage(Browser &browser, const QUrl &address, QWidget *owner)
{
    if (address.isEmpty() || browser.open(address))
        return;
    QMessageBox::critical(owner, Config::applicationTitle(),
                          QStringLiteral("Could not find a web browser on your system!"));
    const QString where = QStringLiteral("Please visit %1 at:  %2")
                              .arg(QLatin1String(WebPages::SiteName), address.toDisplayString());
    QMessageBox::information(owner, Config::applicationTitle(), where);
}

} // namespace zand
