// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the machine through its window: bets, spins, paylines, the
// count-up, nudges and closing in the middle of it all.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"

#include "app/Controls.h"
#include "platform/EventClock.h"
#include "game/PayTable.h"
#include "game/SavedGame.h"
#include "game/SpinResult.h"
#include "game/Strips.h"
#include "platform/Canvas.h"
#include "reels/Nudger.h"
#include "reels/Payout.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

using namespace zand;

using namespace ScreenProbe;

using namespace GameSounds;

namespace {

// What the pay table gives for these stops on the lines bet, counting a
// bonus line as `bonusPrize` credits.
int paidFor(const std::array<int, 3> &stops, int linesBet, int bonusPrize = 0)
{
    const SpinResult result = evaluate(stops, linesBet);
    int paid = result.total;
    for (const LineResult &line : result.lines)
        paid += line.outcome == PayTable::Outcome::Bonus ? bonusPrize : 0;
    return paid;
}

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linesArePaidByTheTable_data();
    void linesArePaidByTheTable();
    void spinRunsFortySevenTicksAndLandsTheChosenStops();
    void closingDuringASpinSettlesItAndSavesTheCredits();
    void betCommandsPlaceCoinsAndSpin();
    void spinRebetsTheLastBetOrRefuses();
    void controlsAnswerOnlyInTheirZonesAndKeys();
    void doubleClickOnBetOnePlacesTwoCoins();
    void countUpOfTwoHundredFiftyTakesFiftySteps();
    void nudgesMoveOneStopAndPayLikeASpin();
    void keysNudgeTheReelTheyName_data();
    void keysNudgeTheReelTheyName();
    void noNudgeDuringASpinAndCoinsSurviveANudge();
    void accountsBalanceOverManySpins();
    void gameChangingMenusAreShutWhileTheReelsMove();
    void closingDuringANudgeSettlesItsWin();
    void aSpinOnTheRealClockLeavesTheEventLoopFree();

private:
    GameState &state() { return m_game->state(); }
    MainWindow &window() { return *m_game->window; }
    int s(int v) const { return probe(*m_game->window).config().scale(v); }
    void press(int x, int y) { ScreenProbe::click(probe(window()).canvas(), QPoint(s(x), s(y))); }
    // Fixed prizes for the bonus lines: credits, or 1 for six nudges.
    void bonusPays(int prize);

    std::unique_ptr<GameFixture> m_game;
    // Picks a safe whenever a random spin happens to open the bonus screen.
    std::unique_ptr<ModalAnswerer> m_answerer;
    int m_bonusGames = 0;
};

void PlayTest::init()
{
    m_game = std::make_unique<GameFixture>();
    m_game->addAssets({CoinSound, WinSound});
    m_game->start();
    // A random spin that opens the vault settles at once, prize nothing:
    // its screen would wait for the event loop while the test goes on.
    probe(window()).skipBonusGames();
    m_answerer = std::make_unique<ModalAnswerer>();
    m_bonusGames = 0;
}

void PlayTest::cleanup()
{
    m_answerer.reset();
    m_game.reset();
}

void PlayTest::bonusPays(int prize)
{
    probe(window()).payout().setBonusGame([this, prize] {
        ++m_bonusGames;
        probe(window()).machine().payBonus(prize);
        probe(window()).machine().closeVault();
    });
}

