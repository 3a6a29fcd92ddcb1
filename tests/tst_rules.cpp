// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's rules that need no window: scaling, strips, the pay table, the
// count-up, the bonus prizes, the playlist and the start-up names.
#include "game/Config.h"
#include "game/CountUp.h"
#include "game/PayTable.h"
#include "game/Playlist.h"
#include "game/Prizes.h"
#include "game/Random.h"
#include "game/Scale.h"
#include "game/SpinResult.h"
#include "game/Statistics.h"
#include "game/Strips.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace zand;

using Stops = std::array<int, 3>;

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void scaleTruncatesTheExactProduct_data();
    void scaleTruncatesTheExactProduct();
    void layoutWidthKeepsWideScreensWhole();
    void executableBaseNameDropsOnlyARealExtension();
    void reelsWrapAndShowTheirStartStops();
    void payTableOverEveryStopCombination();
    void spinIsJudgedLineByLine_data();
    void spinIsJudgedLineByLine();
    void statisticsFollowTheBooks_data();
    void statisticsFollowTheBooks();
    void statisticsReadInThePlayersLocale();
    void oneEvaluationNeverPaysTooMuch();
    void countUpStepsShrinkAsTheWinRunsOut();
    void bonusPrizesAreAShuffleOfTheTable();
    void randomDrawsStayInRangeAndCoverIt();
    void playlistCyclesOverTheTracksPresent();
};

void RulesTest::scaleTruncatesTheExactProduct_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("expected");
    QTest::newRow("800 is the identity") << 800 << 258 << 258;
    QTest::newRow("640") << 640 << 76 << 60;
    QTest::newRow("1024") << 1024 << 258 << 330;
    QTest::newRow("1152, 25 falls just short") << 1152 << 25 << 35;
    QTest::newRow("1152, 250 falls just short") << 1152 << 250 << 359;
    QTest::newRow("1152, 577") << 1152 << 577 << 830;
    QTest::newRow("1152, 655") << 1152 << 655 << 943;
    QTest::newRow("1280") << 1280 << 76 << 121;
    QTest::newRow("1366") << 1366 << 76 << 129;
    QTest::newRow("1440 (1920x1080)") << 1440 << 76 << 136;
    QTest::newRow("1600") << 1600 << 76 << 152;
    QTest::newRow("1920, 5 falls just short") << 1920 << 5 << 11;
    QTest::newRow("zero") << 1152 << 0 << 0;
}

void RulesTest::scaleTruncatesTheExactProduct()
{
    QFETCH(int, width);
    QFETCH(int, v);
    QFETCH(int, expected);
    QCOMPARE(Scale::x(v, width), expected);
}

void RulesTest::layoutWidthKeepsWideScreensWhole()
{
    QCOMPARE(Scale::layoutWidth(800, 600), 800);
    QCOMPARE(Scale::layoutWidth(1280, 1024), 1280);
    QCOMPARE(Scale::layoutWidth(1920, 1080), 1440);
    QCOMPARE(Scale::layoutWidth(1366, 768), 1024);
    QCOMPARE(Scale::layoutWidth(1920, 1440), 1920);
    // On a wide screen the bottom of the Bet Max button stays on screen.
    QVERIFY(Scale::x(491, Scale::layoutWidth(1920, 1080)) < 1080);
}

void RulesTest::executableBaseNameDropsOnlyARealExtension()
{
    QCOMPARE(Config::baseNameOf(QStringLiteral("zandslots")), QStringLiteral("zandslots"));
    QCOMPARE(Config::baseNameOf(QStringLiteral("ZANDOR.EXE")), QStringLiteral("ZANDOR"));
    QCOMPARE(Config::baseNameOf(QStringLiteral("slots.x")), QStringLiteral("slots"));
    QCOMPARE(Config::baseNameOf(QStringLiteral("zand.slots")), QStringLiteral("zand.slots"));
    QCOMPARE(Config::baseNameOf(QStringLiteral(".exe")), QStringLiteral(".exe"));
}

void RulesTest::reelsWrapAndShowTheirStartStops()
{
    QCOMPARE(Strips::wrap(31), 1);
    QCOMPARE(Strips::wrap(0), 30);
    QCOMPARE(Strips::visible(0, 29), (std::array<int, 3>{6, 7, 0}));
    QCOMPARE(Strips::visible(0, 30), (std::array<int, 3>{7, 0, 1}));
    QCOMPARE(Strips::visible(0, 8), (std::array<int, 3>{7, 8, 4}));
    QCOMPARE(Strips::visible(1, 9), (std::array<int, 3>{0, 8, 7}));
    QCOMPARE(Strips::visible(2, 7), (std::array<int, 3>{2, 9, 1}));
    // The Wild stands on reel 3 only, twelve positions apart.
    for (int reel = 0; reel < 2; ++reel)
        QVERIFY(Strips::Reels[reel].find('9') == std::string_view::npos);
    QCOMPARE(Strips::symbolAt(2, 8), Strips::Wild);
    QCOMPARE(Strips::symbolAt(2, 20), Strips::Wild);
}

