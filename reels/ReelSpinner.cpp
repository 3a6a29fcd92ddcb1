#include "ReelSpinner.h"

#include "game/GameState.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "game/Random.h"
#include "app/SoundBoard.h"
#include "screen/MachineView.h"
#include "screen/Pictures.h"

#include <QImage>

namespace zand {

namespace {
// Landing bounce, in plain pixels below (+) or above (-) the rest position,
// for the phases after the reel landed.
constexpr int BounceOffsets[] = {1, 2, 1, 0, -1, -2, -1, 0};
constexpr int BounceRowsKept = 8;
}

ReelSpinner::ReelSpinner(MachineView &view, GameState &state, const Pictures &pictures,
                         Random &random, Clock &clock, SoundBoard &sound)
    : m_view(view)
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
    for (int reel = 0; reel < 3; ++reel) {
        m_blurOffset[reel] = m_random.below(blurHeight > 0 ? blurHeight : 1);
        m_state.reelStops[reel] = m_random.below(30) + 1;
    }
    m_state.appClosing = false;
    m_state.spins += 1;

    std::array<QImage, 3> grabbed;
    std::uint32_t lastTick = m_clock.ticks();
    int step = 0;
    while (step < Ticks && !m_state.appClosing) {
        const std::uint32_t now = m_clock.ticks();
        if (tickDistance(lastTick + TickMs, now) >= 0) {
            lastTick = now;
            ++step;
            for (int reel = 0; reel < 3; ++reel) {
                const int d = phase(step, reel);
                const QRect window = m_view.reelWindow(reel);
                if (d == 22) {
                    grabbed[reel] = m_view.canvas().grab(QRect(
                        window.left(), window.top(), window.width(),
                        window.height() - BounceRowsKept));
                }
                if (d == 29) {
                    // At rest: the reel as it landed, also in the rows the
                    // lowered frames covered below the grabbed image.
                    m_view.drawReel(reel);
                } else if (d >= 22 && d < 29) {
                    m_view.canvas().copy(grabbed[reel], grabbed[reel].rect(),
                                         grabbed[reel].rect().translated(
                                             window.left(), window.top() + BounceOffsets[d - 22]));
                } else {
                    frame(reel, d);
                }
            }
        }
        // The last frame is shown at once: no wait for a tick that never comes.
        if (step == Ticks)
            m_clock.pumpEvents();
        else
            m_clock.pumpUntil(lastTick + TickMs);
    }
}

void ReelSpinner::frame(int reel, int d)
{
    if (d <= 20) {
        m_view.drawBlurredReel(reel, m_blurOffset[reel]);
        m_blurOffset[reel] -= m_view.scale(61);
        if (m_blurOffset[reel] < 0)
            m_blurOffset[reel] += m_pictures.blurHeight;
    } else if (d == 21) {
        m_sound.playStop();
        m_view.drawReel(reel);
    }
}

} // namespace zand
