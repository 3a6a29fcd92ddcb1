// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Autoplay on the real window: the run spins the last bet through the
// player's controls, ends for each reason of its plan, gives way to the
// player, and keeps the books as a player's own spins do.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "SpinSeeds.h"

#include "app/Autoplay.h"
#include "dialogs/AutoplayDialog.h"
#include "game/SavedGame.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace zand;

using Stop = AutoplayPlan::Stop;
Q_DECLARE_METATYPE(AutoplayPlan)

class AutoplayTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aRunEndsForEachReasonOfItsPlan_data();
    void aRunEndsForEachReasonOfItsPlan();
    void theVaultWaitsForThePlayersPick();
    void thePlayerStopsARun_data();
    void thePlayerStopsARun();
    void theChoicesOutliveARestart();

private:
    MainWindow &window() { return *m_game->window; }
    Autoplay &autoplay() { return probe(window()).autoplay(); }
    // A game with `credits` and a bet of three standing from the last spin,
    // whose next spin ends as `first` asks.
    template<typename Wanted>
    void setUp(int credits, Wanted first);

    std::unique_ptr<GameFixture> m_game;
};

void AutoplayTest::init()
{
    m_game = std::make_unique<GameFixture>();
    m_game->start();
    probe(window()).skipBonusGames();
}

void AutoplayTest::cleanup()
{
    m_game.reset();
}

template<typename Wanted>
void AutoplayTest::setUp(int credits, Wanted first)
{
    GameState &s = m_game->state();
    s.credits = credits;
    s.lastBet = 3;
    MainWindowProbe p = probe(window());
    p.random().seed(seedWhoseSpin(p.pictures().blurHeight, 3, first));
}

void AutoplayTest::aRunEndsForEachReasonOfItsPlan_data()
{
    QTest::addColumn<AutoplayPlan>("plan");
    QTest::addColumn<int>("credits");
    QTest::addColumn<bool>("firstWins");
    QTest::addColumn<bool>("firstOpensVault");
    QTest::addColumn<int>("spins");
    QTest::addColumn<Stop>("stop");

    QTest::newRow("all its spins") << AutoplayPlan{25, 0, false, 0} << 100000 << false << false << 25 << Stop::SpinsDone;
    QTest::newRow("a win") << AutoplayPlan{10, 1, false, 0} << 1000 << true << false << 1 << Stop::Win;
    QTest::newRow("a bonus") << AutoplayPlan{10, 0, true, 0} << 1000 << false << true << 1 << Stop::Bonus;
    QTest::newRow("credits low") << AutoplayPlan{10, 0, false, 1000} << 1000 << false << false << 1 << Stop::Credits;
    QTest::newRow("bet not covered") << AutoplayPlan{10, 0, false, 0} << 3 << false << false << 1 << Stop::BetNotCovered;
}

void AutoplayTest::aRunEndsForEachReasonOfItsPlan()
{
    QFETCH(AutoplayPlan, plan);
    QFETCH(int, credits);
    QFETCH(bool, firstWins);
    QFETCH(bool, firstOpensVault);
    QFETCH(int, spins);
    QFETCH(Stop, stop);

    setUp(credits, [&](const SpinResult &r) {
        return (r.total > 0) == firstWins && r.opensBonus == firstOpensVault && !r.lines[0].wild
            && !r.lines[1].wild && !r.lines[2].wild;
    });
    const GameState &s = m_game->state();
    const std::int64_t balance = std::int64_t{s.credits} + s.bet + s.totalBets - s.borrowed;
    std::int64_t won = 0;
    connect(&probe(window()).machine(), &Machine::turnEnded, this, [&](int counted) { won += counted; });
    const int spinsBefore = s.spins;

    QVERIFY(autoplay().start(plan));
    QTRY_VERIFY(!autoplay().running());

    QCOMPARE(s.spins - spinsBefore, spins);
    QCOMPARE(autoplay().lastStop(), stop);
    // The books balance as after a player's own spins, and the last spin is
    // saved.
    QCOMPARE(std::int64_t{s.credits} + s.bet + s.totalBets - s.borrowed, balance + won);
    QCOMPARE(SavedGameFile(m_game->savedGamePath()).load(8).values.spins, s.spins);
}

