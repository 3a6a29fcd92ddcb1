#pragma once

#include "platform/Clock.h"

#include <QCoreApplication>

#include <functional>

namespace zand {

// A tick counter that jumps straight to every deadline, so a spin of 47
// ticks runs at once and always tick by tick.
class FakeClock final : public Clock
{
public:
    std::uint32_t ticks() const override { return now; }
    void pumpEvents() override
    {
        if (onPump)
            onPump();
        QCoreApplication::processEvents();
    }
    void pumpUntil(std::uint32_t deadline) override
    {
        pumpEvents();
        if (tickDistance(now, deadline) > 0)
            now = deadline;
    }

    std::uint32_t now = 1000;
    // Runs whenever the game hands over to the event loop: a test's hand in
    // the middle of an animation.
    std::function<void()> onPump;
};

} // namespace zand
