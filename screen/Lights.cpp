// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lights.h"

#include "game/Machine.h"
#include "game/Random.h"
#include "screen/MachineView.h"
#include "screen/Pictures.h"

namespace zand {

Lights::Lights(MachineView &view, const Machine &machine, Random &random, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_machine(machine)
    , m_random(random)
{
    buttons.setInterval(200);
    winGlass.setInterval(200);
    badge.setInterval(400);
    wild.setInterval(300);
    nudgeLights.setInterval(300);
    winLines.setInterval(300);
    connect(&buttons, &QTimer::timeout, this, &Lights::buttonsTick);
    connect(&winGlass, &QTimer::timeout, this, &Lights::winGlassTick);
    connect(&badge, &QTimer::timeout, this, &Lights::badgeTick);
    connect(&wild, &QTimer::timeout, this, &Lights::wildTick);
    connect(&nudgeLights, &QTimer::timeout, this, &Lights::nudgeLightsTick);
    connect(&winLines, &QTimer::timeout, this, &Lights::winLinesTick);
}

void Lights::startIdle()
{
    buttons.start();
    badge.start();
    wild.start();
}

void Lights::stopAll()
{
    for (QTimer *timer : {&buttons, &winGlass, &badge, &wild, &nudgeLights, &winLines})
        timer->stop();
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
