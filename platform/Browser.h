// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

class QWidget;

namespace zand {

// Opens a web page in the desktop's browser, without waiting for it.
class Browser
{
public:
    virtual ~Browser() = default;

    // False when the desktop has no handler for the address.
    virtual bool open(const QUrl &url) = 0;
};

// The desktop's default handler.
class DesktopBrowser final : public Browser
{
public:
    bool open(const QUrl &url) override;
};

// Opens one of the maker's pages beside the game, which goes on at once.
// Where the desktop has no browser, the player is told so (an error box) and
// then where to find the page (an information box), both owned by `owner`.
void openWebPage(Browser &browser, const QUrl &address, QWidget *owner);

} // namespace zand
