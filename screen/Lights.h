// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace zand {

class MachineView;
class Random;
class Machine;

// The six timers that keep the idle machine alive: the attract pattern or
// the blinking Spin button, the win celebration of the glass panels, the
// blinking bet-one badge, the animated Wild, and the blinking nudge lights
// and winning paylines. Each carries its phase across stops and starts.
class Lights : public QObject
{
    Q_OBJECT

public:
    Lights(MachineView &view, const Machine &machine, Random &random, QObject *parent = nullptr);

    QTimer buttons{};     // 200 ms: attract pattern, or Spin blinking
    QTimer winGlass{};    // 200 ms: marquee and title glass alternating
    QTimer badge{};       // 400 ms: the bet-one badge
    QTimer wild{};        // 300 ms: the Wild on reel 3
    QTimer nudgeLights{}; // 300 ms: the nudge lights
    QTimer winLines{};    // 300 ms: the winning paylines

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
