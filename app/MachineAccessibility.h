// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CanvasZone.h"

#include <QObject>

#include <vector>

namespace zand {

class Canvas;
class Controls;
class Machine;
struct Config;

// What a screen reader finds on the machine: the buttons, the nudge lights
// and the displays drawn on the canvas, named and kept up to date, and the
// outcome of each turn in words.
class MachineAccessibility : public QObject
{
    Q_OBJECT

public:
    // The zones, in the order a reader walks them.
    enum Zone {
        BetOne, Badge, BetMax, Spin, Nudge1, Nudge2, Nudge3,
        Coins, Winnings, Credits, Nudges, BonusMeter, PayGlass, Outcome,
        ZoneCount
    };

    MachineAccessibility(Canvas &canvas, const Config &config, Machine &machine, Controls &controls,
                         QObject *parent = nullptr);
    ~MachineAccessibility() override;

    std::vector<CanvasZone> zones() const;

private:
    void controlsChanged();
    void turnEnded(int won);
    QRect scaled(const QRect &design) const;

    Canvas &m_canvas;
    const Config &m_config;
    Machine &m_machine;
    Controls &m_controls;
    QString m_outcome;
};

} // namespace zand
