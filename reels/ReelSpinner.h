#pragma once

#include <array>

namespace zand {

class Clock;
class MachineView;
class Random;
class SoundBoard;
struct GameState;
struct Pictures;

// One spin of the reels: the outcome is chosen first, then shown in 47 ticks
// of 25 ms. The reels blur, then land one after another from the left, each
// with a small bounce.
class ReelSpinner
{
public:
    static constexpr int Ticks = 47;
    static constexpr int TickMs = 25;

    ReelSpinner(MachineView &view, GameState &state, const Pictures &pictures, Random &random,
                Clock &clock, SoundBoard &sound);

    void spinReels();

    // Where a reel stands at a tick: blurring, landing, bouncing or at rest.
    static int phase(int tick, int reel) { return tick - 9 * reel; }

private:
    void frame(int reel, int phase);

    MachineView &m_view;
    GameState &m_state;
    const Pictures &m_pictures;
    Random &m_random;
    Clock &m_clock;
    SoundBoard &m_sound;
    std::array<int, 3> m_blurOffset{};
};

} // namespace zand
