// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The high-paying symbols: diamond, crown, lucky seven and bell.
#include "paint.h"
#include "symbolparts.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace artgen::parts {

namespace {

const QColor Outline(24, 16, 8);

void radiance(QPainter &p, QPointF centre, qreal radius, const QColor &colour, int rays)
{
    p.save();
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.setClipPath(disc, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < rays; ++i) {
        const qreal a0 = (2 * M_PI * i) / rays;
        const qreal a1 = a0 + M_PI / rays;
        QPolygonF wedge{centre, centre + QPointF(std::cos(a0), std::sin(a0)) * radius * 1.5,
                        centre + QPointF(std::cos(a1), std::sin(a1)) * radius * 1.5};
        QRadialGradient fade(centre, radius);
        QColor c = colour;
        fade.setColorAt(0, c);
        c.setAlpha(0);
        fade.setColorAt(1, c);
        p.setBrush(fade);
        p.drawPolygon(wedge);
    }
    p.restore();
}

} // namespace

void diamond(QPainter &p)
{
    radiance(p, QPointF(50, 52), 50, QColor(255, 200, 40, 150), 14);
    QRadialGradient halo(QPointF(50, 55), 46);
    halo.setColorAt(0, QColor(120, 200, 255, 150));
    halo.setColorAt(1, QColor(120, 200, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(50, 55), 46, 46);

    const QPointF a0(31, 23), a1(50, 23), a2(69, 23);
    const QPointF g0(9, 42), g1(29.5, 42), g2(50, 42), g3(70.5, 42), g4(91, 42);
    const QPointF tip(50, 92);
    struct Facet { QPolygonF poly; QColor colour; };
    const std::array<Facet, 10> facets{{
        {{g0, a0, g1}, QColor(150, 215, 255)},
        {{a0, g2, g1}, QColor(225, 245, 255)},
        {{a0, a1, g2}, QColor(185, 232, 255)},
        {{a1, a2, g2}, QColor(240, 250, 255)},
        {{a2, g3, g2}, QColor(120, 190, 245)},
        {{a2, g4, g3}, QColor(70, 140, 225)},
        {{g0, g1, tip}, QColor(60, 150, 235)},
        {{g1, g2, tip}, QColor(170, 225, 255)},
        {{g2, g3, tip}, QColor(40, 110, 210)},
        {{g3, g4, tip}, QColor(20, 70, 170)},
    }};
    p.setPen(QPen(QColor(14, 40, 110), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Facet &f : facets) {
        QLinearGradient shine(f.poly.boundingRect().topLeft(), f.poly.boundingRect().bottomRight());
        shine.setColorAt(0, mix(f.colour, Qt::white, 0.35));
        shine.setColorAt(1, f.colour);
        p.setBrush(shine);
        p.drawPolygon(f.poly);
    }
    QPolygonF outline{a0, a2, g4, tip, g0};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 26, 80), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(outline);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33, 26), QPointF(48, 26));
    p.drawLine(QPointF(14, 44), QPointF(30, 62));
    sparkle(p, QPointF(72, 22), 12);
    sparkle(p, QPointF(24, 30), 6);
    sparkle(p, QPointF(60, 66), 7);
}

