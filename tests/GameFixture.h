// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameMain.h"
#include "MainWindowProbe.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeMusic.h"
#include "doubles/RecordingHelp.h"
#include "doubles/RecordingSound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zand {

// A game in a window of its own, in a fresh directory with the two sounds it
// cannot start without, and a saved-game file of its own.
struct GameFixture
{
    QTemporaryDir dir;
    FakeClock clock;
    // The clock the game is given: the fake one unless a test says otherwise.
    Clock *gameClock = &clock;
    RecordingSound sound{&clock};
    FakeMusic music;
    RecordingHelp help;
    RecordingBrowser browser;
    std::unique_ptr<MainWindow> window;
    QString exeFileName = QStringLiteral("zandslots");

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
            Platform{*gameClock, sound, music, help, browser, appPath(), exeFileName, savedGamePath()});
        // The test runs the start-up tick itself: on a slow machine (or under
        // the sanitizers) the 250 ms timer would otherwise fire while the
        // window is being shown.
        if (ready)
            probe(*window).startUpTimer().stop();
        window->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        if (ready)
            probe(*window).startUpTick();
        return *window;
    }

    GameState &state() { return probe(*window).state(); }
};

// How the recording double names the game's effects: the two sounds held in
// memory by their size, the others by their file names.
namespace GameSounds {

inline QString memoryName(const QString &file)
{
    return QStringLiteral("memory:%1").arg(QFileInfo(GameFixture::gameDir() + "/" + file).size());
}

inline const QString StopSound = memoryName(QStringLiteral("Zand0.wav"));
inline const QString TallySound = memoryName(QStringLiteral("Zand3.wav"));
inline const QString CoinSound = QStringLiteral("Zand1.wav");
inline const QString SafeSound = QStringLiteral("Zand5.wav");
inline const QString WelcomeSound = QStringLiteral("Zand7.wav");
inline const QString WinSound = QStringLiteral("ZandWin.wav");

} // namespace GameSounds

} // namespace zand
