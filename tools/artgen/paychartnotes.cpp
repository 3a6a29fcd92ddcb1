// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes beside the pay column of the payoff chart: each a small glass
// with a picture from the machine on the left and a few words beside it.
#include "bonus.h"
#include "buttons.h"
#include "lights.h"
#include "paint.h"
#include "paychartparts.h"
#include "symbols.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace artgen::chart {

namespace {

const QString Gold = QStringLiteral("#ffd24a");

QString highlighted(const QString &words)
{
    return QStringLiteral("<b><span style=\"color:%1\">%2</span></b>").arg(Gold, words);
}

// The picture of a note sits in a square at the left of the content area;
// the text takes the rest.
QRectF textBeside(const QRectF &inside, qreal pictureWidth)
{
    return inside.adjusted(pictureWidth + 12, 0, 0, 0);
}

void framedCell(QPainter &p, int symbol, const QRectF &cell)
{
    chromeFrame(p, cell, 2, 0);
    drawSymbolCell(p, symbol, cell);
}

} // namespace

void wildNote(QPainter &p, const QRectF &rect)
{
    const QRectF inside = glassPanel(p, rect, QStringLiteral("WILD ON REEL 3"));
    const qreal size = std::min(inside.height() - 4, 56.0);
    framedCell(p, FirstWildFrame + 2, QRectF(inside.left() + 4, inside.center().y() - size / 2, size, size));
    paragraph(p, textBeside(inside, size + 4),
              QStringLiteral("Stands in for any symbol on a line. Every win made with a %1 earns %2.")
                  .arg(highlighted(QStringLiteral("WILD")), highlighted(QStringLiteral("+2 NUDGES"))),
              12.5);
}

void paylinesNote(QPainter &p, const QRectF &rect)
{
    const QRectF inside = glassPanel(p, rect, QStringLiteral("PAYLINES"));
    constexpr qreal Cell = 19;
    constexpr qreal Gap = 4;
    // The reels and the labels beside them are centred as one group.
    const QFont bold = letterFont(13, true);
    const QFont plain = letterFont(13, false);
    const qreal labelWidth = QFontMetricsF(bold).horizontalAdvance(QStringLiteral("COIN 0 "))
                             + QFontMetricsF(plain).horizontalAdvance(QStringLiteral("bottom line"));
    const qreal groupWidth = 3 * Cell + 2 * Gap + 18 + labelWidth;
    const QPointF origin(inside.center().x() - groupWidth / 2, inside.top() + 1);
    for (int reel = 0; reel < 3; ++reel) {
        const QRectF band(origin.x() + reel * (Cell + Gap), origin.y(), Cell, 3 * Cell);
        chromeFrame(p, band, 1.5, 0);
        drawReelBackground(p, band);
    }
    const qreal gridRight = origin.x() + 3 * Cell + 2 * Gap;
    struct Line { int coin; int row; QColor colour; const char *where; };
    const std::array<Line, 3> lines{{{2, 0, LineBlue, "top line"},
                                     {1, 1, LineRed, "middle line"},
                                     {3, 2, LineGreen, "bottom line"}}};
    for (const Line &line : lines) {
        const qreal y = origin.y() + (line.row + 0.5) * Cell;
        QPainterPath bar;
        bar.moveTo(origin.x() - 7, y);
        bar.lineTo(gridRight + 7, y);
        // A lit lamp: soft halo strokes under a bright core.
        for (const auto &[width, alpha] : {std::pair{9.0, 50}, std::pair{5.5, 110}}) {
            QColor halo = line.colour;
            halo.setAlpha(alpha);
            p.setPen(QPen(halo, width, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(bar);
        }
        p.setPen(QPen(mix(line.colour, Qt::white, 0.35), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(bar);
        const QString coin = QStringLiteral("COIN %1").arg(line.coin);
        const qreal x = gridRight + 18;
        p.setFont(bold);
        p.setPen(mix(line.colour, Qt::white, 0.25));
        p.drawText(QPointF(x, y + 5), coin);
        p.setFont(plain);
        p.setPen(QColor(242, 234, 216));
        p.drawText(QPointF(x + QFontMetricsF(bold).horizontalAdvance(coin) + 6, y + 5), QString::fromLatin1(line.where));
    }
    paragraph(p, QRectF(inside.left(), origin.y() + 3 * Cell + 3, inside.width(), inside.bottom() - origin.y() - 3 * Cell - 3),
              QStringLiteral("<center>Every line pays on its own.</center>"), 12);
}

void nudgesNote(QPainter &p, const QRectF &rect)
{
    const QRectF inside = glassPanel(p, rect, QStringLiteral("NUDGES"));
    const QImage light = nudgeLight().copy(0, NudgeFaceHeight, NudgeWidth, NudgeFaceHeight);
    const QPointF at(inside.left(), inside.top() + 4);
    p.drawImage(at, light);
    // An arrow under the light: the reel slides down by one stop.
    const qreal cx = at.x() + NudgeWidth / 2.0;
    const qreal top = at.y() + NudgeFaceHeight + 5;
    QPainterPath arrow;
    arrow.moveTo(cx - 5, top);
    arrow.lineTo(cx + 5, top);
    arrow.lineTo(cx + 5, top + 14);
    arrow.lineTo(cx + 12, top + 14);
    arrow.lineTo(cx, top + 26);
    arrow.lineTo(cx - 12, top + 14);
    arrow.lineTo(cx - 5, top + 14);
    arrow.closeSubpath();
    goldWords(p, arrow, GoldOutline);
    paragraph(p, textBeside(inside, NudgeWidth),
              QStringLiteral("After a spin that won nothing, click a %1 light to move that reel down one stop.")
                  .arg(highlighted(QStringLiteral("NUDGE"))),
              12.5);
}

void bonusNote(QPainter &p, const QRectF &rect)
{
    const QRectF inside = glassPanel(p, rect, QStringLiteral("BONUS VAULT"));
    const qreal size = std::min(inside.height() - 2, 56.0);
    // The safe is drawn at its own size on the bonus screen; here it is shrunk.
    p.save();
    p.translate(inside.left() + 4, inside.center().y() - size / 2);
    p.scale(size / SafeSize, size / SafeSize);
    drawSafe(p, QRectF(0, 0, SafeSize, SafeSize), SafeStage::Closed);
    p.restore();
    paragraph(p, textBeside(inside, size + 4),
              QStringLiteral("Three %1 on any line open the vault: pick one of eight safes for "
                             "up to 250 credits or 6 nudges.")
                  .arg(highlighted(QStringLiteral("BONUS"))),
              12.5);
}

} // namespace artgen::chart
