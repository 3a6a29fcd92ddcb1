#pragma once

#include "app/MainWindow.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeMusic.h"
#include "doubles/RecordingSound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A game in a window of its own, in a fresh directory with the two sounds it
// cannot start without, and a saved-game file of its own.
struct GameFixture
{
    QTemporaryDir dir;
    FakeClock clock;
    RecordingSound sound{&clock};
    FakeMusic music;
    std::unique_ptr<MainWindow> window;

    static QString gameDir() { return QStringLiteral(ZAND_GAME_DIR); }

    GameFixture() { addAssets({QStringLiteral("Zand0.wav"), QStringLiteral("Zand3.wav")}); }

    QString appPath() const { return dir.path() + QLatin1Char('/'); }
    QString savedGamePath() const { return dir.path() + QStringLiteral("/config/zandslots.ini"); }

    void addAssets(const QStringList &names)
    {
        for (const QString &name : names)
            QFile::copy(gameDir() + QLatin1Char('/') + name, appPath() + name);
    }

    void writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(appPath() + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    // Opens the window; with `ready`, the start-up tick has run as well.
    MainWindow &start(bool ready = true)
    {
        window = std::make_unique<MainWindow>(
            Platform{clock, sound, music, appPath(), QStringLiteral("zandslots"), savedGamePath()});
        window->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        if (ready) {
            window->startTimer.stop();
            window->startUpTick();
        }
        return *window;
    }

    GameState &state() { return window->state(); }
};
