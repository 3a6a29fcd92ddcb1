// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace artgen {

constexpr int ChipWidth = 66;
constexpr int ChipHeight = 42;

// The flat ground around a chip. The dialog treats the colour of the
// bottom-left pixel as transparent, so this colour is kept out of the chip.
inline const QColor ChipGround(255, 0, 255);

inline const QColor ChipBlue(30, 70, 200);
inline const QColor ChipRed(205, 20, 30);
inline const QColor ChipGreen(20, 140, 60);
inline const QColor ChipBlack(34, 34, 40);

// A casino chip seen slightly from above, bearing amount in its centre, on
// the flat ChipGround; 66 x 42 opaque pixels.
QImage casinoChip(const QString &amount, const QColor &colour);

} // namespace artgen
