#include "Startup.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/RegularFile.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

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

void translate()
{
    QCoreApplication *app = QCoreApplication::instance();
    // The game's own texts are built in; Qt's (the standard buttons) come
    // with Qt's translations when they are installed. The application owns
    // each translator it takes.
    auto game = std::make_unique<QTranslator>(app);
    if (game->load(QLocale(), QStringLiteral("zandslots"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(game.release());
    auto qt = std::make_unique<QTranslator>(app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
}

} // namespace zand::Startup
