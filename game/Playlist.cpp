// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Playlist.h"

namespace zand {

namespace Playlist {

int next(int current, const std::function<bool(int)> &exists)
{
    bool any = false;
    for (int track = 0; track < Tracks; ++track)
        any = any || exists(track);
    if (!any)
        return NoMusic;
    int track = current + 1;
    if (track >= Tracks || track < 0)
        track = 0;
    while (!exists(track))
        track = (track + 1) % Tracks;
    return track;
}

} // namespace Playlist

} // namespace zand
