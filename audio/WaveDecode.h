// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zand {

// A sound effect as the desktop's sound server plays it: 44.1 kHz 16-bit
// stereo, whole frames, and the loudest of its samples.
struct DecodedWave
{
    std::vector<std::int16_t> samples;
    int peak = 0;
};

// Reads a wave file of any format SDL knows and converts it; no samples when
// the bytes are not a wave file SDL can read and convert. No device is
// opened for it. Kept free of Qt so that the fuzzer runs it as the game does.
DecodedWave decodeWave(const void *data, std::size_t size);

} // namespace zand
