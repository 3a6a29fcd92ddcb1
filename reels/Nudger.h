#pragma once

namespace zand {

class Clock;
class Lights;
class MachineView;
class Payout;
class SoundBoard;
struct GameState;
struct Pictures;

// After a spin that won nothing, a nudge slides one reel down by one symbol,
// settles it with a bounce and judges the lines again, on the lines the last
// spin bet. Each nudge costs one of the player's nudges.
class Nudger
{
public:
    Nudger(MachineView &view, Lights &lights, GameState &state, const Pictures &pictures,
           Payout &payout, SoundBoard &sound, Clock &clock);

    void nudgeReel(int reel);

private:
    void slide(int reel, int newStop);
    void bounceReel(int reel);

    MachineView &m_view;
    Lights &m_lights;
    GameState &m_state;
    const Pictures &m_pictures;
    Payout &m_payout;
    SoundBoard &m_sound;
    Clock &m_clock;
};

} // namespace zand
