// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include "audio/MusicBox.h"
#include "game/Config.h"
#include "game/Machine.h"
#include "game/Layout.h"
#include "audio/SoundBoard.h"
#include "reels/LeverPull.h"
#include "reels/Nudger.h"
#include "reels/Payout.h"
#include "reels/ReelSpinner.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <Qt>

namespace zand {

Controls::Controls(const Config &config, Machine &machine, Parts parts, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_machine(machine)
    , m_parts(parts)
{
}

void Controls::setNotifier(std::function<void(const QString &)> notify)
{
    m_notify = std::move(notify);
}

bool Controls::inZone(QPoint p, const QRect &zone) const
{
    const auto s = [this](int v) { return m_config.scale(v); };
    return p.x() >= s(zone.left()) && p.x() <= s(zone.left() + zone.width())
        && p.y() >= s(zone.top()) && p.y() <= s(zone.top() + zone.height());
}

void Controls::mousePressed(QPoint p)
{
    // Nudges only between spins: never inside a running spin or nudge.
    if (m_machine.nudgeOffered()) {
        for (int reel = 0; reel < 3; ++reel) {
            if (inZone(p, Layout::nudgeLight(reel))) {
                nudge(reel);
                break;
            }
        }
    }
    if (m_machine.controlsOpen()) {
        if (inZone(p, Layout::BetOneButton))
            betOne();
        else if (inZone(p, Layout::BetMaxButton))
            betMax();
        else if (inZone(p, Layout::SpinButton))
            spin();
        else if (inZone(p, Layout::Lever)) {
            m_parts.lever.pull();
            spin();
        }
    }
    if (inZone(p, Layout::BadgeZone) && m_machine.controlsOpen())
        betOne();
    stopNudgeLightsWhenSpent();
    // The chip is live at all times, in the middle of a spin too. Its zone
    // is the picture as drawn, both edges included like every other zone.
    const QRect logo = m_parts.view.logoArea();
    if (p.x() >= logo.left() && p.x() <= logo.left() + logo.width() && p.y() >= logo.top()
        && p.y() <= logo.top() + logo.height())
        emit logoClicked();
}

void Controls::keyPressed(int key)
{
    if (!m_machine.controlsOpen())
        return;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        spin();
        break;
    case Qt::Key_B:
        betOne();
        break;
    case Qt::Key_M:
        betMax();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        nudge(key - Qt::Key_1);
        break;
    case Qt::Key_N:
        // The reels in turn, left to right, starting after the last one
        // nudged in this turn.
        nudge((m_lastNudged + 1) % 3);
        break;
    default:
        break;
    }
}

void Controls::showLineLightsByBet()
{
    for (int line = 1; line <= 3; ++line)
        m_parts.view.drawLineLight(line, m_machine.state().bet >= line);
}

void Controls::betOne()
{
    if (m_machine.busy())
        return;
    if (m_machine.state().credits < 1) {
        if (m_notify)
            m_notify(tr("You are out of credits...better borrow some!"));
        return;
    }
    m_parts.lights.winLines.stop();
    m_parts.sound.playCoin();
    m_machine.placeCoin();
    showLineLightsByBet();
    if (m_machine.state().bet == 3)
        spin();
}

void Controls::betMax()
{
    if (m_machine.busy())
        return;
    while (m_machine.state().bet < 3 && m_machine.placeCoin()) {
        showLineLightsByBet();
        m_parts.sound.playCoin();
    }
    if (m_machine.state().bet == 3)
        spin();
}

void Controls::spin()
{
    if (m_machine.busy())
        return;
    MachineView &view = m_parts.view;
    m_parts.music.servePending();
    if (!m_machine.takeBet()) {
        if (m_notify)
            m_notify(tr("No bet was placed!"));
        return;
    }
    m_parts.lights.stopAll();
    for (int line = 1; line <= 3; ++line)
        view.drawLineLight(line, true);
    view.drawMarquee(true);
    view.drawTitleGlass(true);
    emit busyChanged(true);
    view.drawButton(MachineView::Button::BetOne, false);
    view.drawButton(MachineView::Button::BetMax, false);
    view.drawButton(MachineView::Button::Spin, false);
    view.drawBadge(true);
    view.drawNudgeLights(false);

    m_parts.spinner.spinReels([this] {
        m_parts.payout.evaluateLines(m_machine.state().bet, [this] { spinEnded(); });
    });
}

void Controls::spinEnded()
{
    m_lastNudged = -1;
    m_machine.endTurn();
    MachineView &view = m_parts.view;
    view.drawButton(MachineView::Button::BetOne, true);
    view.drawButton(MachineView::Button::BetMax, true);
    view.drawButton(MachineView::Button::Spin, true);
    m_parts.lights.buttons.start();
    if (!m_parts.lights.winGlass.isActive())
        m_parts.lights.badge.start();
    emit busyChanged(false);
}

void Controls::nudge(int reel)
{
    if (!m_machine.nudgeOffered())
        return;
    m_lastNudged = reel;
    emit busyChanged(true);
    m_parts.nudger.nudgeReel(reel, [this] { emit busyChanged(false); });
    stopNudgeLightsWhenSpent();
}

void Controls::stopNudgeLightsWhenSpent()
{
    if (m_machine.state().nudges <= 0) {
        m_parts.lights.nudgeLights.stop();
        m_parts.view.drawNudgeLights(false);
    }
}

} // namespace zand