void PlayTest::linesArePaidByTheTable_data()
{
    QTest::addColumn<QList<int>>("stops");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("prize");
    QTest::addColumn<int>("won");
    QTest::addColumn<QList<bool>>("lineWon");
    QTest::addColumn<bool>("nudgeMode");
    QTest::addColumn<int>("nudgesGained");
    QTest::addColumn<int>("wildRow");
    QTest::addColumn<bool>("winSound");
    QTest::addColumn<int>("bonusGames");

    const QList<bool> none{false, false, false};
    QTest::newRow("0,0,0 on the top line, one coin") << QList<int>{1, 9, 11} << 1 << 0 << 0 << none << true << 0 << 1 << false << 0;
    QTest::newRow("0,0,0 on the top line, two coins") << QList<int>{1, 9, 11} << 2 << 0 << 250 << QList<bool>{false, true, false} << false << 0 << 1 << true << 0;
    QTest::newRow("0,0,Wild pays and gives nudges") << QList<int>{1, 9, 8} << 2 << 0 << 250 << QList<bool>{false, true, false} << false << 2 << 0 << true << 0;
    QTest::newRow("two lines, one with the Wild") << QList<int>{6, 3, 8} << 3 << 0 << 15 << QList<bool>{false, true, true} << false << 2 << 0 << true << 0;
    QTest::newRow("same stops, one coin") << QList<int>{6, 3, 8} << 1 << 0 << 0 << none << true << 0 << 0 << false << 0;
    QTest::newRow("unbet bonus line still plays") << QList<int>{7, 8, 2} << 1 << 50 << 50 << QList<bool>{false, false, true} << false << 0 << 1 << true << 1;
    QTest::newRow("Bonus,Bonus,Wild unbet matches nothing") << QList<int>{9, 10, 8} << 1 << 50 << 0 << none << true << 0 << 0 << false << 0;
    QTest::newRow("Bonus,Bonus,Wild bet pays the prize and nudges") << QList<int>{9, 10, 8} << 2 << 50 << 50 << QList<bool>{false, true, false} << false << 2 << 0 << true << 1;
    QTest::newRow("six nudges is no win") << QList<int>{8, 9, 3} << 1 << 1 << 0 << none << true << 6 << 1 << false << 1;
    QTest::newRow("a losing spin opens nudge mode") << QList<int>{2, 9, 8} << 2 << 0 << 0 << none << true << 0 << 0 << false << 0;
}

void PlayTest::linesArePaidByTheTable()
{
    QFETCH(QList<int>, stops);
    QFETCH(int, bet);
    QFETCH(int, prize);
    QFETCH(int, won);
    QFETCH(QList<bool>, lineWon);
    QFETCH(bool, nudgeMode);
    QFETCH(int, nudgesGained);
    QFETCH(int, wildRow);
    QFETCH(bool, winSound);
    QFETCH(int, bonusGames);

    bonusPays(prize);
    state().reelStops = {stops[0], stops[1], stops[2]};
    state().bet = bet;
    state().nudges = 1;
    state().wildRow = 1;
    const int credits = state().credits;
    m_game->sound.played.clear();

    probe(window()).payout().evaluateLines(state().bet);

    QCOMPARE(state().credits - credits, won);
    QCOMPARE(state().spinWin, 0);
    QCOMPARE((QList<bool>{state().lineWon[0], state().lineWon[1], state().lineWon[2]}), lineWon);
    QCOMPARE(state().nudgeMode, nudgeMode);
    QCOMPARE(state().nudges - 1, nudgesGained);
    QCOMPARE(state().wildRow, wildRow);
    QCOMPARE(m_game->sound.count(WinSound) == 1, winSound);
    QCOMPARE(m_bonusGames, bonusGames);
    QCOMPARE(probe(window()).lights().winLines.isActive(), won > 0);
    QCOMPARE(probe(window()).lights().nudgeLights.isActive(), won == 0);
    if (won > 0)
        QVERIFY(m_game->sound.names().indexOf(WinSound) < m_game->sound.names().indexOf(TallySound));
}

