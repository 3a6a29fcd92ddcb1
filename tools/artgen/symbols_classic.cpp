// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The everyday symbols: BAR, horseshoe, grapes and cherries.
#include "paint.h"
#include "symbolparts.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <array>
#include <cmath>

namespace artgen::parts {

namespace {

const QColor Outline(24, 16, 8);

void shinyBall(QPainter &p, QPointF c, qreal r, const QColor &light, const QColor &mid,
               const QColor &dark)
{
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.35);
    g.setColorAt(0, light);
    g.setColorAt(0.35, mid);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(Outline, 1.4));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c - QPointF(r * 0.4, r * 0.42), r * 0.26, r * 0.18);
}

void leaf(QPainter &p, QPointF base, QPointF tip, qreal width)
{
    const QPointF mid = (base + tip) / 2;
    const QPointF d = tip - base;
    const QPointF n(-d.y(), d.x());
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF side = n / len * width;
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(mid + side, tip);
    path.quadTo(mid - side, base);
    QLinearGradient g(base + side, base - side);
    g.setColorAt(0, QColor(140, 220, 80));
    g.setColorAt(1, QColor(20, 110, 30));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 50, 10), 1.2));
    p.drawPath(path);
    p.setPen(QPen(QColor(10, 70, 10, 180), 0.9));
    p.drawLine(base, tip);
}

} // namespace

void bar(QPainter &p)
{
    const QRectF plate(8, 30, 84, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(plate.translated(2, 3), 9, 9);
    p.setBrush(goldGradient(plate.top(), plate.bottom()));
    p.drawRoundedRect(plate, 9, 9);
    const QRectF inner = plate.adjusted(4, 4, -4, -4);
    QLinearGradient black(0, inner.top(), 0, inner.bottom());
    black.setColorAt(0, QColor(70, 70, 78));
    black.setColorAt(0.5, QColor(10, 10, 14));
    black.setColorAt(1, QColor(30, 30, 36));
    p.setBrush(black);
    p.drawRoundedRect(inner, 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 20, 30), 1.6));
    p.drawRoundedRect(inner.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);

    QPainterPath word = fittedText(QStringLiteral("BAR"), letterFont(27), plate.center(), 62);
    p.setPen(QPen(QColor(0, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    QLinearGradient silver(0, 38, 0, 62);
    silver.setColorAt(0, Qt::white);
    silver.setColorAt(0.5, QColor(210, 214, 224));
    silver.setColorAt(0.55, QColor(150, 156, 170));
    silver.setColorAt(1, QColor(240, 240, 248));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(word);
    sparkle(p, QPointF(84, 32), 7);
}

void horseshoe(QPainter &p)
{
    QPainterPath centre;
    centre.moveTo(27, 16);
    centre.cubicTo(8, 42, 20, 84, 50, 84);
    centre.cubicTo(80, 84, 92, 42, 73, 16);
    QPainterPathStroker stroker;
    stroker.setWidth(17);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath shoe = stroker.createStroke(centre).simplified();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(shoe.translated(2, 3));
    QLinearGradient steel(0, 10, 100, 90);
    steel.setColorAt(0, QColor(250, 250, 255));
    steel.setColorAt(0.35, QColor(170, 178, 192));
    steel.setColorAt(0.55, QColor(96, 104, 120));
    steel.setColorAt(0.75, QColor(200, 206, 216));
    steel.setColorAt(1, QColor(110, 116, 130));
    p.setBrush(steel);
    p.setPen(QPen(QColor(30, 32, 44), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shoe);
    // The groove the nails sit in.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 64, 80, 150), 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(centre);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(centre.translated(-1.2, -1.2));
    p.setPen(Qt::NoPen);
    for (qreal t : {0.1, 0.24, 0.38, 0.62, 0.76, 0.9}) {
        const QPointF c = centre.pointAtPercent(t);
        p.setBrush(QColor(20, 20, 30));
        p.drawRoundedRect(QRectF(c.x() - 2, c.y() - 2.6, 4, 5.2), 1.2, 1.2);
        p.setBrush(QColor(255, 220, 110));
        p.drawEllipse(c, 1.1, 1.1);
    }
    sparkle(p, QPointF(22, 40), 7);
    sparkle(p, QPointF(70, 80), 5);
    // A four-leaf clover for luck in the bend.
    const QPointF clover(50, 52);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(clover);
        p.rotate(45 + 90 * i);
        QPainterPath heart;
        heart.moveTo(0, 0);
        heart.cubicTo(-7, -4, -6, -13, 0, -10);
        heart.cubicTo(6, -13, 7, -4, 0, 0);
        QRadialGradient g(QPointF(0, -7), 8);
        g.setColorAt(0, QColor(150, 230, 100));
        g.setColorAt(1, QColor(20, 120, 40));
        p.setBrush(g);
        p.setPen(QPen(QColor(10, 60, 20), 0.9));
        p.drawPath(heart);
        p.restore();
    }
    p.setPen(QPen(QColor(20, 100, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(clover, clover + QPointF(4, 10));
}

void grapes(QPainter &p)
{
    p.setPen(QPen(QColor(90, 55, 20), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(50, 30);
    stem.quadTo(50, 18, 57, 10);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    leaf(p, QPointF(53, 18), QPointF(82, 12), 9);

    const std::array<QPointF, 10> berries{{
        {29, 36}, {44, 33}, {59, 33}, {74, 36},
        {36, 50}, {51, 48}, {66, 50},
        {43, 64}, {58, 64},
        {50, 78},
    }};
    for (const QPointF &c : berries)
        shinyBall(p, c, 9.2, QColor(235, 190, 255), QColor(150, 50, 200), QColor(50, 0, 80));
    sparkle(p, QPointF(24, 60), 6);
}

void cherries(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 110, 30), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stems;
    stems.moveTo(33, 58);
    stems.cubicTo(36, 40, 46, 26, 58, 15);
    stems.moveTo(68, 54);
    stems.cubicTo(66, 40, 62, 26, 58, 15);
    p.drawPath(stems);
    leaf(p, QPointF(58, 15), QPointF(84, 22), 8);
    leaf(p, QPointF(57, 16), QPointF(38, 10), 6);
    shinyBall(p, QPointF(32, 70), 16, QColor(255, 190, 180), QColor(225, 20, 36), QColor(100, 0, 10));
    shinyBall(p, QPointF(68, 66), 16, QColor(255, 190, 180), QColor(225, 20, 36), QColor(100, 0, 10));
    p.setPen(QPen(QColor(60, 30, 10), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(33, 56));
    p.drawPoint(QPointF(68, 52));
}

} // namespace artgen::parts
