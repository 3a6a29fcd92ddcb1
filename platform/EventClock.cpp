// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventClock.h"

#include <QTimer>

#include <thread>

namespace zand {

using namespace std::chrono_literals;

namespace {
constexpr std::int64_t NsPerTick = 1'000'000;

// Qt's timers count whole milliseconds from a moment inside the current
// millisecond, and the event loop rounds its wait up to a whole millisecond
// again, so an alarm set for the deadline rings up to two milliseconds after
// it. A frame that starts a millisecond late starts its own 25 ms that much
// later, and a spin would grow by half a millisecond a frame. The alarm rings
// within this margin before the deadline instead, and the rest is slept.
constexpr std::chrono::nanoseconds AlarmMargin = 2ms;
}

EventClock::EventClock()
{
    m_elapsed.start();
}

std::uint32_t EventClock::ticks() const
{
    return static_cast<std::uint32_t>(m_elapsed.elapsed());
}

std::chrono::nanoseconds EventClock::untilDeadline(std::uint32_t deadline) const
{
    const std::int64_t now = m_elapsed.nsecsElapsed();
    const auto nowTicks = static_cast<std::uint32_t>(now / NsPerTick);
    return std::chrono::nanoseconds(std::int64_t(tickDistance(nowTicks, deadline)) * NsPerTick
                                    - now % NsPerTick);
}

void EventClock::at(std::uint32_t deadline, QObject *context, std::function<void()> step)
{
    const std::chrono::nanoseconds left = untilDeadline(deadline);
    const auto alarm = left >= AlarmMargin
        ? std::chrono::duration_cast<std::chrono::milliseconds>(left) - 1ms
        : 0ms;
    QTimer::singleShot(alarm, Qt::PreciseTimer, context,
                       [this, deadline, context, step = std::move(step)]() mutable {
        const std::chrono::nanoseconds rest = untilDeadline(deadline);
        if (rest >= AlarmMargin) {
            // Rang far too early (the system clock was changed): ask again.
            at(deadline, context, std::move(step));
            return;
        }
        if (rest > 0ns)
            std::this_thread::sleep_for(rest);
        step();
    });
}

} // namespace zand
