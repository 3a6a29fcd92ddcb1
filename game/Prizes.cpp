// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prizes.h"

#include "game/Random.h"

#include <utility>

namespace zand {

namespace Prizes {

Table shuffled(Random &random)
{
    Table prizes = Unshuffled;
    for (int round = 0; round < 1001; ++round) {
        for (int i = 0; i < Safes; ++i)
            std::swap(prizes[i], prizes[random.below(Safes)]);
    }
    return prizes;
}

} // namespace Prizes

} // namespace zand
