// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Fairness of the reels: every stop equally likely on every reel, the reels
// independent of each other and of the spin before, and the random source
// they draw from uniform over its whole range.
#include "GameFixture.h"

#include "app/Controls.h"
#include "game/Random.h"
#include "game/SpinResult.h"
#include "reels/Payout.h"
#include "screen/Lights.h"

#include <QTest>

#include <array>
#include <climits>
#include <vector>

using namespace zand;

namespace {

constexpr int Stops = 30;
constexpr int SpinsDrawn = 30000;

// Upper 1 % points of the chi-square distribution.
constexpr double Chi2Critical2 = 9.210;     // 2 degrees of freedom
constexpr double Chi2Critical29 = 49.588;   // 29
constexpr double Chi2Critical455 = 528.104; // 455
constexpr double Chi2Critical841 = 939.339; // 841 = 29 x 29

using Stopset = std::array<int, 3>;
using PairTable = std::array<std::array<int, Stops>, Stops>;

std::vector<Stopset> drawSpins(std::uint32_t seed, int blurHeight, int count)
{
    Random random(seed);
    std::vector<Stopset> spins;
    spins.reserve(count);
    for (int i = 0; i < count; ++i)
        spins.push_back(drawSpin(random, blurHeight).stops);
    return spins;
}

// Against equal expected counts in every cell.
double uniformChiSquare(const std::vector<int> &counts)
{
    double total = 0;
    for (const int c : counts)
        total += c;
    const double expected = total / counts.size();
    double chi2 = 0;
    for (const int c : counts)
        chi2 += (c - expected) * (c - expected) / expected;
    return chi2;
}

// Independence of rows and columns in a contingency table.
double independenceChiSquare(const PairTable &table)
{
    std::array<double, Stops> rows{}, columns{};
    double total = 0;
    for (int a = 0; a < Stops; ++a) {
        for (int b = 0; b < Stops; ++b) {
            rows[a] += table[a][b];
            columns[b] += table[a][b];
            total += table[a][b];
        }
    }
    double chi2 = 0;
    for (int a = 0; a < Stops; ++a) {
        for (int b = 0; b < Stops; ++b) {
            const double expected = rows[a] * columns[b] / total;
            chi2 += (table[a][b] - expected) * (table[a][b] - expected) / expected;
        }
    }
    return chi2;
}

QByteArray describe(double chi2, double critical)
{
    return QByteArray::number(chi2, 'f', 2) + " >= " + QByteArray::number(critical, 'f', 3);
}

} // namespace

class RandomTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void belowStaysInItsRange_data();
    void belowStaysInItsRange();
    void belowIsUnbiasedForRangesThatAreNoPowerOfTwo();
    void spinsDrawBlurThenStopForEachReelInTurn();
    void everyStopIsEquallyLikelyOnEveryReel();
    void reelsAreIndependentOfEachOther();
    void stopsAreIndependentOfThePreviousSpin();

private:
    std::unique_ptr<GameFixture> m_game;
    int m_blurHeight = 0;
    std::vector<Stopset> m_spins;
};

void RandomTest::initTestCase()
{
    m_game = std::make_unique<GameFixture>();
    m_game->start();
    // The blur offset's range decides how many numbers each draw uses up,
    // so the sequence below follows the machine only with its own height.
    m_blurHeight = probe(*m_game->window).pictures().blurHeight;
    QVERIFY(m_blurHeight > 0);
    m_spins = drawSpins(20240611, m_blurHeight, SpinsDrawn);
}

void RandomTest::cleanupTestCase()
{
    m_game.reset();
}

void RandomTest::belowStaysInItsRange_data()
{
    QTest::addColumn<int>("n");
    for (const int n : {1, 3, 30, 456, INT_MAX})
        QTest::addRow("%d", n) << n;
}

void RandomTest::belowStaysInItsRange()
{
    QFETCH(int, n);
    Random random(7);
    std::vector<int> counts(std::min(n, 456));
    int highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = random.below(n);
        QVERIFY2(v >= 0 && v < n, qPrintable(QString::number(v)));
        highest = std::max(highest, v);
        if (n <= 456)
            ++counts[v];
    }
    // Small ranges are covered entirely; a huge one reaches its top half.
    if (n <= 456)
        QVERIFY(std::find(counts.begin(), counts.end(), 0) == counts.end());
    else
        QVERIFY(highest > n / 2);
}

