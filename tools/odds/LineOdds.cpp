// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineOdds.h"

#include "GameRules.h"

namespace odds {

LineCounts countLine(int line)
{
    const int row = PayTable::LineRows[line];
    LineCounts counts;
    for (int s1 = 1; s1 <= Strips::Length; ++s1) {
        const int a = Strips::symbolAt(0, s1 + row);
        for (int s2 = 1; s2 <= Strips::Length; ++s2) {
            const int b = Strips::symbolAt(1, s2 + row);
            for (int s3 = 1; s3 <= Strips::Length; ++s3) {
                const int c = Strips::symbolAt(2, s3 + row);
                const PayTable::Line judged = PayTable::judge(a, b, c, true);
                switch (judged.outcome) {
                case PayTable::Outcome::Pays: {
                    Triple &triple = counts.paying[a];
                    ++triple.count;
                    triple.withWild += c == Strips::Wild;
                    triple.pay = judged.pay;
                    counts.pays += judged.pay;
                    break;
                }
                case PayTable::Outcome::Bonus:
                    ++(c == Strips::Wild ? counts.bonusWild : counts.bonus);
                    break;
                case PayTable::Outcome::NoMatch:
                    ++counts.noMatch;
                    break;
                }
            }
        }
    }
    return counts;
}

double vaultCredits()
{
    int credits = 0;
    for (int prize : Prizes::Unshuffled)
        credits += prize == Prizes::SixNudges ? 0 : prize;
    return double(credits) / Prizes::Safes;
}

ExactReturn exactReturn(int coins)
{
    ExactReturn result;
    for (int line = 0; line < 3; ++line) {
        const LineCounts counts = countLine(line);
        // Three Bonus symbols open the vault on every line, bet or not.
        result.vaults += counts.bonus;
        if (line < coins) {
            result.linePays += counts.pays;
            result.vaults += counts.bonusWild;
        }
    }
    const double staked = double(coins) * Combinations;
    result.lines = double(result.linePays) / staked;
    result.linesAndVault = (double(result.linePays) + double(result.vaults) * vaultCredits()) / staked;
    return result;
}

} // namespace odds
