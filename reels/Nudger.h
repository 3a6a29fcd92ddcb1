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
class Payout;
class ReelAnimator;
class SoundBoard;
struct Session;

// After a spin that won nothing, a nudge slides one reel down by one symbol,
// settles it with a bounce and shows the lines judged again on the lines the
// last spin bet. Each nudge costs one of the player's nudges.
class Nudger : public QObject
{
    Q_OBJECT

public:
    Nudger(ReelAnimator &animator, MachineView &view, Lights &lights, Machine &machine,
           const Session &session, Payout &payout, SoundBoard &sound, Clock &clock);

    // Nudges `reel` if the machine offers a nudge; `done` runs when its win
    // is counted in. False when no nudge was taken.
    bool nudgeReel(int reel, std::function<void()> done = nullptr);

private:
    void slideStep();
    void landed();
    void bounceStep();
    void judge();
    // The next step after `milliseconds`; at once while the game closes.
    void pause(int milliseconds, void (Nudger::*next)());

    ReelAnimator &m_animator;
    MachineView &m_view;
    Lights &m_lights;
    Machine &m_machine;
    const Session &m_session;
    Payout &m_payout;
    SoundBoard &m_sound;
    Clock &m_clock;
    std::function<void()> m_done;
    int m_reel = 0;
    int m_frame = 0;
};

} // namespace zand
