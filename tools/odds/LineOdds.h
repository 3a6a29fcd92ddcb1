// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Exact odds of one payline, counted over every combination of the three
// stops (30 x 30 x 30), judged by the game's own pay table.
namespace odds {

constexpr int Combinations = 30 * 30 * 30;
constexpr int PayingSymbols = 8;

struct Triple
{
    int count = 0;     // combinations showing three of the symbol on the line
    int withWild = 0;  // of them, with the Wild standing in on reel 3
    int pay = 0;       // credits for the line
};

struct LineCounts
{
    std::array<Triple, PayingSymbols> paying{};
    int bonus = 0;        // Bonus, Bonus, Bonus: opens the vault, bet or not
    int bonusWild = 0;    // Bonus, Bonus, Wild: opens the vault on a bet line
    int noMatch = 0;      // everything else
    long long pays = 0;   // credits of the line summed over all combinations
};

// Line 0, 1 or 2 (the game's lines 1 to 3: middle, top, bottom row), bet.
LineCounts countLine(int line);

// The expected credits of one vault opened: its credit prizes shared by its
// eight safes. The nudge prizes add nothing here.
double vaultCredits();

// Return per coin, as a fraction of the coins bet, with 1 to 3 coins.
struct ExactReturn
{
    long long linePays = 0;   // credits over all combinations, all bet lines
    long long vaults = 0;     // vaults opened over all combinations
    double lines = 0;         // line wins alone
    double linesAndVault = 0; // line wins and the vault's credits, no nudges
};
ExactReturn exactReturn(int coins);

} // namespace odds
