// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include "GameRules.h"
#include "LineOdds.h"

#include <cmath>
#include <vector>

namespace odds {

namespace {

constexpr int Batches = 100;
// Student's t for 99 % on two sides with Batches - 1 degrees of freedom.
constexpr double T99 = 2.626;

// What the lines of one combination of stops bring, for the player's choice
// of a nudge: the credits of the bet lines and the vaults they open.
struct Judged
{
    std::uint16_t pay = 0;
    std::uint8_t vaults = 0;
};

int indexOf(int s1, int s2, int s3)
{
    return ((s1 - 1) * Strips::Length + (s2 - 1)) * Strips::Length + (s3 - 1);
}

Judged judgeStops(const std::array<int, 3> &stops, int coins)
{
    const SpinResult result = evaluate(stops, coins);
    Judged judged;
    judged.pay = static_cast<std::uint16_t>(result.total);
    for (const LineResult &line : result.lines)
        judged.vaults += line.outcome == PayTable::Outcome::Bonus;
    return judged;
}

// Every combination judged once, with the reel the player would nudge from
// it after a losing spin (-1: none) and where each nudge leads.
struct Tables
{
    std::vector<Judged> judged;
    std::vector<std::int8_t> bestNudge;
    std::vector<std::array<int, 3>> nudged;
};

Tables makeTables(int coins)
{
    Tables t;
    t.judged.resize(Combinations);
    t.bestNudge.assign(Combinations, -1);
    t.nudged.resize(Combinations);
    for (int s1 = 1; s1 <= Strips::Length; ++s1)
        for (int s2 = 1; s2 <= Strips::Length; ++s2)
            for (int s3 = 1; s3 <= Strips::Length; ++s3) {
                const std::array<int, 3> stops = {s1, s2, s3};
                const int i = indexOf(s1, s2, s3);
                t.judged[i] = judgeStops(stops, coins);
                for (int reel = 0; reel < 3; ++reel) {
                    std::array<int, 3> moved = stops;
                    moved[reel] = Strips::wrap(moved[reel] - 1);
                    t.nudged[i][reel] = indexOf(moved[0], moved[1], moved[2]);
                }
            }
    const double vault = vaultCredits();
    for (int i = 0; i < Combinations; ++i) {
        double best = 0;
        for (int reel = 0; reel < 3; ++reel) {
            const Judged &j = t.judged[t.nudged[i][reel]];
            const double value = j.pay + j.vaults * vault;
            if (value > best) {
                best = value;
                t.bestNudge[i] = static_cast<std::int8_t>(reel);
            }
        }
    }
    return t;
}

// One player at the machine: the game's own Machine applies every rule (the
// bet, the lines, the Wild's nudges, the vault, the count-up); the player
// only chooses the nudges, as NudgePolicy tells.
class Player
{
public:
    Player(const Tables &tables, int coins, std::uint32_t seed)
        : m_tables(tables)
        , m_coins(coins)
        , m_random(seed)
    {
        m_machine.newGame();
    }

    // Plays one spin and the nudges after it; returns the credits won.
    long long play(Simulation &sim)
    {
        const GameState &s = m_machine.state();
        // Borrowing keeps the player at the machine; it is not part of the odds.
        if (s.credits < m_coins)
            m_machine.borrow(Borrowing::Mode::Borrow, 1000);
        for (int coin = 0; coin < m_coins; ++coin)
            m_machine.placeCoin();
        m_machine.takeBet();
        // The game draws each reel's stop in turn, reels 1 to 3.
        std::array<int, 3> stops{};
        for (int &stop : stops)
            stop = m_random.below(Strips::Length) + 1;
        m_machine.spin(stops);
        long long won = settle(sim, m_coins);
        sim.spinCredits += m_machine.result().total;
        while (won == 0 && m_machine.nudgeOffered()) {
            const auto &at = s.reelStops;
            const int reel = m_tables.bestNudge[indexOf(at[0], at[1], at[2])];
            if (reel < 0)
                break;
            m_machine.nudge(reel);
            ++sim.nudgesUsed;
            won = settle(sim, s.lastBet);
            sim.nudgeCredits += m_machine.result().total;
        }
        return won;
    }

private:
    // Judges the reels where they stand, opens the vault for every line of
    // Bonus symbols, counts the win in and ends the turn.
    long long settle(Simulation &sim, int linesBet)
    {
        const GameState &s = m_machine.state();
        const int nudgesBefore = s.nudges;
        const int creditsBefore = s.credits;
        m_machine.judge(linesBet);
        while (m_machine.settleLines() == Machine::Lines::Bonus) {
            ++sim.vaults;
            const int prize = Prizes::Unshuffled[m_random.below(Prizes::Safes)];
            if (prize != Prizes::SixNudges)
                sim.vaultCredits += prize;
            m_machine.payBonus(prize);
            m_machine.closeVault();
        }
        while (m_machine.countUpStep(true) > 0) {
        }
        m_machine.endTurn();
        sim.nudgesEarned += s.nudges - nudgesBefore;
        return s.credits - creditsBefore;
    }

    const Tables &m_tables;
    const int m_coins;
    Random m_random;
    Machine m_machine;
};

} // namespace

Simulation simulate(int coins, long long spins, std::uint32_t seed)
{
    const Tables t = makeTables(coins);
    Player player(t, coins, seed);
    Simulation sim;
    sim.coins = coins;

    const long long perBatch = spins / Batches;
    double sum = 0;
    double sumSquares = 0;
    for (int batch = 0; batch < Batches; ++batch) {
        long long batchWon = 0;
        for (long long n = 0; n < perBatch; ++n) {
            const long long won = player.play(sim);
            sim.winningSpins += won > 0;
            batchWon += won;
        }
        const double batchReturn = double(batchWon) / double(perBatch * coins);
        sum += batchReturn;
        sumSquares += batchReturn * batchReturn;
    }
    sim.spins = perBatch * Batches;
    sim.staked = sim.spins * coins;
    sim.ret = sum / Batches;
    const double variance = (sumSquares - sum * sum / Batches) / (Batches - 1);
    sim.halfWidth99 = T99 * std::sqrt(variance / Batches);
    return sim;
}

} // namespace odds
