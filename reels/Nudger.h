#pragma once

namespace zand {

class Clock;
class Lights;
class MachineView;
class Payout;
class ReelAnimator;
class SoundBoard;
struct GameState;

// After a spin that won nothing, a nudge slides one reel down by one symbol,
// settles it with a bounce and judges the lines again, on the lines the last
// spin bet. Each nudge costs one of the player's nudges.
class Nudger
{
public:
    Nudger(ReelAnimator &animator, MachineView &view, Lights &lights, GameState &state,
           Payout &payout, SoundBoard &sound, Clock &clock);

    void nudgeReel(int reel);

private:
    void slide(int reel, int newStop);
    void bounce(int reel);

    ReelAnimator &m_animator;
    MachineView &m_view;
    Lights &m_lights;
    GameState &m_state;
    Payout &m_payout;
    SoundBoard &m_sound;
    Clock &m_clock;
};

} // namespace zand
