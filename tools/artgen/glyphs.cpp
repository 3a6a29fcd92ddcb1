// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyphs.h"

#include "paint.h"

#include <QPainter>

namespace artgen {

namespace {

// Everything is laid out on a 24 x 24 design square; larger glyphs are the
// same drawing at a finer scale, not an enlarged bitmap.
constexpr qreal Design = 24;
const QPointF Centre(12, 11.6);
constexpr qreal RimRadius = 10.9;
constexpr qreal JewelRadius = 8.7;

QColor jewelColour(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Ok: return QColor(30, 170, 50);
    case Glyph::Help: return QColor(30, 100, 230);
    case Glyph::Cancel: return QColor(215, 25, 35);
    }
    return Qt::gray;
}

QPainterPath mark(Glyph glyph)
{
    QPainterPath path;
    switch (glyph) {
    case Glyph::Ok:
        path.moveTo(7.4, 12.0);
        path.lineTo(10.6, 15.2);
        path.lineTo(16.8, 8.4);
        break;
    case Glyph::Cancel:
        path.moveTo(8.4, 8.0);
        path.lineTo(15.6, 15.2);
        path.moveTo(15.6, 8.0);
        path.lineTo(8.4, 15.2);
        break;
    case Glyph::Help:
        path = fittedText(QStringLiteral("?"), letterFont(14.5), Centre + QPointF(0, 0.3), 12);
        break;
    }
    return path;
}

void drawJewel(QPainter &p, Glyph glyph)
{
    const QColor colour = jewelColour(glyph);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(Centre + QPointF(0.3, 0.7), RimRadius + 0.3, RimRadius + 0.3);
    p.setBrush(goldGradient(Centre.y() - RimRadius, Centre.y() + RimRadius));
    p.drawEllipse(Centre, RimRadius, RimRadius);
    p.setPen(QPen(QColor(90, 50, 0), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(Centre, RimRadius - 0.3, RimRadius - 0.3);

    // The jewel is lit from above left, like the caps of the machine's buttons.
    QRadialGradient plastic(Centre - QPointF(2.5, 3.5), JewelRadius * 1.5);
    plastic.setColorAt(0, mix(colour, Qt::white, 0.6));
    plastic.setColorAt(0.45, colour);
    plastic.setColorAt(1, scaled(colour, 0.45));
    p.setPen(QPen(scaled(colour, 0.3), 0.6));
    p.setBrush(plastic);
    p.drawEllipse(Centre, JewelRadius, JewelRadius);

    const QPainterPath symbol = mark(glyph);
    const bool stroked = glyph != Glyph::Help;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(scaled(colour, 0.25), stroked ? 4.4 : 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(symbol.translated(0, 0.4));
    if (stroked) {
        p.setPen(QPen(QColor(255, 252, 236), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(symbol);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 252, 236));
        p.drawPath(symbol);
    }

    QLinearGradient gloss(0, Centre.y() - JewelRadius, 0, Centre.y());
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(Centre.x() - 6, Centre.y() - JewelRadius + 0.6, 12, 7));
}

} // namespace

QImage dialogGlyph(Glyph glyph, int size)
{
    QImage image = layer(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Design, size / Design);
    drawJewel(p, glyph);
    return image;
}

} // namespace artgen
