// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>

namespace zand {

// The bank behind the Borrow command: the player borrows credits or pays
// borrowed credits back, and both balances always move together.
namespace Borrowing {

enum class Mode { Borrow, PayBack };

enum class Refusal {
    None,
    NotEnoughCredits, // paying back more than the player holds
    MoreThanBorrowed, // paying back more than the player owes
    AtLimit,          // a balance would pass the largest value it can hold
};

// The four amount buttons, in their order from left to right.
inline constexpr std::array<int, 4> Amounts = {1000, 100, 10, 1};

struct Outcome
{
    Refusal refusal = Refusal::None;
    std::int32_t credits = 0; // the balances afterwards; unchanged when refused
    std::int32_t borrowed = 0;
};

// Borrows or pays back `amount` (positive). A pay-back is first held against
// the credits, then against the debt.
Outcome settle(const GameRecord &game, Mode mode, int amount);

// What the player is told when a request is refused.
QString refusalText(Refusal refusal, int amount, const QLocale &locale = QLocale());

// An amount with two decimals, right-aligned in seven characters, with the
// locale's decimal separator and no grouping ("   1.00", "1000.00").
QString amountText(int amount, const QLocale &locale = QLocale());

// The dialog's own instructions, behind its Help button.
QString instructions();

} // namespace Borrowing

} // namespace zand
