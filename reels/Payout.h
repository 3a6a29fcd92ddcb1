#pragma once

#include <functional>

namespace zand {

class Clock;
class Lights;
class MachineView;
class SoundBoard;
struct GameState;
struct SpinResult;

// Judges the three paylines after a spin or a nudge, pays the lines that
// were bet, opens the bonus screen for a line of Bonus symbols, grants
// nudges for wins made with the Wild and counts the win into the credits.
// A spin that wins nothing opens nudge mode.
class Payout
{
public:
    Payout(MachineView &view, Lights &lights, GameState &state, SoundBoard &sound, Clock &clock);

    // Runs the bonus screen; it adds its prize to the spin's win (credits)
    // or to the nudges itself.
    void setBonusGame(std::function<void()> bonusGame);

    // Judges the reels where they stand with `linesBet` lines bet, and
    // presents the outcome.
    void evaluateLines(int linesBet);
    void present(const SpinResult &result, int linesBet);
    void countUpWinnings();

private:
    MachineView &m_view;
    Lights &m_lights;
    GameState &m_state;
    SoundBoard &m_sound;
    Clock &m_clock;
    std::function<void()> m_bonusGame;
};

} // namespace zand
