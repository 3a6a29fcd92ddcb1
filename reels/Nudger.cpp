#include "Nudger.h"

#include "game/GameState.h"
#include "app/SoundBoard.h"
#include "platform/Canvas.h"
#include "reels/Pacing.h"
#include "reels/Payout.h"
#include "game/Strips.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"
#include "screen/Pictures.h"

#include <QPainter>

namespace zand {

namespace {
// Bounce of a nudged reel, in plain pixels: twice the landing bounce.
constexpr int BounceOffsets[] = {2, 4, 2, 0, -2, -4, -2};
}

Nudger::Nudger(MachineView &view, Lights &lights, GameState &state, const Pictures &pictures,
               Payout &payout, SoundBoard &sound, Clock &clock)
    : m_view(view)
    , m_lights(lights)
    , m_state(state)
    , m_pictures(pictures)
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
    s.nudges -= 1;
    m_view.drawNudgeCounter();
    s.nudgeMode = false;

    const int newStop = Strips::wrap(s.reelStops[reel] - 1);
    slide(reel, newStop);
    s.reelStops[reel] = newStop;
    m_sound.playStop();
    bounceReel(reel);

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
    const int size = m_pictures.symbolSize;
    // Four symbols from the new stop: rows 1 to 3 are what the reel shows now.
    QImage work(size, 4 * size, QImage::Format_RGB32);
    {
        QPainter painter(&work);
        for (int row = 0; row < 4; ++row) {
            const int cell = Strips::symbolAt(reel, newStop + row);
            painter.drawImage(QRect(0, row * size, size, size), m_pictures.scaledSymbolSheet,
                              QRect((cell % 4) * size, (cell / 4) * size, size, size));
        }
    }
    const QRect window = m_view.reelWindow(reel);
    int top = size;
    for (int move = 0; move < 8 && !m_state.appClosing; ++move) {
        top -= m_view.scale(move < 7 ? 10 : 6);
        m_view.canvas().copy(work, QRect(0, top, size, 3 * size), window);
        waitSeconds(m_clock, m_state, 0.05);
    }
}

void Nudger::bounceReel(int reel)
{
    if (m_state.appClosing)
        return;
    const QRect window = m_view.reelWindow(reel);
    const int kept = m_view.scale(8);
    const QImage grabbed = m_view.canvas().grab(
        QRect(window.left(), window.top(), window.width(), window.height() - kept));
    for (int frame = 0; frame < 7; ++frame) {
        m_view.canvas().copy(grabbed, grabbed.rect(),
                             grabbed.rect().translated(window.left(),
                                                       window.top() + BounceOffsets[frame]));
        waitSeconds(m_clock, m_state, 0.02);
    }
    // The last frame is the reel at rest, whole: the lowered frames covered
    // some of the rows below the grabbed image.
    m_view.drawReel(reel);
}

} // namespace zand
