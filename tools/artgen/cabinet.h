// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Layout.h"

#include <QImage>
#include <QRect>
#include <QRectF>

#include <array>

class QPainter;

namespace artgen {

namespace Layout = zand::Layout;

constexpr int MachineWidth = Layout::Width;
constexpr int MachineHeight = Layout::Height;

// Places the game draws into; the picture leaves them black.
inline constexpr QRect DisplayPanel = Layout::DisplayPanel;
inline constexpr std::array<QRect, 3> NudgeBoxes{Layout::nudgeLight(0), Layout::nudgeLight(1),
                                                 Layout::nudgeLight(2)};
inline constexpr std::array<QRect, 4> ButtonBoxes{Layout::BonusMeterBox, Layout::SpinButton,
                                                  Layout::BetOneButton, Layout::BetMaxButton};
using Layout::reelWindow;
// Top left corner of the payline lights of lines 1, 2 and 3.
inline constexpr std::array<QPoint, 3> LineLightOrigins{
    Layout::lineLight(1).topLeft(), Layout::lineLight(2).topLeft(), Layout::lineLight(3).topLeft()};
inline constexpr QRect LogoCorner = Layout::Logo;

// The whole machine at rest. With lit false the marquee, title glass and
// bet-one badge are drawn switched off; everything else is identical. The
// lever is drawn pulled down by leverPull, from 0 (at rest) to 1 (down).
QImage machinePicture(bool lit, qreal leverPull = 0);

// How far the lever's ball comes down when pulled right down.
constexpr qreal LeverTravel = 150;
constexpr int LeverFrames = Layout::LeverFrames;
// The lever's place on the machine, from at rest to pulled down, frames side
// by side.
QImage leverStrip();

// The glass at the left of the cabinet that shows what each line pays.
void drawPayTable(QPainter &p, const QRectF &glass);

} // namespace artgen