void PlayTest::spinRunsFortySevenTicksAndLandsTheChosenStops()
{
    state().credits = 100;
    state().spins = 4;
    state().totalBets = 10;
    int spinsAtFirstFrame = -1, betsAtFirstFrame = -1;
    m_game->clock.onPump = [&] {
        if (spinsAtFirstFrame < 0) {
            spinsAtFirstFrame = state().spins;
            betsAtFirstFrame = state().totalBets;
        }
    };
    m_game->sound.played.clear();
    const std::uint32_t start = m_game->clock.now;
    probe(window()).controls().betOne();
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    m_game->clock.onPump = nullptr;
    probe(window()).lights().stopAll();

    QCOMPARE(spinsAtFirstFrame, 5);
    QCOMPARE(betsAtFirstFrame, 12);
    QList<std::uint32_t> landings;
    for (const auto &p : m_game->sound.played)
        if (p.name == StopSound)
            landings << (p.tick - start) / 25;
    QCOMPARE(landings, (QList<std::uint32_t>{21, 30, 39}));
    QCOMPARE(state().bet, 0);
    QCOMPARE(state().lastBet, 2);
    QVERIFY(probe(window()).machine().controlsOpen());

    // The reels at rest show the chosen stops (the Wild may be mid-animation).
    for (int reel = 0; reel < 3; ++reel) {
        const auto symbols = Strips::visible(reel, state().reelStops[reel]);
        for (int row = 0; row < 3; ++row) {
            const QImage shown = reelCell(probe(window()).canvas(), probe(window()).pictures(), reel, row);
            bool matches = same(shown, sheetCell(probe(window()).pictures(), symbols[row]));
            for (int frame = 10; frame <= 11 && symbols[row] == Strips::Wild; ++frame)
                matches = matches || same(shown, sheetCell(probe(window()).pictures(), frame));
            QVERIFY2(matches, qPrintable(QStringLiteral("reel %1 row %2").arg(reel).arg(row)));
        }
    }
}

void PlayTest::closingDuringASpinSettlesItAndSavesTheCredits()
{
    ModalAnswerer answerer;
    std::array<int, 3> stopsAtClose{};
    int soundsAtClose = -1;
    m_game->clock.onPump = [&] {
        if (soundsAtClose < 0 && m_game->clock.now > 1000 + 25 * 10) {
            soundsAtClose = static_cast<int>(m_game->sound.played.size());
            stopsAtClose = state().reelStops;
            window().close();
        }
    };
    bonusPays(100);
    probe(window()).controls().betMax();
    m_game->clock.onPump = nullptr;

    QVERIFY(soundsAtClose >= 0);
    QVERIFY(!window().isVisible());
    QCOMPARE(state().reelStops, stopsAtClose);
    QCOMPARE(static_cast<int>(m_game->sound.played.size()), soundsAtClose);
    QCOMPARE(state().spinWin, 0);

    // The win, whatever it was, is in the credits that were saved.
    const int expected = paidFor(stopsAtClose, 3, 100);
    QCOMPARE(state().credits, 997 + expected);
    QCOMPARE(probe(*m_game->window).savedGames().load(8).values.credits, 997 + expected);
}

void PlayTest::betCommandsPlaceCoinsAndSpin()
{
    ModalAnswerer answerer;
    state().credits = 2;
    m_game->sound.played.clear();
    probe(window()).controls().betMax();
    QCOMPARE(state().bet, 2);
    QCOMPARE(state().credits, 0);
    QCOMPARE(m_game->sound.count(CoinSound), 2);
    QCOMPARE(state().spins, 0);
    probe(window()).controls().spin();
    QCOMPARE(state().spins, 1);
    QCOMPARE(state().totalBets, 2);

    // Three presses on Bet One: the third spins at once.
    state().credits = 10;
    for (int i = 0; i < 3; ++i)
        press(600, 390);
    QCOMPARE(state().spins, 2);
    QCOMPARE(state().lastBet, 3);

    // Out of credits: Bet One says so, Bet Max says nothing.
    state().credits = 0;
    probe(window()).controls().betOne();
    probe(window()).controls().betMax();
    QCOMPARE(answerer.messages, QStringList{"You are out of credits...better borrow some!"});
    QCOMPARE(state().bet, 0);
}

void PlayTest::spinRebetsTheLastBetOrRefuses()
{
    ModalAnswerer answerer;
    state().credits = 0;
    state().lastBet = 3;
    probe(window()).controls().spin();
    QCOMPARE(answerer.messages, QStringList{"No bet was placed!"});
    QCOMPARE(state().spins, 0);

    state().credits = 3;
    m_game->sound.played.clear();
    probe(window()).controls().spin();
    QCOMPARE(state().spins, 1);
    QCOMPARE(state().totalBets, 3);
    QCOMPARE(m_game->sound.count(CoinSound), 0);
}

