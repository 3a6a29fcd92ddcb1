// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace zand {

class MachineView;
class Random;
class Machine;

// The six timers that keep the idle machine alive: the attract pattern or
// the blinking Spin button, the win celebration of the glass panels, the
// blinking bet-one badge, the animated Wild, and the blinking nudge lights
// and winning paylines. Each carries its phase across stops and starts.
//
// Their periods are all whole tenths of a second, and they tick on one
// clock, on its tenths: lights whose ticks fall together change in one pass,
// which the window shows in one drawing. Apart, the three lights of an idle
// machine would draw it thirteen times in 1.2 s; together eight.
class Lights : public QObject
{
    Q_OBJECT

public:
    Lights(MachineView &view, const Machine &machine, Random &random, QObject *parent = nullptr);

    // One light's timer. Started (or started again), its first tick comes
    // one period later, on the clock's next tenth of a second.
    class Timer
    {
    public:
        Timer(Lights &lights, int interval, void (Lights::*tick)());
        void start();
        void stop()
        {
            m_active = false;
            m_lights.schedule();
        }
        bool isActive() const { return m_active; }
        int interval() const { return m_interval; }

    private:
        friend class Lights;
        Lights &m_lights;
        const int m_interval;
        void (Lights::*const m_tick)();
        bool m_active = false;
        qint64 m_next = 0; // ms on the clock
    };

    Timer buttons{*this, 200, &Lights::buttonsTick};     // attract pattern, or Spin blinking
    Timer winGlass{*this, 200, &Lights::winGlassTick};   // marquee and title glass alternating
    Timer badge{*this, 400, &Lights::badgeTick};         // the bet-one badge
    Timer wild{*this, 300, &Lights::wildTick};           // the Wild on reel 3
    Timer nudgeLights{*this, 300, &Lights::nudgeLightsTick}; // the nudge lights
    Timer winLines{*this, 300, &Lights::winLinesTick};   // the winning paylines

    // The timers that run on an idle machine at start-up.
    void startIdle();
    void stopAll();

    void buttonsTick();
    void winGlassTick();
    void badgeTick();
    void wildTick();
    void nudgeLightsTick();
    void winLinesTick();

    int lastAttractButton() const { return m_lastAttractButton; }
    int wildFrame() const { return m_wildFrame; }

private:
    void ring();
    void schedule();
    Timer *const m_timers[6] = {&buttons, &winGlass, &badge, &wild, &nudgeLights, &winLines};
    QElapsedTimer m_epoch;
    QTimer m_clock;

    MachineView &m_view;
    const Machine &m_machine;
    Random &m_random;

    bool m_spinBlinkPhase = false;
    int m_lastAttractButton = 0;
    bool m_glassBlinkPhase = false;
    bool m_badgeBlinkPhase = false;
    int m_wildFrame = 0;
    int m_wildFrameStep = 1;
    bool m_nudgeBlinkPhase = false;
    bool m_winLineBlinkPhase = false;
};

} // namespace zand
