// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Borrowing.h"

#include <QCoreApplication>

#include <limits>

namespace zand::Borrowing {

Outcome settle(const GameRecord &game, Mode mode, int amount)
{
    Outcome out{Refusal::None, game.credits, game.borrowed};
    // 64-bit sums: the 32-bit balances must never wrap round to a debt.
    const std::int64_t credits = game.credits;
    const std::int64_t borrowed = game.borrowed;
    if (mode == Mode::Borrow) {
        constexpr std::int64_t Most = std::numeric_limits<std::int32_t>::max();
        if (credits + amount > Most || borrowed + amount > Most) {
            out.refusal = Refusal::AtLimit;
            return out;
        }
        out.credits += amount;
        out.borrowed += amount;
        return out;
    }
    if (amount > credits)
        out.refusal = Refusal::NotEnoughCredits;
    else if (amount > borrowed)
        out.refusal = Refusal::MoreThanBorrowed;
    else {
        out.credits -= amount;
        out.borrowed -= amount;
    }
    return out;
}

QString refusalText(Refusal refusal, int amount, const QLocale &locale)
{
    switch (refusal) {
    case Refusal::NotEnoughCredits:
        return QCoreApplication::translate("zand::Borrowing", "You do not have %1 credits!")
            .arg(amountText(amount, locale));
    case Refusal::MoreThanBorrowed:
        return QCoreApplication::translate("zand::Borrowing", "You cannot pay back more credits than you have borrowed!");
    case Refusal::AtLimit:
        return QCoreApplication::translate("zand::Borrowing", "You cannot borrow any more credits!");
    case Refusal::None:
        break;
    }
    return {};
}

QString amountText(int amount, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(static_cast<double>(amount), 'f', 2).rightJustified(7, QLatin1Char(' '));
}

QString instructions()
{
    return QCoreApplication::translate(
        "zand::Borrowing",
        "Use this screen to borrow credits or pay back credits that you "
        "borrowed previously.  Click on the button representing the amount "
        "to borrow (or pay back).\r\n\r\nTo switch between \"borrow\" and "
        "\"pay back\" select the mode.");
}

} // namespace zand::Borrowing