void RulesTest::spinIsJudgedLineByLine_data()
{
    QTest::addColumn<Stops>("stops");
    QTest::addColumn<int>("linesBet");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("nudges");
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<int>("wildRow"); // -1: no Wild in sight

    // Top row 0 0 Wild: 250 with its +2 nudges once the second coin plays it.
    QTest::newRow("wild line bet") << Stops{1, 9, 8} << 2 << 250 << 2 << false << 0;
    QTest::newRow("wild line unbet") << Stops{1, 9, 8} << 1 << 0 << 0 << false << 0;
    // Three Bonus symbols on the middle row open the vault, bet or not.
    QTest::newRow("bonus bet") << Stops{8, 9, 3} << 1 << 0 << 0 << true << -1;
    QTest::newRow("bonus unbet") << Stops{8, 9, 3} << 0 << 0 << 0 << true << -1;
}

void RulesTest::spinIsJudgedLineByLine()
{
    QFETCH(Stops, stops);
    QFETCH(int, linesBet);
    const SpinResult result = evaluate(stops, linesBet);
    QTEST(result.total, "total");
    QTEST(result.nudgesEarned, "nudges");
    QTEST(result.opensBonus, "bonus");
    QTEST(result.wildRow.value_or(-1), "wildRow");
    QVERIFY(result.anyNoMatch);
    for (int line = 0; line < 3; ++line)
        QCOMPARE(result.lines[line].bet, line < linesBet);
}

void RulesTest::statisticsFollowTheBooks_data()
{
    QTest::addColumn<GameRecord>("game");
    QTest::addColumn<qint64>("coinsPlaced");
    QTest::addColumn<qint64>("payoffs");
    QTest::addColumn<qint64>("normal");
    QTest::addColumn<double>("percentage");

    const auto game = [](std::int32_t credits, std::int32_t borrowed, std::int32_t bets,
                         std::int32_t bonus) {
        GameRecord g;
        g.credits = credits;
        g.borrowed = borrowed;
        g.totalBets = bets;
        g.bonusWon = bonus;
        return g;
    };
    constexpr std::int32_t Max = INT32_MAX;
    QTest::newRow("new game") << GameRecord{} << 0LL << 0LL << 0LL << 0.0;
    // Two coins in the slot are still the player's: nothing was paid out.
    QTest::newRow("coins placed") << game(998, 1000, 0, 0) << 2LL << 0LL << 0LL << 0.0;
    QTest::newRow("after play") << game(1200, 1000, 400, 50) << 0LL << 600LL << 550LL << 150.0;
    // Borrowing 500 more changes credits and borrowed alike: the books stay.
    QTest::newRow("borrowed more") << game(1700, 1500, 400, 50) << 0LL << 600LL << 550LL << 150.0;
    QTest::newRow("32-bit limits") << game(Max, -Max, Max, -Max) << 0LL << 3LL * Max << 4LL * Max
                                   << 300.0;
}

void RulesTest::statisticsFollowTheBooks()
{
    QFETCH(GameRecord, game);
    QFETCH(qint64, coinsPlaced);
    const Statistics s = statisticsOf(game, coinsPlaced);
    QTEST(static_cast<qint64>(s.payoffs), "payoffs");
    QTEST(static_cast<qint64>(s.normal), "normal");
    QTEST(s.payoffPercentage, "percentage");
}

void RulesTest::statisticsReadInThePlayersLocale()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(formatCount(1234567, english), QStringLiteral(" 1,234,567"));
    QCOMPARE(formatCount(1234567, german), QStringLiteral(" 1.234.567"));
    QCOMPARE(formatCount(0, english), QStringLiteral("         0"));
    QCOMPARE(formatPercentage(95.5, english), QStringLiteral("95.50%"));
    QCOMPARE(formatPercentage(95.5, german), QStringLiteral("95,50%"));
    QCOMPARE(formatPercentage(12345.0, english), QStringLiteral("12345.00%"));
}

