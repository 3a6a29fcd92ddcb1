// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's course for the statistics chart: kept between runs, begun
// afresh by a new game, a file of another game or of garbage set aside, a
// long game thinned without losing its marks, and the chart drawing it.
#include "GameFixture.h"

#include "dialogs/HistoryChart.h"
#include "game/History.h"

#include <QTest>

using namespace zand;

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void spinsOutliveARestartAndANewGameBeginsAfresh();
    void aFileThatIsNotThisGamesIsSetAside_data();
    void aFileThatIsNotThisGamesIsSetAside();
    void aLongGameIsThinnedAndKeepsItsMarks();
    void theChartDrawsItsPoints();
};

void HistoryTest::spinsOutliveARestartAndANewGameBeginsAfresh()
{
    GameFixture game;
    game.start();
    MainWindowProbe p = probe(*game.window);
    p.skipBonusGames();
    p.newGame();
    for (int spin = 0; spin < 4; ++spin) {
        p.machine().placeCoin();
        p.controls().spin();
    }
    QCOMPARE(p.history().points().size(), 5u); // the start and four spins
    const std::vector<HistoryPoint> played = p.history().points();
    QCOMPARE(played.back().credits, game.state().credits);
    QCOMPARE(played.back().spin, 4);

    game.window->close();
    game.window.reset();
    game.start();
    QCOMPARE(probe(*game.window).history().points(), played);

    probe(*game.window).newGame();
    QCOMPARE(probe(*game.window).history().points(), (std::vector<HistoryPoint>{{0, 1000, 1000, 0, false}}));
}

void HistoryTest::aFileThatIsNotThisGamesIsSetAside_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("spins");
    QTest::addColumn<int>("points");

    const QByteArray heading = "zandslots history 1\n";
    QTest::newRow("this game's") << heading + "0 1000 1000 0 0\n1 999 1000 0 0\n2 1010 1000 12 0\n" << 2 << 3;
    QTest::newRow("a nudge's line updates its spin") << heading + "1 999 1000 0 0\n1 1011 1000 12 0\n" << 1 << 1;
    QTest::newRow("garbage lines skipped") << heading + "1 999 1000 0 0\nx y\n2 5 5 5 7\n-3 1 1 1 0\n3 990 1000 0 1\n" << 3 << 2;
    QTest::newRow("a longer game's") << heading + "1 999 1000 0 0\n9 990 1000 0 0\n" << 5 << 0;
    QTest::newRow("no heading") << QByteArray("1 999 1000 0 0\n") << 5 << 0;
}

void HistoryTest::aFileThatIsNotThisGamesIsSetAside()
{
    QFETCH(QByteArray, file);
    QFETCH(int, spins);
    QFETCH(int, points);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.txt"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    History history(path);
    history.load(spins);
    QCOMPARE(int(history.points().size()), points);
    // What is recorded next is what a reload finds after the kept points.
    history.record({spins + 1, 1, 2, 3, false});
    History again(path);
    again.load(spins + 1);
    QCOMPARE(again.points(), history.points());
}

void HistoryTest::aLongGameIsThinnedAndKeepsItsMarks()
{
    QTemporaryDir dir;
    History history(dir.filePath(QStringLiteral("history.txt")));
    const int spins = 3 * History::MaxPoints;
    for (int spin = 1; spin <= spins; ++spin)
        history.record({spin, 1000 + spin % 7, 1000, spin == 1001 ? 250 : spin % 5, spin == 2001});
    const std::vector<HistoryPoint> &points = history.points();
    QVERIFY(int(points.size()) <= History::MaxPoints);
    QVERIFY(int(points.size()) > History::MaxPoints / 4);
    QCOMPARE(points.back().spin, spins);
    QCOMPARE(points[biggestWin(points)].spin, 1001);
    QVERIFY(std::any_of(points.begin(), points.end(), [](const HistoryPoint &p) { return p.bonus && p.spin == 2001; }));
    History again(dir.filePath(QStringLiteral("history.txt")));
    again.load(spins);
    QCOMPARE(again.points(), points);
}

void HistoryTest::theChartDrawsItsPoints()
{
    // Credits climb to a bonus game at spin 30; the borrowed line stays flat.
    std::vector<HistoryPoint> points;
    for (int spin = 0; spin <= 50; ++spin)
        points.push_back({spin, 1000 + 10 * spin, 400, 0, spin == 30});
    HistoryChart chart(points);
    const QImage image = chart.grab().toImage();
    // The ink of a line, within a pixel of where the chart says it is.
    const auto near = [&](QPointF at, const QColor &ink) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor seen = image.pixelColor(at.toPoint() + QPoint(dx, dy));
                if (std::abs(seen.red() - ink.red()) + std::abs(seen.green() - ink.green())
                        + std::abs(seen.blue() - ink.blue()) < 60)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(near(chart.position(10, 1100), HistoryChart::CreditsInk));
    QVERIFY(near(chart.position(20, 400), HistoryChart::BorrowedInk));
    QVERIFY(near(chart.position(30, 1300) + QPointF(0, 3), HistoryChart::BonusInk));
    QVERIFY(!near(chart.position(10, 400) + QPointF(0, -20), HistoryChart::CreditsInk));
}

ZAND_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
