// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game is never lost to an ending it did not choose: a stop signal
// closes it as the close box does, with the spin in flight settled and the
// game saved, and every settled spin and nudge is on disk at once, which is
// all a kill or a power cut would leave behind.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "SpinSeeds.h"

#include "bonus/BonusScreen.h"
#include "game/SavedGame.h"
#include "platform/HelpWindow.h"
#include "platform/SignalWatcher.h"

#include <QDir>
#include <QTest>

#include <csignal>

using namespace zand;

namespace {

// The watcher as the program sets it up.
struct StopSignals
{
    explicit StopSignals(MainWindow &window)
    {
        QObject::connect(&watcher, &SignalWatcher::caught, &window, &MainWindow::closeUnattended);
    }
    SignalWatcher watcher{SIGTERM, SIGINT, SIGHUP};
};

} // namespace

class ShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    void stopSignalMidSpinSettlesItAndSaves_data();
    void stopSignalMidSpinSettlesItAndSaves();
    void stopSignalPicksASafeOnTheBonusScreen();
    void stopSignalClosesAnOpenMessageBox();
    void everySettledSpinAndNudgeIsOnDiskAtOnce();
    void failedWritesAfterPlayAreReportedOnceUntilOneSucceeds();
    void stopSignalEndsTheProgramWithTheManualOpen();

private:
    GameRecord onDisk() const { return SavedGameFile(m_game->savedGamePath()).load(8).values; }
    void blockSavedGameFile(bool blocked);
    void seedNextSpin(bool bonus);

    std::unique_ptr<GameFixture> m_game;
};

void ShutdownTest::blockSavedGameFile(bool blocked)
{
    // A plain file where the file's directory should be: no write can succeed.
    const QString directory = QFileInfo(m_game->savedGamePath()).path();
    QDir(directory).removeRecursively();
    QFile::remove(directory);
    if (blocked)
        m_game->writeFile("config", "in the way");
}

void ShutdownTest::seedNextSpin(bool bonus)
{
    MainWindowProbe p = probe(*m_game->window);
    p.lights().stopAll();
    p.random().seed(seedWhoseSpin(p.pictures().blurHeight, 3, [bonus](const SpinResult &r) {
        return bonus ? r.opensBonus : r.total > 0 && !r.opensBonus;
    }));
}

void ShutdownTest::stopSignalMidSpinSettlesItAndSaves_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void ShutdownTest::stopSignalMidSpinSettlesItAndSaves()
{
    QFETCH(int, signalNumber);
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    GameState &s = m_game->state();
    struct sigaction before = {};
    sigaction(signalNumber, nullptr, &before);
    {
        StopSignals stop(window);
        seedNextSpin(false);
        std::array<int, 3> stopsAtSignal{};
        m_game->clock.onPump = [&] {
            if (m_game->clock.now > 1000 + 25 * 10 && stopsAtSignal[0] == 0) {
                stopsAtSignal = s.reelStops;
                std::raise(signalNumber);
            }
        };
        probe(window).controls().betMax();
        m_game->clock.onPump = nullptr;

        QVERIFY(stopsAtSignal[0] != 0);
        QVERIFY(!window.isVisible());
        QCOMPARE(s.reelStops, stopsAtSignal);
        QVERIFY(!probe(window).machine().busy());
        QCOMPARE(s.spinWin, 0);
        QCOMPARE(s.spins, 1);
        QCOMPARE(s.credits, 997 + evaluate(stopsAtSignal, 3).total);
        QCOMPARE(onDisk(), s.record());
    }
    // Without the watcher the signal's handling before it is back.
    struct sigaction after = {};
    sigaction(signalNumber, nullptr, &after);
    QVERIFY(after.sa_handler == before.sa_handler);
}

