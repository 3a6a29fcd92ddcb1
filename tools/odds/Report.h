// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineOdds.h"
#include "Simulation.h"

#include <array>
#include <cstdint>
#include <string>

namespace odds {

struct Odds
{
    LineCounts line;                  // any one line: the three are alike
    std::array<ExactReturn, 3> exact; // with 1, 2 and 3 coins
    std::array<Simulation, 3> played; // with 1, 2 and 3 coins
    std::uint32_t seed = 0;
};

// Counts the lines and plays `spins` spins for each bet.
Odds workOut(long long spins, std::uint32_t seed);

std::string asText(const Odds &odds);
// A fragment for the manual: headings, tables and the symbol pictures in
// help/ beside it, in the HTML that a plain rich-text viewer shows.
std::string asHtml(const Odds &odds);

} // namespace odds
