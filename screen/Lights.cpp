// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lights.h"

#include "game/Machine.h"
#include "game/Random.h"
#include "screen/MachineView.h"
#include "screen/Pictures.h"

#include <algorithm>

namespace zand {

Lights::Lights(MachineView &view, const Machine &machine, Random &random, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_machine(machine)
    , m_random(random)
{
    m_epoch.start();
    m_clock.setSingleShot(true);
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &Lights::ring);
}

namespace {

constexpr qint64 Tenth = 100;

} // namespace

Lights::Timer::Timer(Lights &lights, int interval, void (Lights::*tick)())
    : m_lights(lights)
    , m_interval(interval)
    , m_tick(tick)
{
}

void Lights::Timer::start()
{
    const qint64 due = m_lights.m_epoch.elapsed() + m_interval;
    m_next = (due + Tenth - 1) / Tenth * Tenth;
    m_active = true;
    m_lights.schedule();
}

// Every light due rings in this one pass, each on its own period.
void Lights::ring()
{
    // The clock's own timer may ring a millisecond early by this clock.
    const qint64 now = m_epoch.elapsed() + 1;
    for (Timer *timer : m_timers) {
        if (!timer->m_active || timer->m_next > now)
            continue;
        // A late clock (a busy machine) skips the ticks it missed, as a
        // timer does.
        while (timer->m_next <= now)
            timer->m_next += timer->m_interval;
        (this->*timer->m_tick)();
    }
    schedule();
}

void Lights::schedule()
{
    qint64 next = -1;
    for (const Timer *timer : m_timers) {
        if (timer->m_active && (next < 0 || timer->m_next < next))
            next = timer->m_next;
    }
    if (next < 0) {
        m_clock.stop();
        return;
    }
    m_clock.start(int(std::max<qint64>(0, next - m_epoch.elapsed())));
}

void Lights::startIdle()
{
    buttons.start();
    badge.start();
    wild.start();
}

void Lights::stopAll()
{
    for (Timer *timer : m_timers)
        timer->stop();
    m_clock.stop();
}

void Lights::buttonsTick()
{
    using Button = MachineView::Button;
    if (m_machine.state().bet > 0 || winGlass.isActive()) {
        m_spinBlinkPhase = !m_spinBlinkPhase;
        m_view.drawButton(Button::BetOne, true);
        m_view.drawButton(Button::Spin, m_spinBlinkPhase);
        m_view.drawButton(Button::BetMax, true);
        return;
    }
    // Attract: one button lit, never the same one twice in a row.
    int lit;
    do {
        lit = m_random.below(3);
    } while (lit == m_lastAttractButton);
    m_lastAttractButton = lit;
    m_view.drawButton(Button::BetOne, lit == 0);
    m_view.drawButton(Button::Spin, lit == 1);
    m_view.drawButton(Button::BetMax, lit == 2);
}

void Lights::winGlassTick()
{
    m_view.drawTitleGlass(m_glassBlinkPhase);
    m_glassBlinkPhase = !m_glassBlinkPhase;
    m_view.drawMarquee(m_glassBlinkPhase);
}

void Lights::badgeTick()
{
    m_badgeBlinkPhase = !m_badgeBlinkPhase;
    m_view.drawBadge(m_badgeBlinkPhase);
}

void Lights::wildTick()
{
    m_wildFrame += m_wildFrameStep;
    m_view.drawCell(2, m_machine.state().wildRow, Pictures::WildCells + m_wildFrame);
    if (m_wildFrame >= 2 || m_wildFrame <= 0)
        m_wildFrameStep = -m_wildFrameStep;
}

void Lights::nudgeLightsTick()
{
    m_nudgeBlinkPhase = !m_nudgeBlinkPhase;
    m_view.drawNudgeLights(m_nudgeBlinkPhase);
}

void Lights::winLinesTick()
{
    m_winLineBlinkPhase = !m_winLineBlinkPhase;
    for (int line = 1; line <= 3; ++line) {
        if (m_machine.state().lineWon[line - 1])
            m_view.drawLineLight(line, m_winLineBlinkPhase);
    }
}

} // namespace zand
