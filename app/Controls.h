// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>

namespace zand {

class LeverPull;
class Lights;
class MachineView;
class MusicBox;
class Nudger;
class Payout;
class ReelSpinner;
class SoundBoard;
class Machine;
struct Config;

// The player's hands on the machine: the click zones on the picture, the
// keys, the two bet commands and the spin driver that carries a spin from
// the bet to the payout.
class Controls : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        MachineView &view;
        Lights &lights;
        ReelSpinner &spinner;
        Payout &payout;
        Nudger &nudger;
        SoundBoard &sound;
        MusicBox &music;
        LeverPull &lever;
    };

    Controls(const Config &config, Machine &machine, Parts parts, QObject *parent = nullptr);

    // Shows a notice to the player (an information box with one OK button).
    void setNotifier(std::function<void(const QString &)> notify);

    void mousePressed(QPoint position);
    void keyPressed(int key);

    void betOne();
    void betMax();
    void spin();
    // Nudges `reel` (0 to 2) when a nudge is offered.
    void nudge(int reel);

signals:
    // A spin or a nudge started (true) or ended (false).
    void busyChanged(bool busy);
    // The player clicked the logo chip: the games page is wanted.
    void logoClicked();

private:
    void spinEnded();
    void stopNudgeLightsWhenSpent();
    void showLineLightsByBet();
    bool inZone(QPoint p, const QRect &zone) const;

    const Config &m_config;
    Machine &m_machine;
    Parts m_parts;
    std::function<void(const QString &)> m_notify;
    int m_lastNudged = -1; // the reel the last nudge of this turn moved
};

} // namespace zand
