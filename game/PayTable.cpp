// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PayTable.h"

#include "game/Strips.h"

namespace zand {

namespace PayTable {

Line judge(int a, int b, int c, bool bet)
{
    if (a == b && a >= 0 && a < static_cast<int>(Pays.size()) && (c == a || c == Strips::Wild))
        return {Outcome::Pays, bet ? Pays[a] : 0};
    if (a == Strips::Bonus && b == Strips::Bonus) {
        if (c == Strips::Bonus || (c == Strips::Wild && bet))
            return {Outcome::Bonus, 0};
    }
    return {Outcome::NoMatch, 0};
}

} // namespace PayTable

} // namespace zand
