#pragma once

#include <QString>
#include <QUrl>

// The maker's web pages that the game opens.
namespace zand::WebPages {

inline constexpr int GamesPage = 2;
inline constexpr const char *SiteName = "Zantek";
// The maker's home page, which the games page links to as well.
inline constexpr const char *HomePage = "https://zantek.github.io/zandslots/";

// A page's address; empty for a page the game has none for. The games page
// ships with the game, in the folder "games" beside the executable, so it
// opens wherever the game is installed, with or without a network.
inline QUrl address(int page, const QString &appPath)
{
    if (page != GamesPage)
        return {};
    return QUrl::fromLocalFile(appPath + QStringLiteral("games/index.html"));
}

} // namespace zand::WebPages
