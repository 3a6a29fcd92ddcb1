// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AutoplayPlan.h"

#include <QObject>

namespace zand {

class Clock;
class Controls;
class Machine;

// Spins the last bet again and again for the player, through the same
// controls the player uses, a pause apart as a player would. Nudges offered
// on the way are left alone. Anything the player does stops it; so does a
// reason of the plan, or credits that no longer cover the bet.
class Autoplay : public QObject
{
    Q_OBJECT

public:
    // The pause between one spin's end and the next spin.
    static constexpr int PauseMs = 600;

    Autoplay(Machine &machine, Controls &controls, Clock &clock, QObject *parent = nullptr);

    // Starts a run; false (and nothing started) when the machine is busy or
    // no bet stands that the credits cover.
    bool start(const AutoplayPlan &plan);
    // Ends the run; the spin in flight settles as always.
    void stop();

    bool running() const { return m_running; }
    // The spins to come, the one in flight included.
    int spinsLeft() const { return m_running ? m_plan.spins - m_spinsDone + (m_spinning ? 1 : 0) : 0; }
    AutoplayPlan::Stop lastStop() const { return m_lastStop; }

signals:
    // The spins still to come; zero when the run is over.
    void spinsLeftChanged(int left);

private:
    // The machine would take a spin: it is idle and a bet stands.
    bool betStands() const;
    void spinNext();
    void turnEnded();
    void end(AutoplayPlan::Stop why);

    Machine &m_machine;
    Controls &m_controls;
    Clock &m_clock;
    AutoplayPlan m_plan;
    bool m_running = false;
    bool m_spinning = false; // a spin of this run is in flight
    bool m_bonus = false;    // the spin in flight opened the vault
    int m_won = 0;           // what the spin in flight counted in
    int m_spinsDone = 0;     // spins of this run started
    int m_serial = 0;        // a stopped run's pending step does not spin
    AutoplayPlan::Stop m_lastStop = AutoplayPlan::Stop::None;
};

} // namespace zand