void RandomTest::belowIsUnbiasedForRangesThatAreNoPowerOfTwo()
{
    Random random(99);

    // Small ranges, counted value by value.
    std::vector<int> three(3);
    for (int i = 0; i < 30000; ++i)
        ++three[random.below(3)];
    const double chi3 = uniformChiSquare(three);
    QVERIFY2(chi3 < Chi2Critical2, describe(chi3, Chi2Critical2));

    std::vector<int> blur(456);
    for (int i = 0; i < 456 * 60; ++i)
        ++blur[random.below(456)];
    const double chi456 = uniformChiSquare(blur);
    QVERIFY2(chi456 < Chi2Critical455, describe(chi456, Chi2Critical455));

    // A range of 1.5 x 2^30: folding 32-bit numbers into it by a plain
    // remainder would put three quarters of the draws below 2^30; an
    // unbiased draw puts two thirds there (standard deviation 0.0027).
    const int n = 3 << 29;
    int low = 0;
    const int draws = 30000;
    for (int i = 0; i < draws; ++i)
        low += random.below(n) < (1 << 30) ? 1 : 0;
    const double share = double(low) / draws;
    QVERIFY2(std::abs(share - 2.0 / 3.0) < 0.015, QByteArray::number(share));
}

void RandomTest::spinsDrawBlurThenStopForEachReelInTurn()
{
    // Real spins of the machine land where the draw sequence says, spin
    // after spin from one seed. A spin takes several milliseconds even on
    // the fake clock, so the large samples below use the sequence alone.
    MainWindow &window = *m_game->window;
    GameState &state = m_game->state();
    probe(window).skipBonusGames();
    probe(window).lights().stopAll();
    probe(window).random().seed(4242);
    Random expected(4242);
    std::array<std::vector<int>, 3> counts;
    counts.fill(std::vector<int>(Stops));
    for (int i = 0; i < 1000; ++i) {
        state.bet = 1;
        state.credits = 1000;
        state.nudges = 0;
        probe(window).controls().spin();
        const Stopset drawn = drawSpin(expected, m_blurHeight).stops;
        QCOMPARE(state.reelStops, drawn);
        for (int reel = 0; reel < 3; ++reel)
            ++counts[reel][drawn[reel] - 1];
    }
    // Nothing else took a number in between.
    QCOMPARE(probe(window).random().below(1000000), expected.below(1000000));
    for (int reel = 0; reel < 3; ++reel) {
        const double chi2 = uniformChiSquare(counts[reel]);
        QVERIFY2(chi2 < Chi2Critical29, "reel " + QByteArray::number(reel + 1) + ": "
                                            + describe(chi2, Chi2Critical29));
    }
}

void RandomTest::everyStopIsEquallyLikelyOnEveryReel()
{
    for (int reel = 0; reel < 3; ++reel) {
        std::vector<int> counts(Stops);
        for (const Stopset &spin : m_spins) {
            QVERIFY(spin[reel] >= 1 && spin[reel] <= Stops);
            ++counts[spin[reel] - 1];
        }
        const double chi2 = uniformChiSquare(counts);
        QVERIFY2(chi2 < Chi2Critical29, "reel " + QByteArray::number(reel + 1) + ": "
                                            + describe(chi2, Chi2Critical29));
    }
}

void RandomTest::reelsAreIndependentOfEachOther()
{
    for (const auto &[first, second] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{0, 2}}) {
        PairTable table{};
        for (const Stopset &spin : m_spins)
            ++table[spin[first] - 1][spin[second] - 1];
        const double chi2 = independenceChiSquare(table);
        QVERIFY2(chi2 < Chi2Critical841, "reels " + QByteArray::number(first + 1) + "/"
                                             + QByteArray::number(second + 1) + ": "
                                             + describe(chi2, Chi2Critical841));
    }
}

void RandomTest::stopsAreIndependentOfThePreviousSpin()
{
    for (int reel = 0; reel < 3; ++reel) {
        PairTable table{};
        for (size_t i = 1; i < m_spins.size(); ++i)
            ++table[m_spins[i - 1][reel] - 1][m_spins[i][reel] - 1];
        const double chi2 = independenceChiSquare(table);
        QVERIFY2(chi2 < Chi2Critical841, "reel " + QByteArray::number(reel + 1) + ": "
                                             + describe(chi2, Chi2Critical841));
    }
}

ZAND_TEST_MAIN(RandomTest)
#include "tst_random.moc"
