#include "ReelSpinner.h"

#include "game/GameState.h"
#include "game/Saturating.h"
#include "game/SpinResult.h"
#include "platform/Clock.h"
#include "audio/SoundBoard.h"
#include "screen/Pictures.h"
#include "screen/ReelAnimator.h"

#include <cstdint>

namespace zand {

ReelSpinner::ReelSpinner(ReelAnimator &animator, GameState &state, const Pictures &pictures,
                         Random &random, Clock &clock, SoundBoard &sound)
    : m_animator(animator)
    , m_state(state)
    , m_pictures(pictures)
    , m_random(random)
    , m_clock(clock)
    , m_sound(sound)
{
}

void ReelSpinner::spinReels()
{
    m_state.spinInProgress = true;
    addTo(m_state.totalBets, m_state.bet);
    const SpinDraw draw = drawSpin(m_random, m_pictures.blurHeight);
    m_state.reelStops = draw.stops;
    m_state.appClosing = false;
    addTo(m_state.spins, 1);
    m_animator.startSpin(draw.blurOffsets);

    // Each tick is due TickMs after the one before it was due, not after it
    // was drawn: a late tick is made up, so the spin keeps its length.
    std::uint32_t lastTick = m_clock.ticks();
    int tick = 0;
    while (tick < Ticks && !m_state.appClosing) {
        if (tickDistance(lastTick + TickMs, m_clock.ticks()) >= 0) {
            lastTick += TickMs;
            frame(++tick);
        }
        // The last frame is shown at once: no wait for a tick that never comes.
        if (tick == Ticks)
            m_clock.pumpEvents();
        else
            m_clock.pumpUntil(lastTick + TickMs);
    }
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
