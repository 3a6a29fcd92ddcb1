// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing and encoding of the effects as 16-bit PCM RIFF/WAVE files.
#pragma once

#include "synth.h"

#include <cstdint>
#include <vector>

namespace soundgen {

// One or two channels of equal length.
struct Sound {
    std::vector<Samples> channels;
};

// Fades both ends (so playback never starts or stops with a click) and
// scales the loudest sample to peakDb below full scale.
void finish(Sound &sound, double fadeIn, double fadeOut, double peakDb = -1.0);

std::vector<std::uint8_t> encodeWav(const Sound &sound);

} // namespace soundgen
