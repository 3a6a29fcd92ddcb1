// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace zand {

class Clock;
class MachineView;

// The lever's pull: down and back up, a frame at a time from the event loop,
// beside the spin it starts.
class LeverPull : public QObject
{
    Q_OBJECT

public:
    static constexpr int FrameMs = 40;

    LeverPull(MachineView &view, Clock &clock, QObject *parent = nullptr);

    // A pull already under way goes on as it was.
    void pull();
    bool pulling() const { return m_step > 0; }

private:
    void step();

    MachineView &m_view;
    Clock &m_clock;
    int m_step = 0; // the next step of the pull; 0 when at rest
};

} // namespace zand
