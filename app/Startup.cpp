#include "Startup.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/RegularFile.h"

#include <QGuiApplication>
#include <QIcon>

namespace zand::Startup {

void beforeApplication()
{
    reportFailedWritesAsErrors();
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
    // The same icon for window managers that take it from the window.
    QIcon icon;
    for (const char *name : Assets::Icons)
        icon.addFile(QStringLiteral(":/art/") + QLatin1String(name));
    QGuiApplication::setWindowIcon(icon);
}

} // namespace zand::Startup
