#pragma once

namespace zand {

class Clock;
struct GameState;

// Waits t seconds by the tick counter while the window handles its events.
// A closing game does not wait: its last spin is settled at once.
void waitSeconds(Clock &clock, const GameState &state, double seconds);

} // namespace zand
