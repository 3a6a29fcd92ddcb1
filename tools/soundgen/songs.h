// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The five background songs, played one after another during a session.
#pragma once

#include "arranger.h"

namespace soundgen {

Song velvetLounge();   // Zand0: relaxed swing
Song jackpotLights();  // Zand1: upbeat casino pop
Song sunsetBossa();    // Zand2: laid-back bossa nova
Song cherryFunk();     // Zand3: bright funk groove
Song midnightPayout(); // Zand4: smooth late-night ballad

} // namespace soundgen