void PlayTest::controlsAnswerOnlyInTheirZonesAndKeys()
{
    if (probe(window()).config().layoutWidth == 1152) {
        QCOMPARE(s(577), 830);
        QCOMPARE(s(655), 943);
        QCOMPARE(s(293), 421);
        QCOMPARE(s(352), 506);
    }
    ModalAnswerer answerer;
    ScreenProbe::click(probe(window()).canvas(), QPoint(s(577), s(362)));
    QCOMPARE(state().bet, 1);
    ScreenProbe::click(probe(window()).canvas(), QPoint(s(655) + 1, s(362)));
    QCOMPARE(state().bet, 1);
    press(600, 150); // the badge
    QCOMPARE(state().bet, 2);
    QTest::keyClick(&probe(window()).canvas(), Qt::Key_Space);
    QCOMPARE(state().spins, 1);
    QTest::keyClick(&probe(window()).canvas(), Qt::Key_B);
    QCOMPARE(state().bet, 1);
    QTest::keyClick(&probe(window()).canvas(), Qt::Key_M);
    QCOMPARE(state().spins, 2);
    QCOMPARE(state().lastBet, 3);
    QTest::keyClick(&probe(window()).canvas(), Qt::Key_Return);
    QCOMPARE(state().spins, 3);

    // A Spin press while the reels turn does nothing.
    int spinsDuring = -1;
    m_game->clock.onPump = [&] {
        if (spinsDuring < 0) {
            ScreenProbe::click(probe(window()).canvas(), QPoint(s(600), s(320)));
            QTest::keyClick(&probe(window()).canvas(), Qt::Key_Space);
            spinsDuring = state().spins;
        }
    };
    press(600, 460); // Bet Max
    m_game->clock.onPump = nullptr;
    QCOMPARE(spinsDuring, 4);
    QCOMPARE(state().spins, 4);
}

void PlayTest::doubleClickOnBetOnePlacesTwoCoins()
{
    QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, {},
                       probe(window()).canvas().mapTo(
                           &window(), ScreenProbe::widgetPosition(probe(window()).canvas(),
                                                                  QPoint(s(600), s(390)))
                                          .toPoint()));
    QCOMPARE(state().bet, 2);
}

void PlayTest::countUpOfTwoHundredFiftyTakesFiftySteps()
{
    probe(window()).canvas().fillRect(probe(window()).view().scaled(330, 20, 440, 37), Qt::black);
    state().reelStops = {1, 9, 11};
    state().bet = 2;
    m_game->sound.played.clear();
    probe(window()).payout().evaluateLines(state().bet);
    QCOMPARE(m_game->sound.count(TallySound), 50);
    QVERIFY(!allBlack(probe(window()).canvas().grab(probe(window()).view().scaled(330, 20, 440, 37))));
}

