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
// bet-one badge are drawn switched off; everything else is identical.
QImage machinePicture(bool lit);

// The glass at the left of the cabinet that shows what each line pays.
void drawPayTable(QPainter &p, const QRectF &glass);

} // namespace artgen
