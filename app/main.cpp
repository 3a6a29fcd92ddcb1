#include "app/MainWindow.h"
#include "app/Startup.h"
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
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::nameApplication();

    SdlAudio audio;
    SdlSoundOutput sound(audio);
    SdlMusicOutput music(audio);
    EventClock clock;
    DesktopBrowser browser;
    HelpWindow help(browser);

    const QFileInfo exe(QCoreApplication::applicationFilePath());
    MainWindow window(Platform{clock, sound, music, help, browser,
                               exe.absolutePath() + QDir::separator(), exe.fileName(), QString()});
    window.show();
    return QApplication::exec();
}
