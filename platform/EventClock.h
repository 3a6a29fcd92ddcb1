#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

#include <chrono>

namespace zand {

// The real tick counter. Waiting hands the thread to Qt's event loop until an
// event arrives or a timer rings shortly before the deadline; the last
// stretch is slept, so an animation that waits for its next frame costs no
// processor time and wakes as the counter reaches the deadline.
class EventClock final : public Clock
{
public:
    EventClock();

    std::uint32_t ticks() const override;
    void pumpEvents() override;
    void pumpUntil(std::uint32_t deadline) override;

private:
    // Time left until the counter reaches `deadline` (negative once it has).
    std::chrono::nanoseconds untilDeadline(std::uint32_t deadline) const;

    QElapsedTimer m_elapsed;
};

} // namespace zand
