// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statistics.h"

namespace zand {

Statistics statisticsOf(const GameRecord &game, std::int64_t coinsPlaced)
{
    Statistics s;
    s.spins = game.spins;
    s.credits = game.credits;
    s.borrowed = game.borrowed;
    s.totalBets = game.totalBets;
    s.bonus = game.bonusWon;
    s.payoffs = s.credits + coinsPlaced + s.totalBets - s.borrowed;
    s.normal = s.payoffs - s.bonus;
    if (s.totalBets > 0)
        s.payoffPercentage = static_cast<double>(s.payoffs) / static_cast<double>(s.totalBets) * 100;
    return s;
}

QString formatCount(std::int64_t value, const QLocale &locale)
{
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(static_cast<qlonglong>(value)).rightJustified(10, QLatin1Char(' '));
}

QString formatPercentage(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 2).rightJustified(4, QLatin1Char(' ')) + QLatin1Char('%');
}

} // namespace zand
