// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace zand {

class Random;

// The eight prizes behind the safes of the bonus screen: 250, 100, 50, 25
// and 25 credits, and three times "6 Nudges", stored as 1.
namespace Prizes {

constexpr int SixNudges = 1;
constexpr int NudgesWon = 6; // what the SixNudges prize gives
constexpr int Safes = 8;
using Table = std::array<int, Safes>;
constexpr Table Unshuffled = {250, 100, 50, SixNudges, 25, SixNudges, 25, SixNudges};

// The table refilled and shuffled: 1001 rounds, each swapping every safe
// with one picked at random.
Table shuffled(Random &random);

} // namespace Prizes

} // namespace zand
