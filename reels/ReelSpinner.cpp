// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReelSpinner.h"

#include "audio/SoundBoard.h"
#include "game/Machine.h"
#include "game/Session.h"
#include "game/SpinResult.h"
#include "platform/Clock.h"
#include "screen/Pictures.h"
#include "screen/ReelAnimator.h"

namespace zand {

ReelSpinner::ReelSpinner(ReelAnimator &animator, Machine &machine, const Session &session,
                         const Pictures &pictures, Random &random, Clock &clock,
                         SoundBoard &sound)
    : m_animator(animator)
    , m_machine(machine)
    , m_session(session)
    , m_pictures(pictures)
    , m_random(random)
    , m_clock(clock)
    , m_sound(sound)
{
}

void ReelSpinner::spinReels(std::function<void()> landed)
{
    m_landed = std::move(landed);
    const SpinDraw draw = drawSpin(m_random, m_pictures.blurHeight);
    m_machine.spin(draw.stops);
    m_animator.startSpin(draw.blurOffsets);
    m_lastTick = m_clock.ticks();
    m_tick = 0;
    m_clock.at(m_lastTick + TickMs, this, [this] { step(); });
}

void ReelSpinner::step()
{
    // Each tick is due TickMs after the one before it was due, not after it
    // was drawn: a late tick is made up, so the spin keeps its length.
    if (!m_session.closing && tickDistance(m_lastTick + TickMs, m_clock.ticks()) >= 0) {
        m_lastTick += TickMs;
        frame(++m_tick);
    }
    if (m_tick < Ticks && !m_session.closing) {
        m_clock.at(m_lastTick + TickMs, this, [this] { step(); });
        return;
    }
    // The last frame reaches the screen before the lines are paid.
    m_clock.at(m_clock.ticks(), this, [this] {
        if (auto landed = std::exchange(m_landed, nullptr))
            landed();
    });
}

void ReelSpinner::frame(int tick)
{
    for (int reel = 0; reel < 3; ++reel) {
        const int reelTicks = ReelAnimator::ticksOf(tick, reel);
        if (ReelAnimator::phaseOf(reelTicks) == ReelAnimator::Phase::Landing)
            m_sound.playStop();
        m_animator.spinFrame(reel, reelTicks);
    }
}

} // namespace zand
