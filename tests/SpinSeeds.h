// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Random.h"
#include "game/SpinResult.h"

#include <cstdint>

namespace zand {

// The first seed of the game's random source, from `from` on, whose next
// spin with `coins` coins bet ends as `wanted` asks; blurHeight is the
// machine's, since each spin draws the blurred strips' offsets before its stops.
template<typename Wanted>
std::uint32_t seedWhoseSpin(int blurHeight, int coins, Wanted wanted, std::uint32_t from = 1)
{
    for (std::uint32_t seed = from;; ++seed) {
        Random random(seed);
        if (wanted(evaluate(drawSpin(random, blurHeight).stops, coins)))
            return seed;
    }
}

// What the spin drawn from `seed` shows and pays.
inline SpinResult spinOf(std::uint32_t seed, int blurHeight, int coins)
{
    Random random(seed);
    return evaluate(drawSpin(random, blurHeight).stops, coins);
}

} // namespace zand