void crown(QPainter &p)
{
    radiance(p, QPointF(50, 56), 46, QColor(255, 230, 120, 90), 10);
    // Velvet cap behind the points.
    p.setPen(Qt::NoPen);
    QRadialGradient velvet(QPointF(44, 44), 30);
    velvet.setColorAt(0, QColor(200, 40, 70));
    velvet.setColorAt(1, QColor(90, 0, 30));
    p.setBrush(velvet);
    p.drawEllipse(QPointF(50, 52), 30, 22);

    QPainterPath top;
    top.moveTo(17, 68);
    top.lineTo(10, 28);
    top.lineTo(31, 48);
    top.lineTo(50, 18);
    top.lineTo(69, 48);
    top.lineTo(90, 28);
    top.lineTo(83, 68);
    top.closeSubpath();
    QLinearGradient gold(10, 0, 90, 0);
    gold.setColorAt(0, QColor(150, 96, 10));
    gold.setColorAt(0.3, QColor(255, 236, 140));
    gold.setColorAt(0.55, QColor(236, 180, 40));
    gold.setColorAt(1, QColor(140, 84, 6));
    p.setPen(QPen(Outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(top);

    const QRectF band(14, 64, 72, 18);
    p.setBrush(goldGradient(band.top(), band.bottom()));
    p.drawRoundedRect(band, 3, 3);

    for (const QPointF &tip : {QPointF(10, 26), QPointF(50, 16), QPointF(90, 26)}) {
        QRadialGradient pearl(tip - QPointF(1.5, 1.5), 5.5);
        pearl.setColorAt(0, Qt::white);
        pearl.setColorAt(1, QColor(200, 190, 170));
        p.setBrush(pearl);
        p.setPen(QPen(Outline, 1.4));
        p.drawEllipse(tip, 5, 5);
    }
    const auto jewel = [&](QPointF c, qreal rx, const QColor &colour) {
        QRadialGradient g(c - QPointF(rx * 0.3, rx * 0.3), rx * 1.2);
        g.setColorAt(0, mix(colour, Qt::white, 0.7));
        g.setColorAt(0.5, colour);
        g.setColorAt(1, scaled(colour, 0.45));
        p.setBrush(g);
        p.setPen(QPen(Outline, 1.2));
        p.drawEllipse(c, rx, rx * 0.8);
    };
    jewel(QPointF(50, 73), 7, QColor(230, 20, 40));
    jewel(QPointF(29, 73), 4.5, QColor(30, 90, 230));
    jewel(QPointF(71, 73), 4.5, QColor(30, 90, 230));
    jewel(QPointF(50, 45), 4.5, QColor(20, 170, 80));
    sparkle(p, QPointF(62, 30), 8);
    sparkle(p, QPointF(20, 62), 5);
}

void luckySeven(QPainter &p)
{
    QFont font = letterFont(100, true, true);
    font.setWeight(QFont::Black);
    QPainterPath seven = centredText(QStringLiteral("7"), font, QPointF(50, 50));
    const QRectF box = seven.boundingRect();
    // Fit the numeral into the cell whatever the font's proportions.
    QTransform fit;
    fit.translate(50, 50);
    fit.scale(62 / box.width(), 80 / box.height());
    fit.translate(-box.center().x(), -box.center().y());
    seven = fit.map(seven);

    glowPath(p, seven, QColor(255, 60, 20, 110), 5, 1, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 0), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven);
    p.setPen(QPen(QBrush(goldGradient(box.top(), box.bottom())), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven.translated(0, 0));
    QLinearGradient red(0, 10, 0, 90);
    red.setColorAt(0, QColor(255, 110, 90));
    red.setColorAt(0.45, QColor(230, 10, 20));
    red.setColorAt(1, QColor(120, 0, 10));
    p.setPen(QPen(QColor(70, 0, 0), 1.0));
    p.setBrush(red);
    p.drawPath(seven);
    // Glossy upper half.
    p.save();
    p.setClipRect(QRectF(0, 0, 100, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(seven);
    p.restore();
    sparkle(p, QPointF(78, 16), 7);
}

void bell(QPainter &p)
{
    radiance(p, QPointF(50, 52), 44, QColor(255, 220, 90, 80), 12);
    const auto horizontalGold = [](qreal left, qreal right) {
        QLinearGradient g(left, 0, right, 0);
        g.setColorAt(0, QColor(130, 78, 6));
        g.setColorAt(0.22, QColor(255, 240, 160));
        g.setColorAt(0.45, QColor(245, 196, 60));
        g.setColorAt(0.8, QColor(196, 132, 20));
        g.setColorAt(1, QColor(110, 64, 4));
        return g;
    };
    p.setPen(QPen(Outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Clapper first, partly hidden by the rim.
    QRadialGradient clapper(QPointF(48, 84), 8);
    clapper.setColorAt(0, QColor(255, 240, 170));
    clapper.setColorAt(1, QColor(150, 90, 10));
    p.setBrush(clapper);
    p.drawEllipse(QPointF(50, 86), 7, 7);
    p.setBrush(horizontalGold(40, 60));
    p.drawEllipse(QPointF(50, 15), 6, 6);

    QPainterPath body;
    body.moveTo(50, 19);
    body.cubicTo(32, 19, 28, 36, 27, 52);
    body.cubicTo(26, 64, 18, 70, 13, 77);
    body.lineTo(87, 77);
    body.cubicTo(82, 70, 74, 64, 73, 52);
    body.cubicTo(72, 36, 68, 19, 50, 19);
    p.setBrush(horizontalGold(13, 87));
    p.drawPath(body);
    p.setBrush(horizontalGold(10, 90));
    p.drawRoundedRect(QRectF(10, 73, 80, 9), 4.5, 4.5);
    // Decorative band around the waist.
    p.setPen(QPen(QColor(120, 70, 5, 180), 1.6));
    p.drawLine(QPointF(27, 54), QPointF(73, 54));
    p.drawLine(QPointF(26.5, 58), QPointF(73.5, 58));
    // Highlight.
    QPainterPath shine;
    shine.moveTo(38, 26);
    shine.cubicTo(32, 34, 32, 48, 30, 62);
    shine.cubicTo(34, 52, 36, 38, 42, 27);
    shine.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawPath(shine);
    sparkle(p, QPointF(66, 30), 8);
}

} // namespace artgen::parts