void PlayTest::nudgesMoveOneStopAndPayLikeASpin()
{
    // Stop 1 wraps to 30.
    state().reelStops = {1, 9, 11};
    state().nudges = 3;
    state().lastBet = 1;
    probe(window()).payout().evaluateLines(state().bet);
    QVERIFY(state().nudgeMode);
    press(290, 250);
    QCOMPARE(state().reelStops[0], 30);
    QCOMPARE(state().nudges, 2);
    QCOMPARE(Strips::visible(0, 30), (std::array<int, 3>{7, 0, 1}));

    // 2, 9, 8 with two coins: the nudge costs one and returns two.
    state().reelStops = {2, 9, 8};
    state().lastBet = 2;
    state().nudges = 1;
    probe(window()).payout().evaluateLines(2);
    QVERIFY(state().nudgeMode);
    const int credits = state().credits;
    press(290, 250);
    QCOMPARE(state().reelStops[0], 1);
    QCOMPARE(state().credits - credits, 250);
    QCOMPARE(state().nudges, 2);
    QVERIFY(!state().nudgeMode);

    // The last nudge, winning nothing, darkens the lights.
    state().reelStops = {1, 9, 11};
    state().nudges = 1;
    state().lastBet = 1;
    probe(window()).payout().evaluateLines(state().bet);
    press(290, 250);
    QCOMPARE(state().nudges, 0);
    QVERIFY(!state().nudgeMode);
    QVERIFY(!probe(window()).lights().nudgeLights.isActive());
    const QRect light = probe(window()).view().scaled(260, 246, 332, 263);
    const QImage &face = probe(window()).pictures().nudgeLight;
    QImage dark = face.copy(0, 0, face.width(), face.height() / 2)
                      .scaled(light.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (light.size() == dark.size() && probe(window()).config().layoutWidth == 800)
        QVERIFY(same(probe(window()).canvas().grab(light), dark));

    // A click with nudge mode off changes nothing.
    state().nudges = 5;
    state().nudgeMode = false;
    press(290, 250);
    QCOMPARE(state().nudges, 5);
}

void PlayTest::keysNudgeTheReelTheyName_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("reel");
    QTest::newRow("1") << int(Qt::Key_1) << 0;
    QTest::newRow("2") << int(Qt::Key_2) << 1;
    QTest::newRow("3") << int(Qt::Key_3) << 2;
    QTest::newRow("N: the left reel first") << int(Qt::Key_N) << 0;
}

void PlayTest::keysNudgeTheReelTheyName()
{
    QFETCH(int, key);
    QFETCH(int, reel);
    state().reelStops = {4, 9, 11};
    state().nudges = 3;
    state().lastBet = 1;
    probe(window()).payout().evaluateLines(state().bet);
    QVERIFY(state().nudgeMode);
    std::array<int, 3> moved = state().reelStops;
    moved[reel] -= 1;
    QTest::keyClick(&probe(window()).canvas(), Qt::Key(key));
    QCOMPARE(state().reelStops, moved);
    QCOMPARE(state().nudges, 2);
}

void PlayTest::noNudgeDuringASpinAndCoinsSurviveANudge()
{
    // A nudge press in the middle of a spin is ignored, though nudge mode
    // from the last spin is still set.
    state().nudges = 4;
    state().nudgeMode = true;
    int nudgesDuring = -1;
    m_game->clock.onPump = [&] {
        if (nudgesDuring < 0) {
            press(290, 250);
            nudgesDuring = state().nudges;
        }
    };
    probe(window()).controls().betMax();
    m_game->clock.onPump = nullptr;
    QCOMPARE(nudgesDuring, 4);

    // While a nudge runs, the bet and spin controls are shut.
    state().reelStops = {1, 9, 11};
    state().lastBet = 1;
    state().nudges = 4;
    probe(window()).payout().evaluateLines(state().bet);
    QVERIFY(state().nudgeMode);
    probe(window()).controls().betOne(); // a coin placed before the nudge
    const int credits = state().credits;
    int betDuring = -1;
    m_game->clock.onPump = [&] {
        if (betDuring < 0) {
            press(600, 390);
            QTest::keyClick(&probe(window()).canvas(), Qt::Key_Space);
            betDuring = state().bet;
        }
    };
    press(290, 250);
    m_game->clock.onPump = nullptr;
    QCOMPARE(betDuring, 1);
    QCOMPARE(state().bet, 1);
    QCOMPARE(state().credits, credits);
    QCOMPARE(state().spins, 1);
}

