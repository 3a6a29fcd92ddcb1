#include "app/MainWindow.h"
#include "app/Startup.h"
#include "game/Config.h"
#include "game/WebPages.h"
#include "platform/Browser.h"
#include "platform/EventClock.h"
#include "platform/HelpWindow.h"
#include "platform/SdlAudio.h"
#include "platform/SignalWatcher.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <csignal>

using namespace zand;

int main(int argc, char *argv[])
{
    // The game answers the stop signals itself (below); the audio library
    // must not take them over.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::nameApplication();

    const QFileInfo exe(QCoreApplication::applicationFilePath());
    SdlAudio audio;
    SdlSoundOutput sound(audio);
    SdlMusicOutput music(audio);
    EventClock clock;
    DesktopBrowser browser;
    const QString appPath = exe.absolutePath() + QDir::separator();
    HelpWindow help(browser, WebPages::address(WebPages::GamesPage, appPath));

    MainWindow window(Platform{clock, sound, music, help, browser, appPath, exe.fileName(), QString()});
    window.show();
    // A plain kill, Ctrl+C or a closed terminal ends the game as its close
    // box does: the spin in flight settled and the game saved.
    SignalWatcher stopSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&stopSignals, &SignalWatcher::caught, &window, &MainWindow::closeUnattended);
    return QApplication::exec();
}
