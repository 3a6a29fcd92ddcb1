#pragma once

#include <cstdint>

namespace zand {

// The millisecond tick counter, and the way the game's animations wait for
// it: while they wait, pending window events are handled, so the window stays
// responsive in the middle of a spin, a nudge or a count-up.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start, wrapping like a 32-bit counter.
    virtual std::uint32_t ticks() const = 0;

    // Handles the pending window events without waiting for more.
    virtual void pumpEvents() = 0;

    // Handles window events until the next one arrives or until the tick
    // counter reaches `deadline`, whichever comes first. Never spins a core.
    virtual void pumpUntil(std::uint32_t deadline) = 0;
};

// Milliseconds from `from` to `to` on a wrapping counter (negative if `to` is
// earlier).
inline std::int32_t tickDistance(std::uint32_t from, std::uint32_t to)
{
    return static_cast<std::int32_t>(to - from);
}

} // namespace zand
