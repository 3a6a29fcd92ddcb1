// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Borrowing.h"
#include "game/GameState.h"
#include "game/SavedGame.h"
#include "game/SpinResult.h"
#include "game/Statistics.h"

#include <QObject>

#include <array>

namespace zand {

// The slot machine itself: it owns the game's values and applies the rules of
// a turn. Bets, spins, nudges, the vault's prize, the count-up, the bank and
// the books are its operations; whoever shows or animates the game asks it to
// act and redraws when it says something changed. Nothing else writes a game
// value.
class Machine : public QObject
{
    Q_OBJECT

public:
    // Where the turn stands. Coins may be placed, and a nudge taken when one
    // is offered, only while Idle.
    enum class Phase {
        Starting,   // the window is opening: the controls are still shut
        Idle,       // between turns
        Spinning,   // the reels turn towards stops already drawn
        Judging,    // the lines are being paid and shown
        Bonus,      // the vault is open; its prize is awaited
        CountingUp, // the win is counted into the credits
        Nudging,    // a reel slides down one stop
    };
    Q_ENUM(Phase)

    // What stops the settling of the lines.
    enum class Lines { Settled, Bonus };

    static constexpr int BonusMeterPoints = 12;

    explicit Machine(QObject *parent = nullptr);

    const GameState &state() const { return m_state; }
    const GameRecord &record() const { return m_state.record(); }
    Phase phase() const { return m_phase; }
    bool controlsOpen() const { return m_phase == Phase::Idle; }
    bool busy() const { return m_phase != Phase::Idle && m_phase != Phase::Starting; }
    bool nudgeOffered() const { return controlsOpen() && m_state.nudgeMode && m_state.nudges > 0; }
    // The judgement of the spin or nudge being settled, or of the last one.
    const SpinResult &result() const { return m_result; }
    int linesBet() const { return m_linesBet; }
    Statistics statistics() const { return statisticsOf(m_state.record(), m_state.bet); }

    // The window is up: the controls open.
    void open();

    // One coin on the next line; false when the player has no credit.
    bool placeCoin();
    // Coins up to three, as far as the credits go; how many were placed.
    int placeMax();

    // With no coin placed, the last bet is placed again when the credits
    // cover it. False when no bet stands for a spin.
    bool takeBet();
    // Spins to `stops` (each reel's top row, 1 to 30) on the bet placed: the
    // bet is charged to the books and the spin counted. False without a bet.
    bool spin(const std::array<int, 3> &stops);
    // Nudges `reel` down one stop when a nudge is offered: it costs a nudge
    // and its lines are judged on the last spin's bet. False when refused.
    bool nudge(int reel);
    // Judges the reels where they stand with `linesBet` lines bet; the lines
    // are then settled. A spin and a nudge judge themselves.
    void judge(int linesBet);

    // Pays the judged lines in order, up to the end or up to a line that
    // opens the vault; then the vault's prize is awaited.
    Lines settleLines();
    // Pays the prize behind the safe the player opened: credits, or six
    // nudges. Only while the vault is open.
    void payBonus(int prize);
    // The vault closes: the lines settle on from the vault's line.
    void closeVault();
    // Counts the next step of the win into the credits (all of it when
    // `all`); how much was counted. Zero once the win is counted.
    int countUpStep(bool all = false);
    // The turn is over; the coins of a spin become the last bet.
    void endTurn();

    // Borrows or pays back through the bank; refused requests change nothing.
    Borrowing::Outcome borrow(Borrowing::Mode mode, int amount);

    void newGame();
    // Makes `game` the one in play (a game opened or loaded at start-up).
    void restore(const GameRecord &game);
    SavedGameFile::Loaded load(const SavedGameFile &file, int slot);
    bool save(const SavedGameFile &file, int slot, const QString &name, QString *error) const;

signals:
    void creditsChanged(int credits);
    void coinsChanged(int coins);
    // The part of the win counted in so far.
    void winningsChanged(int counted);
    void nudgesChanged(int nudges);
    void bonusMeterChanged(int points);
    void phaseChanged(zand::Machine::Phase phase);
    void linesWonChanged();
    // Every value may have changed: a new or opened game.
    void gameReplaced();
    // A spin or nudge ended; `won` credits were counted in.
    void turnEnded(int won);

private:
    void setPhase(Phase phase);
    void addCredits(int amount);
    void addNudges(int amount);
    void finishLine();

    // Tests set up positions through this door; the game never does.
    friend struct MachineTestDoor;

    GameState m_state;
    Phase m_phase = Phase::Starting;
    SpinResult m_result;
    int m_linesBet = 0;
    int m_line = 0;           // the next line to settle
    int m_lineStartWin = 0;   // the win before the line being settled
    int m_counted = 0;        // the win counted in so far
    // What is being settled: a spin, a nudge, or the reels judged where
    // they stand.
    enum class Turn { Spin, Nudge, Judgement };
    Turn m_turn = Turn::Judgement;
};

} // namespace zand
