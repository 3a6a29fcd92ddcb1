// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/RegularFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include <cstdio>

namespace zand::Startup {

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // Qt's own options (-platform, -style, -display...) are its to take, so
    // only these two are looked at.
    bool wanted = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        wanted = wanted || arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version";
    }
    if (!wanted)
        return std::nullopt;
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zandslots"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A three-reel slot machine with nudges and a bonus vault.\n"
                       "The game keeps its songs in $XDG_CACHE_HOME/zandslots (about 110 MB);\n"
                       "that folder may be deleted at any time."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
    } else {
        std::printf("%s %s\n%s\n", qPrintable(Config::applicationTitle()), ZAND_VERSION_TEXT,
                    qPrintable(licenceLine()));
    }
    return 0;
}

std::optional<int> refuseUnknownArguments()
{
    const QStringList left = QCoreApplication::arguments().mid(1);
    if (left.isEmpty())
        return std::nullopt;
    std::fprintf(stderr, "zandslots: unknown option or argument '%s'; try 'zandslots --help'.\n",
                 qPrintable(left.first()));
    return 2;
}

QString licenceLine()
{
    return QStringLiteral("Licence: GNU GPL version 3 or later (GPL-3.0-or-later), without warranty.");
}

QString musicRenderer()
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString beside = folder + QStringLiteral("zandsynth");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QDir::cleanPath(folder + QStringLiteral(ZAND_HELPERS_FROM_PROGRAM "/zandsynth"));
}

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
