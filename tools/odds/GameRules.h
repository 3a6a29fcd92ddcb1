#pragma once

// The one place where the odds tool reaches into the game: the strips, the
// pay table, the vault's prizes and the generator that picks the stops. The
// figures are worked out from these, so they change when the rules change.
#include "bonus/Prizes.h"
#include "platform/Random.h"
#include "reels/PayTable.h"
#include "reels/Strips.h"
