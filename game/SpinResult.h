// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/PayTable.h"

#include <array>
#include <optional>

namespace zand {

class Random;

// What one payline shows and what it is worth.
struct LineResult
{
    std::array<int, 3> symbols{}; // reels 1, 2, 3
    PayTable::Outcome outcome = PayTable::Outcome::NoMatch;
    int pay = 0;       // credits; 0 on a line that was not bet
    bool bet = false;  // the line had a coin on it
    bool wild = false; // reel 3 shows the Wild on this line
};

// The judgement of the three paylines for one position of the reels, before
// anything is shown: lines in the order they are paid (middle, top, bottom).
struct SpinResult
{
    std::array<LineResult, 3> lines{};
    int total = 0;            // what the paying lines pay together
    int nudgesEarned = 0;     // what the paying lines through the Wild earn
    bool opensBonus = false;  // some line opens the bonus vault
    bool anyNoMatch = false;  // some line matched nothing: nudges are offered
    std::optional<int> wildRow; // the row of the last line through the Wild
};

// Nudges a win through the Wild on reel 3 earns.
constexpr int WildNudges = 2;

// What a line won earns in nudges: a win through the Wild earns WildNudges,
// also a credit prize from the bonus vault opened on that line.
constexpr int nudgesFor(const LineResult &line, int won)
{
    return won > 0 && line.wild ? WildNudges : 0;
}

// What one spin draws, in the machine's order: for each reel its blurred
// strip's offset (0 to blurHeight - 1), then its stop (1 to 30).
struct SpinDraw
{
    std::array<int, 3> blurOffsets{};
    std::array<int, 3> stops{};
};
SpinDraw drawSpin(Random &random, int blurHeight);

// Judges the reels standing at `stops` (each reel's top row, 1 to 30) with
// the first `linesBet` lines bet.
SpinResult evaluate(const std::array<int, 3> &stops, int linesBet);

} // namespace zand
