// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zand {

// The machine is designed on an 800 by 600 surface and drawn at the scale of
// the layout width, on both axes, so it keeps its proportions.
namespace Scale {

// The width the machine is laid out for: the screen's width, but never more
// than 4:3 of its height, so a wide screen shows the whole machine.
int layoutWidth(int screenWidth, int screenHeight);

// A design coordinate in screen pixels: v times (width / 800), with the ratio
// taken as the nearest double and the exact product truncated toward zero.
// (So at 1152, 25 gives 35: the double nearest 1.44 lies just below it.)
int x(int v, int width);

} // namespace Scale

} // namespace zand
