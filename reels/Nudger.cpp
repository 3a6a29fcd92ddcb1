#include "Nudger.h"

#include "game/GameState.h"
#include "game/Saturating.h"
#include "game/Strips.h"
#include "audio/SoundBoard.h"
#include "reels/Pacing.h"
#include "reels/Payout.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"
#include "screen/ReelAnimator.h"

namespace zand {

Nudger::Nudger(ReelAnimator &animator, MachineView &view, Lights &lights, GameState &state,
               Payout &payout, SoundBoard &sound, Clock &clock)
    : m_animator(animator)
    , m_view(view)
    , m_lights(lights)
    , m_state(state)
    , m_payout(payout)
    , m_sound(sound)
    , m_clock(clock)
{
}

void Nudger::nudgeReel(int reel)
{
    GameState &s = m_state;
    s.nudgeInProgress = true;
    m_lights.wild.stop();
    m_lights.nudgeLights.stop();
    m_lights.winLines.stop();
    addTo(s.nudges, -1);
    m_view.drawNudgeCounter();
    s.nudgeMode = false;

    const int newStop = Strips::wrap(s.reelStops[reel] - 1);
    slide(reel, newStop);
    s.reelStops[reel] = newStop;
    m_sound.playStop();
    bounce(reel);

    // The nudge plays the last spin's lines; coins placed since stay placed.
    m_payout.evaluateLines(s.lastBet);

    if (s.nudges <= 0) {
        s.nudgeMode = false;
        m_lights.nudgeLights.stop();
        m_view.drawNudgeLights(false);
    }
    s.nudgeInProgress = false;
}

void Nudger::slide(int reel, int newStop)
{
    m_animator.startSlide(reel, newStop);
    for (int move = 0; move < ReelAnimator::SlideMoves && !m_state.appClosing; ++move) {
        m_animator.slideFrame(move);
        waitSeconds(m_clock, m_state, 0.05);
    }
}

void Nudger::bounce(int reel)
{
    if (m_state.appClosing)
        return;
    m_animator.startNudgeBounce(reel);
    for (int frame = 0; frame < ReelAnimator::NudgeBounceFrames; ++frame) {
        m_animator.nudgeBounceFrame(frame);
        waitSeconds(m_clock, m_state, 0.02);
    }
    m_animator.endNudgeBounce();
}

} // namespace zand
