// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Layout.h"

#include <QColor>
#include <QImage>

#include <array>

namespace artgen {

constexpr int LightWidth = zand::Layout::LineLightWidth;
constexpr int LightFaceHeight = zand::Layout::LineLightHeight;

// Column spans (first column, width) where a payline light shows: beside
// and between the reel windows.
struct ColumnSpan { int first; int width; };
constexpr std::array<ColumnSpan, 4> LightPieces{{{0, 14}, {96, 22}, {200, 22}, {304, 14}}};

bool isLightColumn(int x);

// Ground of the reel bay around the windows; the light pieces sit on it.
inline const QColor BayColour(22, 20, 26);

inline const QColor LineRed(255, 40, 40);
inline const QColor LineBlue(40, 120, 255);
inline const QColor LineGreen(40, 230, 70);

// 318 x 28: dark face above, lit face below; pure black off the pieces.
QImage paylineLight(const QColor &colour);
// 318 x 28, one bit per pixel: black on the light columns, white elsewhere.
QImage paylineMask();

} // namespace artgen
