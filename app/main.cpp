// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "game/Config.h"
#include "game/SavedGame.h"
#include "game/WebPages.h"
#include "platform/Browser.h"
#include "platform/EventClock.h"
#include "platform/HelpWindow.h"
#include "audio/AudioSystem.h"
#include "platform/SignalWatcher.h"
#include "platform/SingleGame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <csignal>

using namespace zand;

int main(int argc, char *argv[])
{
    // The game answers the stop signals itself (below); the audio library
    // must not take them over.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    if (const std::optional<int> answered = Startup::answerCommandLine(argc, argv))
        return *answered;
    Startup::beforeApplication();
    QApplication app(argc, argv);
    if (const std::optional<int> refused = Startup::refuseUnknownArguments())
        return *refused;
    Startup::nameApplication();
    Startup::translate();

    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString savedGame = SavedGameFile::defaultPath(Config::baseNameOf(exe.fileName()));
    // One game per saved-game file: a second start brings the first forward.
    SingleGame single(savedGame);
    switch (single.claim()) {
    case SingleGame::Claim::Owner:
        break;
    case SingleGame::Claim::HandedOver:
        return 0;
    case SingleGame::Claim::Unreachable:
        QMessageBox::warning(nullptr, Config::applicationTitle(), single.unreachableMessage());
        return 1;
    }

    AudioSystem audio(Startup::musicRenderer());
    EventClock clock;
    DesktopBrowser browser;
    const QString appPath = exe.absolutePath() + QDir::separator();
    // The games page is found as the game's other files are.
    Config files;
    files.appPath = appPath;
    HelpWindow help(browser, WebPages::address(WebPages::GamesPage, files));

    MainWindow window(Platform{clock, audio.sound(), audio.music(), help, browser, appPath, exe.fileName(), savedGame});
    window.show();
    QObject::connect(&single, &SingleGame::comeForward, &window, &MainWindow::comeForward);
    // A plain kill, Ctrl+C or a closed terminal ends the game as its close
    // box does: the spin in flight settled and the game saved.
    SignalWatcher stopSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&stopSignals, &SignalWatcher::caught, &window, &MainWindow::closeUnattended);
    return QApplication::exec();
}
