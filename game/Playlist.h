// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace zand {

// The background music plays the tracks 0 to 4 that exist, in a cycle.
namespace Playlist {

constexpr int Tracks = 5;
constexpr int NoMusic = 9;  // none of the five tracks exists
constexpr int Pending = 10; // track + 10: its start waits for the music timer

// The track after `current` (-1 before the first), skipping missing ones;
// NoMusic when no track exists.
int next(int current, const std::function<bool(int)> &exists);

} // namespace Playlist

} // namespace zand
