// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

class QObject;

namespace zand {

// The millisecond tick counter, and how the game's animations take their
// next step: each step is called from the event loop once the counter has
// reached its deadline, so the window stays responsive between the frames
// of a spin, a nudge or a count-up, and nothing waits inside a handler.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start, wrapping like a 32-bit counter.
    virtual std::uint32_t ticks() const = 0;

    // Calls `step` once the counter reaches `deadline` (on the next turn of
    // the event loop if it has already), unless `context` is gone by then.
    virtual void at(std::uint32_t deadline, QObject *context, std::function<void()> step) = 0;

    // The step `milliseconds` from now.
    void after(int milliseconds, QObject *context, std::function<void()> step)
    {
        at(ticks() + static_cast<std::uint32_t>(milliseconds), context, std::move(step));
    }
};

// Milliseconds from `from` to `to` on a wrapping counter (negative if `to` is
// earlier).
inline std::int32_t tickDistance(std::uint32_t from, std::uint32_t to)
{
    return static_cast<std::int32_t>(to - from);
}

} // namespace zand
