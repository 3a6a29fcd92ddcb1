#include "Payout.h"

#include "game/CountUp.h"
#include "game/GameState.h"
#include "game/Saturating.h"
#include "game/SpinResult.h"
#include "audio/SoundBoard.h"
#include "reels/Pacing.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

namespace zand {

Payout::Payout(MachineView &view, Lights &lights, GameState &state, SoundBoard &sound,
               Clock &clock)
    : m_view(view)
    , m_lights(lights)
    , m_state(state)
    , m_sound(sound)
    , m_clock(clock)
{
}

void Payout::setBonusGame(std::function<void()> bonusGame)
{
    m_bonusGame = std::move(bonusGame);
}

void Payout::evaluateLines(int linesBet)
{
    present(evaluate(m_state.reelStops, linesBet), linesBet);
}

void Payout::present(const SpinResult &result, int linesBet)
{
    GameState &s = m_state;
    s.spinWin = 0;
    s.nudgeMode = false;
    s.lineWon = {};

    for (int line = 0; line < 3; ++line) {
        const LineResult &l = result.lines[line];
        const int before = s.spinWin;
        if (l.wild) {
            s.wildRow = PayTable::LineRows[line];
            m_lights.wild.start();
        }
        switch (l.outcome) {
        case PayTable::Outcome::Pays:
            addTo(s.spinWin, l.pay);
            break;
        case PayTable::Outcome::Bonus:
            // The vault adds its credit prize to the spin's win itself.
            m_lights.winGlass.stop();
            if (m_bonusGame)
                m_bonusGame();
            m_view.drawNudgeCounter();
            break;
        case PayTable::Outcome::NoMatch:
            s.nudgeMode = true;
            break;
        }
        const int won = s.spinWin - before;
        if (won > 0) {
            addTo(s.nudges, nudgesFor(l, won));
            m_view.drawNudgeCounter();
            s.lineWon[line] = true;
        }
    }

    if (s.spinWin >= linesBet)
        m_sound.playWin();
    if (s.spinWin > 0) {
        m_lights.winLines.start();
        m_lights.winGlass.start();
        m_view.drawNudgeLights(false);
        s.nudgeMode = false;
        countUpWinnings();
    } else {
        if (s.nudges > 0)
            m_lights.nudgeLights.start();
        m_lights.winLines.stop();
    }
}

void Payout::countUpWinnings()
{
    GameState &s = m_state;
    m_view.drawWinningsCaption();
    int total = 0;
    while (s.spinWin > 0) {
        // A closing game takes the rest of its win at once.
        const int step = s.appClosing ? s.spinWin : countUpStep(s.spinWin);
        addTo(s.credits, step);
        total += step;
        s.spinWin -= step;
        m_sound.playTally();
        m_view.showCredits();
        m_view.showWinnings(total);
        waitSeconds(m_clock, s, 0.075);
    }
}

} // namespace zand
