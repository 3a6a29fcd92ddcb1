#include "app/MainWindow.h"
#include "game/Config.h"
#include "platform/Browser.h"
#include "platform/EventClock.h"
#include "platform/HelpWindow.h"
#include "platform/SdlAudio.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

using namespace zand;

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // The desktop's name for the program; a theme changes only the caption
    // (no display name, which Qt would append to every caption).
    QApplication::setApplicationName(Config::applicationTitle());

    SdlAudio audio;
    SdlSoundOutput sound(audio);
    SdlMusicOutput music(audio);
    EventClock clock;
    HelpWindow help;
    DesktopBrowser browser;

    const QFileInfo exe(QCoreApplication::applicationFilePath());
    MainWindow window(Platform{clock, sound, music, help, browser,
                               exe.absolutePath() + QDir::separator(), exe.fileName(), QString()});
    window.show();
    return QApplication::exec();
}
