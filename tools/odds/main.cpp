// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// zand_odds: the odds of Zandor Slots, worked out from the game's own rules.
//
//   zand_odds [--html] [--spins N]
//
// Prints the odds of every line, the exact return of the line wins and the
// full return found by playing N spins for each bet (10,000,000 unless
// told otherwise), as text or as an HTML fragment for the manual. The seed
// is fixed, so every run prints the same figures.
#include "Report.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char **argv)
{
    constexpr std::uint32_t Seed = 19970611;
    bool html = false;
    long long spins = 10'000'000;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--html") {
            html = true;
        } else if (arg == "--spins" && i + 1 < argc) {
            spins = std::atoll(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: zand_odds [--html] [--spins N]\n");
            return 2;
        }
    }
    if (spins < 100) {
        std::fprintf(stderr, "zand_odds: play at least 100 spins\n");
        return 2;
    }
    const odds::Odds odds = odds::workOut(spins, Seed);
    const std::string out = html ? odds::asHtml(odds) : odds::asText(odds);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
