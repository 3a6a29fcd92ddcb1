// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace zand {

// The game itself: the seven values a saved game holds, restored at start-up.
struct GameRecord
{
    std::int32_t credits = 1000;
    std::int32_t borrowed = 1000;
    std::int32_t spins = 0;
    std::int32_t totalBets = 0;
    std::int32_t bonusWon = 0;
    std::int32_t bonusPts = 0;
    std::int32_t nudges = 0;

    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};

// Everything the machine knows about the game in play: the saved values and
// the turn in progress. Only the Machine writes them; everything else reads
// them through it.
struct GameState : GameRecord
{
    GameRecord &record() { return *this; }
    const GameRecord &record() const { return *this; }

    // The coins placed for the coming spin, and those of the last one.
    std::int32_t bet = 0;
    std::int32_t lastBet = 0;
    // What the spin or nudge being settled has won and not yet counted in.
    std::int32_t spinWin = 0;

    // The last spin won nothing: the player may nudge a reel.
    bool nudgeMode = false;
    std::array<bool, 3> lineWon{};
    int wildRow = 1;

    // The strip position shown in each reel's top row (1 to 30).
    std::array<int, 3> reelStops{8, 9, 7};
};

} // namespace zand
