// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Nudger.h"

#include "audio/SoundBoard.h"
#include "game/Machine.h"
#include "game/Session.h"
#include "platform/Clock.h"
#include "reels/Payout.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"
#include "screen/ReelAnimator.h"

namespace zand {

Nudger::Nudger(ReelAnimator &animator, MachineView &view, Lights &lights, Machine &machine,
               const Session &session, Payout &payout, SoundBoard &sound, Clock &clock)
    : m_animator(animator)
    , m_view(view)
    , m_lights(lights)
    , m_machine(machine)
    , m_session(session)
    , m_payout(payout)
    , m_sound(sound)
    , m_clock(clock)
{
}

bool Nudger::nudgeReel(int reel, std::function<void()> done)
{
    if (!m_machine.nudge(reel))
        return false;
    m_done = std::move(done);
    m_reel = reel;
    m_lights.wild.stop();
    m_lights.nudgeLights.stop();
    m_lights.winLines.stop();
    m_animator.startSlide(reel, m_machine.state().reelStops[reel]);
    m_frame = 0;
    slideStep();
    return true;
}

void Nudger::pause(int milliseconds, void (Nudger::*next)())
{
    if (m_session.closing)
        (this->*next)();
    else
        m_clock.after(milliseconds, this, [this, next] { (this->*next)(); });
}

void Nudger::slideStep()
{
    if (m_frame == ReelAnimator::SlideMoves || m_session.closing) {
        landed();
        return;
    }
    m_animator.slideFrame(m_frame++);
    pause(50, &Nudger::slideStep);
}

void Nudger::landed()
{
    m_sound.playStop();
    if (m_session.closing) {
        judge();
        return;
    }
    m_animator.startNudgeBounce(m_reel);
    m_frame = 0;
    bounceStep();
}

void Nudger::bounceStep()
{
    if (m_frame == ReelAnimator::NudgeBounceFrames) {
        m_animator.endNudgeBounce();
        judge();
        return;
    }
    m_animator.nudgeBounceFrame(m_frame++);
    pause(20, &Nudger::bounceStep);
}

void Nudger::judge()
{
    // The nudge plays the last spin's lines; coins placed since stay placed.
    m_payout.evaluateLines(m_machine.state().lastBet, [this] {
        if (m_machine.state().nudges <= 0) {
            m_lights.nudgeLights.stop();
            m_view.drawNudgeLights(false);
        }
        m_machine.endTurn();
        if (auto done = std::exchange(m_done, nullptr))
            done();
    });
}

} // namespace zand
