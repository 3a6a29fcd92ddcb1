// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// A restless player on the real window, driven by a fixed seed: presses on
// and off the zones (also while the reels turn), keys, menu commands, every
// modal window answered at random, nudges and bonus screens, and now and then
// a close and a fresh start. After every settled spin and nudge the books
// must balance and the saved game must hold them; a restart must bring back
// the same game.
//
// The seed fixes the player's choices; the machine's lights run on real
// time and draw from the game's random source, so the reels may differ a
// little from run to run. ZAND_MONKEY_ACTIONS sets the number of actions,
// ZAND_MONKEY_MINUTES plays for that long instead, ZAND_MONKEY_SEED picks
// another game (scripts/soak).
#include "GameFixture.h"
#include "RandomAnswerer.h"
#include "SpinSeeds.h"

#include "bonus/BonusScreen.h"
#include "game/Layout.h"
#include "game/SavedGame.h"
#include "game/SpinResult.h"

#include <QDeadlineTimer>
#include <QMenuBar>
#include <QTest>

#include <random>

using namespace zand;

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void booksBalanceThroughRandomPlay();

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    MainWindow &window() { return *m_game->window; }
    GameState &state() { return m_game->state(); }

    void start();
    void act();
    void press(bool anywhere);
    void key();
    void menuCommand();
    void restart();
    void loadTheReels();
    void playStarted();
    void playSettled();
    void savedAfterPlay();
    void expect(bool holds, const QString &what);
    void checkBooks(const char *when);
    void rebase();

    std::mt19937 m_random;
    std::unique_ptr<GameFixture> m_game;
    // What Credits + Bet + TotalBets - Borrowed and BonusWon must be: the
    // wins paid and the bonus credit prizes, since the last fresh game.
    std::int64_t m_balance = 0;
    std::int64_t m_bonusWon = 0;
    std::int64_t m_bonusInPlay = 0; // prizes of the play in flight
    int m_spinsBefore = 0;
    bool m_handBusy = false;
    QString m_fault;
    int m_action = 0;
    int m_spins = 0, m_nudges = 0, m_bonusScreens = 0, m_restarts = 0;
};

void MonkeyTest::expect(bool holds, const QString &what)
{
    if (!holds && m_fault.isEmpty())
        m_fault = QStringLiteral("action %1: %2").arg(m_action).arg(what);
}

void MonkeyTest::rebase()
{
    const GameState &s = state();
    m_balance = std::int64_t{s.credits} + s.bet + s.totalBets - s.borrowed;
    m_bonusWon = s.bonusWon;
}

void MonkeyTest::checkBooks(const char *when)
{
    const GameState &s = state();
    const std::int64_t balance = std::int64_t{s.credits} + s.bet + s.totalBets - s.borrowed;
    expect(balance == m_balance, QStringLiteral("%1: credits %2 + bet %3 + bets %4 - borrowed %5 is not %6")
                                     .arg(when).arg(s.credits).arg(s.bet).arg(s.totalBets).arg(s.borrowed).arg(m_balance));
    expect(s.bonusWon == m_bonusWon, QStringLiteral("%1: bonus won %2 is not %3").arg(when).arg(s.bonusWon).arg(m_bonusWon));
}

void MonkeyTest::start()
{
    m_game->start();
    probe(window()).random().seed(m_random());
    // The books are checked as the machine ends the turn: an autoplay run
    // starts its next spin from the window's busy signal, and the test clock
    // plays that spin before later receivers of the signal are told.
    connect(&probe(window()).controls(), &Controls::busyChanged, this,
            [this](bool busy) { busy ? playStarted() : savedAfterPlay(); });
    connect(&probe(window()).machine(), &Machine::turnEnded, this, &MonkeyTest::playSettled);
}

void MonkeyTest::playStarted()
{
    m_spinsBefore = state().spins;
    m_bonusInPlay = 0;
}

void MonkeyTest::playSettled()
{
    const GameState &s = state();
    ++(s.spins != m_spinsBefore ? m_spins : m_nudges);
    // A spin and a nudge both pay the lines of the last bet.
    m_balance += evaluate(s.reelStops, s.lastBet).total + m_bonusInPlay;
    m_bonusWon += m_bonusInPlay;
    checkBooks("settled");
}

void MonkeyTest::savedAfterPlay()
{
    // Autoplay may have begun its next spin inside this same signal, and
    // the test clock plays it at once; should it open the vault, that turn
    // is still open here, and its own end checks the file.
    if (probe(window()).machine().busy())
        return;
    const GameRecord saved = SavedGameFile(m_game->savedGamePath()).load(8).values;
    expect(saved == state().record(), QStringLiteral("the settled game is not on disk"));
}

void MonkeyTest::press(bool anywhere)
{
    static const QRect zones[] = {Layout::SpinButton, Layout::BetOneButton, Layout::BetMaxButton,
                                  Layout::BadgeZone,  Layout::nudgeLight(0), Layout::nudgeLight(1),
                                  Layout::nudgeLight(2), Layout::Logo};
    Canvas &canvas = probe(window()).canvas();
    QPoint at(below(canvas.width()), below(canvas.height()));
    if (!anywhere) {
        // In a zone, or just beside it.
        const QRect zone = zones[below(int(std::size(zones)))].adjusted(-3, -3, 3, 3);
        const auto s = [this](int v) { return probe(window()).config().scale(v); };
        at = QPoint(s(zone.left() + below(zone.width())), s(zone.top() + below(zone.height())));
    }
    const Qt::MouseButton button = below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
    if (below(10) == 0)
        QTest::mouseDClick(&canvas, button, {}, at);
    else
        QTest::mouseClick(&canvas, button, {}, at);
}

