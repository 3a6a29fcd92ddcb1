#include "Pacing.h"

#include "game/GameState.h"
#include "platform/Clock.h"

#include <cstdint>

namespace zand {

void waitSeconds(Clock &clock, const GameState &state, double seconds)
{
    const std::uint32_t deadline = clock.ticks() + static_cast<std::uint32_t>(seconds * 1000);
    while (!state.appClosing && tickDistance(clock.ticks(), deadline) > 0)
        clock.pumpUntil(deadline);
}

} // namespace zand
