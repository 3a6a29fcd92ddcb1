// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Config.h"

#include <QString>
#include <QUrl>

// The maker's web pages that the game opens.
namespace zand::WebPages {

inline constexpr int GamesPage = 2;
inline constexpr const char *SiteName = "Zantek";
// The maker's home page, which the games page links to as well.
inline constexpr const char *HomePage = "https://zantek.github.io/zandslots/";

// A page's address; empty for a page the game has none for. The games page
// ships with the game, in its folder "games", found as the game's other files
// are (beside the executable in a build, in the data folder once installed),
// so it opens with or without a network.
inline QUrl address(int page, const Config &config)
{
    if (page != GamesPage)
        return {};
    return QUrl::fromLocalFile(config.assetPath(QStringLiteral("games/index.html")));
}

} // namespace zand::WebPages
