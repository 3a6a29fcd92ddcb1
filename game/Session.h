// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zand {

// The player's choices for this run and the state of the run itself: none of
// it belongs to the game, so none of it is saved.
struct Session
{
    bool soundOn = true;
    bool musicOn = true;
    // The window is closing: whatever is in flight settles at once, and no
    // sound is started any more.
    bool closing = false;
};

} // namespace zand
