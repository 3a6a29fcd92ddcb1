// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Layout.h"

#include <QRect>

class QPainter;

// The three machine panels that light up and go dark: the marquee, the
// title glass and the bet-one badge. Each draws only inside its own
// rectangle, so the dark picture can replace the lit one seamlessly.
namespace artgen {

inline constexpr QRect MarqueeRect = zand::Layout::Marquee;
inline constexpr QRect TitleGlassRect = zand::Layout::TitleGlass;
inline constexpr QRect BadgeRect = zand::Layout::Badge;

void drawMarquee(QPainter &p, bool lit);
void drawTitleGlass(QPainter &p, bool lit);
void drawBadge(QPainter &p, bool lit);

} // namespace artgen
