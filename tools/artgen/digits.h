// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace artgen {

// A seven-segment digit font on black: cells 0-9 of cellWidth, then a blank
// cell of cellWidth, then a colon cell three quarters as wide.
QImage digitFont(int cellWidth, int cellHeight, const QColor &colour);

inline const QColor DigitRed(255, 40, 28);
inline const QColor DigitGreen(40, 255, 80);

} // namespace artgen
