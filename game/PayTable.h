// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace zand {

// How one payline is judged. The Wild stands only on reel 3 and there takes
// the place of any symbol; reels 1 and 2 must show the same symbol.
namespace PayTable {

// Credits for three of a symbol 0 to 7, from the grandest to the humblest.
constexpr std::array<int, 8> Pays = {250, 50, 20, 18, 14, 12, 10, 3};

enum class Outcome {
    Pays,     // a paying line (its pay is 0 when the line was not bet)
    Bonus,    // opens the bonus screen
    NoMatch,  // matches no row of the table: asks for nudges
};

struct Line
{
    Outcome outcome;
    int pay; // credits, only for a bet paying line
};

// Judges symbols a, b, c on reels 1, 2, 3 of a line, bet or not. Three Bonus
// symbols open the bonus screen on any line; Bonus, Bonus, Wild only on a bet
// line (unbet, it matches nothing).
Line judge(int a, int b, int c, bool bet);

// The row each line stands on: line 1 the middle, 2 the top, 3 the bottom.
constexpr std::array<int, 3> LineRows = {1, 0, 2};

} // namespace PayTable

} // namespace zand
