// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zand {

// Effects are wave files. The mixer would take a dozen other formats for one,
// some of whose readers leak or take memory beyond any effect, so nothing
// else is handed to it.
inline bool isWaveFile(const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    return size >= 12 && std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0;
}

// The loudest of these 16-bit samples, as a magnitude up to full scale.
inline int peakOf(const std::int16_t *samples, std::size_t count)
{
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return std::min(peak, 32767);
}

} // namespace zand
