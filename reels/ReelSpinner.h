#pragma once

namespace zand {

class Clock;
class Random;
class ReelAnimator;
class SoundBoard;
struct GameState;
struct Pictures;

// One spin of the reels: the outcome is chosen first, then shown in 47 ticks
// of 25 ms. The reels blur, then land one after another from the left, each
// with a small bounce and the reel-stop sound.
class ReelSpinner
{
public:
    static constexpr int Ticks = 47;
    static constexpr int TickMs = 25;

    ReelSpinner(ReelAnimator &animator, GameState &state, const Pictures &pictures,
                Random &random, Clock &clock, SoundBoard &sound);

    void spinReels();

private:
    void frame(int tick);

    ReelAnimator &m_animator;
    GameState &m_state;
    const Pictures &m_pictures;
    Random &m_random;
    Clock &m_clock;
    SoundBoard &m_sound;
};

} // namespace zand
