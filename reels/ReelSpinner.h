// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

namespace zand {

class Clock;
class Machine;
class Random;
class ReelAnimator;
class SoundBoard;
struct Pictures;
struct Session;

// One spin of the reels: the machine spins to stops drawn first, then the
// reels show it in 47 ticks of 25 ms. They blur, then land one after another
// from the left, each with a small bounce and the reel-stop sound.
class ReelSpinner : public QObject
{
    Q_OBJECT

public:
    static constexpr int Ticks = 47;
    static constexpr int TickMs = 25;

    ReelSpinner(ReelAnimator &animator, Machine &machine, const Session &session,
                const Pictures &pictures, Random &random, Clock &clock, SoundBoard &sound);

    // Spins on the bet placed; `landed` runs once the reels stand still (at
    // once when the game closes meanwhile).
    void spinReels(std::function<void()> landed);

private:
    void step();
    void frame(int tick);

    ReelAnimator &m_animator;
    Machine &m_machine;
    const Session &m_session;
    const Pictures &m_pictures;
    Random &m_random;
    Clock &m_clock;
    SoundBoard &m_sound;
    std::function<void()> m_landed;
    std::uint32_t m_lastTick = 0;
    int m_tick = 0;
};

} // namespace zand
