// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The pay glass at the left of the cabinet: three of a kind and their pays.
#include "cabinet.h"

#include "game/PayTable.h"

#include "paint.h"
#include "symbols.h"

#include <QPainter>

namespace artgen {

namespace {

constexpr qreal MiniCell = 28;

void miniReels(QPainter &p, int symbol, QPointF topLeft)
{
    for (int k = 0; k < 3; ++k) {
        const QRectF cell(topLeft.x() + k * (MiniCell + 3), topLeft.y(), MiniCell, MiniCell);
        drawSymbolCell(p, symbol, cell);
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
}

} // namespace

void drawPayTable(QPainter &p, const QRectF &glass)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    chromeFrame(p, glass, 4, 6);
    QLinearGradient night(0, glass.top(), 0, glass.bottom());
    night.setColorAt(0, QColor(26, 20, 70));
    night.setColorAt(1, QColor(6, 4, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(glass, 6, 6);
    goldTrim(p, glass.adjusted(5, 5, -5, -5), 5, 1.2);

    goldWords(p, fittedText(QStringLiteral("PAYS"), letterFont(18), QPointF(glass.center().x(), glass.top() + 20), 120));

    const qreal left = glass.left() + 12;
    const qreal rowHeight = 35.5;
    qreal y = glass.top() + 36;
    for (std::size_t s = 0; s < zand::PayTable::Pays.size(); ++s, y += rowHeight) {
        miniReels(p, static_cast<int>(s), QPointF(left, y));
        const QPainterPath pay = fittedText(QString::number(zand::PayTable::Pays[s]), letterFont(s == 0 ? 21 : 18),
                                            QPointF(glass.right() - 34, y + MiniCell / 2), 50);
        goldWords(p, pay);
    }
    miniReels(p, BonusSymbol, QPointF(left, y));
    const QPainterPath bonus = fittedText(QStringLiteral("BONUS"), letterFont(13), QPointF(glass.right() - 34, y + MiniCell / 2), 54);
    p.setPen(QPen(QColor(40, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bonus);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 70, 60));
    p.drawPath(bonus);

    y += rowHeight + 2;
    const QRectF wildCell(left, y, MiniCell, MiniCell);
    drawSymbolCell(p, FirstWildFrame + 2, wildCell);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 255));
    const QFont note = letterFont(9.5, true);
    p.drawPath(fittedText(QStringLiteral("ON REEL 3 STANDS IN"), note,
                          QPointF(wildCell.right() + 72, y + 8), 140));
    p.drawPath(fittedText(QStringLiteral("FOR ANY AND WINS +2 NUDGES"), note,
                          QPointF(wildCell.right() + 72, y + 21), 140));
    p.restore();
}

} // namespace artgen
