// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Browser.h"

#include "game/Config.h"
#include "game/WebPages.h"

#include <QCoreApplication>
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
                          QCoreApplication::translate("zand::Browser", "Could not find a web browser on your system!"));
    // The maker's page first; a page that ships with the game can be opened
    // by hand too.
    QString where = QCoreApplication::translate("zand::Browser", "Please visit %1 at:  %2")
                        .arg(QLatin1String(WebPages::SiteName), QLatin1String(WebPages::HomePage));
    if (address.isLocalFile())
        where += QCoreApplication::translate("zand::Browser", "\nor open %1").arg(address.toDisplayString());
    QMessageBox::information(owner, Config::applicationTitle(), where);
}

} // namespace zand
