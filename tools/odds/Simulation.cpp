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

// What the lines of one combination of stops bring, everything but the
// vault's prize, which is drawn when the vault opens.
struct Judged
{
    std::uint16_t pay = 0;       // credits of the bet lines
    std::uint8_t wildPays = 0;   // bet lines paid with the Wild: 2 nudges each
    std::uint8_t vaults = 0;     // lines that open the vault
    std::uint8_t wildVaults = 0; // of them, with the Wild on reel 3
    bool noMatch = false;        // a line matched nothing: nudge mode, unless won
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
    judged.wildPays = static_cast<std::uint8_t>(result.nudgesEarned / WildNudges);
    judged.noMatch = result.anyNoMatch;
    for (const LineResult &line : result.lines) {
        if (line.outcome == PayTable::Outcome::Bonus) {
            ++judged.vaults;
            judged.wildVaults += line.wild;
        }
    }
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

} // namespace

Simulation simulate(int coins, long long spins, std::uint32_t seed)
{
    const Tables t = makeTables(coins);
    Random random(seed);
    Simulation sim;
    sim.coins = coins;
    int nudges = 6;

    // Settles one evaluation of the lines; returns the credits won.
    auto settle = [&](const Judged &j) {
        long long won = j.pay;
        nudges += WildNudges * j.wildPays;
        sim.nudgesEarned += WildNudges * j.wildPays;
        for (int v = 0; v < j.vaults; ++v) {
            ++sim.vaults;
            const int prize = Prizes::Unshuffled[random.below(Prizes::Safes)];
            if (prize == Prizes::SixNudges) {
                nudges += Prizes::NudgesWon;
                sim.nudgesEarned += Prizes::NudgesWon;
            } else {
                won += prize;
                sim.vaultCredits += prize;
                if (v < j.wildVaults) {
                    nudges += WildNudges;
                    sim.nudgesEarned += WildNudges;
                }
            }
        }
        return won;
    };

    const long long perBatch = spins / Batches;
    double sum = 0;
    double sumSquares = 0;
    for (int batch = 0; batch < Batches; ++batch) {
        long long batchWon = 0;
        for (long long n = 0; n < perBatch; ++n) {
            // The game draws each reel's stop in turn, reels 1 to 3.
            const int s1 = random.below(Strips::Length) + 1;
            const int s2 = random.below(Strips::Length) + 1;
            const int s3 = random.below(Strips::Length) + 1;
            int i = indexOf(s1, s2, s3);
            long long won = settle(t.judged[i]);
            sim.spinCredits += t.judged[i].pay;
            while (won == 0 && nudges > 0 && t.judged[i].noMatch && t.bestNudge[i] >= 0) {
                --nudges;
                ++sim.nudgesUsed;
                i = t.nudged[i][t.bestNudge[i]];
                won = settle(t.judged[i]);
                sim.nudgeCredits += t.judged[i].pay;
            }
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
