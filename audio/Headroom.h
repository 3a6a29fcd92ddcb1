// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace zand {

// The loudest a 16-bit sample can be.
constexpr int FullScale = 32767;

// How loud the music plays while an effect sounds over it: just soft enough
// that the two summed never pass full scale, so nothing clips; either alone
// keeps its own loudness. Peaks are of 16-bit samples; a song whose peak is
// unknown counts as reaching full scale.
inline double musicGainUnder(int effectPeak, int musicPeak)
{
    if (musicPeak <= 0)
        return 1.0;
    const int room = FullScale - std::clamp(effectPeak, 0, FullScale);
    return std::min(1.0, double(room) / std::min(musicPeak, FullScale));
}

} // namespace zand