// One line (the top row) over all 27,000 stop combinations, bet.
void RulesTest::payTableOverEveryStopCombination()
{
    std::map<int, std::pair<int, int>> bySymbol; // symbol -> (lines, lines with Wild)
    int bonusThree = 0, bonusWild = 0, noMatch = 0, paid = 0;
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int s2 = 1; s2 <= 30; ++s2)
            for (int s3 = 1; s3 <= 30; ++s3) {
                const int a = Strips::symbolAt(0, s1), b = Strips::symbolAt(1, s2),
                          c = Strips::symbolAt(2, s3);
                const PayTable::Line line = PayTable::judge(a, b, c, true);
                switch (line.outcome) {
                case PayTable::Outcome::Pays:
                    bySymbol[a].first += 1;
                    bySymbol[a].second += c == Strips::Wild;
                    paid += line.pay;
                    break;
                case PayTable::Outcome::Bonus:
                    (c == Strips::Wild ? bonusWild : bonusThree) += 1;
                    break;
                case PayTable::Outcome::NoMatch:
                    noMatch += 1;
                    break;
                }
            }
    const std::map<int, std::pair<int, int>> expected = {
        {0, {6, 4}},   {1, {20, 8}},   {2, {45, 18}},  {3, {54, 18}},
        {4, {60, 24}}, {5, {96, 32}}, {6, {120, 40}}, {7, {294, 84}},
    };
    QVERIFY(bySymbol == expected);
    QCOMPARE(bonusThree, 4);
    QCOMPARE(bonusWild, 8);
    QCOMPARE(noMatch, 26293);
    QCOMPARE(paid, 8446);

    // Unbet lines pay nothing; an unbet Bonus, Bonus, Wild matches nothing.
    QCOMPARE(PayTable::judge(0, 0, 0, false).pay, 0);
    QCOMPARE(PayTable::judge(8, 8, 8, false).outcome, PayTable::Outcome::Bonus);
    QCOMPARE(PayTable::judge(8, 8, 9, false).outcome, PayTable::Outcome::NoMatch);
    QCOMPARE(PayTable::judge(9, 9, 9, true).outcome, PayTable::Outcome::NoMatch);
}

void RulesTest::oneEvaluationNeverPaysTooMuch()
{
    int mostPaid = 0;
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int s2 = 1; s2 <= 30; ++s2)
            for (int s3 = 1; s3 <= 30; ++s3) {
                const auto r1 = Strips::visible(0, s1), r2 = Strips::visible(1, s2),
                           r3 = Strips::visible(2, s3);
                int paying = 0, bonus = 0, total = 0;
                for (int row = 0; row < 3; ++row) {
                    const auto line = PayTable::judge(r1[row], r2[row], r3[row], true);
                    paying += line.outcome == PayTable::Outcome::Pays;
                    bonus += line.outcome == PayTable::Outcome::Bonus;
                    total += line.pay;
                }
                QVERIFY(paying < 3);
                QVERIFY(bonus < 2);
                QVERIFY(!(bonus && paying));
                mostPaid = std::max(mostPaid, total);
            }
    QCOMPARE(mostPaid, 250);
}

void RulesTest::countUpStepsShrinkAsTheWinRunsOut()
{
    const auto steps = [](int win) {
        std::map<int, int> counts;
        while (win > 0) {
            const int step = countUpStep(win);
            counts[step] += 1;
            win -= step;
        }
        return counts;
    };
    QVERIFY((steps(250) == std::map<int, int>{{10, 16}, {5, 14}, {1, 20}}));
    QVERIFY((steps(3) == std::map<int, int>{{1, 3}}));
    QCOMPARE(countUpStep(1000), 25);
    QCOMPARE(countUpStep(999), 10);
}

void RulesTest::bonusPrizesAreAShuffleOfTheTable()
{
    Random random(7);
    std::map<int, int> firstSafe;
    for (int game = 0; game < 400; ++game) {
        auto prizes = Prizes::shuffled(random);
        firstSafe[prizes[0]] += 1;
        auto sorted = prizes;
        auto table = Prizes::Unshuffled;
        std::sort(sorted.begin(), sorted.end());
        std::sort(table.begin(), table.end());
        QVERIFY(sorted == table);
    }
    // Every prize turns up behind the first safe, nudges most often.
    QCOMPARE(firstSafe.size(), size_t(5));
    QVERIFY(firstSafe[Prizes::SixNudges] > firstSafe[250]);
}

void RulesTest::randomDrawsStayInRangeAndCoverIt()
{
    Random random(Random::timeOfDaySeed());
    std::array<int, 3> seen{};
    for (int i = 0; i < 3000; ++i) {
        const int n = random.below(3);
        QVERIFY(n >= 0 && n < 3);
        seen[n] += 1;
    }
    for (int count : seen)
        QVERIFY(count > 850);
    QCOMPARE(random.below(1), 0);
}

void RulesTest::playlistCyclesOverTheTracksPresent()
{
    const auto run = [](std::initializer_list<int> present, int steps) {
        const auto exists = [present](int n) {
            return std::find(present.begin(), present.end(), n) != present.end();
        };
        QList<int> order;
        int track = -1;
        for (int i = 0; i < steps; ++i)
            order << (track = Playlist::next(track, exists));
        return order;
    };
    QCOMPARE(run({2}, 3), (QList<int>{2, 2, 2}));
    QCOMPARE(run({1, 3}, 4), (QList<int>{1, 3, 1, 3}));
    QCOMPARE(run({0, 1, 2, 3, 4}, 6), (QList<int>{0, 1, 2, 3, 4, 0}));
    QCOMPARE(run({}, 1), (QList<int>{Playlist::NoMusic}));
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
