// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace zand {

class Clock;
class Lights;
class Machine;
class MachineView;
class SoundBoard;
struct Session;

// Shows what the machine judged after a spin or a nudge: the vault for a line
// of Bonus symbols, the Wild, the win fanfare and the count-up of the win
// into the credits, or the nudge lights after a spin that won nothing.
class Payout : public QObject
{
    Q_OBJECT

public:
    Payout(MachineView &view, Lights &lights, Machine &machine, const Session &session,
           SoundBoard &sound, Clock &clock);

    // Opens the vault; the payout goes on once the machine has its prize.
    void setBonusGame(std::function<void()> bonusGame);

    // Judges the reels where they stand with `linesBet` lines bet and shows
    // the outcome; `done` runs when the win is counted in. Without `done`,
    // the judgement is a turn of its own, ended when it is shown.
    void evaluateLines(int linesBet, std::function<void()> done = nullptr);

private:
    void settle();
    void afterLines();
    void waitForFanfare();
    void afterFanfare();
    void countStep();
    // The next step after `milliseconds`; at once while the game closes.
    void pause(int milliseconds, void (Payout::*next)());
    void finish();

    MachineView &m_view;
    Lights &m_lights;
    Machine &m_machine;
    const Session &m_session;
    SoundBoard &m_sound;
    Clock &m_clock;
    std::function<void()> m_bonusGame;
    std::function<void()> m_done;
    bool m_awaitingBonus = false;
};

} // namespace zand
