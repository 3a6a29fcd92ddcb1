// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's six sound effects, each finished (faded and normalised) and
// ready to encode.
#pragma once

#include "wav.h"

namespace soundgen {

Sound reelStopSound(); // a reel thudding into place
Sound coinSound();     // a coin dropped into the tray, with two small bounces
Sound tallySound();    // one tick of the win count-up; short, soft-edged
Sound safeSound();     // dial detent followed by a heavy bolt
Sound welcomeSound();  // rising chime when the machine switches on (stereo)
Sound winSound();      // brass fanfare with glitter for a win (stereo)

} // namespace soundgen
