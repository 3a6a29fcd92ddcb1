// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace zand {

// The three reel strips of 30 symbols. Symbols are 0 to 9: 0-7 the theme
// symbols, 8 the Bonus emblem and 9 the Wild, which stands on reel 3 only.
namespace Strips {

constexpr int Length = 30;
constexpr int Bonus = 8;
constexpr int Wild = 9;

constexpr std::array<std::string_view, 3> Reels = {
    "012345678456745678123745672367",
    "765473210876543721876547320765",
    "574837291706574635291763513246",
};

// Wraps any position onto 1 .. 30 (31 is 1, 0 is 30).
constexpr int wrap(int position)
{
    return ((position - 1) % Length + Length) % Length + 1;
}

// The symbol at position 1 .. 30 (wrapped) of reel 0 .. 2.
constexpr int symbolAt(int reel, int position)
{
    return Reels[reel][wrap(position) - 1] - '0';
}

// The symbols a reel shows in its top, middle and bottom row for a stop.
constexpr std::array<int, 3> visible(int reel, int stop)
{
    return {symbolAt(reel, stop), symbolAt(reel, stop + 1), symbolAt(reel, stop + 2)};
}

} // namespace Strips

} // namespace zand
