#include "ReelSpinner.h"

#include "game/GameState.h"
#include "game/Random.h"
#include "game/Strips.h"
#include "platform/Clock.h"
#include "platform/SoundBoard.h"
#include "screen/Pictures.h"
#include "screen/ReelAnimator.h"

#include <array>
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
    m_state.totalBets += m_state.bet;
    const int blurHeight = m_pictures.blurHeight;
    std::array<int, 3> blurOffsets{};
    for (int reel = 0; reel < 3; ++reel) {
        blurOffsets[reel] = m_random.below(blurHeight > 0 ? blurHeight : 1);
        m_state.reelStops[reel] = m_random.below(Strips::Length) + 1;
    }
    m_state.appClosing = false;
    m_state.spins += 1;
    m_animator.startSpin(blurOffsets);

    std::uint32_t lastTick = m_clock.ticks();
    int tick = 0;
    while (tick < Ticks && !m_state.appClosing) {
        const std::uint32_t now = m_clock.ticks();
        if (tickDistance(lastTick + TickMs, now) >= 0) {
            lastTick = now;
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
