#include "Payout.h"

#include "game/GameState.h"
#include "app/SoundBoard.h"
#include "game/CountUp.h"
#include "reels/Pacing.h"
#include "game/PayTable.h"
#include "game/Strips.h"
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

void Payout::evaluateLines()
{
    GameState &s = m_state;
    s.spinWin = 0;
    s.nudgeMode = false;
    s.lineWon = {};

    std::array<std::array<int, 3>, 3> rows{}; // [reel][row]
    for (int reel = 0; reel < 3; ++reel)
        rows[reel] = Strips::visible(reel, s.reelStops[reel]);

    for (int line = 0; line < 3; ++line) {
        const int row = PayTable::LineRows[line];
        const int a = rows[0][row];
        const int b = rows[1][row];
        const int c = rows[2][row];
        const int before = s.spinWin;
        if (c == Strips::Wild) {
            s.wildRow = row;
            m_lights.wild.start();
        }
        const PayTable::Line judged = PayTable::judge(a, b, c, line < s.bet);
        switch (judged.outcome) {
        case PayTable::Outcome::Pays:
            s.spinWin += judged.pay;
            break;
        case PayTable::Outcome::Bonus:
            m_lights.winGlass.stop();
            if (m_bonusGame)
                m_bonusGame();
            m_view.drawNudgeCounter();
            break;
        case PayTable::Outcome::NoMatch:
            s.nudgeMode = true;
            break;
        }
        if (s.spinWin > before) {
            if (c == Strips::Wild)
                s.nudges += 2;
            m_view.drawNudgeCounter();
            s.lineWon[line] = true;
        }
    }

    if (s.spinWin >= s.bet)
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
        s.credits += step;
        total += step;
        s.spinWin -= step;
        m_sound.playTally();
        m_view.showCredits();
        m_view.showWinnings(total);
        waitSeconds(m_clock, s, 0.075);
    }
}

} // namespace zand