void ShutdownTest::stopSignalPicksASafeOnTheBonusScreen()
{
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    GameState &s = m_game->state();
    StopSignals stop(window);
    int screens = 0;
    ModalAnswerer answerer([&](QWidget *modal) {
        if (!qobject_cast<BonusScreen *>(modal))
            return;
        // Should the screen outlive the signal, a key picks a safe.
        if (screens++ == 0)
            std::raise(SIGTERM);
        else
            QTest::keyClick(modal, Qt::Key_Space);
    });
    seedNextSpin(true);
    probe(window).controls().betMax();
    QTRY_VERIFY(!window.isVisible());

    QCOMPARE(screens, 1);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!window.isVisible());
    QCOMPARE(s.spinWin, 0);
    // Whatever the safe held is in the books that were saved.
    const bool gotNudges = s.nudges >= 6;
    QCOMPARE(s.credits, 997 + evaluate(s.reelStops, 3).total + s.bonusWon);
    QVERIFY(gotNudges != (s.bonusWon > 0));
    QCOMPARE(onDisk(), s.record());
}

void ShutdownTest::stopSignalClosesAnOpenMessageBox()
{
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    StopSignals stop(window);
    m_game->state().credits = 0;
    m_game->state().spins = 41;
    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        boxShown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr;
        std::raise(SIGTERM);
    });
    // Answers the box only if the signal left it standing.
    QStringList unanswered;
    QTimer::singleShot(3000, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            unanswered << box->text();
            box->accept();
        }
    });
    probe(window).controls().betOne();

    QVERIFY(boxShown);
    QCOMPARE(unanswered, QStringList{});
    QVERIFY(!window.isVisible());
    QCOMPARE(onDisk().spins, 41);
}

void ShutdownTest::everySettledSpinAndNudgeIsOnDiskAtOnce()
{
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    GameState &s = m_game->state();
    ModalAnswerer answerer;
    // An open vault would hold the next spin back.
    probe(window).skipBonusGames();
    for (int spin = 1; spin <= 12; ++spin) {
        probe(window).controls().betMax();
        QCOMPARE(s.spins, spin);
        QCOMPARE(onDisk(), s.record());
    }

    s.reelStops = {2, 9, 8};
    s.lastBet = 2;
    s.nudges = 1;
    probe(window).payout().evaluateLines(0);
    const int credits = s.credits;
    QTest::mouseClick(&probe(window).canvas(), Qt::LeftButton, {},
                      QPoint(probe(window).config().scale(290), probe(window).config().scale(250)));
    QCOMPARE(s.credits, credits + 250);
    QCOMPARE(onDisk(), s.record());
    QVERIFY(answerer.messages.isEmpty());
}

void ShutdownTest::failedWritesAfterPlayAreReportedOnceUntilOneSucceeds()
{
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    ModalAnswerer answerer;
    probe(window).skipBonusGames();
    const auto spins = [&](int count) {
        for (int i = 0; i < count; ++i)
            probe(window).controls().betMax();
    };
    const QStringList once{"Unable to write to zandslots.ini"};

    blockSavedGameFile(true);
    spins(3);
    QCOMPARE(answerer.messages, once);
    // The desktop session ending asks no question either.
    probe(window).endOfSession();
    QCOMPARE(answerer.messages, once);

    blockSavedGameFile(false);
    spins(1);
    QCOMPARE(answerer.messages, once);
    QCOMPARE(onDisk(), m_game->state().record());
    m_game->state().credits = 4321;
    probe(window).endOfSession();
    QCOMPARE(onDisk().credits, 4321);

    blockSavedGameFile(true);
    spins(2);
    QCOMPARE(answerer.messages, once + once);
}

void ShutdownTest::stopSignalEndsTheProgramWithTheManualOpen()
{
    m_game = std::make_unique<GameFixture>();
    MainWindow &window = m_game->start();
    StopSignals stop(window);
    HelpWindow manual(m_game->browser, QUrl());
    manual.show();
    // The program's own event loop, which ends with its last window.
    QTimer::singleShot(0, &window, [] { std::raise(SIGTERM); });
    QTimer giveUp;
    bool stillRunning = false;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [&] {
        stillRunning = true;
        QCoreApplication::quit();
    });
    giveUp.start(5000);
    QApplication::exec();
    QVERIFY(!window.isVisible());
    QVERIFY(!stillRunning);
}

ZAND_TEST_MAIN(ShutdownTest)
#include "tst_shutdown.moc"
