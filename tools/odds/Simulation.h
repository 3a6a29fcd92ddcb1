// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// The full return of the machine, nudges and vault included, estimated by
// playing many spins with a fixed bet and the way of using the nudges that
// NudgePolicy tells. A nudge that opens a vault for "6 Nudges" wins no
// credits and leaves nudge mode open, so the player may look again.
namespace odds {

constexpr std::string_view NudgePolicy =
    "The player starts a new game with its 6 nudges. After a spin that wins nothing the "
    "player nudges only when one nudge makes a line win, and then the reel that brings "
    "the most credits (an opened vault counted at its average prize; ties go to the "
    "leftmost reel); otherwise the nudges are kept for a later spin. In the vault a safe "
    "is picked at random.";

struct Simulation
{
    int coins = 0;
    long long spins = 0;
    long long staked = 0;
    long long spinCredits = 0;  // line wins of the spins themselves
    long long nudgeCredits = 0; // line wins made by nudges
    long long vaultCredits = 0; // credits found in the vault
    long long vaults = 0;       // vaults opened
    long long winningSpins = 0; // spins that ended with a win, nudges included
    long long nudgesEarned = 0; // from Wild wins and the vault
    long long nudgesUsed = 0;
    double ret = 0;             // all credits won per coin bet
    double halfWidth99 = 0;     // half the width of its 99 % confidence interval
};

// Plays `spins` spins of `coins` coins (1 to 3) from the given seed; the
// spins are cut into 100 equal batches whose spread gives the interval.
Simulation simulate(int coins, long long spins, std::uint32_t seed);

} // namespace odds
