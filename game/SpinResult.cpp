// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinResult.h"

#include "game/Random.h"
#include "game/Strips.h"

namespace zand {

SpinDraw drawSpin(Random &random, int blurHeight)
{
    SpinDraw draw;
    for (int reel = 0; reel < 3; ++reel) {
        draw.blurOffsets[reel] = random.below(blurHeight > 0 ? blurHeight : 1);
        draw.stops[reel] = random.below(Strips::Length) + 1;
    }
    return draw;
}

SpinResult evaluate(const std::array<int, 3> &stops, int linesBet)
{
    SpinResult result;
    for (int line = 0; line < 3; ++line) {
        const int row = PayTable::LineRows[line];
        LineResult &l = result.lines[line];
        for (int reel = 0; reel < 3; ++reel)
            l.symbols[reel] = Strips::visible(reel, stops[reel])[row];
        l.bet = line < linesBet;
        l.wild = l.symbols[2] == Strips::Wild;
        const PayTable::Line judged = PayTable::judge(l.symbols[0], l.symbols[1], l.symbols[2], l.bet);
        l.outcome = judged.outcome;
        l.pay = judged.pay;
        if (l.wild)
            result.wildRow = row;
        result.total += l.pay;
        result.nudgesEarned += nudgesFor(l, l.pay);
        result.opensBonus = result.opensBonus || l.outcome == PayTable::Outcome::Bonus;
        result.anyNoMatch = result.anyNoMatch || l.outcome == PayTable::Outcome::NoMatch;
    }
    return result;
}

} // namespace zand
