// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace zand {

// What the player asked of an autoplay run: how many spins, and what ends
// it sooner. A zero amount asks for no such stop.
struct AutoplayPlan
{
    static constexpr std::array<int, 4> SpinChoices{10, 25, 50, 100};

    int spins = SpinChoices[0];
    int winAtLeast = 0;
    bool stopOnBonus = false;
    int creditsBelow = 0;

    // Why the run ends after a spin, if it does.
    enum class Stop { None, SpinsDone, Win, Bonus, Credits, BetNotCovered };

    // After `spinsDone` spins, the last of which counted in `won` credits and
    // opened the vault or not, with `credits` left and `bet` to stake again.
    Stop after(int spinsDone, int won, bool bonus, int credits, int bet) const
    {
        if (winAtLeast > 0 && won >= winAtLeast)
            return Stop::Win;
        if (stopOnBonus && bonus)
            return Stop::Bonus;
        if (creditsBelow > 0 && credits < creditsBelow)
            return Stop::Credits;
        if (spinsDone >= spins)
            return Stop::SpinsDone;
        if (credits < bet)
            return Stop::BetNotCovered;
        return Stop::None;
    }
};

} // namespace zand
