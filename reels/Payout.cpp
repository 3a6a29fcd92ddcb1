// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Payout.h"

#include "audio/SoundBoard.h"
#include "game/Machine.h"
#include "game/Session.h"
#include "platform/Clock.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <algorithm>

namespace zand {

Payout::Payout(MachineView &view, Lights &lights, Machine &machine, const Session &session,
               SoundBoard &sound, Clock &clock)
    : m_view(view)
    , m_lights(lights)
    , m_machine(machine)
    , m_session(session)
    , m_sound(sound)
    , m_clock(clock)
{
    // The vault's prize may come at once or when its screen closes.
    connect(&m_machine, &Machine::phaseChanged, this, [this](Machine::Phase phase) {
        if (m_awaitingBonus && phase != Machine::Phase::Bonus) {
            m_awaitingBonus = false;
            settle();
        }
    });
}

void Payout::setBonusGame(std::function<void()> bonusGame)
{
    m_bonusGame = std::move(bonusGame);
}

void Payout::evaluateLines(int linesBet, std::function<void()> done)
{
    m_done = done ? std::move(done) : [this] { m_machine.endTurn(); };
    m_machine.judge(linesBet);
    const auto &lines = m_machine.result().lines;
    if (std::any_of(lines.begin(), lines.end(), [](const auto &line) { return line.wild; }))
        m_lights.wild.start();
    settle();
}

void Payout::settle()
{
    if (m_machine.settleLines() == Machine::Lines::Bonus) {
        m_lights.winGlass.stop();
        m_awaitingBonus = true;
        if (m_bonusGame)
            m_bonusGame();
        else
            m_machine.closeVault();
        return;
    }
    afterLines();
}

void Payout::afterLines()
{
    if (m_machine.state().spinWin >= m_machine.linesBet()) {
        m_sound.playWin();
        waitForFanfare();
        return;
    }
    afterFanfare();
}

void Payout::waitForFanfare()
{
    // The count-up starts when the fanfare has ended.
    if (m_sound.playing() && !m_session.closing)
        m_clock.after(10, this, [this] { waitForFanfare(); });
    else
        afterFanfare();
}

void Payout::afterFanfare()
{
    if (m_machine.state().spinWin > 0) {
        m_lights.winLines.start();
        m_lights.winGlass.start();
        m_view.drawNudgeLights(false);
        m_view.drawWinningsCaption();
        countStep();
        return;
    }
    if (m_machine.state().nudges > 0)
        m_lights.nudgeLights.start();
    m_lights.winLines.stop();
    finish();
}

void Payout::countStep()
{
    // A closing game takes the rest of its win at once.
    m_machine.countUpStep(m_session.closing);
    m_sound.playTally();
    pause(75, m_machine.state().spinWin > 0 ? &Payout::countStep : &Payout::finish);
}

void Payout::pause(int milliseconds, void (Payout::*next)())
{
    if (m_session.closing)
        (this->*next)();
    else
        m_clock.after(milliseconds, this, [this, next] { (this->*next)(); });
}

void Payout::finish()
{
    if (auto done = std::exchange(m_done, nullptr))
        done();
}

} // namespace zand
