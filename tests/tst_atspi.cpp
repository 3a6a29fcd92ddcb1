// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the real clock, on an X server with the accessibility bus
// (a11y/check_atspi.sh starts both), played by a screen-reader user's script
// (a11y/check_atspi.py) from the bus and the keyboard alone. The one thing
// the script cannot bring about is luck: when it asks for the vault, the
// reels are loaded so that its next spin opens it.
#include "GameFixture.h"
#include "SpinSeeds.h"

#include "game/SpinResult.h"
#include "platform/EventClock.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace zand;

class AtspiTest : public QObject
{
    Q_OBJECT

private slots:
    void aWholeGameIsPlayedFromTheBusAndTheKeyboard();
};

void AtspiTest::aWholeGameIsPlayedFromTheBusAndTheKeyboard()
{
    const QByteArray script = qgetenv("ZAND_ATSPI_SCRIPT");
    if (script.isEmpty())
        QSKIP("run by a11y/check_atspi.sh, which starts the X server and the bus");
    GameFixture game;
    EventClock realClock;
    game.gameClock = &realClock;
    MainWindow &window = game.start();
    MainWindowProbe p = probe(window);

    // The lights draw from the game's random source as they play: the
    // reels are loaded again and again until the spin takes them.
    QTimer loading;
    std::uint32_t from = 1;
    int seededFor = -1; // the coins the seed was found for
    std::uint32_t seed = 0;
    connect(&loading, &QTimer::timeout, this, [&] {
        if (!p.machine().controlsOpen())
            return;
        const int coins = std::max(1, p.state().bet > 0 ? p.state().bet : p.state().lastBet);
        if (coins != seededFor) {
            seededFor = coins;
            seed = seedWhoseSpin(p.pictures().blurHeight, coins,
                                 [](const SpinResult &r) { return r.opensBonus; }, from);
        }
        p.random().seed(seed);
    });
    connect(&p.machine(), &Machine::phaseChanged, this, [&](Machine::Phase phase) {
        if (phase != Machine::Phase::Idle)
            loading.stop();
    });

    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&player, &QProcess::readyReadStandardOutput, this, [&] {
        while (player.canReadLine()) {
            const QByteArray line = player.readLine().trimmed();
            qInfo("player: %s", line.constData());
            if (line == "load the reels for the vault") {
                from = seed + 1;
                seededFor = -1;
                loading.start(0);
            }
        }
    });
    player.start(QStringLiteral("/usr/bin/python3"), {QString::fromLocal8Bit(script)});
    QVERIFY(player.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == QProcess::NotRunning, 240'000);
    QCOMPARE(player.exitStatus(), QProcess::NormalExit);
    QCOMPARE(player.exitCode(), 0);
}

ZAND_TEST_MAIN(AtspiTest)
#include "tst_atspi.moc"
