// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace artgen {

constexpr int CellSize = 76;
constexpr int SymbolCount = 12; // 0-7 theme, 8 bonus, 9-11 the Wild frames
constexpr int BonusSymbol = 8;
constexpr int FirstWildFrame = 9;

// The ivory reel band, shaded like a cylinder from left to right; the same
// for every row, so cells stacked on a reel join without seams.
void drawReelBackground(QPainter &p, const QRectF &area);
// One symbol (0-11) on its reel background.
void drawSymbolCell(QPainter &p, int symbol, const QRectF &cell);

// 304 x 228 sheet: symbol s in column s mod 4, row s div 4.
QImage symbolSheet();
// 77 x 456 strip of six symbols smeared vertically; it loops top to bottom.
QImage motionStrip();

} // namespace artgen
