#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// The real tick counter. Waiting hands the thread to Qt's event loop until an
// event arrives or a precise timer marks the deadline, so an animation that
// waits for its next frame costs no processor time.
class EventClock final : public Clock
{
public:
    EventClock();

    std::uint32_t ticks() const override;
    void pumpEvents() override;
    void pumpUntil(std::uint32_t deadline) override;

private:
    QElapsedTimer m_elapsed;
};
