// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

#include <chrono>

namespace zand {

// The real tick counter. A step is due from a precise timer that rings
// shortly before its deadline; the last stretch is slept, so an animation
// waiting for its next frame costs no processor time and runs as the counter
// reaches the deadline.
class EventClock final : public Clock
{
public:
    EventClock();

    std::uint32_t ticks() const override;
    void at(std::uint32_t deadline, QObject *context, std::function<void()> step) override;

private:
    // Time left until the counter reaches `deadline` (negative once it has).
    std::chrono::nanoseconds untilDeadline(std::uint32_t deadline) const;

    QElapsedTimer m_elapsed;
};

} // namespace zand
