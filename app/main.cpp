#include "app/MainWindow.h"
#include "app/Startup.h"
#include "game/Config.h"
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
    if (const std::optional<int> answered = Startup::answerCommandLine(argc, argv))
        return *answered;
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::nameApplication();

    SdlAudio audio(Startup::musicRenderer());
    SdlSoundOutput sound(audio);
    SdlMusicOutput music(audio);
    EventClock clock;
    DesktopBrowser browser;
    HelpWindow help(browser);

    const QFileInfo exe(QCoreApplication::applicationFilePath());
    MainWindow window(Platform{clock, sound, music, help, browser,
                               exe.absolutePath() + QDir::separator(), exe.fileName(), QString()});
    window.show();
    // A plain kill, Ctrl+C or a closed terminal ends the game as its close
    // box does: the spin in flight settled and the game saved.
    SignalWatcher stopSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&stopSignals, &SignalWatcher::caught, &window, &MainWindow::closeUnattended);
    return QApplication::exec();
}
