// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineOdds.h"
#include "Simulation.h"

#include <QTest>

#include <cmath>

// The figures printed in the manual, checked against counts made by hand
// from the strips and against each other.
class TestOdds : public QObject
{
    Q_OBJECT

private slots:
    void everyLineCoversAllCombinationsAlike();
    void triplesMatchTheHandCount_data();
    void triplesMatchTheHandCount();
    void threeCoinsReturnThreeTimesOneCoin();
    void playedSpinsAgreeWithTheExactCounts();
};

void TestOdds::everyLineCoversAllCombinationsAlike()
{
    const odds::LineCounts first = odds::countLine(0);
    for (int line = 0; line < 3; ++line) {
        const odds::LineCounts counts = odds::countLine(line);
        int total = counts.bonus + counts.bonusWild + counts.noMatch;
        for (const odds::Triple &t : counts.paying)
            total += t.count;
        QCOMPARE(total, odds::Combinations);
        QCOMPARE(counts.pays, first.pays);
        QCOMPARE(counts.noMatch, first.noMatch);
    }
}

void TestOdds::triplesMatchTheHandCount_data()
{
    // Symbol counts per strip multiplied out by hand: reel 1 x reel 2 x
    // (reel 3's own symbols + its two Wilds).
    QTest::addColumn<int>("symbol");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("withWild");
    QTest::addColumn<int>("pay");
    QTest::newRow("diamonds") << 0 << 6 << 4 << 250;
    QTest::newRow("crowns") << 1 << 20 << 8 << 50;
    QTest::newRow("sevens") << 2 << 45 << 18 << 20;
    QTest::newRow("bells") << 3 << 54 << 18 << 18;
    QTest::newRow("bars") << 4 << 60 << 24 << 14;
    QTest::newRow("horseshoes") << 5 << 96 << 32 << 12;
    QTest::newRow("grapes") << 6 << 120 << 40 << 10;
    QTest::newRow("cherries") << 7 << 294 << 84 << 3;
}

void TestOdds::triplesMatchTheHandCount()
{
    QFETCH(int, symbol);
    QFETCH(int, count);
    QFETCH(int, withWild);
    QFETCH(int, pay);
    const odds::LineCounts counts = odds::countLine(0);
    const odds::Triple &t = counts.paying[std::size_t(symbol)];
    QCOMPARE(t.count, count);
    QCOMPARE(t.withWild, withWild);
    QCOMPARE(t.pay, pay);
    QCOMPARE(counts.bonus, 4);
    QCOMPARE(counts.bonusWild, 8);
    QCOMPARE(counts.pays, 8446LL);
}

void TestOdds::threeCoinsReturnThreeTimesOneCoin()
{
    const odds::ExactReturn one = odds::exactReturn(1);
    const odds::ExactReturn three = odds::exactReturn(3);
    QCOMPARE(three.linePays, 3 * one.linePays);
    QCOMPARE(three.lines, one.lines);
    // Three Bonus symbols open the vault on unbet lines too, so one coin
    // gets more vaults per coin than three.
    QVERIFY(one.linesAndVault > three.linesAndVault);
    QVERIFY(three.linesAndVault > three.lines);
}

void TestOdds::playedSpinsAgreeWithTheExactCounts()
{
    const odds::ExactReturn exact = odds::exactReturn(3);
    const odds::Simulation played = odds::simulate(3, 1'000'000, 7);
    QCOMPARE(played.staked, 3'000'000LL);
    // The spins' own line wins and vaults, before any nudge, follow the
    // exact counts within a few standard errors.
    const double spinReturn = double(played.spinCredits) / double(played.staked);
    QVERIFY2(std::abs(spinReturn - exact.lines) < 0.01, qPrintable(QString::number(spinReturn)));
    QVERIFY(played.nudgesUsed > 0 && played.nudgeCredits > 0);
    QVERIFY(played.ret > exact.linesAndVault - played.halfWidth99);
    QVERIFY(played.halfWidth99 > 0 && played.halfWidth99 < 0.05);
}

QTEST_APPLESS_MAIN(TestOdds)
#include "tst_odds.moc"
