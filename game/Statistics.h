// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace zand {

// The player's books, derived from the saved counters. Sums are taken in
// 64 bits, so every figure is right for any values a game can hold.
struct Statistics
{
    std::int64_t spins = 0;
    std::int64_t credits = 0;
    std::int64_t borrowed = 0;
    std::int64_t totalBets = 0;
    // Everything the machine has paid out: what is held plus what was bet,
    // less what was borrowed.
    std::int64_t payoffs = 0;
    // The payoffs that were not won in the bonus vault.
    std::int64_t normal = 0;
    std::int64_t bonus = 0;
    // Payoffs per credit bet, in percent; 0 while nothing was bet.
    double payoffPercentage = 0;
};

// Coins placed for the coming spin have left the credits but are not yet
// bets: they are still the player's, and count with the credits.
Statistics statisticsOf(const GameRecord &game, std::int64_t coinsPlaced = 0);

// A count with the locale's thousands separator, right-aligned in at least
// ten characters (" 1,234,567").
QString formatCount(std::int64_t value, const QLocale &locale = QLocale());

// A percentage with two decimals and the locale's decimal separator, at
// least four characters wide, and the sign ("95.50%").
QString formatPercentage(double value, const QLocale &locale = QLocale());

} // namespace zand
