// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>

namespace zand {

// A tick counter that jumps straight to every deadline: each step runs as
// soon as it is asked for, after the window's pending events, so a spin of 47
// ticks runs at once and always tick by tick.
class FakeClock final : public Clock
{
public:
    std::uint32_t ticks() const override { return now; }
    void at(std::uint32_t deadline, QObject *context, std::function<void()> step) override
    {
        const QPointer<QObject> alive(context);
        if (onPump)
            onPump();
        QCoreApplication::processEvents();
        if (tickDistance(now, deadline) > 0)
            now = deadline;
        if (alive)
            step();
    }

    std::uint32_t now = 1000;
    // Runs before every step the game takes: a test's hand in the middle of
    // an animation.
    std::function<void()> onPump;
};

} // namespace zand