void AutoplayTest::theVaultWaitsForThePlayersPick()
{
    // The vault the run opens is the player's: the run goes on once a safe
    // is picked and the screen has closed. (A fresh window: init's skips
    // the vault.)
    m_game->window.reset();
    m_game->start();
    setUp(1000, [](const SpinResult &r) { return r.opensBonus; });
    const GameState &s = m_game->state();
    const int spinsBefore = s.spins;
    ModalAnswerer answerer;
    QVERIFY(autoplay().start(AutoplayPlan{3, 0, false, 0}));
    QTRY_VERIFY_WITH_TIMEOUT(!autoplay().running(), 20000);
    QCOMPARE(s.spins - spinsBefore, 3);
    QCOMPARE(autoplay().lastStop(), Stop::SpinsDone);
}

void AutoplayTest::thePlayerStopsARun_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("key") << QStringLiteral("key");
    QTest::newRow("click") << QStringLiteral("click");
    QTest::newRow("menu") << QStringLiteral("menu");
    QTest::newRow("close") << QStringLiteral("close");
}

void AutoplayTest::thePlayerStopsARun()
{
    QFETCH(QString, how);
    setUp(100000, [](const SpinResult &) { return true; });
    const GameState &s = m_game->state();
    const int spinsBefore = s.spins;
    Canvas &canvas = probe(window()).canvas();
    // The player acts while the second spin of the run turns.
    m_game->clock.onPump = [&] {
        if (s.spins != spinsBefore + 2 || !autoplay().running())
            return;
        if (how == QLatin1String("key"))
            QTest::keyClick(&canvas, Qt::Key_X);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(5, 5));
        else if (how == QLatin1String("menu"))
            emit window().menuBar()->actions().at(1)->menu()->aboutToShow();
        else
            window().close();
    };
    QVERIFY(autoplay().start(AutoplayPlan{10, 0, false, 0}));
    QTRY_VERIFY(!autoplay().running());
    m_game->clock.onPump = nullptr;

    // The spin in flight settles and is kept; no other follows.
    QTRY_VERIFY(!probe(window()).machine().busy());
    QCOMPARE(s.spins, spinsBefore + 2);
    QCOMPARE(SavedGameFile(m_game->savedGamePath()).load(8).values.spins, s.spins);
    QCOMPARE(window().isVisible(), how != QLatin1String("close"));
}

void AutoplayTest::theChoicesOutliveARestart()
{
    // The player asks for 50 spins, then stops the run at once.
    QTimer::singleShot(0, this, [this] {
        auto *dialog = qobject_cast<AutoplayDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *spins = dialog->findChild<QComboBox *>();
        spins->setCurrentIndex(spins->findData(50));
        m_game->clock.onPump = [this] { autoplay().stop(); };
        dialog->accept();
    });
    setUp(100000, [](const SpinResult &) { return true; });
    for (QAction *menu : window().menuBar()->actions())
        for (QAction *item : menu->menu() ? menu->menu()->actions() : QList<QAction *>())
            if (item->text().startsWith(QLatin1String("&Autoplay")))
                item->trigger();
    m_game->clock.onPump = nullptr;
    QTRY_VERIFY(!autoplay().running());

    m_game->window->close();
    m_game->window.reset();
    m_game->start();
    probe(window()).skipBonusGames();
    setUp(100000, [](const SpinResult &) { return true; });
    const int spinsBefore = m_game->state().spins;
    QTest::keyClick(&probe(window()).canvas(), Qt::Key_A);
    QTRY_VERIFY(!autoplay().running());
    QCOMPARE(m_game->state().spins - spinsBefore, 50);
}

ZAND_TEST_MAIN(AutoplayTest)
#include "tst_autoplay.moc"
