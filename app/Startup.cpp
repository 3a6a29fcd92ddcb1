#include "Startup.h"

#include "game/Config.h"

#include <QGuiApplication>

namespace zand::Startup {

void beforeApplication()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void nameApplication()
{
    // The desktop's name for the program; a theme changes only the caption
    // (no display name, which Qt would append to every caption).
    QGuiApplication::setApplicationName(Config::applicationTitle());
    // Ties the running game to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAND_APP_ID));
}

} // namespace zand::Startup
