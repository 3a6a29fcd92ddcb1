// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a turn, played on the machine alone: no window, no clock.
#include "game/Machine.h"
#include "game/Prizes.h"
#include "game/Random.h"

#include <QSignalSpy>
#include <QTest>

using namespace zand;

namespace {

// Settles what the machine judged as the game does, the vault paying
// `prize`; returns what was counted into the credits.
int settle(Machine &m, int linesBet, int prize = 25)
{
    const int before = m.state().credits;
    m.judge(linesBet);
    while (m.settleLines() == Machine::Lines::Bonus) {
        m.payBonus(prize);
        m.closeVault();
    }
    while (m.countUpStep() > 0) {
    }
    m.endTurn();
    return m.state().credits - before;
}

} // namespace

class MachineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void coinsAreTakenFromTheCreditsAndTheLastBetIsPlacedAgain();
    void aSpinChargesTheBooksAndCountsItsWinIn();
    void aNudgeIsTakenOnlyWhenOfferedAndCostsOne();
    void theVaultPaysCreditsOrNudges_data();
    void theVaultPaysCreditsOrNudges();
    void theBankMovesBothBalancesOrNothing();
    void booksBalanceOverManySpins();

private:
    Machine &m() { return *m_machine; }

    std::unique_ptr<Machine> m_machine;
};

void MachineTest::init()
{
    m_machine = std::make_unique<Machine>();
    m().newGame();
}

void MachineTest::coinsAreTakenFromTheCreditsAndTheLastBetIsPlacedAgain()
{
    QSignalSpy credits(&m(), &Machine::creditsChanged);
    QVERIFY(m().controlsOpen());
    QVERIFY(!m().takeBet()); // nothing placed, nothing to place again
    QVERIFY(m().placeCoin());
    QCOMPARE(m().placeMax(), 2);
    QCOMPARE(m().state().bet, 3);
    QCOMPARE(m().state().credits, 997);
    QCOMPARE(credits.size(), 3);

    m().spin({2, 9, 8});
    settle(m(), 3);
    QCOMPARE(m().state().lastBet, 3);
    QCOMPARE(m().state().bet, 0);
    const int held = m().state().credits;
    QVERIFY(m().takeBet());
    QCOMPARE(m().state().bet, 3);
    QCOMPARE(m().state().credits, held - 3);

    GameRecord empty;
    empty.credits = 0;
    m().restore(empty);
    QVERIFY(!m().placeCoin());
    QCOMPARE(m().state().credits, 0);
}

void MachineTest::aSpinChargesTheBooksAndCountsItsWinIn()
{
    QSignalSpy ended(&m(), &Machine::turnEnded);
    m().placeCoin();
    m().placeCoin();
    m().spin({1, 9, 11}); // 0, 0, 0 on the top line: 250 on two coins
    QCOMPARE(m().phase(), Machine::Phase::Spinning);
    QVERIFY(!m().placeCoin()); // shut while the reels turn
    QCOMPARE(m().state().spins, 1);
    QCOMPARE(m().state().totalBets, 2);
    QCOMPARE(settle(m(), 2), 250);
    QCOMPARE(m().state().lineWon, (std::array<bool, 3>{false, true, false}));
    QVERIFY(!m().nudgeOffered());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.at(0).at(0).toInt(), 250);
    QCOMPARE(m().phase(), Machine::Phase::Idle);
}

void MachineTest::aNudgeIsTakenOnlyWhenOfferedAndCostsOne()
{
    QVERIFY(!m().nudge(0)); // no spin lost yet
    m().placeCoin();
    m().spin({1, 9, 11}); // one coin: the middle line matches nothing
    QVERIFY(!m().nudge(0)); // not while the reels turn
    QCOMPARE(settle(m(), 1), 0);
    QVERIFY(m().nudgeOffered());
    QVERIFY(m().nudge(0));
    QCOMPARE(m().state().reelStops[0], 30); // stop 1 wraps
    QCOMPARE(m().state().nudges, 5);
    QCOMPARE(m().phase(), Machine::Phase::Nudging);
    settle(m(), m().state().lastBet);
    QCOMPARE(m().state().spins, 1); // a nudge is no spin
    QVERIFY(!m().nudge(4));
}

void MachineTest::theVaultPaysCreditsOrNudges_data()
{
    QTest::addColumn<int>("prize");
    QTest::addColumn<int>("credits");
    QTest::addColumn<int>("nudges");
    QTest::newRow("credits") << 50 << 50 << 0;
    QTest::newRow("six nudges") << Prizes::SixNudges << 0 << Prizes::NudgesWon;
}

void MachineTest::theVaultPaysCreditsOrNudges()
{
    QFETCH(int, prize);
    QFETCH(int, credits);
    QFETCH(int, nudges);
    m().placeCoin();
    m().spin({8, 9, 3}); // Bonus, Bonus, Bonus on the middle line
    m().judge(1);
    QCOMPARE(m().settleLines(), Machine::Lines::Bonus);
    QCOMPARE(m().phase(), Machine::Phase::Bonus);
    m().payBonus(prize);
    m().closeVault();
    QCOMPARE(m().settleLines(), Machine::Lines::Settled);
    while (m().countUpStep() > 0) {
    }
    m().endTurn();
    QCOMPARE(m().state().credits, 999 + credits);
    QCOMPARE(m().state().bonusWon, credits);
    QCOMPARE(m().state().nudges, 6 + nudges);
    m().payBonus(250); // no vault open: nothing is paid
    QCOMPARE(m().state().bonusWon, credits);
}

void MachineTest::theBankMovesBothBalancesOrNothing()
{
    QCOMPARE(m().borrow(Borrowing::Mode::Borrow, 100).refusal, Borrowing::Refusal::None);
    QCOMPARE(m().state().credits, 1100);
    QCOMPARE(m().state().borrowed, 1100);
    QCOMPARE(m().borrow(Borrowing::Mode::PayBack, 1000).refusal, Borrowing::Refusal::None);
    QCOMPARE(m().borrow(Borrowing::Mode::PayBack, 1000).refusal, Borrowing::Refusal::NotEnoughCredits);
    QCOMPARE(m().state().credits, 100);
    QCOMPARE(m().state().borrowed, 100);
}

void MachineTest::booksBalanceOverManySpins()
{
    Random random(7);
    std::int64_t counted = 0;
    connect(&m(), &Machine::turnEnded, this, [&](int won) { counted += won; });
    for (int spin = 0; spin < 3000; ++spin) {
        if (m().state().credits < 3)
            m().borrow(Borrowing::Mode::Borrow, 1000);
        for (int coin = 0; coin <= spin % 3; ++coin)
            m().placeCoin();
        m().takeBet();
        m().spin({random.below(30) + 1, random.below(30) + 1, random.below(30) + 1});
        settle(m(), m().state().bet, spin % 2 ? Prizes::SixNudges : 100);
        while (m().nudgeOffered()) {
            m().nudge(spin % 3);
            settle(m(), m().state().lastBet);
        }
    }
    const GameState &s = m().state();
    QCOMPARE(s.spins, 3000);
    QCOMPARE(std::int64_t{s.credits} + s.totalBets - s.borrowed, counted);
    QVERIFY(s.bonusWon % 100 == 0);
}

QTEST_GUILESS_MAIN(MachineTest)
#include "tst_machine.moc"
