// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace zand {

// The game's one random generator: uniform whole numbers 0 to n - 1 without
// modulo bias, seeded once at start-up.
class Random
{
public:
    explicit Random(std::uint32_t seed = 1) : m_engine(seed) {}

    void seed(std::uint32_t seed) { m_engine.seed(seed); }

    // Uniform in 0 .. n - 1; n must be at least 1.
    int below(int n)
    {
        // Rejection sampling over the engine's full 32-bit range.
        const std::uint32_t range = static_cast<std::uint32_t>(n);
        const std::uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
        std::uint32_t x;
        do {
            x = static_cast<std::uint32_t>(m_engine());
        } while (x > limit);
        return static_cast<int>(x % range);
    }

    // The start-up seed: the time of day (UTC) in milliseconds.
    static std::uint32_t timeOfDaySeed();

private:
    std::mt19937 m_engine;
};

} // namespace zand
