// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place where the odds tool reaches into the game: the machine that
// plays a turn by the game's rules, the strips, the pay table, the vault's
// prizes and the generator that picks the stops. The figures are worked out
// from these, so they change when the rules change.
#include "game/Machine.h"
#include "game/PayTable.h"
#include "game/Prizes.h"
#include "game/Random.h"
#include "game/SpinResult.h"
#include "game/Strips.h"

namespace odds {
using namespace zand;
}
