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

// Everything the machine knows about the game in play. One instance lives
// for the whole run; every part of the game reads and writes it directly.
struct GameState : GameRecord
{
    GameRecord &record() { return *this; }
    const GameRecord &record() const { return *this; }

    // The coming spin and the last one.
    std::int32_t bet = 0;
    std::int32_t lastBet = 0;
    std::int32_t spinWin = 0;

    // The bet and spin controls are shut while this is set (from start-up
    // until the first timer tick, and while the reels turn).
    bool spinInProgress = true;
    // A nudge is sliding, bouncing, showing the bonus screen or counting up.
    bool nudgeInProgress = false;
    bool appClosing = false;
    bool soundOn = true;
    bool musicOn = true;
    bool nudgeMode = false;
    std::array<bool, 3> lineWon{};
    int wildRow = 1;

    // The strip position shown in each reel's top row (1 to 30).
    std::array<int, 3> reelStops{8, 9, 7};

    // Bet and spin controls answer only when neither a spin nor a nudge runs.
    bool controlsOpen() const { return !spinInProgress && !nudgeInProgress; }

    void startNewGame()
    {
        bonusPts = 0;
        totalBets = 0;
        credits = 1000;
        borrowed = 1000;
        spins = 0;
        bonusWon = 0;
        nudges = 6;
        spinInProgress = false;
    }
};

} // namespace zand
