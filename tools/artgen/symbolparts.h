// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

// The individual symbol drawings. Each paints into a 100 x 100 design box;
// the caller maps that box onto the cell.
namespace artgen::parts {

void diamond(QPainter &p);
void crown(QPainter &p);
void luckySeven(QPainter &p);
void bell(QPainter &p);
void bar(QPainter &p);
void horseshoe(QPainter &p);
void grapes(QPainter &p);
void cherries(QPainter &p);
void bonusVault(QPainter &p);
// frame 0, 1, 2: the Wild pulses from magenta through orange to gold.
void wild(QPainter &p, int frame);

} // namespace artgen::parts