void MonkeyTest::key()
{
    static const Qt::Key keys[] = {Qt::Key_B, Qt::Key_M, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_N, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Tab, Qt::Key_1};
    QWidget *target = below(4) == 0 ? static_cast<QWidget *>(&window()) : &probe(window()).canvas();
    QTest::keyClick(target, keys[below(int(std::size(keys)))]);
}

void MonkeyTest::menuCommand()
{
    QList<QAction *> commands;
    for (QAction *top : window().menuBar()->actions()) {
        const QList<QAction *> items = top->menu() ? top->menu()->actions() : QList<QAction *>{top};
        for (QAction *item : items)
            if (!item->isSeparator() && item->isEnabled())
                commands << item;
    }
    QAction *command = commands[below(int(commands.size()))];
    const QString text = command->text();
    command->trigger();
    // A game replaced as a whole starts new books.
    if (window().isVisible() && (text == QLatin1String("&New Game") || text == QLatin1String("&Open Game")))
        rebase();
}

void MonkeyTest::restart()
{
    if (window().isVisible())
        window().close();
    const GameRecord closed = state().record();
    // Coins placed but not spun are not part of a saved game.
    const int coinsLost = state().bet;
    expect(SavedGameFile(m_game->savedGamePath()).load(8).values == closed,
           QStringLiteral("the closed game is not on disk"));
    m_game->window.reset();
    start();
    expect(state().record() == closed, QStringLiteral("the restarted game is not the closed one"));
    m_balance -= coinsLost;
    ++m_restarts;
}

void MonkeyTest::act()
{
    const int roll = below(100);
    if (roll < 35)
        press(false);
    else if (roll < 50)
        press(true);
    else if (roll < 80)
        key();
    else if (roll < 95)
        menuCommand();
    else if (roll < 96)
        restart();
    else if (roll < 98)
        QTest::qWait(1); // the lights' timers run
    else
        loadTheReels();
}

void MonkeyTest::loadTheReels()
{
    // A line of Bonus symbols comes once in some 750 spins: the next spin,
    // unless the lights draw from the random source first, opens the vault.
    MainWindowProbe p = probe(window());
    p.random().seed(seedWhoseSpin(
        p.pictures().blurHeight, 3, [](const SpinResult &r) { return r.opensBonus; }, m_random()));
}

void MonkeyTest::booksBalanceThroughRandomPlay()
{
    const std::uint32_t seed = qEnvironmentVariableIsSet("ZAND_MONKEY_SEED")
        ? qEnvironmentVariableIntValue("ZAND_MONKEY_SEED") : 20260713;
    const int actions = qEnvironmentVariableIsSet("ZAND_MONKEY_ACTIONS")
        ? qEnvironmentVariableIntValue("ZAND_MONKEY_ACTIONS") : 2500;
    const int minutes = qEnvironmentVariableIntValue("ZAND_MONKEY_MINUTES");
    QDeadlineTimer deadline(minutes > 0 ? std::chrono::minutes(minutes) : std::chrono::minutes(0));
    m_random.seed(seed);

    m_game = std::make_unique<GameFixture>();
    start();
    probe(window()).newGame();
    rebase();

    // The answers draw from a source of their own: how often the answerer
    // looks depends on the machine's speed, the player's actions must not.
    std::mt19937 answers(seed + 1);
    RandomAnswerer answerer(answers);
    answerer.firstSight = [this](QWidget *modal) {
        auto *screen = qobject_cast<BonusScreen *>(modal);
        if (!screen)
            return;
        ++m_bonusScreens;
        screen->openTimer.setInterval(1);
        screen->closeTimer.setInterval(1);
        connect(screen, &QDialog::finished, this, [this, screen] {
            const int prize = screen->prizes()[screen->chosenSafe()];
            if (prize != Prizes::SixNudges)
                m_bonusInPlay += prize;
        });
    };
    // Now and then a press or a key while the reels turn or a win counts up.
    m_game->clock.onPump = [this] {
        if (m_handBusy || below(30) != 0)
            return;
        m_handBusy = true;
        below(2) == 0 ? press(below(3) == 0) : key();
        m_handBusy = false;
    };

    for (m_action = 0; m_fault.isEmpty() && (minutes > 0 ? !deadline.hasExpired() : m_action < actions); ++m_action) {
        act();
        // The vault's screen is answered from the event loop: the play that
        // opened it settles there.
        for (QDeadlineTimer settling(10'000);
             window().isVisible() && probe(window()).machine().busy() && !settling.hasExpired();)
            QTest::qWait(1);
        if (!window().isVisible())
            restart();
        checkBooks("after the action");
        m_game->sound.played.clear();
    }
    m_game->clock.onPump = nullptr;
    qInfo("seed %u: %d actions, %d spins, %d nudges, %d bonus screens, %d windows answered, %d restarts",
          seed, m_action, m_spins, m_nudges, m_bonusScreens, answerer.windowsSeen, m_restarts);
    QVERIFY2(m_fault.isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(m_fault)));
    QVERIFY(m_spins > 0 && m_nudges > 0 && m_restarts > 0 && answerer.windowsSeen > 0);
}

ZAND_TEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
