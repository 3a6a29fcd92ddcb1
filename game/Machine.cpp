// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include "game/CountUp.h"
#include "game/Prizes.h"
#include "game/Saturating.h"
#include "game/Strips.h"

#include <algorithm>

namespace zand {

Machine::Machine(QObject *parent)
    : QObject(parent)
{
}

void Machine::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void Machine::addCredits(int amount)
{
    addTo(m_state.credits, amount);
    emit creditsChanged(m_state.credits);
}

void Machine::addNudges(int amount)
{
    addTo(m_state.nudges, amount);
    emit nudgesChanged(m_state.nudges);
}

void Machine::open()
{
    if (m_phase == Phase::Starting)
        setPhase(Phase::Idle);
}

bool Machine::placeCoin()
{
    if (busy() || m_state.credits < 1)
        return false;
    m_state.bet += 1;
    addCredits(-1);
    emit coinsChanged(m_state.bet);
    return true;
}

int Machine::placeMax()
{
    int placed = 0;
    while (m_state.credits >= 1 && m_state.bet < 3 && placeCoin())
        ++placed;
    return placed;
}

bool Machine::takeBet()
{
    GameState &s = m_state;
    if (busy())
        return false;
    if (s.bet == 0 && s.lastBet > 0 && s.credits >= s.lastBet) {
        s.bet = s.lastBet;
        addCredits(-s.lastBet);
        emit coinsChanged(s.bet);
    }
    return s.bet > 0;
}

bool Machine::spin(const std::array<int, 3> &stops)
{
    if (busy() || m_state.bet <= 0)
        return false;
    addTo(m_state.totalBets, m_state.bet);
    m_state.reelStops = stops;
    addTo(m_state.spins, 1);
    m_turn = Turn::Spin;
    m_state.lineWon = {};
    emit linesWonChanged();
    setPhase(Phase::Spinning);
    return true;
}

bool Machine::nudge(int reel)
{
    if (!nudgeOffered() || reel < 0 || reel > 2)
        return false;
    m_turn = Turn::Nudge;
    addNudges(-1);
    m_state.nudgeMode = false;
    m_state.reelStops[reel] = Strips::wrap(m_state.reelStops[reel] - 1);
    setPhase(Phase::Nudging);
    return true;
}

void Machine::judge(int linesBet)
{
    GameState &s = m_state;
    if (!busy())
        m_turn = Turn::Judgement;
    m_result = evaluate(s.reelStops, linesBet);
    m_linesBet = linesBet;
    m_line = 0;
    m_counted = 0;
    s.spinWin = 0;
    s.nudgeMode = false;
    s.lineWon = {};
    emit linesWonChanged();
    setPhase(Phase::Judging);
}

Machine::Lines Machine::settleLines()
{
    GameState &s = m_state;
    for (; m_line < 3; ++m_line) {
        const LineResult &line = m_result.lines[m_line];
        m_lineStartWin = s.spinWin;
        if (line.wild)
            s.wildRow = PayTable::LineRows[m_line];
        switch (line.outcome) {
        case PayTable::Outcome::Pays:
            addTo(s.spinWin, line.pay);
            break;
        case PayTable::Outcome::Bonus:
            setPhase(Phase::Bonus);
            return Lines::Bonus;
        case PayTable::Outcome::NoMatch:
            s.nudgeMode = true;
            break;
        }
        finishLine();
    }
    // A win closes the nudge offer a losing line opened.
    if (s.spinWin > 0)
        s.nudgeMode = false;
    return Lines::Settled;
}

void Machine::finishLine()
{
    const int won = m_state.spinWin - m_lineStartWin;
    if (won <= 0)
        return;
    addNudges(nudgesFor(m_result.lines[m_line], won));
    m_state.lineWon[m_line] = true;
    emit linesWonChanged();
}

void Machine::payBonus(int prize)
{
    if (m_phase != Phase::Bonus)
        return;
    if (prize == Prizes::SixNudges) {
        addNudges(Prizes::NudgesWon);
    } else {
        addTo(m_state.bonusWon, prize);
        addTo(m_state.spinWin, prize);
    }
}

void Machine::closeVault()
{
    if (m_phase != Phase::Bonus)
        return;
    if (m_line < 3)
        finishLine();
    ++m_line;
    setPhase(Phase::Judging);
}

int Machine::countUpStep(bool all)
{
    GameState &s = m_state;
    if (s.spinWin <= 0)
        return 0;
    setPhase(Phase::CountingUp);
    const int step = all ? s.spinWin : zand::countUpStep(s.spinWin);
    s.spinWin -= step;
    m_counted = saturatingAdd(m_counted, step);
    addCredits(step);
    emit winningsChanged(m_counted);
    return step;
}

void Machine::endTurn()
{
    if (!busy())
        return;
    GameState &s = m_state;
    if (m_turn == Turn::Spin) {
        // The Coins display keeps showing them until the next coin.
        s.lastBet = s.bet;
        s.bet = 0;
    }
    if (s.nudges <= 0)
        s.nudgeMode = false;
    setPhase(Phase::Idle);
    emit turnEnded(m_counted);
}

Borrowing::Outcome Machine::borrow(Borrowing::Mode mode, int amount)
{
    const Borrowing::Outcome outcome = Borrowing::settle(m_state.record(), mode, amount);
    if (outcome.refusal != Borrowing::Refusal::None)
        return outcome;
    m_state.borrowed = outcome.borrowed;
    m_state.credits = outcome.credits;
    emit creditsChanged(m_state.credits);
    return outcome;
}

void Machine::newGame()
{
    // A fresh record holds the starting balances; a new game adds its nudges.
    GameRecord fresh;
    fresh.nudges = 6;
    restore(fresh);
    // A new game chosen before the start-up was over opens the controls.
    open();
}

void Machine::restore(const GameRecord &game)
{
    m_state.record() = game;
    // The meter shows no more than it can hold, and so keeps the game.
    m_state.bonusPts = std::min(m_state.bonusPts, BonusMeterPoints);
    emit gameReplaced();
}

SavedGameFile::Loaded Machine::load(const SavedGameFile &file, int slot)
{
    SavedGameFile::Loaded loaded = file.load(slot);
    restore(loaded.values);
    return loaded;
}

bool Machine::save(const SavedGameFile &file, int slot, const QString &name, QString *error) const
{
    return file.save(slot, name, m_state.record(), error);
}

} // namespace zand
