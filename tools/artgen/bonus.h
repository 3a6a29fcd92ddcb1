// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Layout.h"
#include "game/Prizes.h"

#include <QImage>
#include <QRect>
#include <QRectF>

class QPainter;

namespace artgen {

constexpr int BonusWidth = zand::Layout::Bonus::Width;
constexpr int BonusHeight = zand::Layout::Bonus::Height;
constexpr int SafeSize = zand::Layout::Bonus::SafeSize;
constexpr int SafeCount = zand::Prizes::Safes;

// Safe i of the bonus screen: two columns of four, numbered row by row.
QRect safeRect(int i);

enum class SafeStage { Closed, HalfOpen, Open };
// One safe filling the 76 x 76 square.
void drawSafe(QPainter &p, const QRectF &square, SafeStage stage);

// The 640 x 480 vault with eight closed safes.
QImage bonusPicture();
// 76 x 228: closed, half open and open safe, top to bottom.
QImage safeStrip();

} // namespace artgen
