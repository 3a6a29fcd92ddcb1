// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Autoplay.h"

#include "app/Controls.h"
#include "game/Machine.h"
#include "platform/Clock.h"

#include <utility>

namespace zand {

Autoplay::Autoplay(Machine &machine, Controls &controls, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_machine(machine)
    , m_controls(controls)
    , m_clock(clock)
{
    connect(&m_machine, &Machine::turnEnded, this, [this](int won) { m_won = won; });
    // Only once the turn is over for the whole window (and the game saved)
    // does the run go on.
    connect(&m_controls, &Controls::busyChanged, this, [this](bool busy) {
        if (!busy)
            turnEnded();
    });
    connect(&m_machine, &Machine::phaseChanged, this, [this](Machine::Phase phase) {
        if (phase == Machine::Phase::Bonus)
            m_bonus = true;
    });
    // A game opened or begun afresh is the player's doing.
    connect(&m_machine, &Machine::gameReplaced, this, &Autoplay::stop);
}

bool Autoplay::betStands() const
{
    const GameState &s = m_machine.state();
    return m_machine.controlsOpen() && (s.bet > 0 || (s.lastBet > 0 && s.credits >= s.lastBet));
}

bool Autoplay::start(const AutoplayPlan &plan)
{
    if (!betStands() || plan.spins <= 0)
        return false;
    m_plan = plan;
    m_running = true;
    m_spinsDone = 0;
    m_lastStop = AutoplayPlan::Stop::None;
    emit spinsLeftChanged(spinsLeft());
    spinNext();
    return true;
}

void Autoplay::stop()
{
    if (m_running)
        end(AutoplayPlan::Stop::None);
}

void Autoplay::end(AutoplayPlan::Stop why)
{
    m_running = false;
    m_lastStop = why;
    ++m_serial;
    emit spinsLeftChanged(0);
}

void Autoplay::spinNext()
{
    if (!m_running)
        return;
    if (!betStands()) {
        end(AutoplayPlan::Stop::BetNotCovered);
        return;
    }
    m_bonus = false;
    m_won = 0;
    m_spinning = true;
    ++m_spinsDone;
    emit spinsLeftChanged(spinsLeft());
    m_controls.spin();
}

void Autoplay::turnEnded()
{
    // A nudge the player took, or a spin of the player's own, is not ours.
    if (!std::exchange(m_spinning, false) || !m_running)
        return;
    const GameState &s = m_machine.state();
    const AutoplayPlan::Stop why = m_plan.after(m_spinsDone, m_won, m_bonus, s.credits, s.lastBet);
    if (why != AutoplayPlan::Stop::None) {
        end(why);
        return;
    }
    const int serial = m_serial;
    m_clock.after(PauseMs, this, [this, serial] {
        if (serial == m_serial)
            spinNext();
    });
}

} // namespace zand
