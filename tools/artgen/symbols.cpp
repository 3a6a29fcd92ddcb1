// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols.h"

#include "paint.h"
#include "symbolparts.h"

#include <QPainter>

#include <array>

namespace artgen {

void drawReelBackground(QPainter &p, const QRectF &area)
{
    QLinearGradient band(area.left(), 0, area.right(), 0);
    band.setColorAt(0.0, QColor(150, 140, 122));
    band.setColorAt(0.12, QColor(214, 206, 188));
    band.setColorAt(0.4, QColor(252, 249, 238));
    band.setColorAt(0.6, QColor(255, 252, 242));
    band.setColorAt(0.88, QColor(214, 206, 188));
    band.setColorAt(1.0, QColor(150, 140, 122));
    p.fillRect(area, band);
}

void drawSymbolCell(QPainter &p, int symbol, const QRectF &cell)
{
    drawReelBackground(p, cell);
    p.save();
    p.setClipRect(cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(cell.topLeft());
    p.scale(cell.width() / 100.0, cell.height() / 100.0);
    switch (symbol) {
    case 0: parts::diamond(p); break;
    case 1: parts::crown(p); break;
    case 2: parts::luckySeven(p); break;
    case 3: parts::bell(p); break;
    case 4: parts::bar(p); break;
    case 5: parts::horseshoe(p); break;
    case 6: parts::grapes(p); break;
    case 7: parts::cherries(p); break;
    case BonusSymbol: parts::bonusVault(p); break;
    default: parts::wild(p, symbol - FirstWildFrame); break;
    }
    p.restore();
}

QImage symbolSheet()
{
    QImage sheet(4 * CellSize, 3 * CellSize, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int s = 0; s < SymbolCount; ++s)
        drawSymbolCell(p, s, QRectF((s % 4) * CellSize, (s / 4) * CellSize, CellSize, CellSize));
    return sheet;
}

QImage motionStrip()
{
    // A mix of colours and shapes, so the spinning reel flickers like a
    // real strip rushing past; no two neighbours share a colour.
    constexpr std::array<int, 6> order{7, 2, 5, 0, 6, 3};
    QImage strip(CellSize + 1, CellSize * static_cast<int>(order.size()), QImage::Format_RGB32);
    {
        QPainter p(&strip);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const QRectF cell(0, k * CellSize, CellSize + 1, CellSize);
            drawSymbolCell(p, order[k], cell);
        }
    }
    // Smear along the direction of travel only; wrapping keeps the loop
    // seamless where the last row meets the first.
    blur(strip, 16, false, true, true);
    QPainter p(&strip);
    // Speed streaks: faint lighter and darker vertical lines.
    Dice dice(0x5EED);
    for (int x = 4; x < strip.width() - 4; x += 3) {
        const qreal shade = dice.range(-1.0, 1.0);
        p.setPen(shade > 0 ? QColor(255, 255, 255, int(shade * 28)) : QColor(0, 0, 0, int(-shade * 22)));
        p.drawLine(x, 0, x, strip.height() - 1);
    }
    return strip;
}

} // namespace artgen
