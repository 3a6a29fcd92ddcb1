#pragma once

#include "platform/Clock.h"

#include <QCoreApplication>

// A tick counter that jumps straight to every deadline, so a spin of 47
// ticks runs at once and always tick by tick.
class FakeClock final : public Clock
{
public:
    std::uint32_t ticks() const override { return now; }
    void pumpEvents() override { QCoreApplication::processEvents(); }
    void pumpUntil(std::uint32_t deadline) override
    {
        pumpEvents();
        if (tickDistance(now, deadline) > 0)
            now = deadline;
    }

    std::uint32_t now = 1000;
};
