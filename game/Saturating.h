// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zand {

// The game's books are 32-bit counters, and a saved game may bring any value
// at all. A sum that would pass a limit holds at it instead: the books stay
// true to the last unit they can hold, and no stored value can make the
// arithmetic undefined.
constexpr std::int32_t saturatingAdd(std::int32_t value, std::int32_t amount)
{
    const std::int64_t sum = std::int64_t{value} + amount;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Adds `amount` (negative to take away) to a game value in place.
constexpr void addTo(std::int32_t &value, std::int32_t amount)
{
    value = saturatingAdd(value, amount);
}

} // namespace zand