void PlayTest::accountsBalanceOverManySpins()
{
    probe(window()).newGame();
    std::int64_t paid = 0, bonus = 0;
    const auto judge = [&] { paid += paidFor(state().reelStops, state().lastBet); };
    for (int spin = 0; spin < 200; ++spin) {
        const int bonusBefore = state().bonusWon;
        if (state().credits < 3) { // borrow, as the player would
            state().credits += 1000;
            state().borrowed += 1000;
        }
        const int coins = 1 + spin % 3;
        for (int c = 0; c < coins && state().bet < 3; ++c)
            probe(window()).controls().betOne();
        if (state().bet > 0 && state().spins == spin)
            probe(window()).controls().spin();
        // A vault's screen is answered from the event loop.
        QTRY_VERIFY(probe(window()).machine().controlsOpen());
        judge();
        while (state().nudgeMode && state().nudges > 0) {
            press(290 + 104 * (spin % 3), 250);
            QTRY_VERIFY(probe(window()).machine().controlsOpen());
            judge();
        }
        bonus += state().bonusWon - bonusBefore;
    }
    QCOMPARE(state().spins, 200);
    QCOMPARE(std::int64_t(state().credits) + state().totalBets - state().borrowed, paid + bonus);
    QCOMPARE(std::int64_t(state().bonusWon), bonus);
}

void PlayTest::gameChangingMenusAreShutWhileTheReelsMove()
{
    QAction *newGame = nullptr;
    for (QAction *action : window().findChildren<QAction *>())
        if (action->text() == QStringLiteral("&New Game"))
            newGame = action;
    QVERIFY(newGame);
    QVERIFY(newGame->isEnabled());
    bool enabledDuringSpin = true, enabledDuringNudge = true;
    m_game->clock.onPump = [&] { enabledDuringSpin = enabledDuringSpin && newGame->isEnabled(); };
    probe(window()).controls().betMax();
    QVERIFY(!enabledDuringSpin);
    QVERIFY(newGame->isEnabled());

    state().reelStops = {1, 9, 11};
    state().lastBet = 1;
    state().nudges = 2;
    probe(window()).payout().evaluateLines(state().bet);
    m_game->clock.onPump = [&] { enabledDuringNudge = enabledDuringNudge && newGame->isEnabled(); };
    press(290, 250);
    m_game->clock.onPump = nullptr;
    QCOMPARE(state().nudges, 1);
    QVERIFY(!enabledDuringNudge);
    QVERIFY(newGame->isEnabled());
}

void PlayTest::closingDuringANudgeSettlesItsWin()
{
    // 2, 9, 8 with two coins: nudging reel 1 wins 250, and the window is
    // closed in the middle of the count-up.
    state().reelStops = {2, 9, 8};
    state().lastBet = 2;
    state().nudges = 1;
    probe(window()).payout().evaluateLines(2);
    const int credits = state().credits;
    m_game->clock.onPump = [&] {
        if (m_game->sound.count(TallySound) == 10)
            window().close();
    };
    m_game->sound.played.clear();
    press(290, 250);
    m_game->clock.onPump = nullptr;
    QVERIFY(!window().isVisible());
    QCOMPARE(m_game->sound.count(TallySound), 10);
    QCOMPARE(state().credits, credits + 250);
    QCOMPARE(probe(*m_game->window).savedGames().load(8).values.credits, credits + 250);
    QCOMPARE(probe(*m_game->window).savedGames().load(8).values.nudges, 2);
}

void PlayTest::aSpinOnTheRealClockLeavesTheEventLoopFree()
{
    GameFixture game;
    EventClock realClock;
    game.gameClock = &realClock;
    MainWindow &window = game.start();
    probe(window).skipBonusGames();
    Machine &machine = probe(window).machine();
    int timerRuns = 0;
    QTimer beside;
    connect(&beside, &QTimer::timeout, [&] { ++timerRuns; });
    beside.start(50);

    QElapsedTimer elapsed;
    elapsed.start();
    probe(window).controls().betOne();
    probe(window).controls().spin();
    // The spin returned at once; it goes on from the event loop.
    QCOMPARE(machine.phase(), Machine::Phase::Spinning);
    QTRY_VERIFY_WITH_TIMEOUT(machine.controlsOpen(), 10'000);
    QVERIFY(elapsed.elapsed() >= ReelSpinner::Ticks * ReelSpinner::TickMs);
    QVERIFY(timerRuns >= 10);
    QCOMPARE(machine.state().spins, 1);
}

ZAND_TEST_MAIN(PlayTest)
#include "tst_play.moc"
