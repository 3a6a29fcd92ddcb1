// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

namespace artgen {

constexpr int ButtonWidth = 78;
constexpr int ButtonFaceHeight = 59;
constexpr int NudgeWidth = 72;
constexpr int NudgeFaceHeight = 17;

inline const QColor SpinColour(40, 200, 60);
inline const QColor BetOneColour(255, 190, 20);
inline const QColor BetMaxColour(235, 30, 40);

// 78 x 118 push button: dark face above, lit face below. Each string of
// lines is one line of lettering.
QImage buttonPicture(const QStringList &lines, const QColor &colour);
// 72 x 34 nudge light lettered NUDGE: dark above, lit below.
QImage nudgeLight();

} // namespace artgen
