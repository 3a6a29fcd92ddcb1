// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

namespace zand {

class Canvas;
struct Pictures;

// A number in the machine's digit font, as the machine and the bank show it.
// Every value a game can hold reads true: a minus sign before a negative
// number, and a number longer than its display drawn smaller as a whole
// rather than cut to its last digits.
struct NumberDisplay
{
    bool largeFont = false; // the font's cells: 32 x 42, else 16 x 21
    QSize cell;             // one digit as drawn on the target
    int room = 0;           // the widest the digits may be; 0: no limit
    bool green = true;
    bool rightAligned = false;

    // The font for a layout of this width in the window system's pixels
    // (the large one from 1000), its cells grown by `grow`.
    static NumberDisplay sizedFor(int layoutWidth, double grow);

    // Draws the number at `anchor`: the top of the digits and the right end
    // of the last one (right-aligned) or the left end of the first. One cell
    // beyond the digits on the far side is blanked as well, within the room,
    // so a number that became shorter leaves no stale digit behind.
    void draw(Canvas &target, const Pictures &pictures, int number, QPoint anchor) const;
};

} // namespace zand
